// The typical use, step by step: open a ROM and its log, take a range, corrupt it, restore,
// export the ranges and leave.

#include "WindowFixture.h"

#include <QLabel>
#include <filesystem>

namespace fs = std::filesystem;

namespace {

constexpr std::size_t ROMSize = 0x1000;

} // namespace

class TypicalUse : public WindowTest {
protected:
  void SetUp() override
  {
    WindowTest::SetUp();
    WriteBytes(ROM, TestROM(ROMSize));
    WriteBytes(Log, TestLog({{0x10, 0x3F1}, {0x400, 0x40F}, {0x7FE, 0x7FE}}));
  }
  void OpenBoth()
  {
    OpenROM(ROM);
    OpenCDL(Log);
  }

  QString RowText(int Row, int Column) const
  {
    return Ui().lvwCDLOffsets->model()->index(Row, Column).data().toString();
  }

  std::string ROM = Folder / "game.nes";
  std::string Log = Folder / "game.cdl";
  std::string Backup = BackupBesideProgram("game.bak");
};

TEST_F(TypicalUse, OpenROMNamesItEnablesTheControlsAndBacksItUp)
{
  OpenROM(ROM);
  ASSERT_EQ(Dialogs->FileRequests.size(), 1u);
  EXPECT_EQ(Dialogs->FileRequests[0].Title, "Please select your NES ROM");
  EXPECT_EQ(Dialogs->FileRequests[0].Filters, QStringList({"iNES Image (*.nes)", "All Files (*)"}));
  EXPECT_EQ(Window->windowTitle(), "Tavrox v0.1.1 - game.nes");
  EXPECT_EQ(ReadBytes(Backup), TestROM(ROMSize));
  for (QAction* Action : {Ui().actOpenCDL, Ui().actSaveROM, Ui().actRestoreROM, Ui().mnuAutoSave})
    EXPECT_TRUE(Action->isEnabled()) << Action->objectName().toStdString();
  EXPECT_FALSE(Ui().actExportCDLDataToFile->isEnabled());
  EXPECT_TRUE(Ui().cmdCorrupt->isEnabled());
  EXPECT_TRUE(Ui().txtStartRange->isEnabled());
  EXPECT_EQ(Ui().pgcOptions->currentWidget(), Ui().tshSpecificByte);
  EXPECT_TRUE(Dialogs->Messages.isEmpty());
  EXPECT_TRUE(Dialogs->Errors.isEmpty());
}

TEST_F(TypicalUse, OpenCDLListsTheRangesInHexAndShowsTheList)
{
  OpenBoth();
  EXPECT_EQ(Dialogs->FileRequests[1].Title, "Please select your CDL file");
  EXPECT_EQ(Dialogs->FileRequests[1].Filters, QStringList({"CDL File (*.cdl)", "All Files (*)"}));
  EXPECT_EQ(Window->StatusPanel().text(), "Available Ranges: 3");
  EXPECT_EQ(Window->ClientHeight(), 369);
  EXPECT_EQ(Ui().lvwCDLOffsets->geometry().bottom() + 1, Window->centralWidget()->height())
      << "the list ends where the status bar begins";
  ASSERT_EQ(Ui().lvwCDLOffsets->model()->rowCount(), 3);
  EXPECT_EQ(RowText(0, 0), "00010");
  EXPECT_EQ(RowText(0, 1), "003F1");
  EXPECT_EQ(RowText(2, 0), "007FE");
  EXPECT_TRUE(Ui().actExportCDLDataToFile->isEnabled());

  WriteBytes(Log, TestLog({{0x20, 0x2F}}));
  OpenCDL(Log);
  EXPECT_EQ(Window->StatusPanel().text(), "Available Ranges: 1");
  EXPECT_EQ(Ui().lvwCDLOffsets->model()->rowCount(), 1);
  EXPECT_EQ(RowText(0, 0), "00020");
}

TEST_F(TypicalUse, ADoubleClickCopiesTheRangeNotTheEditedText)
{
  OpenBoth();
  Ui().lvwCDLOffsets->model()->setData(Ui().lvwCDLOffsets->model()->index(0, 0), "my note");
  EXPECT_EQ(RowText(0, 0), "my note");
  SelectMode(2);
  Ui().txtDecreaseBy->setText("0a");
  DoubleClickRow(0);
  EXPECT_EQ(Ui().txtStartRange->text(), "00010");
  EXPECT_EQ(Ui().txtEndRange->text(), "003F1");
  EXPECT_EQ(Window->ReplaceModeIndex(), 2);
  EXPECT_EQ(Ui().txtDecreaseBy->text(), "0a");
  DoubleClickRow(1);
  EXPECT_EQ(Ui().txtStartRange->text(), "00400");
  EXPECT_EQ(Ui().txtEndRange->text(), "0040F");
}

TEST_F(TypicalUse, CorruptChangesTheRangeTellsWhatAndSavesIt)
{
  OpenBoth();
  DoubleClickRow(0);
  SelectMode(1);
  EXPECT_EQ(Ui().pgcOptions->currentWidget(), Ui().tshIncrease);
  QTest::mouseClick(Ui().cmdCorrupt, Qt::LeftButton);
  EXPECT_EQ(Dialogs->Messages, QStringList{"Bytes between 00010 to 003F1 have been increased by 01."});
  TBytes Expected = TestROM(ROMSize);
  for (std::size_t Offset = 0x10; Offset <= 0x3F1; ++Offset)
    ++Expected[Offset];
  EXPECT_EQ(ReadBytes(ROM), Expected);
  EXPECT_EQ(ReadBytes(Backup), TestROM(ROMSize));
}

TEST_F(TypicalUse, WithoutAutosaveOnlySaveROMWritesAndEverySaveHoldsAllChanges)
{
  OpenROM(ROM);
  Ui().mnuAutoSave->trigger();
  Corrupt("0", "0", 0);
  Corrupt("1F", "10", 0);
  EXPECT_EQ(Dialogs->Messages.last(), "The end range is less than the start range.");
  EXPECT_EQ(ReadBytes(ROM), TestROM(ROMSize));
  Corrupt("FFF", "FFF", 3);
  Ui().actSaveROM->trigger();
  const TBytes Saved = ReadBytes(ROM), Original = TestROM(ROMSize);
  ASSERT_EQ(Saved.size(), ROMSize);
  EXPECT_EQ(Saved[0], 0x00);
  EXPECT_TRUE(std::equal(Saved.begin() + 1, Saved.end() - 1, Original.begin() + 1));
  EXPECT_EQ(Dialogs->Messages.last(), "Bytes between FFF to FFF have been randomised.");
}

TEST_F(TypicalUse, RestoreBringsFileAndImageBack)
{
  OpenROM(ROM);
  Corrupt("10", "FFF", 3);
  EXPECT_NE(ReadBytes(ROM), TestROM(ROMSize));
  Ui().actRestoreROM->trigger();
  EXPECT_EQ(ReadBytes(ROM), TestROM(ROMSize));
  Ui().actSaveROM->trigger(); // the image was reloaded: saving it changes nothing
  EXPECT_EQ(ReadBytes(ROM), TestROM(ROMSize));
  EXPECT_EQ(Dialogs->Messages.size(), 1);
}

TEST_F(TypicalUse, ExportWritesTheReportAndAsksBeforeOverwriting)
{
  OpenBoth();
  Ui().actExportCDLDataToFile->trigger();
  const std::string Report = Folder / "game.txt";
  const std::string Expected = "Tavrox CDL Data Ranges for:\r\n" + ROM +
                               "\r\n\r\n00010 - 003F1\r\n00400 - 0040F\r\n007FE - 007FE\r\n";
  EXPECT_EQ(ReadText(Report), Expected);
  EXPECT_EQ(Dialogs->ExportMessages, QStringList{"CDL data to saved to\n" + QString::fromStdString(Report)});
  EXPECT_TRUE(Dialogs->Questions.isEmpty());

  WriteBytes(Report, {'o', 'l', 'd'});
  Dialogs->Answers = {TConfirmAnswer::No};
  Ui().actExportCDLDataToFile->trigger();
  EXPECT_EQ(Dialogs->Questions, QStringList{"Do you wish to overwrite the existing \ngame.txt?"});
  EXPECT_EQ(Dialogs->QuestionButtons.back(), TConfirmButtons::YesNo);
  EXPECT_EQ(ReadText(Report), "old");
  EXPECT_EQ(Dialogs->ExportMessages.size(), 1);

  Dialogs->Answers = {TConfirmAnswer::Yes};
  Ui().actExportCDLDataToFile->trigger();
  EXPECT_EQ(ReadText(Report), Expected);
  EXPECT_EQ(Dialogs->ExportMessages.size(), 2);
}

TEST_F(TypicalUse, ASecondROMKeepsTheRangesAndTheExportNamesIt)
{
  OpenBoth();
  const std::string Second = Folder / "second.v1.nes";
  WriteBytes(Second, TestROM(0x800));
  OpenROM(Second);
  EXPECT_EQ(Window->windowTitle(), "Tavrox v0.1.1 - second.v1.nes");
  EXPECT_EQ(Ui().lvwCDLOffsets->model()->rowCount(), 3);
  EXPECT_EQ(Window->StatusPanel().text(), "Available Ranges: 3");
  Ui().actExportCDLDataToFile->trigger();
  EXPECT_TRUE(ReadText(Folder / "second.v1.txt").starts_with("Tavrox CDL Data Ranges for:\r\n" + Second + "\r\n"));
}

TEST_F(TypicalUse, ExitAsksToRestoreCancelKeepsTheWindowAndYesRestores)
{
  OpenROM(ROM);
  Corrupt("10", "1F", 0);
  Dialogs->Answers = {TConfirmAnswer::Cancel};
  Window->close();
  EXPECT_EQ(Dialogs->Questions, QStringList{"Do you wish to restore the backup?"});
  EXPECT_EQ(Dialogs->QuestionButtons.back(), TConfirmButtons::YesNoCancel);
  EXPECT_TRUE(Window->isVisible());
  EXPECT_TRUE(fs::exists(Backup));

  Dialogs->Answers = {TConfirmAnswer::Yes};
  Ui().actExit->trigger();
  EXPECT_FALSE(Window->isVisible());
  EXPECT_FALSE(fs::exists(Backup));
  EXPECT_EQ(ReadBytes(ROM), TestROM(ROMSize));
}

TEST_F(TypicalUse, ExitWithNoKeepsTheChangesAndDeletesTheBackup)
{
  OpenROM(ROM);
  Corrupt("10", "1F", 0);
  CloseWindow(TConfirmAnswer::No);
  EXPECT_FALSE(Window->isVisible());
  EXPECT_FALSE(fs::exists(Backup));
  EXPECT_EQ(ReadBytes(ROM)[0x10], 0x00);
}

TEST_F(TypicalUse, AboutTellsWhoWroteTavrox)
{
  Ui().mnuAbout->trigger();
  ASSERT_EQ(Dialogs->Messages.size(), 1);
  const QStringList Lines = Dialogs->Messages[0].split('\n');
  ASSERT_EQ(Lines.size(), 8);
  EXPECT_EQ(Lines[0], "Tavrox v0.1.2");
  EXPECT_EQ(Lines[2], "Tavrox written by Vorl.");
  EXPECT_EQ(Lines[5], "Thanks to: ");
  EXPECT_TRUE(Lines[1].isEmpty() && Lines[4].isEmpty() && Lines[6].isEmpty());
}
