#include "BackupPath.h"
#include "TestFiles.h"

#include <gtest/gtest.h>

TEST(BackupPath, IsTheROMFileNameWithExtensionBakInTheBackupFolder)
{
  const struct {
    const char* Folder;
    const char* ROM;
    const char* Backup;
  } Cases[] = {
      {"/opt/tavrox", "/roms/game.nes", "/opt/tavrox/game.bak"},
      {"/opt/tavrox", "/other/game.nes", "/opt/tavrox/game.bak"},
      {"/opt/tavrox", "/roms/game.v1.nes", "/opt/tavrox/game.v1.bak"},
      {"/opt/tavrox", "/roms/game", "/opt/tavrox/game.bak"},
      {"/opt/tavrox", "/my.roms/game", "/opt/tavrox/game.bak"},
      {"/opt/tavrox", "/roms/game.", "/opt/tavrox/game.bak"},
      {"/opt/tavrox", "/roms/.nes", "/opt/tavrox/.bak"},
      {"/opt/tavrox/", "/roms/game.nes", "/opt/tavrox/game.bak"},
      {"/", "/roms/game.nes", "/game.bak"},
  };
  for (const auto& Case : Cases)
    EXPECT_EQ(BackupPathFor(Case.Folder, Case.ROM), Case.Backup) << Case.ROM;
}

TEST(BackupPath, NeverNamesTheROMItself)
{
  const TTempFolder Folder;
  WriteBytes(Folder / "x.bak", {1, 2, 3});
  const std::string Expected = Folder / "x.bak.bak";
  EXPECT_EQ(BackupPathFor(Folder.Path().string(), Folder / "x.bak"), Expected);
  EXPECT_EQ(BackupPathFor(Folder.Path().string(), Folder.Path().string() + "/./x.bak"), Expected);
  EXPECT_EQ(BackupPathFor(Folder.Path().string(), Folder.Path().string() + "//x.bak"), Expected);
}
