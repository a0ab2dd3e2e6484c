// The transient project: modes, field data, deep-percolation events, title and comment, and the
// ".trn" project file that holds them (read and written here, read by the model as well).
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <cfloat>
#include <stdexcept>

#include "data/IrrigationDataElement.h"

// An event whose month or day lies outside the calendar; the command that sorted the events
// reports it through the message sink.
class EventDateError : public std::invalid_argument {
public:
    using std::invalid_argument::invalid_argument;
};

class ZELMData {
public:
    // The codes of the project, with the numbers the file keeps for them.
    enum class InputMode : int { Design = 0, Analysis = 1 };
    // English: ft, ft/day, in; metric: m, m/day, cm.
    enum class Units : int { English = 0, Metric = 1 };
    // Where the drain lies: decided by the model's criterion, or on or off the barrier. A file may
    // hold another number, which the project keeps as it was read and the model takes for off.
    enum class BarrierMode : int { ByCriterion = -1, OffBarrier = 0, OnBarrier = 1 };

    // The largest size of a real the file keeps: the model computes in single precision, and the
    // reader refuses anything larger.
    static constexpr double kLargestReal = FLT_MAX;

    // Both report every failure with one message through the message sink and return false.
    // A failed read is not rolled back: fields read before the failing line keep their new values.
    // The reader refuses numbers the model cannot compute with ("nan", "inf", beyond single
    // precision) and an event count that differs from the event lines. The writer replaces the
    // file atomically: a failed save leaves the previous file as it was.
    bool ReadData(const QString& path);
    bool WriteData(const QString& path) const;
    // The bytes WriteData writes: what the model reads when it runs the saved project.
    QByteArray FileImage() const;

    // Puts the events in calendar order, keeping the order of events on the same date. Returns
    // false and leaves the array unchanged at the first event with month or day 0; throws
    // EventDateError, leaving the array unchanged, for a month outside 1..12 or a day outside 1..31.
    static bool SortEventsByDate(QList<IrrigationDataElement>& events);
    // What a save or a run says when SortEventsByDate finds an event with month or day 0.
    static inline const QString kEventsNotInitialized =
        QStringLiteral("Please make sure that the irrigation data is initialized before running the model.");

    // A title and a comment as the file keeps them and reads them back: the title on one line
    // without white space at its ends; the comment with CR LF between its lines, no white space at
    // the end of a line and no blank lines or blanks at its own ends.
    static QString FittedTitle(const QString& title);
    static QString FittedComment(const QString& comment);

    bool operator==(const ZELMData&) const = default;

    InputMode inputMode = InputMode::Design;
    Units metricUnits = Units::English;
    bool benchBottomland = false;  // calculate the bench and bottom land criteria
    double depthToDrain = 0.0;
    double drainRadius = 0.0;
    double barrierDistance = 0.0;
    double maxWaterTable = 0.0;
    double minWaterTableDepth = 0.0;  // depthToDrain - maxWaterTable, set on reading
    double permeability = 0.0;
    double specificYield = 0.0;
    double drainSpacing = 0.0;
    double awhc = 0.0;
    BarrierMode barrierMode = BarrierMode::ByCriterion;
    QList<IrrigationDataElement> events;
    double maxDeepPercolation = 0.0;  // largest event amount, at least 0, set on reading
    QString title;
    QString comment;  // lines separated by CR LF
};
