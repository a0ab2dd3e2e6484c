// TransientOutputData::ReadData and LoadReportText: reading back the model's ".otr" report and
// ".day" daily file, with every message they show. Numbers are scanned line by line, and a line
// counts only when the numbers are all it holds, so a field of asterisks (a value that did not fit)
// never passes for a shorter line. The one exception is the time factor, which the program only
// shows: the model prints asterisks there when it is too large, and such a period reads with its
// time factor as "not shown" (NaN).
#include <QFile>
#include <cmath>
#include <cstdio>
#include <limits>

#include "data/ScopedCLocale.h"
#include "data/TransientOutputData.h"
#include "docview/MessageSink.h"

namespace {

// The header line of the report's water-table fluctuation table, in both barrier cases.
constexpr char kTableHeaderOn[] = " EVENT   TIME     BU      YO     H     KHt/SL2   Z/H      Z";
constexpr char kTableHeaderOff[] = " EVENT   TIME     BU      YO     D     KDt/SL2   Y/Y0     Y";

bool isCSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

QByteArray trimmedEnd(QByteArray line)
{
    while (!line.isEmpty() && isCSpace(line.back())) line.chop(1);
    return line;
}

bool isFinite(double value)
{
    return std::isfinite(value);
}

bool isFinite(int)
{
    return true;
}

// Scans `line` (from `from` on) with `format`, whose items are all numbers and which ends in
// " %n". True when every number converts to a finite value and only white space follows the last
// one; the model never prints "nan" or "inf".
template <typename... Targets>
bool scanWholeLine(const QByteArray& line, const char* format, Targets*... targets)
{
    int consumed = -1;
    const int converted = std::sscanf(line.constData(), format, targets..., &consumed);
    return converted == int(sizeof...(Targets)) && consumed == line.size() && (isFinite(*targets) && ...);
}

// A period line whose time factor shows as asterisks: three numbers, the asterisks, two numbers.
bool scanPeriodLineWithoutTimeFactor(const QByteArray& line, OutputRecord& record)
{
    int consumed = -1;
    if (std::sscanf(line.constData(), "%lf %lf %lf %n", &record.time, &record.startHeight, &record.flowDepth,
                    &consumed) != 3 ||
        consumed < 0 || !isFinite(record.time) || !isFinite(record.startHeight) || !isFinite(record.flowDepth))
        return false;
    qsizetype end = consumed;
    while (end < line.size() && line.at(end) == '*') ++end;
    if (end == consumed || end == line.size() || line.at(end) != ' ') return false;
    record.timeFactor = std::numeric_limits<double>::quiet_NaN();
    return scanWholeLine(line.mid(end), "%lf %lf %n", &record.heightRatio, &record.endHeight);
}

bool scanPeriodLine(const QByteArray& line, OutputRecord& record)
{
    record = OutputRecord{};
    if (scanWholeLine(line, "%lf %lf %lf %lf %lf %lf %n", &record.time, &record.startHeight, &record.flowDepth,
                      &record.timeFactor, &record.heightRatio, &record.endHeight))
        return true;
    record = OutputRecord{};
    return scanPeriodLineWithoutTimeFactor(line, record);
}

bool isTableHeader(const QByteArray& line)
{
    const QByteArray text = trimmedEnd(line);
    return text == kTableHeaderOn || text == kTableHeaderOff;
}

// Places the file after the last header line of the water-table table (at its end when there is
// none). The title and the comment lines come before the table and may hold anything, the header's
// text too.
void seekPastTableHeader(QFile& file)
{
    qint64 afterHeader = -1;
    while (!file.atEnd())
        if (isTableHeader(file.readLine())) afterHeader = file.pos();
    if (afterHeader >= 0) file.seek(afterHeader);
}

// The next line of `file`; empty at end of file.
QByteArray nextLine(QFile& file)
{
    return file.atEnd() ? QByteArray() : file.readLine();
}

bool fail(const QString& message)
{
    docview::showMessage(message);
    return false;
}

bool failToOpen(const QString& path)
{
    return fail(QStringLiteral("ReadData: Unable to open ZELM output file ") + path);
}

bool failOnRecord(qsizetype recordsRead, const QString& path)
{
    return fail(QStringLiteral("Parse error reading output record #%1 in output file ").arg(recordsRead) + path);
}

QString withoutExtension(const QString& path)
{
    const qsizetype nameStart = path.lastIndexOf(QLatin1Char('/')) + 1;
    const qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
    return dot >= nameStart ? path.left(dot) : path;
}

// The model writes the report and the daily file with upper-case extensions, together; a report
// named in lower case goes with the daily file in lower case, when there is one.
QString dailyFileOf(const QString& reportPath)
{
    const QString stem = withoutExtension(reportPath);
    const bool upperCaseReport = reportPath.mid(stem.size()) == reportPath.mid(stem.size()).toUpper();
    const QString first = stem + (upperCaseReport ? QStringLiteral(".DAY") : QStringLiteral(".day"));
    const QString second = stem + (upperCaseReport ? QStringLiteral(".day") : QStringLiteral(".DAY"));
    return QFile::exists(first) || !QFile::exists(second) ? first : second;
}

}  // namespace

QString siblingFile(const QString& path, const QString& extension)
{
    const QString stem = withoutExtension(path);
    const QString lowerCase = stem + extension.toLower();
    if (QFile::exists(lowerCase)) return lowerCase;
    const QString upperCase = stem + extension.toUpper();
    return QFile::exists(upperCase) ? upperCase : lowerCase;
}

bool TransientOutputData::ReadData(const QString& reportPath)
{
    *this = TransientOutputData();
    path = reportPath;
    const ScopedCLocale cLocale;
    return readReport() && readDailyFile();
}

// The fluctuation table: the initial period line, then period lines each followed by the event
// line with its build-up, and the final height line. A blank line or the end of the file ends it;
// a table that ends before its final height line is cut short and fails.
bool TransientOutputData::readReport()
{
    QFile report(path);
    if (!report.open(QIODevice::ReadOnly)) return failToOpen(path);

    seekPastTableHeader(report);
    nextLine(report);  // the hyphens under the header

    OutputRecord pending;
    if (!scanPeriodLine(nextLine(report), pending))
        return fail(QStringLiteral("Parse error reading initial WT value in output file ") + path);
    records.append(pending);

    bool finalHeightRead = false;
    for (QByteArray line = nextLine(report); !trimmedEnd(line).isEmpty(); line = nextLine(report)) {
        OutputRecord period;
        double eventNumber = 0.0, value = 0.0;
        if (scanPeriodLine(line, period)) {
            pending = period;
            finalHeightRead = false;
        } else if (scanWholeLine(line, "%lf %lf %n", &eventNumber, &value)) {
            pending.buildUp = value;
            records.append(pending);
            pending = OutputRecord{};
            finalHeightRead = false;
        } else if (scanWholeLine(line, "%lf %n", &value)) {
            pending = OutputRecord{};
            pending.startHeight = value;
            records.append(pending);
            finalHeightRead = true;
        } else {
            return failOnRecord(records.size(), path);
        }
    }
    return finalHeightRead || failOnRecord(records.size(), path);
}

// One row per daily value: day, height above the drain, depth below the surface. A row that
// repeats the previous row's day is the one after a build-up.
bool TransientOutputData::readDailyFile()
{
    QFile daily(dailyFileOf(path));
    if (!daily.open(QIODevice::ReadOnly)) return failToOpen(path);

    while (!daily.atEnd()) {
        int day = 0;
        double height = 0.0, depth = 0.0;
        if (!scanWholeLine(daily.readLine(), "%d %lf %lf %n", &day, &height, &depth))
            return fail(
                QStringLiteral("Parse error reading daily values for row #%1 in output file ").arg(dailyDay.size()) +
                path);
        if (!dailyDay.isEmpty() && dailyDay.back() == day) eventRows.append(int(dailyDay.size()));
        dailyDay.append(day);
        dailyHeight.append(height);
        dailyDepth.append(depth);
    }
    return true;
}

QString TransientOutputData::LoadReportText(ReportTextMode mode) const
{
    QFile report(path);
    if (!report.open(QIODevice::ReadOnly)) {
        failToOpen(path);
        return QString();
    }
    if (mode == ReportTextMode::Copy) return QString::fromUtf8(report.read(kMaxBlockBytes));

    QByteArray text;
    while (!report.atEnd()) text += trimmedEnd(report.readLine()) + "\r\n";
    return QString::fromUtf8(text);
}
