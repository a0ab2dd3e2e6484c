// One design seen by the integrals over the uncertain field: the barrier's range cut where the
// equivalent depth changes its form, and the water table at a ratio rho and an equivalent depth.
#pragma once

#include <algorithm>
#include <cmath>

#include "DesignEvaluation.h"
#include "StandardPanels.h"
#include "WaterTable.h"

namespace uncertainty {

// The barrier depth in standard units, cut at the drain (z1) and at the change of form (z2):
// [lo, z1] on the barrier, [z1, z2] the first form, [z2, hi] the second.
struct BarrierPieces {
    double lo = -kRange;
    double z1 = -kRange;
    double z2 = kRange;
    double hi = kRange;
};

class DesignIntegrals {
public:
    DesignIntegrals(const UncertainField& field, const Design& design) : f_(field), d_(design) {}

    bool exactBarrier() const { return !(f_.sdZ > 0.0); }
    bool exactRatio() const { return !(f_.rho.zeta > 0.0); }

    BarrierPieces pieces() const
    {
        BarrierPieces p;
        p.z1 = std::clamp((d_.depth - f_.meanZ) / f_.sdZ, -kRange, kRange);
        p.z2 = std::clamp((d_.depth + kFormLimit * d_.spacing - f_.meanZ) / f_.sdZ, -kRange, kRange);
        return p;
    }

    // de at the barrier's standard value z inside [z1, z2].
    double nearDe(double z) const
    {
        return equivalentDepthNear(f_.meanZ + f_.sdZ * z - d_.depth, d_.spacing, f_.radius);
    }
    double farDe() const { return equivalentDepthFar(d_.spacing, f_.radius); }
    double meanBarrierDe() const { return equivalentDepth(f_.meanZ - d_.depth, d_.spacing, f_.radius); }

    double standardRatio(double rho) const { return (std::log(rho) - f_.rho.lambda) / f_.rho.zeta; }
    double ratioAt(double u) const { return std::exp(f_.rho.lambda + f_.rho.zeta * u); }
    double depthToWaterTable(double rho, double de) const { return d_.depth - waterTableHeight(rho, de, d_.spacing); }
    double ratioForDepth(double W, double de) const { return ratioForHeight(d_.depth - W, de, d_.spacing); }

    const UncertainField& field() const { return f_; }
    const Design& design() const { return d_; }

private:
    const UncertainField& f_;
    const Design& d_;
};

}  // namespace uncertainty
