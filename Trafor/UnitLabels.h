// INIUNITS: the unit labels the report prints after its parameter names.
#pragma once

#include <string>

namespace zelm {

struct UnitLabels {
    std::string permeability;  // "(ft/day)" or "(m/day)"
    std::string length;        // "(ft)" or "(m)"
    std::string awhc;          // "inches" or "mm"
};

UnitLabels INIUNITS(bool metric);

}  // namespace zelm
