// The report read back as the desktop program reads it: the fixed-design values from the last ten
// characters of the nine lines after the anchor's rule and blank line, and the table rows of nine
// numbers after four header lines, up to an empty line. An anchor is a line that holds the heading
// alone (blanks around it aside).
#pragma once

#include <array>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

namespace uncertainty::fixtures {

struct GuiReadReport {
    bool hasFixedDesign = false;
    std::array<double, 9> fixedDesign{};
    bool hasTable = false;
    std::vector<std::array<double, 9>> table;
    bool failed = false;
};

inline GuiReadReport readAsTheGuiDoes(const std::string& text)
{
    GuiReadReport r;
    std::istringstream in(text);
    std::string line;
    auto skip = [&](int n) {
        for (int i = 0; i < n; ++i)
            if (!std::getline(in, line)) return false;
        return true;
    };
    auto isAnchor = [&](const char* heading) {
        const std::size_t first = line.find_first_not_of(" \t\r");
        return first != std::string::npos && line.substr(first, line.find_last_not_of(" \t\r") + 1 - first) == heading;
    };
    while (std::getline(in, line)) {
        if (isAnchor("RESULTS FOR A FIXED DESIGN")) {
            r.hasFixedDesign = true;
            if (!skip(2)) return r.failed = true, r;
            for (double& v : r.fixedDesign) {
                if (!std::getline(in, line)) return r.failed = true, r;
                line.erase(line.find_last_not_of(" \t\r\n") + 1);
                const std::string window = line.size() > 10 ? line.substr(line.size() - 10) : line;
                v = std::strtod(window.c_str(), nullptr);
            }
        } else if (isAnchor("TABLE OF RELIABILITY VS DEPTH AND SPACING")) {
            r.hasTable = true;
            if (!skip(6)) return r.failed = true, r;
            while (std::getline(in, line) && line.find_first_not_of(" \t\r\n") != std::string::npos) {
                std::array<double, 9> v{};
                if (std::sscanf(line.c_str(), "%lf %lf %lf %lf %lf %lf %lf %lf %lf", &v[0], &v[1], &v[2], &v[3], &v[4],
                                &v[5], &v[6], &v[7], &v[8]) != 9)
                    return r.failed = true, r;
                r.table.push_back(v);
            }
        }
    }
    return r;
}

}  // namespace uncertainty::fixtures
