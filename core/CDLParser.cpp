#include "CDLParser.h"

#include "Errors.h"
#include "WholeFile.h"

#include <bit>
#include <cstring>

namespace {

constexpr std::uint8_t DataFlag = 0x02;
constexpr std::uint64_t DataFlagOfEachByte = 0x0202020202020202u;
constexpr std::size_t WordSize = sizeof(std::uint64_t);
constexpr std::size_t BlockSize = 4 * WordSize;

std::uint64_t LoadWord(const std::uint8_t* Bytes)
{
  std::uint64_t Word;
  std::memcpy(&Word, Bytes, sizeof Word);
  return Word;
}

// Index, within its word, of the first byte whose flag bit is set in Hits.
std::size_t FirstHitByte(std::uint64_t Hits)
{
  if constexpr (std::endian::native == std::endian::little)
    return static_cast<std::size_t>(std::countr_zero(Hits)) / 8;
  else
    return static_cast<std::size_t>(std::countl_zero(Hits)) / 8;
}

// The index of the first log byte at or after From whose data flag equals Wanted, or the
// log's size when there is none. Eight bytes are tested at a time, so that long runs and
// long gaps go by at close to memory speed.
std::size_t FindFlag(std::span<const std::uint8_t> Log, std::size_t From, bool Wanted)
{
  const std::uint64_t Flip = Wanted ? 0 : DataFlagOfEachByte;
  const std::uint8_t* const Bytes = Log.data();
  std::size_t Index = From;
  for (; Index + BlockSize <= Log.size(); Index += BlockSize) {
    const std::uint64_t Block = (LoadWord(Bytes + Index) ^ Flip) | (LoadWord(Bytes + Index + 8) ^ Flip) |
                                (LoadWord(Bytes + Index + 16) ^ Flip) | (LoadWord(Bytes + Index + 24) ^ Flip);
    if (Block & DataFlagOfEachByte)
      break;
  }
  for (; Index + WordSize <= Log.size(); Index += WordSize) {
    const std::uint64_t Hits = (LoadWord(Bytes + Index) ^ Flip) & DataFlagOfEachByte;
    if (Hits)
      return Index + FirstHitByte(Hits);
  }
  for (; Index < Log.size(); ++Index)
    if (((Bytes[Index] & DataFlag) != 0) == Wanted)
      return Index;
  return Log.size();
}

std::int32_t OffsetOf(std::size_t LogIndex)
{
  return static_cast<std::int32_t>(LogIndex) + CDLOffsetOfFirstByte;
}

} // namespace

TCDLRangeList ParseCDLRanges(std::span<const std::uint8_t> Log)
{
  if (static_cast<std::int64_t>(Log.size()) > MaxCDLSize)
    throw TError("The code/data log is too large: at most " + std::to_string(MaxCDLSize) +
                 " bytes can be read, so that every offset fits in 32 bits");
  TCDLRangeList Ranges;
  std::size_t RunStart = FindFlag(Log, 0, true);
  while (RunStart < Log.size()) {
    const std::size_t RunEnd = FindFlag(Log, RunStart, false);
    if (RunEnd == Log.size())
      break;
    Ranges.Add({OffsetOf(RunStart), OffsetOf(RunEnd - 1)});
    RunStart = FindFlag(Log, RunEnd, true);
  }
  return Ranges;
}

TCDLRangeList LoadCDLRanges(const std::string& Path)
{
  return ParseCDLRanges(ReadWholeFile(Path, MaxCDLSize));
}
