#include "data/LeadingNumber.h"

#include <cctype>
#include <charconv>
#include <climits>
#include <cmath>
#include <string>

namespace zelm {
namespace {

struct Scan {
    std::string text;
    std::size_t start = 0;  // first character after the blanks and the sign
    bool negative = false;
};

Scan prepare(const QString& text)
{
    Scan scan{text.toStdString()};
    const std::string& s = scan.text;
    while (scan.start < s.size() && std::isspace(static_cast<unsigned char>(s[scan.start]))) ++scan.start;
    if (scan.start < s.size() && (s[scan.start] == '+' || s[scan.start] == '-')) {
        scan.negative = s[scan.start] == '-';
        ++scan.start;
    }
    return scan;
}

// Parses a real at the start of `scan`; the end of what was read, or npos when nothing was.
// `inRange` is false for a number too large or too small for a double.
std::size_t parseReal(const Scan& scan, double& value, bool& inRange)
{
    const char* first = scan.text.data() + scan.start;
    const char* last = scan.text.data() + scan.text.size();
    // from_chars takes no sign of its own, which keeps "--1" from being read as 1.
    if (first == last || *first == '-' || *first == '+') return std::string::npos;
    const auto [end, error] = std::from_chars(first, last, value, std::chars_format::general);
    if (end == first) return std::string::npos;
    inRange = error != std::errc::result_out_of_range;
    // Too large or too small for a double: the scanners give infinity or 0 here too.
    if (!inRange) value = 0.0;
    if (scan.negative) value = -value;
    return static_cast<std::size_t>(end - scan.text.data());
}

// "nan", "inf" and numbers beyond what the file's reader takes are no values a project keeps.
bool isKept(double value, double largest)
{
    return std::isfinite(value) && std::fabs(value) <= largest;
}

}  // namespace

int leadingInteger(const QString& text)
{
    const Scan scan = prepare(text);
    long long magnitude = 0;
    std::size_t at = scan.start;
    bool any = false;
    while (at < scan.text.size() && scan.text[at] >= '0' && scan.text[at] <= '9') {
        any = true;
        if (magnitude <= LLONG_MAX / 10) magnitude = magnitude * 10 + (scan.text[at] - '0');
        ++at;
    }
    if (!any) return 0;
    const long long value = scan.negative ? -magnitude : magnitude;
    if (value > INT_MAX) return INT_MAX;
    if (value < INT_MIN) return INT_MIN;
    return static_cast<int>(value);
}

double leadingReal(const QString& text)
{
    double value = 0.0;
    bool inRange = true;
    return parseReal(prepare(text), value, inRange) == std::string::npos ? 0.0 : value;
}

std::optional<double> wholeReal(const QString& text, double largest)
{
    const Scan scan = prepare(text);
    double value = 0.0;
    bool inRange = true;
    std::size_t end = parseReal(scan, value, inRange);
    if (end == std::string::npos) return std::nullopt;
    while (end < scan.text.size() && std::isspace(static_cast<unsigned char>(scan.text[end]))) ++end;
    if (end != scan.text.size() || !inRange || !isKept(value, largest)) return std::nullopt;
    return value;
}

std::optional<double> cellReal(const QString& text, double largest)
{
    double value = 0.0;
    bool inRange = true;
    if (parseReal(prepare(text), value, inRange) == std::string::npos) return 0.0;
    if (!inRange || !isKept(value, largest)) return std::nullopt;
    return value;
}

QString formatFieldReal(double value)
{
    return QString::asprintf("%g", value);
}

}  // namespace zelm
