// The backup is never lost and never mistaken for the ROM, and failed copies are told.

#include "WindowFixture.h"

#include <filesystem>

namespace fs = std::filesystem;

class DataSafety : public WindowTest {
protected:
  // One test puts its ROM beside the program, where backups go.
  void TearDown() override
  {
    WindowTest::TearDown();
    std::error_code Error;
    fs::remove(BackupBesideProgram("safety.bak"), Error);
  }

  std::string ROM = Folder / "safety.nes";
  std::string Backup = BackupBesideProgram("safety.bak");
};

TEST_F(DataSafety, ABackupThatCannotBeMadeIsReportedAndTheROMStillOpens)
{
  WriteBytes(ROM, TestROM(64));
  fs::create_directory(Backup); // a folder where the backup should go
  OpenROM(ROM);
  EXPECT_EQ(Dialogs->Messages, QStringList{QString::fromStdString(
                                   "The backup " + Backup +
                                   " could not be made: Is a directory. Changes saved to the ROM cannot be undone.")});
  Corrupt("10", "10", 0);
  EXPECT_EQ(ReadBytes(ROM)[0x10], 0x00);
  CloseWindow(TConfirmAnswer::No);
  EXPECT_TRUE(Dialogs->Questions.isEmpty()) << "there is no backup file to restore";
  EXPECT_TRUE(fs::is_directory(Backup));
}

TEST_F(DataSafety, AROMNamedLikeItsBackupKeepsItsOwnFile)
{
  const std::string ROMInBackupFolder = Backup; // safety.bak beside the program
  WriteBytes(ROMInBackupFolder, TestROM(64));
  OpenROM(ROMInBackupFolder);
  const std::string ItsBackup = BackupBesideProgram("safety.bak.bak");
  EXPECT_TRUE(Dialogs->Messages.isEmpty());
  EXPECT_EQ(ReadBytes(ItsBackup), TestROM(64));
  Corrupt("10", "10", 0);
  CloseWindow(TConfirmAnswer::No);
  EXPECT_FALSE(fs::exists(ItsBackup));
  ASSERT_TRUE(fs::exists(ROMInBackupFolder)) << "the exit deleted the ROM itself";
  EXPECT_EQ(ReadBytes(ROMInBackupFolder)[0x10], 0x00);
}

TEST_F(DataSafety, ARestoreThatFailsIsReportedAndTheImageIsReadAgain)
{
  WriteBytes(ROM, TestROM(64));
  OpenROM(ROM);
  Corrupt("10", "1F", 0);
  fs::remove(Backup);
  Ui().actRestoreROM->trigger();
  EXPECT_EQ(Dialogs->Messages.last(),
            QString::fromStdString("The backup " + Backup + " could not be restored: No such file or directory."));
  EXPECT_EQ(ReadBytes(ROM)[0x10], 0x00);
  EXPECT_TRUE(Dialogs->Errors.isEmpty());
}

TEST_F(DataSafety, ARestoreAtExitThatFailsKeepsTheBackup)
{
  WriteBytes(ROM, TestROM(64));
  OpenROM(ROM);
  Corrupt("10", "1F", 0);
  fs::remove(ROM);
  fs::create_directory(ROM); // the ROM's place can no longer be written
  CloseWindow(TConfirmAnswer::Yes);
  EXPECT_FALSE(Window->isVisible()) << "the close goes ahead";
  EXPECT_EQ(Dialogs->Messages.last(),
            QString::fromStdString("The backup " + Backup +
                                   " could not be restored: Is a directory. The backup file has been kept."));
  EXPECT_EQ(ReadBytes(Backup), TestROM(64));
}

TEST_F(DataSafety, ASaveThatFailsIsShownAndTheImageKeepsItsChanges)
{
  WriteBytes(ROM, TestROM(64));
  OpenROM(ROM);
  fs::remove(ROM);
  fs::create_directory(ROM);
  Corrupt("10", "1F", 0);
  EXPECT_EQ(Dialogs->Messages.last(), "Bytes between 10 to 1F have been replaced with 00.");
  EXPECT_EQ(Dialogs->Errors, QStringList{QString::fromStdString("Cannot create file \"" + ROM + "\". Is a directory.")});
  fs::remove(ROM);
  Ui().actSaveROM->trigger();
  EXPECT_EQ(ReadBytes(ROM)[0x10], 0x00);
}
