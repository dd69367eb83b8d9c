// Speed and memory of the core, each figure against a baseline of the same run.

#include "AllocationCounter.h"
#include "CDLParser.h"
#include "Corruption.h"
#include "HexOffsetText.h"
#include "ROMFile.h"
#include "RatioReporter.h"

#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <random>
#include <unistd.h>
#include <vector>

namespace {

constexpr std::size_t BufferSize = std::size_t{64} << 20;

using TBuffer = std::vector<std::uint8_t>;

TBuffer& Image()
{
  static TBuffer Buffer(BufferSize, 0x5A);
  return Buffer;
}

void SetBytes(benchmark::State& State, std::size_t BytesPerIteration)
{
  State.SetBytesProcessed(static_cast<std::int64_t>(State.iterations() * BytesPerIteration));
}

void Memset(benchmark::State& State)
{
  TBuffer& Buffer = Image();
  for (auto _ : State) {
    std::memset(Buffer.data(), 0x42, Buffer.size());
    benchmark::ClobberMemory();
  }
  SetBytes(State, BufferSize);
}

void Memcpy(benchmark::State& State)
{
  static const TBuffer Source(BufferSize, 0x17);
  TBuffer& Buffer = Image();
  for (auto _ : State) {
    std::memcpy(Buffer.data(), Source.data(), Buffer.size());
    benchmark::ClobberMemory();
  }
  SetBytes(State, BufferSize);
}

void Corrupt(benchmark::State& State, TReplaceMode Mode)
{
  const TCorruptionFields Fields{"0", HexOffsetText(BufferSize - 1), "42", "01", "01"};
  TBuffer& Buffer = Image();
  for (auto _ : State) {
    const TCorruptionOutcome Outcome = CorruptRange(Fields, Mode, Buffer);
    benchmark::DoNotOptimize(Outcome.Changed);
    benchmark::ClobberMemory();
  }
  SetBytes(State, BufferSize);
}

void Mode0_ReplaceByte(benchmark::State& State) { Corrupt(State, TReplaceMode::ReplaceByte); }
void Mode1_IncreaseBy(benchmark::State& State) { Corrupt(State, TReplaceMode::IncreaseBy); }
void Mode2_DecreaseBy(benchmark::State& State) { Corrupt(State, TReplaceMode::DecreaseBy); }
void Mode3_RandomBytes(benchmark::State& State) { Corrupt(State, TReplaceMode::RandomBytes); }

// Runs and gaps of 64 to 4159 bytes, with other flag bits mixed in as real logs have them.
const TBuffer& SparseLog()
{
  static const TBuffer Log = [] {
    TBuffer Bytes;
    Bytes.reserve(BufferSize);
    std::mt19937 Random(2026);
    const std::uint8_t Data[] = {0x02, 0x03, 0x06, 0x0E}, Other[] = {0x00, 0x01, 0x04, 0x0C};
    for (bool InRun = false; Bytes.size() < BufferSize; InRun = !InRun) {
      const std::size_t Length = std::min<std::size_t>(64 + Random() % 4096, BufferSize - Bytes.size());
      for (std::size_t Index = 0; Index < Length; ++Index)
        Bytes.push_back(InRun ? Data[Random() % 4] : Other[Random() % 4]);
    }
    return Bytes;
  }();
  return Log;
}

void Memchr(benchmark::State& State)
{
  const TBuffer& Log = SparseLog();
  for (auto _ : State)
    benchmark::DoNotOptimize(std::memchr(Log.data(), 0xFF, Log.size())); // absent: scans it all
  SetBytes(State, BufferSize);
}

void ReportListMemory(benchmark::State& State, const TAllocationWatch& Watch, int Ranges)
{
  State.counters["ranges"] = Ranges;
  State.counters["memory_vs_8_bytes_a_range"] = double(Watch.PeakBytes()) / (8.0 * Ranges);
}

void ScanSparseLog(benchmark::State& State)
{
  const TBuffer& Log = SparseLog();
  int Ranges = 0;
  for (auto _ : State)
    Ranges = ParseCDLRanges(Log).Count();
  State.counters["ranges"] = Ranges;
  SetBytes(State, BufferSize);
}

// The data flag on every other byte: one range per two log bytes, 32 M in all.
void ScanWorstCaseLog(benchmark::State& State)
{
  TBuffer Log(BufferSize);
  for (std::size_t Index = 0; Index < Log.size(); ++Index)
    Log[Index] = Index % 2 == 0 ? 0x02 : 0x00;
  for (auto _ : State) {
    const TAllocationWatch Watch;
    const TCDLRangeList Ranges = ParseCDLRanges(Log);
    State.PauseTiming();
    ReportListMemory(State, Watch, Ranges.Count());
    State.ResumeTiming();
  }
  SetBytes(State, BufferSize);
}

constexpr int MillionRanges = 1'000'000;

void VectorOfAMillionRanges(benchmark::State& State)
{
  for (auto _ : State) {
    std::vector<TCDLRange> Ranges;
    Ranges.reserve(MillionRanges);
    for (std::int32_t Index = 0; Index < MillionRanges; ++Index)
      Ranges.push_back({Index * 4 + 16, Index * 4 + 17});
    benchmark::DoNotOptimize(Ranges.data());
  }
}

void RangeListOfAMillionRanges(benchmark::State& State)
{
  for (auto _ : State) {
    const TAllocationWatch Watch;
    TCDLRangeList Ranges;
    for (std::int32_t Index = 0; Index < MillionRanges; ++Index)
      Ranges.Add({Index * 4 + 16, Index * 4 + 17});
    benchmark::DoNotOptimize(Ranges.Last());
    State.PauseTiming();
    ReportListMemory(State, Watch, Ranges.Count());
    State.ResumeTiming();
  }
}

constexpr std::size_t ROMSize = std::size_t{4} << 20;

std::filesystem::path BenchFolder()
{
  static const std::filesystem::path Folder = [] {
    const auto Path = std::filesystem::current_path() / "tavrox-bench-files";
    std::filesystem::create_directories(Path);
    return Path;
  }();
  return Folder;
}

void WriteAndFsyncNewFile(benchmark::State& State)
{
  const TBuffer Bytes(ROMSize, 0x33);
  const std::string Path = (BenchFolder() / "plain.bin").string();
  for (auto _ : State) {
    const int File = ::open(Path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (File < 0 || ::write(File, Bytes.data(), Bytes.size()) != ssize_t(Bytes.size()) || ::fsync(File) != 0)
      State.SkipWithError("the plain write failed");
    ::close(File);
    ::unlink(Path.c_str());
  }
  SetBytes(State, ROMSize);
}

void SaveROM(benchmark::State& State)
{
  const TROMImage Bytes(ROMSize, 0x33);
  const std::string Path = (BenchFolder() / "game.nes").string();
  SaveROMImage(Path, Bytes);
  for (auto _ : State)
    SaveROMImage(Path, Bytes);
  std::filesystem::remove(Path);
  SetBytes(State, ROMSize);
}

} // namespace

BENCHMARK(Memset)->Unit(benchmark::kMillisecond);
BENCHMARK(Mode0_ReplaceByte)->Unit(benchmark::kMillisecond);
BENCHMARK(Memcpy)->Unit(benchmark::kMillisecond);
BENCHMARK(Mode1_IncreaseBy)->Unit(benchmark::kMillisecond);
BENCHMARK(Mode2_DecreaseBy)->Unit(benchmark::kMillisecond);
BENCHMARK(Mode3_RandomBytes)->Unit(benchmark::kMillisecond);
BENCHMARK(Memchr)->Unit(benchmark::kMillisecond);
BENCHMARK(ScanSparseLog)->Unit(benchmark::kMillisecond);
BENCHMARK(ScanWorstCaseLog)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(VectorOfAMillionRanges)->Unit(benchmark::kMillisecond);
BENCHMARK(RangeListOfAMillionRanges)->Unit(benchmark::kMillisecond);
BENCHMARK(WriteAndFsyncNewFile)->Unit(benchmark::kMillisecond);
BENCHMARK(SaveROM)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
  return RunBenchmarksWithRatios(
      argc, argv,
      {
          {TRatioKind::Throughput, "Mode0_ReplaceByte", "Memset", 0.8, true},
          {TRatioKind::Throughput, "Mode1_IncreaseBy", "Memcpy", 0.8, true},
          {TRatioKind::Throughput, "Mode2_DecreaseBy", "Memcpy", 0.8, true},
          {TRatioKind::Throughput, "Mode3_RandomBytes", "Memset", 0.2, true},
          {TRatioKind::Throughput, "ScanSparseLog", "Memchr", 0.5, true},
          {TRatioKind::Throughput, "ScanWorstCaseLog", "Memchr", std::nullopt},
          {TRatioKind::Counter, "ScanWorstCaseLog", "memory_vs_8_bytes_a_range", 1.25, false},
          {TRatioKind::TimeTaken, "RangeListOfAMillionRanges", "VectorOfAMillionRanges", std::nullopt},
          {TRatioKind::Counter, "RangeListOfAMillionRanges", "memory_vs_8_bytes_a_range", 1.25, false},
          {TRatioKind::TimeTaken, "SaveROM", "WriteAndFsyncNewFile", 1.5, false},
      });
}
