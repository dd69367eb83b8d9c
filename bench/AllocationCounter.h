#pragma once

#include <cstddef>

// Counts the heap memory that operator new hands out in this program (replaced globally in
// AllocationCounter.cpp), in the block sizes the allocator really uses.
class TAllocationWatch {
public:
  TAllocationWatch(); // starts watching from the memory in use now
  // The most memory in use at any moment since the watch started, beyond what was in use then.
  std::size_t PeakBytes() const;

private:
  std::size_t StartBytes;
};
