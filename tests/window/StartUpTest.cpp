#include "WindowFixture.h"

#include <QLabel>
#include <QMenuBar>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTest>

using StartUp = WindowTest;

TEST_F(StartUp, OnlyOpenROMExitAndAboutCanBeUsed)
{
  EXPECT_EQ(Window->windowTitle(), "Tavrox v0.1.2");
  for (QAction* Action : {Ui().actOpenROM, Ui().actExit, Ui().mnuAbout})
    EXPECT_TRUE(Action->isEnabled()) << Action->objectName().toStdString();
  for (QAction* Action : {Ui().actOpenCDL, Ui().actSaveROM, Ui().actRestoreROM, Ui().actExportCDLDataToFile, Ui().mnuAutoSave})
    EXPECT_FALSE(Action->isEnabled()) << Action->objectName().toStdString();
  for (QWidget* Control : std::initializer_list<QWidget*>{
           Ui().lblRange, Ui().cmdCorrupt, Ui().rdgReplaceOptions, Ui().lvwCDLOffsets, Ui().txtStartRange,
           Ui().txtEndRange, Ui().lblSpecificByte, Ui().txtReplaceByte, Ui().lblIncreaseBy, Ui().txtIncreaseBy,
           Ui().lblDecreaseBy, Ui().txtDecreaseBy})
    EXPECT_FALSE(Control->isEnabled()) << Control->objectName().toStdString();
  EXPECT_TRUE(Ui().lblTo->isEnabled());
  EXPECT_TRUE(Ui().mnuAutoSave->isChecked());
  EXPECT_TRUE(Ui().rdoReplaceByte->isChecked());
  EXPECT_EQ(Window->ReplaceModeIndex(), 0);
}

TEST_F(StartUp, ShowsTheEmptyOptionsPageAndHidesTheRangeList)
{
  EXPECT_EQ(Ui().pgcOptions->currentWidget(), Ui().tshNothing);
  EXPECT_FALSE(Ui().pgcOptions->tabBar()->isVisible());
  EXPECT_EQ(Window->ClientHeight(), 218);
  EXPECT_EQ(Window->width(), 388);
  EXPECT_EQ(Window->minimumSize(), Window->maximumSize()) << "the window is not resizable";
  EXPECT_TRUE(Ui().StatusBar->isVisible());
  EXPECT_EQ(Ui().StatusBar->geometry().bottom() + 1, Window->height());
  EXPECT_GE(Ui().lvwCDLOffsets->y(), Window->centralWidget()->height()) << "the list lies below the visible area";
}

TEST_F(StartUp, TheStoredLayoutHasItsValuesAndLimits)
{
  EXPECT_EQ(Ui().txtStartRange->text(), "0");
  EXPECT_EQ(Ui().txtEndRange->text(), "0");
  EXPECT_EQ(Ui().txtReplaceByte->text(), "00");
  EXPECT_EQ(Ui().txtIncreaseBy->text(), "01");
  EXPECT_EQ(Ui().txtDecreaseBy->text(), "01");
  for (QLineEdit* Value : {Ui().txtReplaceByte, Ui().txtIncreaseBy, Ui().txtDecreaseBy})
    EXPECT_EQ(Value->maxLength(), 2);
  EXPECT_EQ(Ui().txtStartRange->geometry(), QRect(48, 8, 73, 21));
  EXPECT_EQ(Ui().lvwCDLOffsets->geometry(), QRect(8, 200, 377, 150));
  EXPECT_EQ(Ui().lvwCDLOffsets->model()->headerData(0, Qt::Horizontal).toString(), "Start Offset");
  EXPECT_EQ(Ui().lvwCDLOffsets->model()->headerData(1, Qt::Horizontal).toString(), "End Offset");
  EXPECT_EQ(Ui().lvwCDLOffsets->columnWidth(0), 100);
  const std::pair<QAction*, const char*> Shortcuts[] = {
      {Ui().actOpenROM, "Ctrl+O"},  {Ui().actOpenCDL, "Ctrl+Alt+O"}, {Ui().actSaveROM, "Ctrl+S"},
      {Ui().actRestoreROM, "Ctrl+R"}, {Ui().actExportCDLDataToFile, "Ctrl+E"}, {Ui().actExit, "Ctrl+X"},
      {Ui().mnuAutoSave, "Ctrl+Alt+A"},
  };
  for (const auto& [Action, Keys] : Shortcuts)
    EXPECT_EQ(Action->shortcut(), QKeySequence(Keys)) << Keys;
}

TEST_F(StartUp, EveryCaptionFitsItsStoredPlace)
{
  for (QLabel* Label : {Ui().lblRange, Ui().lblTo, Ui().lblSpecificByte, Ui().lblIncreaseBy, Ui().lblDecreaseBy}) {
    EXPECT_LE(Label->sizeHint().width(), Label->width()) << Label->text().toStdString();
    EXPECT_LE(Label->sizeHint().height(), Label->height()) << Label->text().toStdString();
  }
  for (QAbstractButton* Item : {Ui().rdoReplaceByte, Ui().rdoIncreaseBy, Ui().rdoDecreaseBy, Ui().rdoRandomBytes})
    EXPECT_LE(Item->sizeHint().width(), Item->width()) << Item->text().toStdString();
}

TEST_F(StartUp, CtrlXInARangeFieldRunsExitAndKeepsTheText)
{
  Ui().txtStartRange->setEnabled(true);
  Ui().txtStartRange->setText("12");
  Ui().txtStartRange->selectAll();
  Ui().txtStartRange->setFocus();
  const QSignalSpy Exit(Ui().actExit, &QAction::triggered);
  QTest::keyClick(Ui().txtStartRange, Qt::Key_X, Qt::ControlModifier);
  EXPECT_EQ(Exit.count(), 1);
  EXPECT_EQ(Ui().txtStartRange->text(), "12");
  EXPECT_FALSE(Window->isVisible()) << "no ROM was opened, so the window closes without a question";
  EXPECT_TRUE(Dialogs->Questions.isEmpty());
}

TEST_F(StartUp, TheShortcutOfADisabledActionDoesNothing)
{
  const QSignalSpy Save(Ui().actSaveROM, &QAction::triggered);
  const QSignalSpy Export(Ui().actExportCDLDataToFile, &QAction::triggered);
  QTest::keyClick(Window.get(), Qt::Key_S, Qt::ControlModifier);
  QTest::keyClick(Window.get(), Qt::Key_E, Qt::ControlModifier);
  EXPECT_EQ(Save.count(), 0);
  EXPECT_EQ(Export.count(), 0);
  EXPECT_TRUE(Dialogs->Messages.isEmpty());
}

TEST_F(StartUp, ChoosingAutosaveTwiceLeavesItChecked)
{
  Ui().mnuAutoSave->setEnabled(true);
  Ui().mnuAutoSave->trigger();
  EXPECT_FALSE(Ui().mnuAutoSave->isChecked());
  Ui().mnuAutoSave->trigger();
  EXPECT_TRUE(Ui().mnuAutoSave->isChecked());
}

TEST_F(StartUp, MenusHaveTheirAccessKeys)
{
  EXPECT_EQ(Ui().mnuFile->title(), "&File");
  EXPECT_EQ(Ui().mnuHelp->title(), "&Help");
  QStringList Items;
  for (const QAction* Item : Ui().mnuFile->actions())
    Items << (Item->isSeparator() ? "-" : Item->text());
  EXPECT_EQ(Items, QStringList({"&Open ROM", "O&pen CDL", "&Save ROM", "&Restore ROM",
                                "&Export CDL File Data to Text File", "&Autosave ROM when corrupted", "-", "E&xit"}));
  EXPECT_EQ(Ui().mnuAbout->text(), "&About");
}
