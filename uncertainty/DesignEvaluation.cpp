#include "DesignEvaluation.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "DesignIntegrals.h"

namespace uncertainty {

namespace {

constexpr double kInnerRelative = 1e-9;
constexpr double kOuterRelative = 1e-8;
// Below this share of the natural scale of a quantity a difference is rounding.
constexpr double kNegligible = 1e-13;

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
        // A NaN integral stays NaN, so that the run sees it.
        return {centre_ + I[0], std::isnan(variance) ? variance : std::sqrt(std::fmax(variance, 0.0))};
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
        auto integrand = [&](double u) { return scaled(shifted(g_.ratioAt(u), de), normalPdf(u)); };
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

        auto integrand = [&](double z) { return scaled(overRatio(g_.nearDe(z)), normalPdf(z)); };
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
