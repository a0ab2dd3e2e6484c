#include "data/BarrierCriterion.h"

#include "data/ZELMData.h"

namespace zelm {

void updateMaxWaterTable(ZELMData& data)
{
    data.maxWaterTable = data.depthToDrain - data.minWaterTableDepth;
}

std::optional<double> maxWaterTableToBarrierRatio(ZELMData& data)
{
    updateMaxWaterTable(data);
    if (data.barrierDistance <= 0.0) return std::nullopt;
    return data.maxWaterTable / data.barrierDistance;
}

}  // namespace zelm
