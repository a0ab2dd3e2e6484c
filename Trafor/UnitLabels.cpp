#include "UnitLabels.h"

namespace zelm {

UnitLabels INIUNITS(bool metric)
{
    if (metric) return {"(m/day)", "(m)", "cm"};
    return {"(ft/day)", "(ft)", "inches"};
}

}  // namespace zelm
