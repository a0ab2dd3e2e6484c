#include "output/OutputReportText.h"

#include <QLocale>
#include <stdexcept>

#include "data/CZELMOutputDoc.h"
#include "docview/MessageSink.h"

namespace zelm {
namespace {

QString lineEnd(ReportTarget target)
{
    return target == ReportTarget::Screen ? QStringLiteral("\r\n") : QStringLiteral("\n");
}

QString reportText(const TransientOutputData& output, ReportTarget target)
{
    if (target == ReportTarget::Screen) return output.LoadReportText(ReportTextMode::Display);
    QString text = output.LoadReportText(ReportTextMode::Copy);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text;
}

bool validDate(const IrrigationDataElement& event)
{
    return event.month >= 1 && event.month <= 12 && event.day >= 1 && event.day <= 31;
}

// The two dated depth lines of the chosen event `k`; false (after a message) when `k` does not
// name an event of the project and a build-up of the daily file.
bool appendEventDepths(const CZELMOutputDoc& document, int k, const QString& end, QString& text)
{
    const ZELMData& input = document.GetInput();
    const TransientOutputData& output = document.GetOutput();
    const qsizetype eventCount = input.events.size();
    // Event 0 is the last event of the year: its build-up starts the next year's first period.
    const qsizetype eventIndex = k == 0 ? eventCount - 1 : k - 1;
    const bool known = k >= 0 && eventIndex >= 0 && eventIndex < eventCount && k < output.eventRows.size();
    const int row = known ? output.eventRows.at(k) : -1;
    const qsizetype afterRow = k == eventCount ? 0 : row;
    if (!known || !validDate(input.events.at(eventIndex)) || row < 1 || row >= output.dailyDepth.size() ||
        afterRow >= output.dailyDepth.size()) {
        docview::showMessage(
            QStringLiteral("Invalid deep percolation event %1 in the seasonal high water table.").arg(k));
        return false;
    }
    const IrrigationDataElement& event = input.events.at(eventIndex);
    const QString date = formatEventDate(event.month, event.day);
    text += date + QStringLiteral(": ") + QString::asprintf("%g", output.dailyDepth.at(row - 1)) + end;
    text += date + QStringLiteral(": ") + QString::asprintf("%g", output.dailyDepth.at(afterRow)) + end;
    return true;
}

}  // namespace

QString formatEventDate(int month, int day)
{
    return QLocale::c().standaloneMonthName(month, QLocale::LongFormat) + QLatin1Char(' ') +
           QStringLiteral("%1").arg(day, 2, 10, QLatin1Char('0'));
}

QString FillReport(CZELMOutputDoc& document, ReportTarget target)
{
    QString text = reportText(document.GetOutput(), target);
    if (!document.GetInput().benchBottomland) return text;

    const QString end = lineEnd(target);
    try {
        text += end + document.FormatSeasonalHighWaterTable(0) + end + end;
    } catch (const std::invalid_argument& error) {
        docview::showMessage(QString::fromUtf8(error.what()));
        return text;
    }
    const auto& chosen = document.GetOutput().shwtEvents;
    // Fewer than three build-ups: the computation has said so already and chose no events.
    if (chosen[0] < 0 || chosen[1] < 0 || chosen[2] < 0) return text;

    text += QStringLiteral("Deep percolation events used were %1, %2, and %3.")
                .arg(chosen[0])
                .arg(chosen[1])
                .arg(chosen[2]) +
            end;
    text += QStringLiteral("Water table depths used to compute SHWT:") + end;
    for (int k : chosen)
        if (!appendEventDepths(document, k, end, text)) break;
    return text;
}

}  // namespace zelm
