// ZELMData::ReadData: the GUI's reader of the ".trn" project file, with every message it shows.
// Items are separated by comment lines starting with "#"; numbers are scanned line by line.
#include <QFile>
#include <algorithm>
#include <cstdio>
#include <optional>

#include "data/ScopedCLocale.h"
#include "data/ZELMData.h"
#include "docview/MessageSink.h"

namespace {

bool isBlankOrLineEnd(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

bool isCSpace(char c)
{
    return isBlankOrLineEnd(c) || c == '\v' || c == '\f';
}

template <typename Predicate>
QByteArray trimmedEnd(QByteArray text, Predicate strip)
{
    while (!text.isEmpty() && strip(text.back())) text.chop(1);
    return text;
}

QByteArray trimmedBlanks(const QByteArray& text)
{
    const auto first = std::find_if_not(text.begin(), text.end(), isBlankOrLineEnd);
    return trimmedEnd(QByteArray(first, text.end() - first), isBlankOrLineEnd);
}

// The project file as a sequence of lines. A missing line (end of file) is std::nullopt, which
// every scan treats as a line that does not parse.
class ProjectLines {
public:
    explicit ProjectLines(QFile& file) : file(file) {}

    std::optional<QByteArray> next()
    {
        if (file.atEnd()) return std::nullopt;
        return file.readLine();
    }

    // The next line that is not a "#" comment.
    std::optional<QByteArray> nextData()
    {
        std::optional<QByteArray> line = next();
        while (line && line->startsWith('#')) line = next();
        return line;
    }

private:
    QFile& file;
};

const char* scanText(const std::optional<QByteArray>& line)
{
    return line ? line->constData() : "";
}

bool fail(const char* phrase, const QString& path)
{
    docview::showMessage(QString::fromLatin1(phrase) + path);
    return false;
}

// The comment block follows the events: "$start", the comment lines, "$end". Returns false at
// end of file; a data line other than "$start" ends the file with the comment left as it was.
bool readCommentBlock(ProjectLines& lines, QString& comment)
{
    const std::optional<QByteArray> opening = lines.nextData();
    if (!opening) return false;
    if (!opening->contains("$start")) return true;

    QByteArray text;
    for (;;) {
        const std::optional<QByteArray> line = lines.next();
        if (!line) return false;
        if (line->contains("$end")) break;
        text += trimmedEnd(*line, isCSpace) + "\r\n";
    }
    comment = QString::fromUtf8(trimmedBlanks(text));
    return true;
}

double largestAmount(const QList<IrrigationDataElement>& events)
{
    double largest = 0.0;
    for (const IrrigationDataElement& event : events) largest = std::max(largest, event.amount);
    return largest;
}

}  // namespace

bool ZELMData::ReadData(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return fail("ReadData: Unable to open ZELM input file ", path);
    ProjectLines lines(file);
    const ScopedCLocale cLocale;

    double version = 0.0;
    if (std::sscanf(scanText(lines.nextData()), "%lf", &version) != 1)
        return fail("Parse error reading version number in ", path);

    title = QString::fromUtf8(trimmedBlanks(lines.nextData().value_or(QByteArray())));

    int design = 0, units = 0, bench = 0;
    if (std::sscanf(scanText(lines.nextData()), "%d %d %d", &design, &units, &bench) != 3)
        return fail("Parse error reading project data in ", path);
    inputMode = design != 0;
    metricUnits = units != 0;
    benchBottomland = bench == 1;

    // Older files have no drain-barrier mode; barrierMode then keeps its value.
    const std::optional<QByteArray> field = lines.nextData();
    if (std::sscanf(scanText(field), "%lf %lf %lf %lf %lf %lf %lf %lf %d", &permeability, &maxWaterTable,
                    &barrierDistance, &specificYield, &drainRadius, &depthToDrain, &drainSpacing, &awhc,
                    &barrierMode) != 9 &&
        std::sscanf(scanText(field), "%lf %lf %lf %lf %lf %lf %lf %lf", &permeability, &maxWaterTable, &barrierDistance,
                    &specificYield, &drainRadius, &depthToDrain, &drainSpacing, &awhc) != 8)
        return fail("Parse error reading field data in ", path);
    minWaterTableDepth = depthToDrain - maxWaterTable;

    int count = 0;
    if (std::sscanf(scanText(lines.nextData()), "%d", &count) != 1)
        return fail("Parse error reading number of lines of deep perc data in ", path);

    events.clear();
    for (int read = 0; read < count; ++read) {
        IrrigationDataElement event;
        if (std::sscanf(scanText(lines.nextData()), "%d %d %lf", &event.month, &event.day, &event.amount) != 3) {
            docview::showMessage(QStringLiteral("Parse error reading line %1 of deep perc data in ").arg(read) + path);
            return false;
        }
        events.append(event);
    }

    if (!readCommentBlock(lines, comment)) return fail("End of file error reading comments in ", path);
    maxDeepPercolation = largestAmount(events);
    return true;
}
