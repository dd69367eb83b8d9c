#include "RangeReport.h"
#include "TestFiles.h"
#include "WholeFile.h"

#include <gtest/gtest.h>

TEST(RangeReport, PathIsTheROMsWithExtensionTxt)
{
  const std::pair<const char*, const char*> Cases[] = {
      {"/roms/game.nes", "/roms/game.txt"},       {"/roms/game", "/roms/game.txt"},
      {"/roms/game.v1.nes", "/roms/game.v1.txt"}, {"/my.roms/game", "/my.roms/game.txt"},
      {"/roms/game.txt", "/roms/game.txt"},       {"game.nes", "game.txt"},
  };
  for (const auto& [ROM, Report] : Cases)
    EXPECT_EQ(ReportPathFor(ROM), Report);
}

TEST(RangeReport, TextHasTheHeaderThenOneLinePerRangeEachEndedByCRLF)
{
  TCDLRangeList Ranges;
  EXPECT_EQ(ReportText("/roms/game.nes", Ranges), "Tavrox CDL Data Ranges for:\r\n/roms/game.nes\r\n\r\n");
  Ranges.Add({0x10, 0x10});
  Ranges.Add({0x10, 0x3F1});
  Ranges.Add({0xFFFF0, 0x123456});
  EXPECT_EQ(ReportText("/roms/game.nes", Ranges), "Tavrox CDL Data Ranges for:\r\n"
                                                  "/roms/game.nes\r\n"
                                                  "\r\n"
                                                  "00010 - 00010\r\n"
                                                  "00010 - 003F1\r\n"
                                                  "FFFF0 - 123456\r\n");
}

TEST(RangeReport, WrittenFileHoldsExactlyTheTextAndReplacesAnOldReport)
{
  const TTempFolder Folder;
  const std::string ROM = Folder / "game.nes";
  WriteBytes(ReportPathFor(ROM), TBytes(100, 'x'));
  TCDLRangeList Ranges;
  Ranges.Add({0x11, 0x13});
  WriteWholeFile(ReportPathFor(ROM), ReportText(ROM, Ranges));
  EXPECT_EQ(ReadText(Folder / "game.txt"), "Tavrox CDL Data Ranges for:\r\n" + ROM + "\r\n\r\n00011 - 00013\r\n");
  EXPECT_EQ(FileNamesIn(Folder.Path()), std::vector<std::string>{"game.txt"});
}
