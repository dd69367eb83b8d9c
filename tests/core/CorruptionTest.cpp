#include "Corruption.h"
#include "Errors.h"

#include <gtest/gtest.h>

#include <array>
#include <numeric>
#include <vector>

namespace {

using TImage = std::vector<std::uint8_t>;

TImage Counting(std::size_t Size)
{
  TImage Image(Size);
  std::iota(Image.begin(), Image.end(), std::uint8_t{0});
  return Image;
}

TCorruptionFields Range(std::string Start, std::string End)
{
  return {std::move(Start), std::move(End), "00", "01", "01"};
}

} // namespace

TEST(Corruption, IncreasesTheWorkedExample)
{
  TImage Image(0x20, 0x5A);
  Image[0x10] = 0xFF, Image[0x11] = 0x00, Image[0x12] = 0x7F, Image[0x13] = 0x80;
  TImage Expected = Image;
  Expected[0x10] = 0x00, Expected[0x11] = 0x01, Expected[0x12] = 0x80, Expected[0x13] = 0x81;

  const TCorruptionOutcome Outcome = CorruptRange(Range("10", "13"), TReplaceMode::IncreaseBy, Image);

  EXPECT_TRUE(Outcome.Changed);
  EXPECT_EQ(Outcome.Message, "Bytes between 10 to 13 have been increased by 01.");
  EXPECT_EQ(Image, Expected);
}

TEST(Corruption, EachModeChangesExactlyTheRangeAndQuotesTheTextsAsTyped)
{
  const struct {
    TReplaceMode Mode;
    TCorruptionFields Fields;
    std::uint8_t FirstByteAfter; // the byte at the range's start, which held its own offset
    const char* Message;
  } Cases[] = {
      {TReplaceMode::ReplaceByte, {"a", "f", "Ab", "", ""}, 0xAB, "Bytes between a to f have been replaced with Ab."},
      {TReplaceMode::IncreaseBy, {"0a", "00F", "", "F", ""}, 0x19, "Bytes between 0a to 00F have been increased by F."},
      {TReplaceMode::DecreaseBy, {"A", "F", "", "", "0b"}, 0xFF, "Bytes between A to F have been decreased by 0b."},
      // Only the low eight bits of a value take part.
      {TReplaceMode::IncreaseBy, {"a", "f", "", "102", ""}, 0x0C, "Bytes between a to f have been increased by 102."},
  };
  for (const auto& Case : Cases) {
    TImage Image = Counting(0x20);
    const TImage Before = Image;
    const TCorruptionOutcome Outcome = CorruptRange(Case.Fields, Case.Mode, Image);
    EXPECT_EQ(Outcome.Message, Case.Message);
    EXPECT_EQ(Image[0xA], Case.FirstByteAfter) << Case.Message;
    for (std::size_t Offset = 0; Offset < Image.size(); ++Offset) {
      if (Offset < 0xA || Offset > 0xF) {
        EXPECT_EQ(Image[Offset], Before[Offset]) << Case.Message << " changed offset " << Offset;
      }
    }
  }
}

TEST(Corruption, ArithmeticWrapsAroundInBothDirections)
{
  TImage Image{0xFF, 0x00, 0x80};
  CorruptRange({"0", "2", "", "01", ""}, TReplaceMode::IncreaseBy, Image);
  EXPECT_EQ(Image, (TImage{0x00, 0x01, 0x81}));
  CorruptRange({"0", "2", "", "", "02"}, TReplaceMode::DecreaseBy, Image);
  EXPECT_EQ(Image, (TImage{0xFE, 0xFF, 0x7F}));
  const TCorruptionOutcome Unchanged = CorruptRange({"0", "2", "", "00", ""}, TReplaceMode::IncreaseBy, Image);
  EXPECT_TRUE(Unchanged.Changed); // still answered and still saved, as the user asked
  EXPECT_EQ(Image, (TImage{0xFE, 0xFF, 0x7F}));
}

TEST(Corruption, SingleBytesAtTheEdgesOfTheImage)
{
  TImage Image = Counting(16);
  CorruptRange({"0", "0", "00", "", ""}, TReplaceMode::ReplaceByte, Image);
  CorruptRange({"F", "F", "EE", "", ""}, TReplaceMode::ReplaceByte, Image);
  TImage Expected = Counting(16);
  Expected.front() = 0x00, Expected.back() = 0xEE;
  EXPECT_EQ(Image, Expected);
}

TEST(Corruption, MalformedTextsRaiseTheConversionErrorBeforeAnyByteChanges)
{
  const struct {
    TCorruptionFields Fields;
    TReplaceMode Mode;
    const char* Message;
  } Cases[] = {
      // The end text is converted first, so it is the one named when both are malformed.
      {{"G", "", "00", "01", "01"}, TReplaceMode::ReplaceByte, "'$' is not a valid integer value"},
      {{"", "G", "00", "01", "01"}, TReplaceMode::ReplaceByte, "'$G' is not a valid integer value"},
      {{"x1", "10", "00", "01", "01"}, TReplaceMode::ReplaceByte, "'$x1' is not a valid integer value"},
      {{"1", "100000000", "00", "01", "01"}, TReplaceMode::ReplaceByte, "'$100000000' is not a valid integer value"},
      {{"1", "8", "", "01", "01"}, TReplaceMode::ReplaceByte, "'$' is not a valid integer value"},
      {{"1", "8", "00", " 1", "01"}, TReplaceMode::IncreaseBy, "'$ 1' is not a valid integer value"},
      {{"1", "8", "00", "01", "-1"}, TReplaceMode::DecreaseBy, "'$-1' is not a valid integer value"},
      {{"1", "8", "00", "01", "01"}, TReplaceMode::RandomBytes, nullptr}, // control: this one works
  };
  for (const auto& Case : Cases) {
    TImage Image = Counting(16);
    try {
      CorruptRange(Case.Fields, Case.Mode, Image);
      EXPECT_EQ(Case.Message, nullptr) << "no error";
      EXPECT_NE(Image, Counting(16));
    } catch (const TConvertError& Error) {
      ASSERT_NE(Case.Message, nullptr) << Error.what();
      EXPECT_STREQ(Error.what(), Case.Message);
      EXPECT_EQ(Image, Counting(16)) << Case.Message;
    }
  }
}

TEST(Corruption, OnlyTheSelectedModesValueTextIsRead)
{
  TImage Image = Counting(4);
  EXPECT_TRUE(CorruptRange({"0", "3", "zz", "", "?"}, TReplaceMode::RandomBytes, Image).Changed);
  EXPECT_TRUE(CorruptRange({"0", "3", "", "01", "?"}, TReplaceMode::IncreaseBy, Image).Changed);
  EXPECT_TRUE(CorruptRange({"0", "3", "01", "", ""}, TReplaceMode::ReplaceByte, Image).Changed);
  EXPECT_EQ(Image, TImage(4, 0x01));
}

TEST(Corruption, RangesThatDoNotFitAreAnsweredAndChangeNothing)
{
  const char* const EndFirst = "The end range is less than the start range.";
  const char* const Outside = "The range must lie within the ROM, from 00000 to 0001F.";
  const struct {
    const char* Start;
    const char* End;
    std::size_t ImageSize;
    const char* Message;
  } Cases[] = {
      {"10", "F", 0x20, EndFirst},
      {"0", "FFFFFFFF", 0x20, EndFirst},  // an eight-digit text from 80000000 on is negative
      {"80000000", "10", 0x20, Outside},  // a negative start
      {"0", "20", 0x20, Outside},         // one past the last byte
      {"1F", "7FFFFFFF", 0x20, Outside},
      {"20", "20", 0x20, Outside},
      {"0", "0", 0, "The ROM is empty: there are no bytes to corrupt."},
      {"1", "0", 0, EndFirst},            // that test comes first
      {"0", "123456", 0x123456, "The range must lie within the ROM, from 00000 to 123455."},
  };
  for (const auto& Case : Cases) {
    TImage Image = Counting(Case.ImageSize);
    const TCorruptionOutcome Outcome = CorruptRange(Range(Case.Start, Case.End), TReplaceMode::ReplaceByte, Image);
    EXPECT_FALSE(Outcome.Changed);
    EXPECT_EQ(Outcome.Message, Case.Message) << Case.Start << " to " << Case.End;
    EXPECT_EQ(Image, Counting(Case.ImageSize));
  }
}

TEST(Corruption, RandomBytesDifferOnEveryPressAndAreUniform)
{
  TImage First(4096, 0), Second(4096, 0);
  CorruptRange(Range("0", "FFF"), TReplaceMode::RandomBytes, First);
  CorruptRange(Range("0", "FFF"), TReplaceMode::RandomBytes, Second);
  EXPECT_NE(First, Second);

  TImage Large(1 << 20, 0);
  const TCorruptionOutcome Outcome = CorruptRange(Range("1", "FFFFE"), TReplaceMode::RandomBytes, Large);
  EXPECT_EQ(Outcome.Message, "Bytes between 1 to FFFFE have been randomised.");
  EXPECT_EQ(Large.front(), 0);
  EXPECT_EQ(Large.back(), 0);
  std::array<double, 256> Counts{};
  for (std::size_t Offset = 1; Offset < Large.size() - 1; ++Offset)
    ++Counts[Large[Offset]];
  const double Expected = double(Large.size() - 2) / 256;
  double ChiSquare = 0;
  for (const double Count : Counts)
    ChiSquare += (Count - Expected) * (Count - Expected) / Expected;
  EXPECT_LT(ChiSquare, 400.0); // 255 degrees of freedom: a fair generator stays far below
}
