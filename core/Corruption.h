#pragma once

#include <cstdint>
#include <span>
#include <string>

// Item indices of the replace-mode radio group.
enum class TReplaceMode { ReplaceByte = 0, IncreaseBy = 1, DecreaseBy = 2, RandomBytes = 3 };

// The texts of the five hexadecimal fields, as they stand.
struct TCorruptionFields {
  std::string StartRange;
  std::string EndRange;
  std::string ReplaceByte;
  std::string IncreaseBy;
  std::string DecreaseBy;
};

struct TCorruptionOutcome {
  bool Changed = false; // the image was changed, so an autosave is due
  std::string Message;  // what the user is told
};

// Changes every byte of Image from the start offset to the end offset, inclusive, in the
// given mode. The end text is converted first, then the start text, then only the selected
// mode's value text, all before the first byte changes: a malformed text raises
// TConvertError and leaves the image as it was. A range whose end lies before its start, or
// that does not lie within the image, changes nothing and is answered by the outcome.
TCorruptionOutcome CorruptRange(const TCorruptionFields& Fields, TReplaceMode Mode, std::span<std::uint8_t> Image);
