#pragma once

#include <cstdint>
#include <string_view>

// The number a hexadecimal field's text stands for: the digits 0-9, A-F and a-f, no sign,
// no spaces, at most eight significant digits, taken as a 32-bit two's-complement number
// (80000000 and above are negative). Anything else raises TConvertError.
std::int32_t HexFieldValue(std::string_view Text);
