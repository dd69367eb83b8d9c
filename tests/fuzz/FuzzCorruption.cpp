// Arbitrary field texts, modes and images: the engine never touches a byte outside the
// range it names, and changes nothing when it refuses.
//
// Input: one byte for the mode, then the five field texts each ended by a NUL byte, then the
// image.

#include "Corruption.h"
#include "Errors.h"
#include "HexFieldValue.h"

#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

bool TakeText(const std::uint8_t*& Data, std::size_t& Size, std::string& Text)
{
  const auto* const End = static_cast<const std::uint8_t*>(std::memchr(Data, 0, Size));
  if (!End)
    return false;
  Text.assign(reinterpret_cast<const char*>(Data), static_cast<std::size_t>(End - Data));
  Size -= static_cast<std::size_t>(End - Data) + 1;
  Data = End + 1;
  return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size)
{
  if (Size < 1)
    return 0;
  const auto Mode = static_cast<TReplaceMode>(Data[0] % 4);
  ++Data, --Size;
  TCorruptionFields Fields;
  for (std::string* Text : {&Fields.StartRange, &Fields.EndRange, &Fields.ReplaceByte, &Fields.IncreaseBy, &Fields.DecreaseBy})
    if (!TakeText(Data, Size, *Text))
      return 0;

  std::vector<std::uint8_t> Image(Data, Data + Size);
  const std::vector<std::uint8_t> Before = Image;
  try {
    const TCorruptionOutcome Outcome = CorruptRange(Fields, Mode, Image);
    if (!Outcome.Changed) {
      if (Image != Before)
        std::abort();
      return 0;
    }
    const auto Start = static_cast<std::size_t>(HexFieldValue(Fields.StartRange));
    const auto End = static_cast<std::size_t>(HexFieldValue(Fields.EndRange));
    if (Start > End || End >= Image.size())
      std::abort();
    for (std::size_t Offset = 0; Offset < Image.size(); ++Offset)
      if ((Offset < Start || Offset > End) && Image[Offset] != Before[Offset])
        std::abort();
  } catch (const TConvertError&) {
    if (Image != Before)
      std::abort();
  }
  return 0;
}
