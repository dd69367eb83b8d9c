#include "HexFieldValue.h"

#include "Errors.h"

#include <string>

namespace {

constexpr int MaxSignificantDigits = 8;

int HexDigitValue(char Character)
{
  if (Character >= '0' && Character <= '9')
    return Character - '0';
  if (Character >= 'A' && Character <= 'F')
    return Character - 'A' + 10;
  if (Character >= 'a' && Character <= 'f')
    return Character - 'a' + 10;
  return -1;
}

[[noreturn]] void Reject(std::string_view Text)
{
  throw TConvertError("$" + std::string(Text));
}

} // namespace

std::int32_t HexFieldValue(std::string_view Text)
{
  if (Text.empty())
    Reject(Text);
  std::uint32_t Value = 0;
  int SignificantDigits = 0;
  for (const char Character : Text) {
    const int Digit = HexDigitValue(Character);
    if (Digit < 0)
      Reject(Text);
    const bool LeadingZero = Value == 0 && Digit == 0;
    if (!LeadingZero && ++SignificantDigits > MaxSignificantDigits)
      Reject(Text);
    Value = Value << 4 | static_cast<std::uint32_t>(Digit);
  }
  return static_cast<std::int32_t>(Value);
}
