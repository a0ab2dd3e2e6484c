// Helpers of the chart tests: a year of water table laid out like the model's output, a working
// folder of their own for the chart settings files, and the pixels of a rendered chart.
#pragma once

#include <QDate>
#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <cmath>

#include "data/TransientOutputData.h"
#include "data/ZELMData.h"
#include "docview/WorkingFolder.h"

// The model's year for events on `dates` (calendar order): it starts on the last event; every
// period falls in a straight line from 2.0 + 0.1 k to 1.0 and ends in a build-up on an event day,
// which the daily rows show as the day written twice, before and after.
inline TransientOutputData syntheticYear(const QList<QDate>& dates)
{
    // Dates are in 1981; an event not after the last one falls in the year after it.
    const QDate start = dates.constLast();
    QList<int> ends;  // day numbers (start = 1) of the period ends
    for (const QDate& date : dates) {
        const QDate occurrence = date > start ? date : date.addYears(1);
        ends.append(int(start.daysTo(occurrence)) + 1);
    }
    TransientOutputData output;
    int begin = 1;
    for (int k = 0; k < ends.size(); ++k) {
        OutputRecord record;
        record.time = ends.at(k) - begin;
        record.startHeight = 2.0 + 0.1 * k;
        record.endHeight = 1.0;
        output.records.append(record);
        begin = ends.at(k);
    }
    OutputRecord last;
    last.startHeight = output.records.constFirst().startHeight;
    output.records.append(last);

    begin = 1;
    auto addRow = [&output](int day, double height) {
        if (!output.dailyDay.isEmpty() && output.dailyDay.constLast() == day)
            output.eventRows.append(int(output.dailyDay.size()));
        output.dailyDay.append(day);
        output.dailyHeight.append(height);
        output.dailyDepth.append(4.0 - height);
    };
    addRow(1, output.records.at(0).startHeight);
    for (int k = 0; k < ends.size(); ++k) {
        const OutputRecord& record = output.records.at(k);
        for (int day = begin + 1; day <= ends.at(k); ++day)
            addRow(day, record.startHeight + (record.endHeight - record.startHeight) * (day - begin) / record.time);
        addRow(ends.at(k), output.records.at((k + 1) % ends.size()).startHeight);
        begin = ends.at(k);
    }
    return output;
}

inline ZELMData projectWithEvents(const QList<QDate>& dates, bool benchBottomland = false,
                                  ZELMData::Units metricUnits = ZELMData::Units::English)
{
    ZELMData input;
    for (const QDate& date : dates) input.events.append({date.month(), date.day(), 1.0});
    input.benchBottomland = benchBottomland;
    input.metricUnits = metricUnits;
    input.depthToDrain = 4.0;
    input.title = QStringLiteral("Test field");
    return input;
}

// Runs a test in a temporary working folder, where the charts keep their settings files.
class TemporaryWorkingFolder {
public:
    TemporaryWorkingFolder() : previous(docview::workingFolder().Path())
    {
        docview::workingFolder().MoveTo(dir.path());
    }
    ~TemporaryWorkingFolder() { docview::workingFolder().MoveTo(previous); }
    QString path(const QString& name) const { return dir.filePath(name); }

private:
    QTemporaryDir dir;
    QString previous;
};

// Pixels of `image` inside `area` within `tolerance` of `colour` in each channel.
inline int pixelsNear(const QImage& image, const QRect& area, const QColor& colour, int tolerance = 40)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor pixel = image.pixelColor(x, y);
            if (std::abs(pixel.red() - colour.red()) <= tolerance &&
                std::abs(pixel.green() - colour.green()) <= tolerance &&
                std::abs(pixel.blue() - colour.blue()) <= tolerance)
                ++count;
        }
    return count;
}
