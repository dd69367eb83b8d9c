#pragma once

#include <cstdint>
#include <deque>

// A run of data bytes as two inclusive ROM file offsets; StartOffset <= EndOffset.
struct TCDLRange {
  std::int32_t StartOffset = 0;
  std::int32_t EndOffset = 0;

  friend bool operator==(const TCDLRange&, const TCDLRange&) = default;
};

// The ordered ranges of one code/data log. The ranges are held by value in fixed-size
// blocks: appending never moves the ranges already held, so a list costs little more than
// its eight bytes per range even at its peak while it grows.
class TCDLRangeList {
public:
  // Appends Range and returns its index.
  int Add(const TCDLRange& Range)
  {
    Ranges.push_back(Range);
    return Count() - 1;
  }
  // The range at a 0-based index; an index outside 0 to Count - 1 raises TListIndexError.
  const TCDLRange& Items(int Index) const
  {
    if (Index < 0 || Index >= Count())
      ThrowIndexError(Index);
    return Ranges[static_cast<std::size_t>(Index)];
  }
  int Count() const { return static_cast<int>(Ranges.size()); }
  // The most recently appended range (TListIndexError with -1 when there is none).
  const TCDLRange& Last() const { return Items(Count() - 1); }
  void Clear() { Ranges.clear(); }

private:
  [[noreturn]] static void ThrowIndexError(int Index);

  std::deque<TCDLRange> Ranges;
};
