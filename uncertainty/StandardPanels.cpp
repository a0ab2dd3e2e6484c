#include "StandardPanels.h"

#include "Distributions.h"

namespace uncertainty {

namespace {

constexpr double kStandardCuts[] = {-kRange, -7.5, -5.0, -3.0, -1.0, 1.0, 3.0, 5.0, 7.5, kRange};

}  // namespace

const std::vector<StandardPanel>& standardPanels()
{
    static const std::vector<StandardPanel> panels = [] {
        std::vector<StandardPanel> v;
        for (std::size_t k = 0; k + 1 < std::size(kStandardCuts); ++k) {
            StandardPanel p;
            p.a = kStandardCuts[k];
            p.b = kStandardCuts[k + 1];
            detail::kronrodNodes(p.a, p.b, p.x);
            for (int j = 0; j < 15; ++j) p.weight[j] = normalPdf(p.x[j]);
            v.push_back(p);
        }
        return v;
    }();
    return panels;
}

}  // namespace uncertainty
