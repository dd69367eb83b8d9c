#include "Corruption.h"

#include "HexFieldValue.h"
#include "HexOffsetText.h"
#include "RandomBytes.h"

#include <algorithm>

namespace {

std::uint8_t ByteValue(const std::string& Text)
{
  return static_cast<std::uint8_t>(HexFieldValue(Text));
}

void ChangeBytes(std::span<std::uint8_t> Range, TReplaceMode Mode, const TCorruptionFields& Fields)
{
  switch (Mode) {
  case TReplaceMode::ReplaceByte:
    std::ranges::fill(Range, ByteValue(Fields.ReplaceByte));
    break;
  case TReplaceMode::IncreaseBy: {
    const std::uint8_t Value = ByteValue(Fields.IncreaseBy);
    std::ranges::transform(Range, Range.begin(), [Value](std::uint8_t Byte) { return std::uint8_t(Byte + Value); });
    break;
  }
  case TReplaceMode::DecreaseBy: {
    const std::uint8_t Value = ByteValue(Fields.DecreaseBy);
    std::ranges::transform(Range, Range.begin(), [Value](std::uint8_t Byte) { return std::uint8_t(Byte - Value); });
    break;
  }
  case TReplaceMode::RandomBytes:
    FillWithRandomBytes(Range);
    break;
  }
}

std::string WhatWasDone(TReplaceMode Mode, const TCorruptionFields& Fields)
{
  switch (Mode) {
  case TReplaceMode::ReplaceByte:
    return "replaced with " + Fields.ReplaceByte;
  case TReplaceMode::IncreaseBy:
    return "increased by " + Fields.IncreaseBy;
  case TReplaceMode::DecreaseBy:
    return "decreased by " + Fields.DecreaseBy;
  case TReplaceMode::RandomBytes:
    break;
  }
  return "randomised";
}

} // namespace

TCorruptionOutcome CorruptRange(const TCorruptionFields& Fields, TReplaceMode Mode, std::span<std::uint8_t> Image)
{
  const std::int32_t End = HexFieldValue(Fields.EndRange);
  const std::int32_t Start = HexFieldValue(Fields.StartRange);
  if (End < Start)
    return {false, "The end range is less than the start range."};
  if (Image.empty())
    return {false, "The ROM is empty: there are no bytes to corrupt."};
  if (Start < 0 || static_cast<std::size_t>(End) >= Image.size()) {
    const auto LastOffset = static_cast<std::int32_t>(Image.size() - 1);
    return {false, "The range must lie within the ROM, from 00000 to " + HexOffsetText(LastOffset) + "."};
  }

  const auto First = static_cast<std::size_t>(Start);
  ChangeBytes(Image.subspan(First, static_cast<std::size_t>(End) - First + 1), Mode, Fields);
  return {true, "Bytes between " + Fields.StartRange + " to " + Fields.EndRange + " have been " +
                    WhatWasDone(Mode, Fields) + "."};
}
