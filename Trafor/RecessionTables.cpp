#include "RecessionTables.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>

namespace zelm {

namespace {

constexpr float kFullyDrained = 0.0001f;

template <std::size_t Size>
struct RecessionTable {
    std::array<float, Size> X;
    std::array<float, Size> Y;
};

// The points stay ten to a line, as they are tabulated.
// clang-format off
constexpr RecessionTable<46> kOnBarrier = {
    {0.0f,    0.0002f, 0.0004f, 0.0006f, 0.0008f, 0.001f, 0.0012f, 0.0014f, 0.0016f, 0.0018f,
     0.002f,  0.004f,  0.006f,  0.008f,  0.01f,   0.012f, 0.014f,  0.016f,  0.018f,  0.02f,
     0.04f,   0.06f,   0.08f,   0.1f,    0.12f,   0.14f,  0.16f,   0.18f,   0.2f,    0.4f,
     0.6f,    0.8f,    1.0f,    1.2f,    1.4f,    1.6f,   1.8f,    2.0f,    3.0f,    4.0f,
     5.0f,    6.0f,    7.0f,    8.0f,    9.0f,    10.0f},
    {1.0f,      0.999976f, 0.999939f, 0.999886f, 0.999818f, 0.999734f, 0.999636f, 0.999522f,
     0.999394f, 0.999251f, 0.999093f, 0.99675f,  0.993153f, 0.988526f, 0.983092f, 0.97705f,
     0.970561f, 0.963756f, 0.956734f, 0.949571f, 0.877897f, 0.813288f, 0.75688f,  0.707604f,
     0.664294f, 0.62596f,  0.591802f, 0.561177f, 0.533564f, 0.357601f, 0.268914f, 0.215474f,
     0.17975f,  0.154185f, 0.134984f, 0.120033f, 0.108061f, 0.098258f, 0.065f,    0.05f,
     0.045f,    0.04f,     0.0375f,   0.035f,    0.0325f,   0.03f}};

constexpr RecessionTable<29> kOffBarrier = {
    {0.0f,  0.001f, 0.002f, 0.003f, 0.004f, 0.005f, 0.006f, 0.007f, 0.008f, 0.009f,
     0.01f, 0.02f,  0.03f,  0.04f,  0.05f,  0.06f,  0.07f,  0.08f,  0.09f,  0.1f,
     0.2f,  0.3f,   0.4f,   0.5f,   0.6f,   0.7f,   0.8f,   0.9f,   1.0f},
    {1.0f,      0.999808f, 0.999232f, 0.998272f, 0.996928f, 0.9952f,   0.993088f, 0.990593f,
     0.987718f, 0.984466f, 0.980847f, 0.927915f, 0.857895f, 0.78443f,  0.713662f, 0.647806f,
     0.587425f, 0.532423f, 0.48247f,  0.437161f, 0.162944f, 0.060731f, 0.022635f, 0.008436f,
     0.003144f, 0.001172f, 0.000437f, 0.000163f, 0.000061f}};
// clang-format on

// Within the table's range: 1 at or below the first point, else linear between the point j, the
// first with X <= Xj, and the one before it.
template <std::size_t Size>
float interpolate(const RecessionTable<Size>& table, float X)
{
    if (std::isnan(X)) return X;
    if (X <= table.X[0]) return 1.0f;
    std::size_t j = std::lower_bound(table.X.begin(), table.X.end(), X) - table.X.begin();
    const float Xj = table.X[j], Xprev = table.X[j - 1];
    const float Yj = table.Y[j], Yprev = table.Y[j - 1];
    return Yj - (Yj - Yprev) * (Xj - X) / (Xj - Xprev);
}

}  // namespace

float recessionOnBarrier(float X)
{
    if (X >= 10.0f) return kFullyDrained;
    return interpolate(kOnBarrier, X);
}

float recessionOffBarrier(float X)
{
    if (X > 1.0f) return kFullyDrained;
    return interpolate(kOffBarrier, X);
}

}  // namespace zelm
