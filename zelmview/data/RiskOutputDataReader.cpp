// RiskOutputData::ReadData: picking the two machine-read sections out of the uncertainty model's
// report, with every message it shows. Each section starts at a line that is its heading and
// nothing else (blanks around it aside), so that a heading quoted in the report's free text (the
// project's file name) is never taken for a section; the fixed design holds one number per line in
// the line's last ten characters, the table nine numbers a row until a blank line.
#include <QFile>
#include <cstdlib>

#include "data/LineScanner.h"
#include "data/RiskOutputData.h"
#include "data/ScopedCLocale.h"
#include "data/TextLineReader.h"
#include "docview/MessageSink.h"

namespace {

constexpr char kFixedDesignHeading[] = "RESULTS FOR A FIXED DESIGN";
constexpr char kTableHeading[] = "TABLE OF RELIABILITY VS DEPTH AND SPACING";
constexpr int kTableHeaderLines = 4;
// The value of a fixed-design line stands in its last characters, after a label and dots.
constexpr qsizetype kFixedValueWidth = 10;

// What each fixed-design value is, in order, as its message names it.
constexpr const char* kFixedDesignValueNames[RiskOutputRangeSpacingItem::kValues] = {
    "cost per acre",
    "spacing",
    "depth",
    "reliability",
    "critical depth to W.T.",
    "mean depth to W.T.",
    "coefficient of variance of depth to W.T.",
    "Y at critical depth",
    "covariance of Y at critical depth",
};

bool isHeading(const QByteArray& line, const char* heading)
{
    return line.trimmed() == heading;
}

double fixedDesignValue(const QByteArray& line)
{
    return std::strtod(withoutTrailingSpace(line).right(kFixedValueWidth).constData(), nullptr);
}

bool scanTableRow(const QByteArray& line, RiskOutputRangeSpacingItem& row)
{
    LineScanner scanner(line);
    for (double& value : row.value)
        if (!scanner.real(value)) return false;
    return true;
}

class ReportReader {
public:
    ReportReader(QFile& report, RiskOutputData& data) : lines(report), data(data) {}

    bool read()
    {
        while (const std::optional<QByteArray> line = lines.next()) {
            if (isHeading(*line, kFixedDesignHeading)) {
                if (!readFixedDesign()) return false;
            } else if (isHeading(*line, kTableHeading)) {
                if (!readTable()) return false;
            }
        }
        return true;
    }

private:
    bool readFixedDesign()
    {
        data.hasFixedDesign = true;
        if (!skipLine("Unexpected EOF found skipping '----' after reading \"RESULTS FOR A FIXED DESIGN\" in file ") ||
            !skipLine("Unexpected EOF found skipping blank line after reading \"RESULTS FOR A FIXED DESIGN\" in file "))
            return false;
        for (int value = 0; value < RiskOutputRangeSpacingItem::kValues; ++value) {
            const std::optional<QByteArray> line = lines.next();
            if (!line)
                return fail(QStringLiteral("Unexpected EOF found looking for ") +
                            QLatin1String(kFixedDesignValueNames[value]) + QStringLiteral(" in file "));
            data.fixedDesign.value[value] = fixedDesignValue(*line);
        }
        return true;
    }

    // Rows up to a blank line; the end of the file inside the rows ends the report.
    bool readTable()
    {
        data.hasReliabilityTable = true;
        if (!skipLine("Unexpected EOF found while skipping '----' after reading \"TABLE OF RELIABILITY VS DEPTH AND "
                      "SPACING\" in file ") ||
            !skipLine("Unexpected EOF found while skipping blank line after reading \"TABLE OF RELIABILITY VS DEPTH "
                      "AND SPACING\" in file "))
            return false;
        for (int header = 0; header < kTableHeaderLines; ++header)
            if (!skipLine("Unexpected EOF found while skipping header data after reading \"TABLE OF RELIABILITY VS "
                          "DEPTH AND SPACING\" in file "))
                return false;

        for (std::optional<QByteArray> line = lines.next(); line && !line->trimmed().isEmpty(); line = lines.next()) {
            RiskOutputRangeSpacingItem row;
            if (!scanTableRow(*line, row))
                return fail(QStringLiteral("Parse error while reading reliability table line %1 in file ")
                                .arg(data.reliabilityTable.size() + 1));
            data.reliabilityTable.append(row);
        }
        return true;
    }

    bool skipLine(const char* messageAtEnd) { return lines.next() || fail(QLatin1String(messageAtEnd)); }

    bool fail(const QString& phrase)
    {
        docview::showMessage(phrase + data.path);
        return false;
    }

    TextLineReader lines;
    RiskOutputData& data;
};

}  // namespace

bool RiskOutputData::ReadData(const QString& reportPath)
{
    *this = RiskOutputData();
    path = reportPath;
    QFile report(path);
    if (!report.open(QIODevice::ReadOnly)) {
        docview::showMessage(QStringLiteral("ReadData: Unable to open Risk output file ") + path);
        return false;
    }
    const ScopedCLocale cLocale;
    return ReportReader(report, *this).read();
}
