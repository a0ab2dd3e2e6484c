// The criterion by which a drain counts as lying on the impermeable barrier: the barrier is nearer
// to it than a tenth of the maximum water table above it, that is the maximum water table is more
// than ten times the depth to the barrier.
#pragma once

#include <optional>

class ZELMData;

namespace zelm {

inline constexpr double kOnBarrierRatio = 10.0;
inline constexpr double kOnBarrierFraction = 1.0 / kOnBarrierRatio;

// Sets the project's maximum water table above the drain: the depth to the drain less the root
// zone requirement.
void updateMaxWaterTable(ZELMData& data);

// The ratio of that maximum water table to the depth to the barrier; nothing when that depth is
// not positive. The project is left as it is.
std::optional<double> maxWaterTableToBarrierRatio(const ZELMData& data);

inline bool isOnBarrier(double ratio)
{
    return ratio > kOnBarrierRatio;
}

}  // namespace zelm
