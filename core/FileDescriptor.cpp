#include "FileDescriptor.h"

#include <cerrno>
#include <unistd.h>
#include <utility>

TFileDescriptor::TFileDescriptor(TFileDescriptor&& Other) noexcept
    : Descriptor(std::exchange(Other.Descriptor, -1))
{
}

TFileDescriptor& TFileDescriptor::operator=(TFileDescriptor&& Other) noexcept
{
  if (this != &Other) {
    Close();
    Descriptor = std::exchange(Other.Descriptor, -1);
  }
  return *this;
}

TFileDescriptor::~TFileDescriptor()
{
  Close();
}

int TFileDescriptor::Close()
{
  if (Descriptor < 0)
    return 0;
  const int Result = ::close(std::exchange(Descriptor, -1));
  return Result == 0 ? 0 : errno;
}

int TFileDescriptor::WriteAll(std::span<const std::uint8_t> Bytes) const
{
  while (!Bytes.empty()) {
    const ssize_t Written = ::write(Descriptor, Bytes.data(), Bytes.size());
    if (Written < 0) {
      if (errno == EINTR)
        continue;
      return errno;
    }
    Bytes = Bytes.subspan(static_cast<std::size_t>(Written));
  }
  return 0;
}

int TFileDescriptor::ReadUpTo(std::span<std::uint8_t> Buffer, std::size_t& Filled) const
{
  Filled = 0;
  while (Filled < Buffer.size()) {
    const ssize_t Read = ::read(Descriptor, Buffer.data() + Filled, Buffer.size() - Filled);
    if (Read < 0) {
      if (errno == EINTR)
        continue;
      return errno;
    }
    if (Read == 0)
      break;
    Filled += static_cast<std::size_t>(Read);
  }
  return 0;
}
