#include "GridRange.h"

#include <cmath>

namespace uncertainty {

bool exceedsUpperEnd(double value, double limit)
{
    return value > limit + kUpperEndLeeway * std::fabs(limit);
}

std::size_t rangeCount(double min, double max, double increment, std::size_t cap)
{
    const double steps = std::floor((max + kUpperEndLeeway * std::fabs(max) - min) / increment);
    if (!(steps < static_cast<double>(cap) + 2.0)) return cap + 1;
    std::size_t n = static_cast<std::size_t>(std::fmax(steps, 0.0)) + 1;
    // The quotient may round across a step: settle on the count the values themselves give.
    while (n > 0 && exceedsUpperEnd(min + static_cast<double>(n - 1) * increment, max)) --n;
    while (n <= cap && !exceedsUpperEnd(min + static_cast<double>(n) * increment, max)) ++n;
    return n > cap ? cap + 1 : n;
}

std::vector<double> rangeValues(double min, double max, double increment)
{
    std::vector<double> values;
    for (std::size_t k = 0;; ++k) {
        const double v = min + static_cast<double>(k) * increment;
        if (exceedsUpperEnd(v, max)) break;
        values.push_back(v);
    }
    return values;
}

}  // namespace uncertainty
