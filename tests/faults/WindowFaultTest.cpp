// Faults injected under the real window: files and folders the system refuses to write, a
// write that fails part-way, files that cannot be read, a backup folder that cannot be
// written. Each time, nothing is lost. Runs as an ordinary user (see run-unprivileged.sh).

#include "WindowFixture.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QStandardPaths>
#include <filesystem>
#include <functional>

namespace fs = std::filesystem;

class WindowFaults : public WindowTest {
protected:
  void SetUp() override
  {
    // The per-user data folder, where backups go when the program's folder is not writable.
    qputenv("HOME", Home.Path().c_str());
    WindowTest::SetUp();
    WriteBytes(ROM, Original);
  }

  static bool ProgramFolderWritable() { return QFileInfo(QCoreApplication::applicationDirPath()).isWritable(); }

  static std::string BackupFolder()
  {
    const QString Folder = ProgramFolderWritable()
                               ? QCoreApplication::applicationDirPath()
                               : QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
    return Folder.toStdString();
  }

  std::string Quoted(const std::string& Path) const { return "\"" + Path + "\""; }

  void ExpectFolderHolds(const std::vector<std::string>& Names) const
  {
    fs::permissions(Folder.Path(), fs::perms::owner_all, fs::perm_options::add);
    EXPECT_EQ(FileNamesIn(Folder.Path()), Names) << "a temporary file was left behind";
  }

  TTempFolder Home;
  const TBytes Original = TestROM(0x100);
  std::string ROM = Folder / "game.nes";
};

namespace {

struct TWriteFault {
  const char* Name;
  std::function<void(const std::string& Target)> Break;
  std::function<void(const std::string& Target)> Repair;
  const char* Error; // %s stands for the quoted target path
};

void MakeFolderReadOnly(const std::string& Target)
{
  fs::permissions(fs::path(Target).parent_path(), fs::perms::owner_write, fs::perm_options::remove);
}

void MakeFolderWritable(const std::string& Target)
{
  fs::permissions(fs::path(Target).parent_path(), fs::perms::owner_write, fs::perm_options::add);
}

void MakeFileReadOnly(const std::string& Target)
{
  fs::permissions(Target, fs::perms::owner_write, fs::perm_options::remove);
}

void MakeFileWritable(const std::string& Target)
{
  fs::permissions(Target, fs::perms::owner_write, fs::perm_options::add);
}

void PutFolderInItsPlace(const std::string& Target)
{
  fs::rename(Target, Target + ".away");
  fs::create_directory(Target);
}

void PutFileBack(const std::string& Target)
{
  fs::remove(Target);
  fs::rename(Target + ".away", Target);
}

const TWriteFault WriteFaults[] = {
    {"read-only folder", MakeFolderReadOnly, MakeFolderWritable, "Cannot create file %s. Permission denied."},
    {"read-only file", MakeFileReadOnly, MakeFileWritable, "Cannot create file %s. Permission denied."},
    {"folder in its place", PutFolderInItsPlace, PutFileBack, "Cannot create file %s. Is a directory."},
    // The full disk comes from a file size limit, set only while the file is written.
    {"full disk", nullptr, nullptr, "Cannot write file %s. File too large."},
};

QString ErrorFor(const TWriteFault& Fault, const std::string& Path)
{
  return QString(Fault.Error).replace("%s", QString::fromStdString("\"" + Path + "\""));
}

// Runs Action under the fault: a size limit for the full disk, else with the target broken.
void UnderFault(const TWriteFault& Fault, const std::string& Target, const std::function<void()>& Action)
{
  if (!Fault.Break) {
    const TFileSizeLimit Limit(64);
    Action();
    return;
  }
  Fault.Break(Target);
  Action();
  Fault.Repair(Target);
}

} // namespace

TEST_F(WindowFaults, AFailedSaveLeavesTheROMAsItWasAndTheImageKeepsItsChanges)
{
  OpenROM(ROM);
  for (const TWriteFault& Fault : WriteFaults) {
    Dialogs->Errors.clear();
    UnderFault(Fault, ROM, [&] { Corrupt("10", "1F", 0); });
    EXPECT_EQ(Dialogs->Errors, QStringList{ErrorFor(Fault, ROM)}) << Fault.Name;
    EXPECT_EQ(ReadBytes(ROM), Original) << Fault.Name;
    ExpectFolderHolds({"game.nes"});
  }
  EXPECT_EQ(Dialogs->Messages.last(), "Bytes between 10 to 1F have been replaced with 00.");
  Ui().actSaveROM->trigger();
  EXPECT_EQ(ReadBytes(ROM)[0x10], 0x00) << "the changes stayed in the image";
}

TEST_F(WindowFaults, AFailedExportLeavesTheOldReportAsItWas)
{
  const std::string Report = Folder / "game.txt";
  WriteBytes(Folder / "game.cdl", TestLog({{0x10, 0x8F}}));
  OpenROM(ROM);
  OpenCDL(Folder / "game.cdl");
  for (const TWriteFault& Fault : WriteFaults) {
    WriteBytes(Report, {'o', 'l', 'd'});
    Dialogs->Errors.clear();
    Dialogs->Answers = {TConfirmAnswer::Yes};
    UnderFault(Fault, Report, [&] { Ui().actExportCDLDataToFile->trigger(); });
    EXPECT_EQ(Dialogs->Errors, QStringList{ErrorFor(Fault, Report)}) << Fault.Name;
    EXPECT_EQ(ReadText(Report), "old") << Fault.Name;
    EXPECT_TRUE(Dialogs->ExportMessages.isEmpty()) << Fault.Name;
    ExpectFolderHolds({"game.cdl", "game.nes", "game.txt"});
  }
}

TEST_F(WindowFaults, FilesThatBecomeUnreadableAfterTheDialogAreReported)
{
  WriteBytes(Folder / "game.cdl", TestLog({{0x10, 0x1F}}));
  fs::permissions(ROM, fs::perms::none);
  OpenROM(ROM);
  EXPECT_EQ(Dialogs->Errors, QStringList{QString::fromStdString("Cannot open file " + Quoted(ROM) + ". Permission denied.")});
  EXPECT_EQ(Dialogs->Messages, QStringList{QString::fromStdString(
                                   "The backup " + BackupFolder() + "/game.bak could not be made: Permission denied. "
                                   "Changes saved to the ROM cannot be undone.")});
  Ui().actSaveROM->trigger();
  EXPECT_EQ(Dialogs->Messages.last(), "No ROM image is loaded.");

  fs::permissions(Folder.Path() / "game.cdl", fs::perms::none);
  OpenCDL(Folder / "game.cdl");
  EXPECT_EQ(Dialogs->Errors.last(),
            QString::fromStdString("Cannot open file " + Quoted(Folder / "game.cdl") + ". Permission denied."));

  fs::permissions(ROM, fs::perms::owner_read | fs::perms::owner_write);
  fs::permissions(Folder.Path() / "game.cdl", fs::perms::owner_read);
  EXPECT_EQ(ReadBytes(ROM), Original);
  OpenCDL(Folder / "game.cdl");
  EXPECT_EQ(Window->StatusPanel().text(), "Available Ranges: 1") << "the window stays usable";
}

TEST_F(WindowFaults, BackupsGoToTheUsersDataFolderWhenTheProgramsIsNotWritable)
{
  if (ProgramFolderWritable())
    GTEST_SKIP() << "the program's folder is writable; run as an ordinary user through run-unprivileged.sh";
  OpenROM(ROM);
  const std::string Backup = BackupFolder() + "/game.bak";
  EXPECT_TRUE(Dialogs->Messages.isEmpty());
  EXPECT_EQ(ReadBytes(Backup), Original);
  CloseWindow(TConfirmAnswer::No);
  EXPECT_FALSE(fs::exists(Backup));
}

TEST_F(WindowFaults, ABackupFolderThatCannotBeWrittenIsReported)
{
  if (ProgramFolderWritable())
    GTEST_SKIP() << "the program's folder is writable; run as an ordinary user through run-unprivileged.sh";
  fs::create_directories(BackupFolder());
  fs::permissions(BackupFolder(), fs::perms::owner_read | fs::perms::owner_exec);
  OpenROM(ROM);
  EXPECT_EQ(Dialogs->Messages, QStringList{QString::fromStdString(
                                   "The backup " + BackupFolder() + "/game.bak could not be made: Permission denied. "
                                   "Changes saved to the ROM cannot be undone.")});
  Corrupt("10", "10", 0);
  EXPECT_EQ(ReadBytes(ROM)[0x10], 0x00) << "the ROM is still usable";
  fs::permissions(BackupFolder(), fs::perms::owner_all);
}

TEST_F(WindowFaults, ARestoreAtExitOntoAReadOnlyROMKeepsTheBackup)
{
  OpenROM(ROM);
  Corrupt("10", "1F", 0);
  const TBytes Corrupted = ReadBytes(ROM);
  MakeFileReadOnly(ROM);
  const std::string Backup = BackupFolder() + "/game.bak";
  CloseWindow(TConfirmAnswer::Yes);
  EXPECT_FALSE(Window->isVisible());
  EXPECT_EQ(Dialogs->Messages.last(),
            QString::fromStdString("The backup " + Backup +
                                   " could not be restored: Permission denied. The backup file has been kept."));
  EXPECT_EQ(ReadBytes(Backup), Original);
  EXPECT_EQ(ReadBytes(ROM), Corrupted);
  fs::remove(Backup);
}
