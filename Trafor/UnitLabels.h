// INIUNITS: the unit labels the report prints after its parameter names.
#pragma once

#include <string>

namespace zelm {

struct UnitLabels {
    std::string permeability;  // "(ft/day)" or "(m/day)"
    std::string length;        // "(ft)" or "(m)"
    std::string awhc;          // "inches" or "cm", the unit the project stores AWHC in; printed as A4
};

UnitLabels INIUNITS(bool metric);

}  // namespace zelm
