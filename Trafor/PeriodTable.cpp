#include "PeriodTable.h"

namespace zelm {

namespace {
constexpr int kDaysInYear = 365;
constexpr int kDaysBeforeMonth[12] = {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};
}  // namespace

int MODAY1(int month, int day)
{
    return day + kDaysBeforeMonth[month - 1];
}

PeriodTable INPASCDP(const std::vector<PercolationEvent>& events)
{
    const int n = static_cast<int>(events.size());
    const int N = n + 2;
    PeriodTable table;
    table.DP.assign(N + 1, 0.0f);
    table.TP.assign(N + 1, 0);
    table.DOY.assign(N + 1, 0);
    for (int k = 1; k <= n; ++k) {
        table.DP[k + 2] = events[k - 1].amount;
        table.DOY[k + 2] = MODAY1(events[k - 1].month, events[k - 1].day);
    }
    for (int i = 3; i <= N - 1; ++i) table.TP[i] = table.DOY[i + 1] - table.DOY[i];
    table.TP[N] = 1;
    const int gap = kDaysInYear - (table.DOY[N] - table.DOY[3]);
    table.TP[1] = gap / 2;
    table.TP[2] = gap - table.TP[1];
    return table;
}

}  // namespace zelm
