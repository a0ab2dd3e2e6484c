// Integrals of smooth pieces: the adaptive Gauss-Kronrod 7/15 rule with global error control
// (the piece of largest error is halved until the sum of the errors meets the target), for
// integrands of one or two components, and bisection for a change of sign. An integral whose
// integrand is not finite is NaN, found after the first pieces.
#pragma once

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <limits>
#include <vector>

namespace uncertainty {

template <std::size_t N>
using Values = std::array<double, N>;

template <std::size_t N>
struct QuadratureResult {
    Values<N> value{};
    Values<N> error{};
    int evaluations = 0;
    bool converged = false;
};

// The largest number of pieces an integral is cut into; beyond it the result stands as it is.
constexpr int kMaxPieces = 400;

namespace detail {

// Abscissae of the 15-point Kronrod rule on [-1, 1] (the odd ones are the 7-point Gauss rule's),
// and the weights of both rules.
constexpr double kXgk[8] = {0.991455371120812639206854697526329, 0.949107912342758524526189684047851,
                            0.864864423359769072789712788640926, 0.741531185599394439863864773280788,
                            0.586087235467691130294144845693013, 0.405845151377397166906606412076961,
                            0.207784955007898467600689403773245, 0.0};
constexpr double kWgk[8] = {0.022935322010529224963732008058970, 0.063092092629978553290700663189204,
                            0.104790010322250183839876322541518, 0.140653259715525918745189590510238,
                            0.169004726639267902826583426598550, 0.190350578064785409913256402421014,
                            0.204432940075298892414161999234649, 0.209482141084727828012999174891714};
constexpr double kWg[4] = {0.129484966168869693270611432679082, 0.279705391489276667901467771423780,
                           0.381830050505118944950369775488975, 0.417959183673469387755102040816327};

template <std::size_t N>
struct Piece {
    double a = 0.0;
    double b = 0.0;
    Values<N> value{};
    Values<N> error{};
};

// The error estimate of the classic library routine: the Gauss-Kronrod difference, scaled down when
// it is small beside the variation of the integrand, and never below the rounding of the sum.
inline double kronrodError(double difference, double resasc, double resabs)
{
    constexpr double kEpsilon = std::numeric_limits<double>::epsilon();
    double error = std::fabs(difference);
    if (resasc != 0.0 && error != 0.0) {
        const double ratio = 200.0 * error / resasc;
        error = resasc * std::fmin(1.0, ratio * std::sqrt(ratio));  // ratio^1.5
    }
    if (resabs > std::numeric_limits<double>::min() / (50.0 * kEpsilon))
        error = std::fmax(50.0 * kEpsilon * resabs, error);
    return error;
}

// The 15 nodes of the rule on [a, b], in the order the values are combined.
inline void kronrodNodes(double a, double b, double (&x)[15])
{
    const double centre = 0.5 * (a + b);
    const double half = 0.5 * (b - a);
    x[7] = centre;
    for (int j = 0; j < 7; ++j) {
        x[j] = centre - half * kXgk[j];
        x[14 - j] = centre + half * kXgk[j];
    }
}

// The Kronrod sum and its error estimate from the integrand's values at the nodes of [a, b].
template <std::size_t N>
Piece<N> kronrodPiece(double a, double b, const Values<N> (&fv)[15])
{
    const double half = 0.5 * (b - a);
    Piece<N> piece{a, b, {}, {}};
    for (std::size_t k = 0; k < N; ++k) {
        double kronrod = kWgk[7] * fv[7][k];
        double gauss = kWg[3] * fv[7][k];
        double absolute = kWgk[7] * std::fabs(fv[7][k]);
        for (int j = 0; j < 7; ++j) {
            const double sum = fv[j][k] + fv[14 - j][k];
            kronrod += kWgk[j] * sum;
            absolute += kWgk[j] * (std::fabs(fv[j][k]) + std::fabs(fv[14 - j][k]));
            if (j % 2 == 1) gauss += kWg[j / 2] * sum;
        }
        const double mean = 0.5 * kronrod;
        double spread = kWgk[7] * std::fabs(fv[7][k] - mean);
        for (int j = 0; j < 7; ++j) spread += kWgk[j] * (std::fabs(fv[j][k] - mean) + std::fabs(fv[14 - j][k] - mean));
        piece.value[k] = kronrod * half;
        piece.error[k] = kronrodError((kronrod - gauss) * half, spread * std::fabs(half), absolute * std::fabs(half));
    }
    return piece;
}

template <std::size_t N, class F>
Piece<N> gaussKronrod15(F& f, double a, double b)
{
    double x[15];
    kronrodNodes(a, b, x);
    Values<N> fv[15];
    for (int j = 0; j < 15; ++j) fv[j] = f(x[j]);
    return kronrodPiece<N>(a, b, fv);
}

}  // namespace detail

template <std::size_t N>
bool allFinite(const Values<N>& v)
{
    return std::all_of(v.begin(), v.end(), [](double x) { return std::isfinite(x); });
}

// Halves the piece of largest error until the sum of the errors meets the target, starting from
// pieces already summed (which may have come from values computed beforehand). An integrand that
// is not finite somewhere ends the integral at once with NaN (not converged): no halving could
// make it finite.
template <std::size_t N, class F, class Target>
QuadratureResult<N> refine(F&& f, std::vector<detail::Piece<N>> pieces, Target&& target)
{
    QuadratureResult<N> result;
    result.evaluations = 15 * static_cast<int>(pieces.size());
    for (;;) {
        result.value = {};
        result.error = {};
        for (const auto& p : pieces)
            for (std::size_t k = 0; k < N; ++k) {
                result.value[k] += p.value[k];
                result.error[k] += p.error[k];
            }
        if (!allFinite(result.value) || !allFinite(result.error)) {
            result.value.fill(std::numeric_limits<double>::quiet_NaN());
            return result;
        }
        const Values<N> allowed = target(result.value);
        bool met = true;
        for (std::size_t k = 0; k < N; ++k) met = met && result.error[k] <= allowed[k];
        if (met || pieces.empty()) {
            result.converged = true;
            return result;
        }
        if (static_cast<int>(pieces.size()) >= kMaxPieces) return result;
        // Halve the piece that holds the largest share of an allowance.
        auto badness = [&](const detail::Piece<N>& p) {
            double worst = 0.0;
            for (std::size_t k = 0; k < N; ++k)
                worst =
                    std::fmax(worst, allowed[k] > 0.0 ? p.error[k] / allowed[k] : (p.error[k] > 0.0 ? HUGE_VAL : 0.0));
            return worst;
        };
        auto worst = std::max_element(pieces.begin(), pieces.end(),
                                      [&](const auto& x, const auto& y) { return badness(x) < badness(y); });
        const double a = worst->a;
        const double b = worst->b;
        const double mid = 0.5 * (a + b);
        if (!(mid > a && mid < b)) return result;  // the piece cannot be cut any finer
        *worst = detail::gaussKronrod15<N>(f, a, mid);
        pieces.push_back(detail::gaussKronrod15<N>(f, mid, b));
        result.evaluations += 30;
    }
}

// The integral of `f` over [breaks.front(), breaks.back()], each interval between two breaks (where
// the integrand may have a kink or a jump) a piece of its own from the start. `target(value)` gives,
// for the current total, the largest error allowed in each component.
template <std::size_t N, class F, class Target>
QuadratureResult<N> integrate(F&& f, const std::vector<double>& breaks, Target&& target)
{
    std::vector<detail::Piece<N>> pieces;
    pieces.reserve(32);
    for (std::size_t i = 0; i + 1 < breaks.size(); ++i) {
        if (!(breaks[i + 1] > breaks[i])) continue;
        pieces.push_back(detail::gaussKronrod15<N>(f, breaks[i], breaks[i + 1]));
    }
    return refine<N>(f, std::move(pieces), target);
}

// For `f` rising through zero on [lo, hi] (f(lo) < 0 <= f(hi)): the point where it changes sign,
// to the resolution of double precision.
template <class F>
double bisectRising(F&& f, double lo, double hi)
{
    for (int i = 0; i < 300; ++i) {
        const double mid = 0.5 * (lo + hi);
        if (!(mid > lo && mid < hi)) break;
        (f(mid) < 0.0 ? lo : hi) = mid;
    }
    return 0.5 * (lo + hi);
}

}  // namespace uncertainty
