#include "CDLObj.h"
#include "Errors.h"

#include <gtest/gtest.h>

TEST(CDLRangeList, KeepsRangesInOrderOfAdding)
{
  TCDLRangeList List;
  EXPECT_EQ(List.Count(), 0);
  EXPECT_EQ(List.Add({0x10, 0x13}), 0);
  EXPECT_EQ(List.Add({0x15, 0x15}), 1);
  EXPECT_EQ(List.Count(), 2);
  EXPECT_EQ(List.Items(0), (TCDLRange{0x10, 0x13}));
  EXPECT_EQ(List.Items(1), (TCDLRange{0x15, 0x15}));
  EXPECT_EQ(List.Last(), (TCDLRange{0x15, 0x15}));
  List.Clear();
  EXPECT_EQ(List.Count(), 0);
}

TEST(CDLRangeList, AnIndexOutsideTheListRaisesTheListIndexError)
{
  TCDLRangeList List;
  List.Add({0x10, 0x10});
  const std::pair<int, const char*> Cases[] = {
      {1, "List index out of bounds (1)"},
      {-1, "List index out of bounds (-1)"},
      {1000000, "List index out of bounds (1000000)"},
  };
  for (const auto& [Index, Message] : Cases) {
    try {
      List.Items(Index);
      ADD_FAILURE() << "no error for " << Index;
    } catch (const TListIndexError& Error) {
      EXPECT_STREQ(Error.what(), Message);
    }
  }
  List.Clear();
  EXPECT_THROW(List.Last(), TListIndexError);
}
