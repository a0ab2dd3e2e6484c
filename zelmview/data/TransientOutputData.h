// The results of one model run as the program reads them back: the water-table fluctuation table
// of the ".otr" report, the daily water table of the ".day" file beside it, and the seasonal high
// water table computed from the daily rows.
#pragma once

#include <QList>
#include <QString>
#include <array>

#include "data/OutputRecord.h"
#include "data/ReportText.h"

class TransientOutputData {
public:
    // The most bytes of the report that LoadReportText gives in Copy mode.
    static constexpr qint64 kMaxBlockBytes = 99999;

    // Reads the report at `path` and the daily file beside it, starting from empty arrays.
    // Reports a failure with one message through the message sink and returns false; the arrays
    // keep what was read before the failure.
    bool ReadData(const QString& path);

    // The text of the report last read, for display or as it stands; empty after a message when it
    // cannot be opened.
    QString LoadReportText(ReportTextMode mode) const;

    // The mean depth below the surface of the daily rows just before and just after the build-ups
    // of the three events that raised the water table highest, `offset` rows further out on
    // either side. Sets shwtEvents. Shows a message and returns 0 when the daily file has fewer
    // than three build-ups; throws std::invalid_argument when `offset` reaches outside the daily
    // rows.
    double ComputeSeasonalHighWaterTable(int offset);

    QString path;                               // the report last read
    QList<OutputRecord> records;                // the fluctuation table: one record per period, then YO(N)
    QList<int> dailyDay;                        // day number of each daily row
    QList<double> dailyHeight;                  // water table above the drain
    QList<double> dailyDepth;                   // water table below the ground surface
    QList<int> eventRows;                       // the daily rows that repeat the previous row's day: after a build-up
    std::array<int, 3> shwtEvents{-1, -1, -1};  // positions in eventRows, shallowest first

private:
    bool readReport();
    bool readDailyFile();
    std::array<int, 3> shallowestEvents() const;
    qsizetype checkedDailyRow(qsizetype row) const;
};

// The file beside `path` with the same stem and the extension `extension` (".day", ".trn") in
// lower case or, when only that exists, in upper case, as the model names its files. When neither
// exists, the lower-case name.
QString siblingFile(const QString& path, const QString& extension);
