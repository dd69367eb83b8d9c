#pragma once

#include <cstdint>
#include <limits>
#include <string>
#include <vector>

// A whole ROM file in memory; index = ROM file offset, the 16-byte iNES header included.
using TROMImage = std::vector<std::uint8_t>;

// Offsets are signed 32-bit, so no larger ROM can be addressed.
inline constexpr std::int64_t MaxROMSize = std::numeric_limits<std::int32_t>::max();

TROMImage LoadROMImage(const std::string& Path);

// Writes the whole image over the file in one step; on failure the file stays as it was.
void SaveROMImage(const std::string& Path, const TROMImage& Image);

struct TCopyResult {
  bool Succeeded = false;
  std::string Reason; // why it failed, in the system's words; empty on success
  explicit operator bool() const { return Succeeded; }
};

// Copies Source over Dest, replacing Dest in one step so that a failed copy leaves it as it
// was. Never throws: the result says whether it worked.
TCopyResult CopyFileReplacing(const std::string& Source, const std::string& Dest) noexcept;
