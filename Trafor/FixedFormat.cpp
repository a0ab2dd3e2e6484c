#include "FixedFormat.h"

#include <cmath>
#include <cstdio>

namespace zelm {

namespace {

std::string rightJustified(const std::string& digits, int w)
{
    if (static_cast<int>(digits.size()) > w) return std::string(w, '*');
    return std::string(w - digits.size(), ' ') + digits;
}

std::string nonFinite(double value, int w)
{
    if (std::isnan(value)) return rightJustified("NaN", w);
    const char* sign = value < 0 ? "-" : "";
    std::string longForm = std::string(sign) + "Infinity";
    if (static_cast<int>(longForm.size()) <= w) return rightJustified(longForm, w);
    return rightJustified(std::string(sign) + "Inf", w);
}

}  // namespace

std::string formatI(int value, int w)
{
    return rightJustified(std::to_string(value), w);
}

std::string formatF(double value, int w, int d)
{
    if (!std::isfinite(value)) return nonFinite(value, w);
    char buffer[400];
    std::snprintf(buffer, sizeof buffer, "%.*f", d, value);
    std::string digits = buffer;
    if (static_cast<int>(digits.size()) > w) {
        std::size_t zero = digits[0] == '-' ? 1 : 0;
        if (digits.compare(zero, 2, "0.") == 0) digits.erase(zero, 1);
    }
    return rightJustified(digits, w);
}

std::string formatA(const std::string& text, int n)
{
    if (static_cast<int>(text.size()) >= n) return text.substr(0, n);
    return text + std::string(n - text.size(), ' ');
}

FixedLine& FixedLine::X(int n)
{
    line_.append(n, ' ');
    return *this;
}

FixedLine& FixedLine::I(int value, int w)
{
    line_ += formatI(value, w);
    return *this;
}

FixedLine& FixedLine::F(double value, int w, int d)
{
    line_ += formatF(value, w, d);
    return *this;
}

FixedLine& FixedLine::A(const std::string& text, int n)
{
    line_ += formatA(text, n);
    return *this;
}

FixedLine& FixedLine::text(const std::string& text)
{
    line_ += text;
    return *this;
}

}  // namespace zelm
