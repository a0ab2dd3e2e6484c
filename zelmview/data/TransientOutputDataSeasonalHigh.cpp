// TransientOutputData::ComputeSeasonalHighWaterTable: the seasonal high water table, the mean depth
// around the three build-ups that brought the water table closest to the surface.
#include <stdexcept>
#include <string>

#include "data/TransientOutputData.h"
#include "docview/MessageSink.h"

namespace {

constexpr int kChosenEvents = 3;
constexpr int kNoEvent = -1;

}  // namespace

// The three positions in eventRows with the smallest depth after the build-up, shallowest first;
// of equal depths the earlier position ranks first.
std::array<int, 3> TransientOutputData::shallowestEvents() const
{
    const auto depthAfterBuildUp = [this](int position) { return dailyDepth[checkedDailyRow(eventRows[position])]; };
    std::array<int, 3> chosen{kNoEvent, kNoEvent, kNoEvent};
    for (int position = 0; position < eventRows.size(); ++position) {
        const double depth = depthAfterBuildUp(position);
        for (int slot = 0; slot < kChosenEvents; ++slot) {
            if (chosen[slot] == kNoEvent) {
                chosen[slot] = position;
                break;
            }
            if (depthAfterBuildUp(chosen[slot]) > depth) {
                for (int later = kChosenEvents - 1; later > slot; --later) chosen[later] = chosen[later - 1];
                chosen[slot] = position;
                break;
            }
        }
    }
    return chosen;
}

qsizetype TransientOutputData::checkedDailyRow(qsizetype row) const
{
    if (row < 0 || row >= dailyDepth.size())
        throw std::invalid_argument("seasonal high water table: daily row " + std::to_string(row) +
                                    " lies outside the " + std::to_string(dailyDepth.size()) + " daily rows");
    return row;
}

double TransientOutputData::ComputeSeasonalHighWaterTable(int offset)
{
    const qsizetype eventCount = eventRows.size();
    if (eventCount < kChosenEvents) {
        docview::showMessage(QStringLiteral("Can't compute SHWT without at least three deep percolation events."));
        return 0.0;
    }

    const std::array<int, 3> chosen = shallowestEvents();
    double sum = 0.0;
    for (const int position : chosen) {
        const qsizetype afterBuildUp = eventRows[position];
        // The daily file covers one cycle: the rows after the last build-up continue at its start.
        const qsizetype later = position == eventCount - 1 ? offset : afterBuildUp + offset;
        sum += dailyDepth[checkedDailyRow(afterBuildUp - offset - 1)];
        sum += dailyDepth[checkedDailyRow(later)];
    }
    shwtEvents = chosen;
    return sum / (2 * kChosenEvents);
}
