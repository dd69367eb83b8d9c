#pragma once

#include "CDLObj.h"

#include <cstdint>
#include <limits>
#include <span>
#include <string>

// A code/data log has one byte per byte of program data, which starts after the 16-byte
// iNES header: log index i describes ROM file offset i + 16.
inline constexpr std::int32_t CDLOffsetOfFirstByte = 16;

// The largest log whose every index still gives a signed 32-bit offset.
inline constexpr std::int64_t MaxCDLSize =
    std::int64_t{std::numeric_limits<std::int32_t>::max()} - CDLOffsetOfFirstByte + 1;

// The runs of bytes carrying the data flag (bit 0x02; every other bit is ignored), in
// order, as ROM file offsets. A run still open when the log ends is not a range. A log
// larger than MaxCDLSize raises TError.
TCDLRangeList ParseCDLRanges(std::span<const std::uint8_t> Log);

// Reads the log file whole and parses it. A log too large for 32-bit offsets is refused
// before it is read.
TCDLRangeList LoadCDLRanges(const std::string& Path);
