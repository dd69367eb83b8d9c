// The fast scan must give exactly the ranges of the byte-by-byte scan, for any log.

#include "CDLParser.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size)
{
  const TCDLRangeList Ranges = ParseCDLRanges({Data, Size});
  int Next = 0;
  bool InRun = false;
  std::size_t RunStart = 0;
  for (std::size_t Index = 0; Index < Size; ++Index) {
    const bool Flagged = (Data[Index] & 0x02) != 0;
    if (Flagged && !InRun)
      RunStart = Index, InRun = true;
    if (!Flagged && InRun) {
      const TCDLRange& Range = Ranges.Items(Next++);
      if (Range.StartOffset != std::int32_t(RunStart + 16) || Range.EndOffset != std::int32_t(Index - 1 + 16))
        std::abort();
      InRun = false;
    }
  }
  if (Next != Ranges.Count())
    std::abort();
  return 0;
}
