#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

// An open file of the operating system, closed when the object goes.
class TFileDescriptor {
public:
  TFileDescriptor() = default;
  explicit TFileDescriptor(int OpenDescriptor) : Descriptor(OpenDescriptor) {}
  TFileDescriptor(TFileDescriptor&& Other) noexcept;
  TFileDescriptor& operator=(TFileDescriptor&& Other) noexcept;
  TFileDescriptor(const TFileDescriptor&) = delete;
  TFileDescriptor& operator=(const TFileDescriptor&) = delete;
  ~TFileDescriptor();

  explicit operator bool() const { return Descriptor >= 0; }
  int Get() const { return Descriptor; }

  // Each returns 0 or the error number of the failure.
  int Close();
  int WriteAll(std::span<const std::uint8_t> Bytes) const;
  // Fills Buffer until the end of the file; Filled counts the bytes read.
  int ReadUpTo(std::span<std::uint8_t> Buffer, std::size_t& Filled) const;

private:
  int Descriptor = -1;
};
