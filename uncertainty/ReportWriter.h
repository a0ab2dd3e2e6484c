// The report (".UNC"): a document for the engineer, with two sections that the desktop program
// reads back by their anchor lines: the results for one design (nine values, each in the last ten
// characters of its line) and the table of reliability against depth and spacing (nine numbers a
// row). Everything else is free text, and no line of it is an anchor line: the names it quotes
// stay on their own lines.
#pragma once

#include <string>

#include "UncertaintyRun.h"

namespace uncertainty {

constexpr const char* kFixedDesignAnchor = "RESULTS FOR A FIXED DESIGN";
constexpr const char* kTableAnchor = "TABLE OF RELIABILITY VS DEPTH AND SPACING";

// The report text, lines ended by LF.
std::string writeReport(const RunResults& results, const std::string& projectFile);

}  // namespace uncertainty
