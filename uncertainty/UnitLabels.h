// The unit words of the report after the project's unit system.
#pragma once

#include <string>

namespace uncertainty {

struct UnitLabels {
    std::string length;        // "ft" or "m"
    std::string conductivity;  // "ft/day" or "m/day"
    std::string area;          // "acre" or "hectare"
    std::string system;        // "English" or "metric"
};

UnitLabels unitLabels(bool metric);

}  // namespace uncertainty
