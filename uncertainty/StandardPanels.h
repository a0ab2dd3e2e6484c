// The standard normal range of +-12 cut into fixed panels: the normal weight is smooth, but one
// rule over the whole range would have to be halved several times before it fits it. The rule's
// nodes and the density there are computed once, and an integrand may keep its own values at those
// nodes between integrals (what depends only on the node).
#pragma once

#include <algorithm>
#include <cmath>
#include <vector>

#include "Quadrature.h"

namespace uncertainty {

// Every integral over a normal variable runs over +-12 standard deviations.
constexpr double kRange = 12.0;

struct StandardPanel {
    double a = 0.0;
    double b = 0.0;
    double x[15] = {};
    double weight[15] = {};  // the normal density at x
};

const std::vector<StandardPanel>& standardPanels();

// The first pieces of an integral over [lo, hi], cut at the panels' ends and at `breaks`: a panel
// that lies whole within and holds no break takes its values from `cached(panel, node)`, any other
// piece from `f`.
template <std::size_t N, class Cached, class F>
std::vector<detail::Piece<N>> firstPieces(double lo, double hi, std::vector<double> breaks, Cached&& cached, F& f)
{
    std::sort(breaks.begin(), breaks.end());
    std::vector<detail::Piece<N>> pieces;
    const std::vector<StandardPanel>& panels = standardPanels();
    pieces.reserve(panels.size() + breaks.size() + 8);
    std::vector<double> cuts;
    cuts.reserve(breaks.size() + 2);
    for (std::size_t k = 0; k < panels.size(); ++k) {
        const double a = std::fmax(panels[k].a, lo);
        const double b = std::fmin(panels[k].b, hi);
        if (!(b > a)) continue;
        cuts.assign(1, a);
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

}  // namespace uncertainty
