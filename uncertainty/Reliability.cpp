#include <algorithm>
#include <cmath>

#include "DesignEvaluation.h"
#include "DesignIntegrals.h"

namespace uncertainty {

namespace {

constexpr double kReliabilityTolerance = 1e-9;

// The probability over rho that the water table stays deep enough, for one de.
double reliabilityAt(const DesignIntegrals& g, double hc, double de)
{
    const double lnCritical = std::log(ratioForHeight(hc, de, g.design().spacing));
    const LogNormal& rho = g.field().rho;
    if (g.exactRatio()) return lnCritical >= rho.lambda ? 1.0 : 0.0;
    return normalCdf((lnCritical - rho.lambda) / rho.zeta);
}

// With an exact rho the bracket is a step in Z. On [z1, z2] ln rho_c rises with Z (de rises with
// the distance to the barrier), so the part that meets the criterion is an upper end of the piece.
double nearPieceStepMass(const DesignIntegrals& g, double hc, const BarrierPieces& p)
{
    auto margin = [&](double z) {
        return std::log(ratioForHeight(hc, g.nearDe(z), g.design().spacing)) - g.field().rho.lambda;
    };
    if (margin(p.z1) >= 0.0) return normalMass(p.z1, p.z2);
    if (margin(p.z2) < 0.0) return 0.0;
    return normalMass(bisectRising(margin, p.z1, p.z2), p.z2);
}

// `cachedDe(panel, node)` is de at a node of the standard panels.
template <class CachedDe>
double nearPieceReliability(const DesignIntegrals& g, double hc, const BarrierPieces& p, CachedDe&& cachedDe)
{
    if (g.exactRatio()) return nearPieceStepMass(g, hc, p);
    auto integrand = [&](double z) { return Values<1>{reliabilityAt(g, hc, g.nearDe(z)) * normalPdf(z)}; };
    auto cached = [&](std::size_t k, int j) {
        return Values<1>{reliabilityAt(g, hc, cachedDe(k, j)) * standardPanels()[k].weight[j]};
    };
    auto target = [](const Values<1>&) { return Values<1>{kReliabilityTolerance}; };
    return refine<1>(integrand, firstPieces<1>(p.z1, p.z2, {}, cached, integrand), target).value[0];
}

}  // namespace

DepthReliability::DepthReliability(const UncertainField& field, double depth, double criticalDepth)
    : field_(field), depth_(depth), criticalDepth_(criticalDepth), panels_(standardPanels().size())
{
}

const DepthReliability::NodeDistances& DepthReliability::distances(std::size_t panel)
{
    NodeDistances& n = panels_[panel];
    if (n.known) return n;
    for (int j = 0; j < 15; ++j) {
        n.D[j] = field_.meanZ + field_.sdZ * standardPanels()[panel].x[j] - depth_;
        n.logOverRadius[j] = n.D[j] > 0.0 ? std::log(n.D[j] / field_.radius) : 0.0;
    }
    n.known = true;
    return n;
}

double DepthReliability::at(double spacing)
{
    const double hc = depth_ - criticalDepth_;
    if (!(hc > 0.0)) return 0.0;
    const Design design{depth_, spacing};
    const DesignIntegrals g(field_, design);
    if (g.exactBarrier()) return reliabilityAt(g, hc, g.meanBarrierDe());
    const BarrierPieces p = g.pieces();
    double R = normalMass(p.lo, p.z1) * reliabilityAt(g, hc, 0.0);
    if (p.z2 < p.hi) R += normalMass(p.z2, p.hi) * reliabilityAt(g, hc, g.farDe());
    auto cachedDe = [&](std::size_t k, int j) {
        const NodeDistances& n = distances(k);
        return equivalentDepthNearFromLog(n.D[j], n.logOverRadius[j], spacing);
    };
    if (p.z2 > p.z1) R += nearPieceReliability(g, hc, p, cachedDe);
    return std::clamp(R, 0.0, 1.0);
}

double reliability(const UncertainField& field, const Design& design, double criticalDepth)
{
    return DepthReliability(field, design.depth, criticalDepth).at(design.spacing);
}

}  // namespace uncertainty
