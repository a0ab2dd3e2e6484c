#include "DesignEvaluation.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "Quadrature.h"
#include "WaterTable.h"

namespace uncertainty {

namespace {

// Both integrals run over +-12 standard deviations (in standard units).
constexpr double kRange = 12.0;
constexpr double kReliabilityTolerance = 1e-9;
constexpr double kInnerRelative = 1e-9;
constexpr double kOuterRelative = 1e-8;
// Below this share of the natural scale of a quantity a difference is rounding.
constexpr double kNegligible = 1e-13;

// Where a range in standard units is cut from the start: the normal weight is smooth, but one
// rule over +-12 would have to be halved several times before it fits it.
constexpr double kStandardCuts[] = {-kRange, -8.0, -5.0, -3.0, -1.5, 0.0, 1.5, 3.0, 5.0, 8.0, kRange};

// A piece between two standard cuts with the rule's nodes and the normal density there, which
// every integral shares.
struct StandardPanel {
    double a = 0.0;
    double b = 0.0;
    double x[15] = {};
    double weight[15] = {};
};

const std::vector<StandardPanel>& standardPanels()
{
    static const std::vector<StandardPanel> panels = [] {
        std::vector<StandardPanel> v;
        for (std::size_t k = 0; k + 1 < std::size(kStandardCuts); ++k) {
            StandardPanel p;
            p.a = kStandardCuts[k];
            p.b = kStandardCuts[k + 1];
            detail::kronrodNodes(p.a, p.b, p.x);
            for (int j = 0; j < 15; ++j) p.weight[j] = phi(p.x[j]);
            v.push_back(p);
        }
        return v;
    }();
    return panels;
}

// The first pieces of an integral over [lo, hi], cut at the standard cuts and at `breaks`: a standard
// panel that lies whole within and holds no break takes its values from `cached(panel, node)`, any
// other piece from `f`.
template <std::size_t N, class Cached, class F>
std::vector<detail::Piece<N>> firstPieces(double lo, double hi, std::vector<double> breaks, Cached&& cached, F& f)
{
    std::sort(breaks.begin(), breaks.end());
    std::vector<detail::Piece<N>> pieces;
    const std::vector<StandardPanel>& panels = standardPanels();
    for (std::size_t k = 0; k < panels.size(); ++k) {
        const double a = std::fmax(panels[k].a, lo);
        const double b = std::fmin(panels[k].b, hi);
        if (!(b > a)) continue;
        std::vector<double> cuts{a};
        for (double x : breaks)
            if (x > a && x < b) cuts.push_back(x);
        cuts.push_back(b);
        if (cuts.size() == 2 && a == panels[k].a && b == panels[k].b) {
            Values<N> fv[15];
            for (int j = 0; j < 15; ++j) fv[j] = cached(k, j);
            pieces.push_back(detail::kronrodPiece<N>(a, b, fv));
            continue;
        }
        for (std::size_t i = 0; i + 1 < cuts.size(); ++i)
            pieces.push_back(detail::gaussKronrod15<N>(f, cuts[i], cuts[i + 1]));
    }
    return pieces;
}

template <std::size_t N>
Values<N> scaled(Values<N> v, double w)
{
    for (double& x : v) x *= w;
    return v;
}

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

// The probability over rho that the water table stays deep enough, for one de.
double reliabilityAt(const DesignIntegrals& g, double hc, double de)
{
    const double lnCritical = std::log(ratioForHeight(hc, de, g.design().spacing));
    const LogNormal& rho = g.field().rho;
    if (g.exactRatio()) return lnCritical >= rho.lambda ? 1.0 : 0.0;
    return Phi((lnCritical - rho.lambda) / rho.zeta);
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

double nearPieceReliability(const DesignIntegrals& g, double hc, const BarrierPieces& p)
{
    if (g.exactRatio()) return nearPieceStepMass(g, hc, p);
    auto at = [&](double z, double w) { return Values<1>{reliabilityAt(g, hc, g.nearDe(z)) * w}; };
    auto integrand = [&](double z) { return at(z, phi(z)); };
    auto cached = [&](std::size_t k, int j) { return at(standardPanels()[k].x[j], standardPanels()[k].weight[j]); };
    auto target = [](const Values<1>&) { return Values<1>{kReliabilityTolerance}; };
    return refine<1>(integrand, firstPieces<1>(p.z1, p.z2, {}, cached, integrand), target).value[0];
}

// The moments of q(W) for some function q: the integrals of (q - c) and (q - c)^2 with c the value
// at the medians, so that a small spread keeps its digits beside a large mean.
template <class Q>
class MomentIntegrals {
public:
    MomentIntegrals(const DesignIntegrals& g, Q q, std::vector<double> breakDepths, double scale)
        : g_(g), q_(q), breakDepths_(std::move(breakDepths)), floor_(kNegligible * scale)
    {
        centre_ = q_(g_.depthToWaterTable(std::exp(g_.field().rho.lambda), g_.meanBarrierDe()));
        if (g_.exactRatio()) return;
        for (const StandardPanel& panel : standardPanels())
            for (double u : panel.x) ratios_.push_back(g_.ratioAt(u));
    }

    Moments moments() const
    {
        Values<2> I = g_.exactBarrier() ? overRatio(g_.meanBarrierDe()) : overBarrier();
        const double variance = I[1] - I[0] * I[0];
        return {centre_ + I[0], std::sqrt(std::fmax(variance, 0.0))};
    }

private:
    Values<2> shifted(double rho, double de) const
    {
        const double v = q_(g_.depthToWaterTable(rho, de)) - centre_;
        return {v, v * v};
    }

    Values<2> allowed(const Values<2>& I, double relative) const
    {
        return {relative * std::sqrt(std::fabs(I[1])) + floor_, relative * std::fabs(I[1]) + floor_ * floor_};
    }

    // The integral over rho for one de, cut where W reaches a break depth.
    Values<2> overRatio(double de) const
    {
        if (g_.exactRatio()) return shifted(std::exp(g_.field().rho.lambda), de);
        std::vector<double> breaks;
        for (double W : breakDepths_) {
            if (!(g_.design().depth - W > 0.0)) continue;
            breaks.push_back(g_.standardRatio(g_.ratioForDepth(W, de)));
        }
        auto integrand = [&](double u) { return scaled(shifted(g_.ratioAt(u), de), phi(u)); };
        auto cached = [&](std::size_t k, int j) {
            return scaled(shifted(ratios_[15 * k + j], de), standardPanels()[k].weight[j]);
        };
        auto target = [&](const Values<2>& I) { return allowed(I, kInnerRelative); };
        return refine<2>(integrand, firstPieces<2>(-kRange, kRange, breaks, cached, integrand), target).value;
    }

    Values<2> overBarrier() const
    {
        const BarrierPieces p = g_.pieces();
        Values<2> fixed{};
        auto addFixedPiece = [&](double mass, double de) {
            if (!(mass > 0.0)) return;
            const Values<2> I = overRatio(de);
            fixed[0] += mass * I[0];
            fixed[1] += mass * I[1];
        };
        addFixedPiece(normalMass(p.lo, p.z1), 0.0);
        if (p.z2 < p.hi) addFixedPiece(normalMass(p.z2, p.hi), g_.farDe());
        if (!(p.z2 > p.z1)) return fixed;

        auto integrand = [&](double z) { return scaled(overRatio(g_.nearDe(z)), phi(z)); };
        auto cached = [&](std::size_t k, int j) {
            const StandardPanel& panel = standardPanels()[k];
            return scaled(overRatio(g_.nearDe(panel.x[j])), panel.weight[j]);
        };
        auto target = [&](const Values<2>& I) { return allowed({I[0] + fixed[0], I[1] + fixed[1]}, kOuterRelative); };
        const Values<2> near =
            refine<2>(integrand, firstPieces<2>(p.z1, p.z2, nearPieceBreaks(p), cached, integrand), target).value;
        return {fixed[0] + near[0], fixed[1] + near[1]};
    }

    // With an exact rho the kinks of q lie in Z: W rises with Z on [z1, z2], so each break depth
    // is met at most once there.
    std::vector<double> nearPieceBreaks(const BarrierPieces& p) const
    {
        std::vector<double> breaks;
        if (!g_.exactRatio()) return breaks;
        const double rho = std::exp(g_.field().rho.lambda);
        for (double W : breakDepths_) {
            auto margin = [&](double z) { return g_.depthToWaterTable(rho, g_.nearDe(z)) - W; };
            if (margin(p.z1) < 0.0 && margin(p.z2) >= 0.0) breaks.push_back(bisectRising(margin, p.z1, p.z2));
        }
        return breaks;
    }

    const DesignIntegrals& g_;
    Q q_;
    std::vector<double> breakDepths_;
    double floor_;
    double centre_ = 0.0;
    std::vector<double> ratios_;  // rho at the nodes of the standard panels
};

template <class Q>
Moments momentsOf(const DesignIntegrals& g, Q q, std::vector<double> breakDepths, double scale)
{
    return MomentIntegrals<Q>(g, q, std::move(breakDepths), scale).moments();
}

}  // namespace

UncertainField uncertainFieldOf(const RiskProject& project)
{
    const LogNormal q = logNormalFromMoments(project.rechargeRate, project.rechargeRateSD);
    const LogNormal K = logNormalFromMoments(project.permeability, project.permeabilitySD);
    return {ratioOf(q, K), project.barrierDepth, project.barrierDepthSD, project.drainRadius};
}

double Moments::cv() const
{
    return mean == 0.0 ? 0.0 : sd / std::fabs(mean);
}

double reliability(const UncertainField& field, const Design& design, double criticalDepth)
{
    const double hc = design.depth - criticalDepth;
    if (!(hc > 0.0)) return 0.0;
    const DesignIntegrals g(field, design);
    if (g.exactBarrier()) return reliabilityAt(g, hc, g.meanBarrierDe());
    const BarrierPieces p = g.pieces();
    double R = normalMass(p.lo, p.z1) * reliabilityAt(g, hc, 0.0);
    if (p.z2 < p.hi) R += normalMass(p.z2, p.hi) * reliabilityAt(g, hc, g.farDe());
    if (p.z2 > p.z1) R += nearPieceReliability(g, hc, p);
    return std::clamp(R, 0.0, 1.0);
}

Moments depthMoments(const UncertainField& field, const Design& design)
{
    const DesignIntegrals g(field, design);
    return momentsOf(
        g, [](double W) { return W; }, {}, design.depth);
}

Moments yieldMoments(const UncertainField& field, const Design& design, const LossFunction& loss)
{
    const DesignIntegrals g(field, design);
    const double scale = std::fmax(1.0, std::fabs(loss.A) + std::fabs(loss.B));
    return momentsOf(
        g, [&loss](double W) { return relativeYield(loss, W); }, yieldBreakDepths(loss), scale);
}

}  // namespace uncertainty
