#pragma once

#include <cstdint>
#include <span>

// Fills Bytes with uniformly distributed random bytes from a generator seeded anew from a
// high-resolution clock on every call, so that two calls a moment apart differ.
void FillWithRandomBytes(std::span<std::uint8_t> Bytes);
