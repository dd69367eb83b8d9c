#include "HexOffsetText.h"

#include <cinttypes>
#include <cstdio>

std::string HexOffsetText(std::int32_t Offset)
{
  char Text[16];
  std::snprintf(Text, sizeof Text, "%05" PRIX32, static_cast<std::uint32_t>(Offset));
  return Text;
}
