#include "NumberFormat.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace uncertainty {

namespace {

std::string printed(const char* format, int precision, double value)
{
    char text[512];
    std::snprintf(text, sizeof text, format, precision, value);
    return text;
}

}  // namespace

std::string fittedNumber(double value, int decimals, int width)
{
    if (!std::isfinite(value)) return std::isnan(value) ? "nan" : (value < 0 ? "-inf" : "inf");
    if (value == 0.0) value = 0.0;  // no "-0.00"
    for (int d = decimals; d >= 0; --d) {
        std::string text = printed("%.*f", d, value);
        if (static_cast<int>(text.size()) <= width) return text;
    }
    for (int d = width; d >= 0; --d) {
        std::string text = printed("%.*e", d, value);
        if (static_cast<int>(text.size()) <= width) return text;
    }
    return printed("%.*e", 0, value);
}

std::string numberField(double value, int decimals, int field)
{
    std::string text = fittedNumber(value, decimals, std::min(kNumberWidth, field - 1));
    if (static_cast<int>(text.size()) < field) text.insert(0, field - text.size(), ' ');
    return text;
}

}  // namespace uncertainty
