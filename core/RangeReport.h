#pragma once

#include "CDLObj.h"

#include <string>

// The report's path: the ROM's path with the extension of its file name replaced by ".txt".
std::string ReportPathFor(const std::string& ROMPath);

// The report's content: a header naming the ROM, an empty line, then one
// "SSSSS - EEEEE" line per range; every line, the last included, ends in CR LF.
std::string ReportText(const std::string& ROMPath, const TCDLRangeList& Ranges);
