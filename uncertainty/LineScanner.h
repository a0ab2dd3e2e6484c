// Numbers of one data line, converted as the scan formats "%d" and "%lf" convert them: each
// conversion skips white space and takes the longest number it can; the first that fails ends the
// scan, and what follows the last conversion is ignored. The C locale's decimal point applies.
#pragma once

#include <string>
#include <vector>

namespace uncertainty {

struct ScannedLine {
    std::vector<double> values;  // in the order of the format, skipped conversions left out
    int converted = 0;           // as the scan functions count: skipped conversions do not count
};

// `format` holds one letter per conversion: 'd' an integer (that fits an int), 'f' a real,
// 's' a real that is read and skipped (as "%*lf").
ScannedLine scanLine(const std::string& line, const std::string& format);

}  // namespace uncertainty
