#include "AllocationCounter.h"

#include <atomic>
#include <cstdlib>
#include <malloc.h>
#include <new>

namespace {

std::atomic<std::size_t> BytesInUse{0};
std::atomic<std::size_t> PeakBytesInUse{0};

void* Allocate(std::size_t Size)
{
  void* Block = std::malloc(Size == 0 ? 1 : Size);
  if (!Block)
    throw std::bad_alloc();
  const std::size_t Now = BytesInUse += malloc_usable_size(Block);
  std::size_t Peak = PeakBytesInUse.load();
  while (Now > Peak && !PeakBytesInUse.compare_exchange_weak(Peak, Now)) {
  }
  return Block;
}

void Release(void* Block) noexcept
{
  if (Block) {
    BytesInUse -= malloc_usable_size(Block);
    std::free(Block);
  }
}

} // namespace

void* operator new(std::size_t Size) { return Allocate(Size); }
void* operator new[](std::size_t Size) { return Allocate(Size); }
void operator delete(void* Block) noexcept { Release(Block); }
void operator delete[](void* Block) noexcept { Release(Block); }
void operator delete(void* Block, std::size_t) noexcept { Release(Block); }
void operator delete[](void* Block, std::size_t) noexcept { Release(Block); }

TAllocationWatch::TAllocationWatch() : StartBytes(BytesInUse.load())
{
  PeakBytesInUse = StartBytes;
}

std::size_t TAllocationWatch::PeakBytes() const
{
  return PeakBytesInUse.load() - StartBytes;
}
