// Any text either converts to the number its digits spell, or is refused with the
// conversion error naming it; nothing else.

#include "Errors.h"
#include "HexFieldValue.h"

#include <cctype>
#include <cstdlib>
#include <string>

namespace {

// The reference: digits only, at most eight once leading zeros are gone.
bool IsValid(const std::string& Text)
{
  if (Text.empty())
    return false;
  for (const char Character : Text)
    if (!std::isxdigit(static_cast<unsigned char>(Character)))
      return false;
  return Text.size() - std::min(Text.find_first_not_of('0'), Text.size()) <= 8;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size)
{
  const std::string Text(reinterpret_cast<const char*>(Data), Size);
  try {
    const std::int32_t Value = HexFieldValue(Text);
    if (!IsValid(Text) || static_cast<std::uint32_t>(Value) != std::stoul(Text, nullptr, 16))
      std::abort();
  } catch (const TConvertError& Error) {
    // what() is a C string: a text with a NUL byte is named up to it.
    const std::string Expected = "'$" + Text + "' is not a valid integer value";
    if (IsValid(Text) || Error.what() != Expected.substr(0, Expected.find('\0')))
      std::abort();
  }
  return 0;
}
