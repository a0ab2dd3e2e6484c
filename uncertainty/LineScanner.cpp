#include "LineScanner.h"

#include <cctype>
#include <cerrno>
#include <climits>
#include <cstdlib>

namespace uncertainty {

namespace {

const char* skipSpace(const char* p)
{
    while (*p != '\0' && std::isspace(static_cast<unsigned char>(*p))) ++p;
    return p;
}

// An integer outside the range of int fails, as no sound value can be stored for it.
bool convertInteger(const char*& p, double& value)
{
    char* end = nullptr;
    errno = 0;
    const long n = std::strtol(p, &end, 10);
    if (end == p || errno == ERANGE || n < INT_MIN || n > INT_MAX) return false;
    value = static_cast<double>(n);
    p = end;
    return true;
}

bool convertReal(const char*& p, double& value)
{
    char* end = nullptr;
    const double x = std::strtod(p, &end);
    if (end == p) return false;
    value = x;
    p = end;
    return true;
}

}  // namespace

ScannedLine scanLine(const std::string& line, const std::string& format)
{
    ScannedLine result;
    const char* p = line.c_str();
    for (char kind : format) {
        p = skipSpace(p);
        double value = 0.0;
        const bool ok = kind == 'd' ? convertInteger(p, value) : convertReal(p, value);
        if (!ok) break;
        if (kind == 's') continue;
        result.values.push_back(value);
        ++result.converted;
    }
    return result;
}

}  // namespace uncertainty
