#include "RangeReport.h"

#include "FileNames.h"
#include "HexOffsetText.h"

namespace {

constexpr const char* LineEnd = "\r\n";

} // namespace

std::string ReportPathFor(const std::string& ROMPath)
{
  return ChangeFileExt(ROMPath, ".txt");
}

std::string ReportText(const std::string& ROMPath, const TCDLRangeList& Ranges)
{
  std::string Text = std::string("Tavrox CDL Data Ranges for:") + LineEnd + ROMPath + LineEnd + LineEnd;
  for (int Index = 0; Index < Ranges.Count(); ++Index) {
    const TCDLRange& Range = Ranges.Items(Index);
    Text += HexOffsetText(Range.StartOffset) + " - " + HexOffsetText(Range.EndOffset) + LineEnd;
  }
  return Text;
}
