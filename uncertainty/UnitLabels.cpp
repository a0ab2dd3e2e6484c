#include "UnitLabels.h"

namespace uncertainty {

UnitLabels unitLabels(bool metric)
{
    if (metric) return {"m", "m/day", "hectare", "metric"};
    return {"ft", "ft/day", "acre", "English"};
}

}  // namespace uncertainty
