// The real message boxes and open-file dialog, driven without a modal loop.

#include "ApplicationTitle.h"
#include "ErrorGuard.h"
#include "QtDialogs.h"
#include "TestFiles.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

QStringList ButtonTexts(const QMessageBox& Box)
{
  QStringList Texts;
  for (const QAbstractButton* Button : Box.buttons())
    Texts << Button->text();
  Texts.sort();
  return Texts;
}

} // namespace

TEST(QtDialogs, TheConfirmationOffersItsButtonsWithYesAsDefault)
{
  const auto Box = MakeConfirmationBox(nullptr, "Do you wish to restore the backup?", TConfirmButtons::YesNoCancel);
  EXPECT_EQ(Box->windowTitle(), "Confirm");
  EXPECT_EQ(Box->icon(), QMessageBox::Question);
  EXPECT_EQ(Box->text(), "Do you wish to restore the backup?");
  EXPECT_EQ(ButtonTexts(*Box), QStringList({"&No", "&Yes", "Cancel"}));
  EXPECT_EQ(Box->defaultButton()->text(), "&Yes");
  EXPECT_EQ(ButtonTexts(*MakeConfirmationBox(nullptr, "?", TConfirmButtons::YesNo)), QStringList({"&No", "&Yes"}));
}

TEST(QtDialogs, KeysAndTheCloseBoxGiveTheirAnswers)
{
  const struct {
    TConfirmButtons Buttons;
    Qt::Key Key; // Qt::Key_unknown: the close box
    TConfirmAnswer Answer;
  } Cases[] = {
      {TConfirmButtons::YesNoCancel, Qt::Key_Escape, TConfirmAnswer::Cancel},
      {TConfirmButtons::YesNo, Qt::Key_Escape, TConfirmAnswer::No},
      {TConfirmButtons::YesNoCancel, Qt::Key_Return, TConfirmAnswer::Yes},
      {TConfirmButtons::YesNo, Qt::Key_Return, TConfirmAnswer::Yes},
      {TConfirmButtons::YesNoCancel, Qt::Key_unknown, TConfirmAnswer::Cancel},
      {TConfirmButtons::YesNo, Qt::Key_unknown, TConfirmAnswer::No},
  };
  for (const auto& Case : Cases) {
    const auto Box = MakeConfirmationBox(nullptr, "?", Case.Buttons);
    Box->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(Box.get()));
    if (Case.Key == Qt::Key_unknown)
      Box->close();
    else
      QTest::keyClick(Box.get(), Case.Key);
    EXPECT_EQ(ConfirmationAnswer(*Box), Case.Answer) << QKeySequence(Case.Key).toString().toStdString();
    EXPECT_FALSE(Box->isVisible());
  }
}

TEST(QtDialogs, TheExportMessageHasNoOwnerAndDoesNotBlock)
{
  {
    TQtDialogs Dialogs(nullptr);
    Dialogs.ShowExportDone("CDL data to saved to\n/roms/game.txt");
    QMessageBox* Shown = nullptr;
    for (QWidget* Window : QApplication::topLevelWidgets())
      if (auto* const Box = qobject_cast<QMessageBox*>(Window); Box && Box->isVisible())
        Shown = Box;
    ASSERT_NE(Shown, nullptr);
    EXPECT_EQ(Shown->windowTitle(), "Tavrox");
    EXPECT_EQ(Shown->icon(), QMessageBox::Warning);
    EXPECT_EQ(Shown->text(), "CDL data to saved to\n/roms/game.txt");
    EXPECT_EQ(Shown->windowModality(), Qt::NonModal);
    EXPECT_EQ(Shown->parentWidget(), nullptr);
    EXPECT_FALSE(Shown->testAttribute(Qt::WA_QuitOnClose)) << "it must not keep the program running";
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
  }
  for (QWidget* Window : QApplication::topLevelWidgets())
    EXPECT_EQ(qobject_cast<QMessageBox*>(Window), nullptr) << "the message outlived its dialogs";
}

TEST(QtDialogs, TheOpenDialogRemembersTheAcceptedPathAndFilter)
{
  const TTempFolder Folder;
  WriteBytes(Folder / "game.nes", {1});
  TOpenDialog Dialog(nullptr);
  const auto First = Dialog.Prepare("Please select your NES ROM", {"iNES Image (*.nes)", "All Files (*)"});
  EXPECT_EQ(First->windowTitle(), "Please select your NES ROM");
  EXPECT_EQ(First->nameFilters(), QStringList({"iNES Image (*.nes)", "All Files (*)"}));
  EXPECT_EQ(First->fileMode(), QFileDialog::AnyFile) << "a typed name of a missing file is accepted";
  EXPECT_EQ(First->acceptMode(), QFileDialog::AcceptOpen);
  EXPECT_EQ(First->selectedNameFilter(), "iNES Image (*.nes)");

  First->selectNameFilter("All Files (*)");
  First->selectFile(QString::fromStdString(Folder / "game.nes"));
  Dialog.Remember(*First);
  const auto Second = Dialog.Prepare("Please select your CDL file", {"CDL File (*.cdl)", "All Files (*)"});
  EXPECT_EQ(Second->selectedNameFilter(), "All Files (*)");
  EXPECT_EQ(Second->selectedFiles(), QStringList{QString::fromStdString(Folder / "game.nes")});
}

TEST(ApplicationTitle, IsTheExecutablesNameCutAtTheFirstDot)
{
  const std::pair<const char*, const char*> Cases[] = {
      {"/usr/bin/tavrox", "Tavrox"},        {"C:/Tools/TAVROX.EXE", "Tavrox"},
      {"/opt/tavrox.bin.old", "Tavrox"},    {"/build/tests/window_tests", "Window_tests"},
  };
  for (const auto& [Path, Title] : Cases)
    EXPECT_EQ(ApplicationTitle(Path).toStdString(), Title);
}

TEST(ErrorDisplay, AddsAFullStopAfterCharactersThatSortAfterIt)
{
  const std::pair<const char*, const char*> Cases[] = {
      {"No such file or directory", "No such file or directory."},
      {"List index out of bounds (1)", "List index out of bounds (1)"},
      {"'$G' is not a valid integer value", "'$G' is not a valid integer value."},
      {"Cannot open \"x\"", "Cannot open \"x\""}, // '"' sorts before '.'
      {"Cannot open \u201Cx\u201D", "Cannot open \u201Cx\u201D."},
      {"size 1", "size 1."},
      {"done.", "done."},
      {"stop!", "stop!"},
      {"", ""},
  };
  for (const auto& [Message, Shown] : Cases)
    EXPECT_EQ(WithFullStop(QString::fromUtf8(Message)).toStdString(), Shown);
}
