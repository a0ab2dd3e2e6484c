// Numbers of the report in fields a reader can take apart by columns: a value gets its usual
// decimals, fewer when it would be wider than the field allows, then exponent notation.
#pragma once

#include <string>

namespace uncertainty {

// The widest number the report writes, so that a window of ten characters always starts blank.
constexpr int kNumberWidth = 9;

// `value` with `decimals` decimals (or fewer, or in exponent notation) in at most `width`
// characters, not padded.
std::string fittedNumber(double value, int decimals, int width = kNumberWidth);

// The same, right-justified in a field of `field` characters.
std::string numberField(double value, int decimals, int field);

}  // namespace uncertainty
