// Saving where the system refuses it: each failure must leave the file as it was and no
// temporary file behind. Runs as an ordinary user (see run-unprivileged.sh).

#include "Errors.h"
#include "ROMFile.h"
#include "TestFiles.h"
#include "WholeFile.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace fs = std::filesystem;

namespace {

const TBytes Original{0x4E, 0x45, 0x53, 0x1A, 1, 2, 3, 4};

} // namespace

class ReadOnly : public testing::Test {
protected:
  TTempFolder Folder;
  std::string ROM = Folder / "game.nes";

  void SetUp() override { WriteBytes(ROM, Original); }

  void ExpectUntouched(const std::vector<std::string>& Names)
  {
    EXPECT_EQ(ReadBytes(ROM), Original);
    EXPECT_EQ(FileNamesIn(Folder.Path()), Names);
  }
};

TEST_F(ReadOnly, SavingIntoAReadOnlyFolderIsRefused)
{
  fs::permissions(Folder.Path(), fs::perms::owner_write, fs::perm_options::remove);
  EXPECT_EQ(MessageOf<TFileCreateError>([&] { SaveROMImage(ROM, TROMImage(100, 0xEE)); }),
            "Cannot create file \"" + ROM + "\". Permission denied");
  EXPECT_EQ(MessageOf<TFileCreateError>([&] { WriteWholeFile(Folder / "game.txt", "report"); }),
            "Cannot create file \"" + (Folder / "game.txt") + "\". Permission denied");
  ExpectUntouched({"game.nes"});
}

TEST_F(ReadOnly, SavingOverAReadOnlyFileIsRefused)
{
  fs::permissions(ROM, fs::perms::owner_read);
  EXPECT_EQ(MessageOf<TFileCreateError>([&] { SaveROMImage(ROM, TROMImage(100, 0xEE)); }),
            "Cannot create file \"" + ROM + "\". Permission denied");
  ExpectUntouched({"game.nes"});
}

TEST_F(ReadOnly, ACopyIntoAReadOnlyPlaceFailsWithTheReason)
{
  fs::create_directory(Folder.Path() / "backups");
  fs::permissions(Folder.Path() / "backups", fs::perms::owner_read | fs::perms::owner_exec);
  const TCopyResult Copy = CopyFileReplacing(ROM, Folder / "backups/game.bak");
  EXPECT_FALSE(Copy.Succeeded);
  EXPECT_EQ(Copy.Reason, "Permission denied");
  EXPECT_TRUE(FileNamesIn(Folder.Path() / "backups").empty());

  fs::permissions(ROM, fs::perms::owner_read);
  WriteBytes(Folder / "game.bak", {9, 9});
  EXPECT_FALSE(CopyFileReplacing(Folder / "game.bak", ROM).Succeeded);
  ExpectUntouched({"backups", "game.bak", "game.nes"});
}

TEST_F(ReadOnly, AFileThatCannotBeReadGivesTheFileOpenError)
{
  fs::permissions(ROM, fs::perms::none);
  EXPECT_EQ(MessageOf<TFileOpenError>([&] { LoadROMImage(ROM); }), "Cannot open file \"" + ROM + "\". Permission denied");
}
