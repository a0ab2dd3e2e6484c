#include "data/BarrierCriterion.h"

#include "data/ZELMData.h"

namespace zelm {

void UpdateMaxWaterTable(ZELMData& data)
{
    data.maxWaterTable = data.depthToDrain - data.minWaterTableDepth;
}

std::optional<double> MaxWaterTableToBarrierRatio(ZELMData& data)
{
    UpdateMaxWaterTable(data);
    if (data.barrierDistance <= 0.0) return std::nullopt;
    return data.maxWaterTable / data.barrierDistance;
}

}  // namespace zelm
