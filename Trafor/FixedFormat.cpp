#include "FixedFormat.h"

#include <cctype>
#include <cmath>
#include <cstdio>

#include "ModelError.h"

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

bool fitsF(double value, int w, int d)
{
    return std::isfinite(value) && formatF(value, w, d).find('*') == std::string::npos;
}

// The digits before the point: w - d - 1 columns, one fewer for the sign; none shows as "0".
std::string largestF(int w, int d)
{
    const int whole = w - d - 1;
    return (whole > 0 ? std::string(whole, '9') : "0") + '.' + std::string(d, '9');
}

std::string smallestF(int w, int d)
{
    const int whole = w - d - 2;
    return '-' + (whole > 0 ? std::string(whole, '9') : "0") + '.' + std::string(d, '9');
}

std::string misfitMessage(const std::string& quantity, double value, int w, int d)
{
    char shown[32];
    std::snprintf(shown, sizeof shown, "%g", value);
    std::string text = "ERROR - THE " + quantity + " " + shown + " IS OUTSIDE " + smallestF(w, d) + " TO " +
                       largestF(w, d) + ", THE RANGE ITS FIELD SHOWS";
    for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
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

FixedLine& FixedLine::Fread(double value, int w, int d, const std::function<std::string()>& quantity)
{
    const std::string field = formatF(value, w, d);
    if (!std::isfinite(value) || field.find('*') != std::string::npos)
        throw ModelError(misfitMessage(quantity(), value, w, d));
    line_ += field;
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
