// Raised when a page field holds text that is not a number: the field already shows "0" and
// nothing was stored. The field's own focus loss drops it; a run or a save that meets it stops.
#pragma once

#include <stdexcept>

class UpdateError : public std::runtime_error {
public:
    UpdateError() : std::runtime_error("") {}
};
