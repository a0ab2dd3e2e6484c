// What uncertain soil data make of one design (drain depth d, spacing L): the reliability, the
// probability that the water table stays at least the critical depth Wc below the surface, and
// the mean and spread of the depth to the water table W and of the relative yield Y.
//
// The expectations are integrals over rho = q / K (lognormal) and the barrier depth Z (normal),
// each over +-12 standard deviations. Over Z the range is cut where the equivalent depth changes
// its form: below Z = d the drain lies on the barrier (de = 0) and beyond Z = d + 0.31 L the second
// form holds; de does not depend on Z in either, so those pieces need no quadrature. Over ln rho the
// range is cut where W reaches a kink of the loss function.
#pragma once

#include <vector>

#include "Distributions.h"
#include "LossFunctions.h"
#include "RiskProject.h"

namespace uncertainty {

struct UncertainField {
    LogNormal rho;       // q / K
    double meanZ = 0.0;  // depth to the barrier
    double sdZ = 0.0;
    double radius = 0.0;  // of the drain
};

UncertainField uncertainFieldOf(const RiskProject& project);

struct Design {
    double depth = 0.0;
    double spacing = 0.0;
};

struct Moments {
    double mean = 0.0;
    double sd = 0.0;
    // SD / |mean|, and 0 when the mean is 0.
    double cv() const;
};

// R(d, L) = E_Z[ normalCdf((ln rho_c(Z) - lambda) / zeta) ], rho_c = 4 hc (2 de + hc) / L^2, hc = d - Wc;
// 0 when hc <= 0. The quadrature aims at 1e-9.
double reliability(const UncertainField& field, const Design& design, double criticalDepth);

// The reliabilities of many spacings at one drain depth: the distance to the barrier at the rule's
// nodes, and its logarithm, depend on the depth alone and are kept from one spacing to the next.
class DepthReliability {
public:
    DepthReliability(const UncertainField& field, double depth, double criticalDepth);
    double at(double spacing);

private:
    struct NodeDistances {
        bool known = false;
        double D[15] = {};
        double logOverRadius[15] = {};  // ln(D / r) where D > 0
    };
    const NodeDistances& distances(std::size_t panel);

    const UncertainField& field_;
    double depth_;
    double criticalDepth_;
    std::vector<NodeDistances> panels_;
};

// The depth to the water table W = d - h, the quadrature aiming at 1e-8 relative.
Moments depthMoments(const UncertainField& field, const Design& design);

// The relative yield Y(W), the quadrature aiming at 1e-8 relative.
Moments yieldMoments(const UncertainField& field, const Design& design, const LossFunction& loss);

}  // namespace uncertainty
