// The values of a range: min + k * increment for k = 0, 1, ... up to the maximum, with a leeway of
// 1e-9 relative on the upper end so that a maximum reached by decimal steps is not lost to rounding.
#pragma once

#include <cstddef>
#include <vector>

namespace uncertainty {

constexpr double kUpperEndLeeway = 1e-9;

// Whether a value lies beyond the upper end `limit` (with the leeway).
bool exceedsUpperEnd(double value, double limit);

// How many values the range holds (min <= max, increment > 0), or `cap` + 1 when it holds more than
// `cap` (the values are then never listed).
std::size_t rangeCount(double min, double max, double increment, std::size_t cap);

std::vector<double> rangeValues(double min, double max, double increment);

}  // namespace uncertainty
