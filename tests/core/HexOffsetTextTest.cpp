#include "HexOffsetText.h"

#include <gtest/gtest.h>

TEST(HexOffsetText, IsUpperCaseWithAtLeastFiveDigits)
{
  const std::pair<std::int32_t, const char*> Cases[] = {
      {0, "00000"},           {0x10, "00010"},           {0x3F1, "003F1"},         {0xABCDE, "ABCDE"},
      {0x123456, "123456"},   {0x7FFFFFFF, "7FFFFFFF"},
  };
  for (const auto& [Offset, Text] : Cases)
    EXPECT_EQ(HexOffsetText(Offset), Text) << Offset;
}
