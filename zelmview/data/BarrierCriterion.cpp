#include "data/BarrierCriterion.h"

#include "data/ZELMData.h"

namespace zelm {

namespace {

double maxWaterTableOf(const ZELMData& data)
{
    return data.depthToDrain - data.minWaterTableDepth;
}

}  // namespace

void updateMaxWaterTable(ZELMData& data)
{
    data.maxWaterTable = maxWaterTableOf(data);
}

std::optional<double> maxWaterTableToBarrierRatio(const ZELMData& data)
{
    if (data.barrierDistance <= 0.0) return std::nullopt;
    return maxWaterTableOf(data) / data.barrierDistance;
}

}  // namespace zelm
