#include "Errors.h"
#include "HexFieldValue.h"

#include <gtest/gtest.h>

struct TValidCase {
  const char* Text;
  std::int32_t Value;
};

class HexFieldValueValid : public testing::TestWithParam<TValidCase> {};

TEST_P(HexFieldValueValid, ReadsTheTextAsThirtyTwoBitHexadecimal)
{
  EXPECT_EQ(HexFieldValue(GetParam().Text), GetParam().Value);
}

INSTANTIATE_TEST_SUITE_P(Texts, HexFieldValueValid,
                         testing::Values(TValidCase{"0", 0}, TValidCase{"10", 0x10}, TValidCase{"3F1", 0x3F1},
                                         TValidCase{"3f1", 0x3F1}, TValidCase{"aBcDeF", 0xABCDEF},
                                         TValidCase{"7FFFFFFF", 0x7FFFFFFF},
                                         TValidCase{"80000000", std::int32_t(0x80000000u)},
                                         TValidCase{"FFFFFFFF", -1},
                                         // Leading zeros are not significant digits.
                                         TValidCase{"000000000000FFFFFFFF", -1},
                                         TValidCase{"0000000000", 0}));

struct TInvalidCase {
  const char* Text;
  const char* Message;
};

class HexFieldValueInvalid : public testing::TestWithParam<TInvalidCase> {};

TEST_P(HexFieldValueInvalid, RaisesTheConversionErrorNamingTheDollarText)
{
  try {
    HexFieldValue(GetParam().Text);
    FAIL() << "no error for '" << GetParam().Text << "'";
  } catch (const TConvertError& Error) {
    EXPECT_STREQ(Error.what(), GetParam().Message);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, HexFieldValueInvalid,
    testing::Values(TInvalidCase{"", "'$' is not a valid integer value"},
                    TInvalidCase{"100000000", "'$100000000' is not a valid integer value"},
                    TInvalidCase{"0123456789", "'$0123456789' is not a valid integer value"},
                    TInvalidCase{"-1", "'$-1' is not a valid integer value"},
                    TInvalidCase{"+1", "'$+1' is not a valid integer value"},
                    TInvalidCase{" 1", "'$ 1' is not a valid integer value"},
                    TInvalidCase{"1 ", "'$1 ' is not a valid integer value"},
                    TInvalidCase{"G", "'$G' is not a valid integer value"},
                    TInvalidCase{"$10", "'$$10' is not a valid integer value"},
                    TInvalidCase{"0x10", "'$0x10' is not a valid integer value"}));
