#include "CDLParser.h"
#include "Errors.h"
#include "TestFiles.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace fs = std::filesystem;

namespace {

std::vector<TCDLRange> AsVector(const TCDLRangeList& List)
{
  std::vector<TCDLRange> Ranges;
  for (int Index = 0; Index < List.Count(); ++Index)
    Ranges.push_back(List.Items(Index));
  return Ranges;
}

std::vector<TCDLRange> Parsed(const TBytes& Log)
{
  return AsVector(ParseCDLRanges(Log));
}

// The scan told byte by byte, to check the fast one against.
std::vector<TCDLRange> ReferenceScan(const TBytes& Log)
{
  std::vector<TCDLRange> Ranges;
  bool InRun = false;
  std::int32_t RunStart = 0, Extra = 0;
  for (std::size_t Index = 0; Index < Log.size(); ++Index) {
    if ((Log[Index] & 0x02) == 0x02) {
      if (!InRun)
        RunStart = static_cast<std::int32_t>(Index), Extra = 0, InRun = true;
      else
        ++Extra;
    } else if (InRun) {
      Ranges.push_back({RunStart + 16, RunStart + Extra + 16});
      InRun = false;
    }
  }
  return Ranges;
}

} // namespace

TEST(CDLParser, FindsTheClosedDataRunsOfTheWorkedExample)
{
  EXPECT_EQ(Parsed({0x00, 0x02, 0x02, 0x03, 0x00, 0x02, 0x01, 0x02}),
            (std::vector<TCDLRange>{{0x11, 0x13}, {0x15, 0x15}}));
}

TEST(CDLParser, EdgeCasesOfRunsAndLogs)
{
  EXPECT_TRUE(Parsed({}).empty());
  EXPECT_TRUE(Parsed(TBytes(100, 0x02)).empty()) << "a run open at the end is no range";
  EXPECT_TRUE(Parsed(TBytes(100, 0x01)).empty());
  EXPECT_EQ(Parsed({0x02, 0x00}), (std::vector<TCDLRange>{{0x10, 0x10}}));
  TBytes Long(1000, 0x00);
  std::fill(Long.begin() + 37, Long.begin() + 900, 0x02);
  EXPECT_EQ(Parsed(Long), (std::vector<TCDLRange>{{37 + 16, 899 + 16}}));
}

TEST(CDLParser, OnlyBitTwoIsTheDataFlag)
{
  for (const std::uint8_t Data : {0x02, 0x03, 0x06, 0x07, 0xFF})
    EXPECT_EQ(Parsed({0x00, Data, 0x00}), (std::vector<TCDLRange>{{0x11, 0x11}})) << int(Data);
  for (const std::uint8_t NotData : {0x01, 0x04, 0x05, 0xFD})
    EXPECT_TRUE(Parsed({0x02, NotData, 0x02, NotData}).size() == 2) << int(NotData);
}

TEST(CDLParser, AgreesWithTheByteByByteScanAtEveryAlignment)
{
  // Runs and gaps of every length from 1 to 70 cross the eight- and 32-byte steps of the
  // fast scan at every position.
  TBytes Log;
  std::uint8_t Flags[] = {0x02, 0x00, 0x0E, 0x01, 0xFF, 0xFD};
  for (std::size_t Length = 1, Kind = 0; Log.size() < 20000; Length = Length % 70 + 1, ++Kind)
    Log.insert(Log.end(), Length, Flags[Kind % std::size(Flags)]);
  for (std::size_t Start = 0; Start < 40; ++Start) {
    const TBytes Shifted(Log.begin() + static_cast<std::ptrdiff_t>(Start), Log.end());
    ASSERT_EQ(Parsed(Shifted), ReferenceScan(Shifted)) << Start;
  }
}

TEST(CDLParser, AgreesWithTheByteByByteScanOnRealLogs)
{
  const auto RealData = RealDataFolder();
  if (!RealData)
    GTEST_SKIP() << "the real code/data logs are not there";
  int Logs = 0;
  for (const auto& Entry : fs::recursive_directory_iterator(*RealData / "cdl")) {
    if (Entry.path().extension() != ".cdl")
      continue;
    const TBytes Log = ReadBytes(Entry.path().string());
    EXPECT_EQ(AsVector(LoadCDLRanges(Entry.path().string())), ReferenceScan(Log)) << Entry.path();
    ++Logs;
  }
  EXPECT_GT(Logs, 0);
}

TEST(CDLParser, FindsAsManyRangesAsTheRealLogsHaveDataRuns)
{
  const auto RealData = RealDataFolder();
  if (!RealData)
    GTEST_SKIP() << "the real code/data logs are not there";
  // Counted by the data's own notes; none of these logs ends inside a run.
  const std::pair<const char*, int> Cases[] = {
      {"cdl/emulator-a/smb1-w.cdl", 207},
      {"cdl/emulator-a/quantum.cdl", 147},
      {"cdl/emulator-a/fukkireta.cdl", 4},
      {"cdl/emulator-a/tbd-nes-project-94e17df-allzero.cdl", 0},
      {"cdl/emulator-b/crystalis.cdl", 2749},
  };
  for (const auto& [Name, Runs] : Cases)
    EXPECT_EQ(LoadCDLRanges((*RealData / Name).string()).Count(), Runs) << Name;
}

TEST(CDLParser, ALogThatCannotBeReadOrIsTooLargeIsRefused)
{
  const TTempFolder Folder;
  const std::string Missing = Folder / "missing.cdl";
  EXPECT_EQ(MessageOf<TFileOpenError>([&] { LoadCDLRanges(Missing); }),
            "Cannot open file \"" + Missing + "\". No such file or directory");

  const std::string Huge = Folder / "huge.cdl";
  WriteBytes(Huge, {});
  fs::resize_file(Huge, std::uintmax_t{MaxCDLSize} + 1); // sparse: costs no disk space
  EXPECT_EQ(MessageOf<TFileTooLargeError>([&] { LoadCDLRanges(Huge); }),
            "The file \"" + Huge + "\" is too large: at most 2147483632 bytes can be read, so that every offset fits in 32 bits");
}
