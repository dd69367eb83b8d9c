#pragma once

#include <cstdint>
#include <string>

// An offset as upper-case hexadecimal digits, at least five of them: 0x10 gives "00010",
// 0x123456 gives "123456".
std::string HexOffsetText(std::int32_t Offset);
