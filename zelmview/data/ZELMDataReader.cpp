// ZELMData::ReadData: the GUI's reader of the ".trn" project file, with every message it shows.
// Items are separated by comment lines starting with "#"; numbers are read line by line.
#include <QFile>
#include <algorithm>
#include <cerrno>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <initializer_list>
#include <optional>

#include "data/ScopedCLocale.h"
#include "data/ZELMData.h"
#include "docview/MessageSink.h"

namespace {

bool isBlankOrLineEnd(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\r') || c == QLatin1Char('\n');
}

bool isCSpace(QChar c)
{
    return isBlankOrLineEnd(c) || c == QLatin1Char('\v') || c == QLatin1Char('\f');
}

template <typename Predicate>
QString trimmedEnd(QString text, Predicate strip)
{
    while (!text.isEmpty() && strip(text.back())) text.chop(1);
    return text;
}

QString trimmedBlanks(const QString& text)
{
    const auto first = std::find_if_not(text.begin(), text.end(), isBlankOrLineEnd);
    return trimmedEnd(QString(first, text.end() - first), isBlankOrLineEnd);
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

// The numbers of one data line, separated by white space. Each number must be a whole token, so
// that "1d2" or "0.5,7" are not taken for 1 and 0.5, and a real must be one the model can compute
// with: finite and within single precision ("nan", "inf" and 1e39 are not). Tokens after the ones
// asked for are passed over, as the model passes over the rest of a line.
class NumberLine {
public:
    explicit NumberLine(const std::optional<QByteArray>& line)
        : tokens(line ? line->simplified().split(' ') : QList<QByteArray>())
    {
        if (tokens.size() == 1 && tokens[0].isEmpty()) tokens.clear();
    }

    qsizetype size() const { return tokens.size(); }
    bool isNumber(qsizetype i) const
    {
        double ignored = 0.0;
        return real(i, ignored);
    }

    bool integer(qsizetype i, int& value) const
    {
        if (i >= tokens.size()) return false;
        const QByteArray& token = tokens[i];
        char* end = nullptr;
        errno = 0;
        const long number = std::strtol(token.constData(), &end, 10);
        if (end != token.constData() + token.size() || errno == ERANGE || number < INT_MIN || number > INT_MAX)
            return false;
        value = int(number);
        return true;
    }

    bool real(qsizetype i, double& value) const
    {
        if (i >= tokens.size()) return false;
        const QByteArray& token = tokens[i];
        char* end = nullptr;
        const double number = std::strtod(token.constData(), &end);
        if (end != token.constData() + token.size() || !std::isfinite(number) ||
            std::fabs(number) > ZELMData::kLargestReal)
            return false;
        value = number;
        return true;
    }

    // The first reals of the line into `targets`, in order.
    bool reals(std::initializer_list<double*> targets) const
    {
        qsizetype i = 0;
        for (double* target : targets)
            if (!real(i++, *target)) return false;
        return true;
    }

private:
    QList<QByteArray> tokens;
};

bool scanEvent(const NumberLine& line, IrrigationDataElement& event)
{
    return line.integer(0, event.month) && line.integer(1, event.day) && line.real(2, event.amount);
}

bool fail(const char* phrase, const QString& path)
{
    docview::showMessage(QString::fromLatin1(phrase) + path);
    return false;
}

// The comment block follows the events: `opening` is "$start", then the comment lines, "$end".
// Returns false at end of file; a data line other than "$start" ends the file with the comment
// left as it was.
bool readCommentBlock(const std::optional<QByteArray>& opening, ProjectLines& lines, QString& comment)
{
    if (!opening) return false;
    if (!opening->contains("$start")) return true;

    QByteArray text;
    for (;;) {
        const std::optional<QByteArray> line = lines.next();
        if (!line) return false;
        if (line->contains("$end")) break;
        text += *line;
    }
    comment = ZELMData::FittedComment(QString::fromUtf8(text));
    return true;
}

double largestAmount(const QList<IrrigationDataElement>& events)
{
    double largest = 0.0;
    for (const IrrigationDataElement& event : events) largest = std::max(largest, event.amount);
    return largest;
}

}  // namespace

QString ZELMData::FittedTitle(const QString& title)
{
    // The writer puts the title on one line; the reader trims it.
    return trimmedBlanks(
        QString(title).replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' ')));
}

QString ZELMData::FittedComment(const QString& comment)
{
    QString text;
    QString lines = comment;
    lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    for (const QString& line : lines.split(QLatin1Char('\n')))
        text += trimmedEnd(line, isCSpace) + QStringLiteral("\r\n");
    return trimmedBlanks(text);
}

bool ZELMData::ReadData(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return fail("ReadData: Unable to open ZELM input file ", path);
    ProjectLines lines(file);
    const ScopedCLocale cLocale;

    double version = 0.0;
    if (!NumberLine(lines.nextData()).real(0, version)) return fail("Parse error reading version number in ", path);

    title = FittedTitle(QString::fromUtf8(lines.nextData().value_or(QByteArray())));

    const NumberLine project(lines.nextData());
    int design = 0, units = 0, bench = 0;
    if (!project.integer(0, design) || !project.integer(1, units) || !project.integer(2, bench))
        return fail("Parse error reading project data in ", path);
    // Any number but 0 means analysis and metric units, as the model reads them.
    inputMode = design != 0 ? InputMode::Analysis : InputMode::Design;
    metricUnits = units != 0 ? Units::Metric : Units::English;
    benchBottomland = bench == 1;

    // Older files have no drain-barrier mode (eight values); barrierMode then keeps its value.
    const NumberLine field(lines.nextData());
    int mode = static_cast<int>(barrierMode);
    if (!field.reals({&permeability, &maxWaterTable, &barrierDistance, &specificYield, &drainRadius, &depthToDrain,
                      &drainSpacing, &awhc}) ||
        (field.size() > 8 && !field.integer(8, mode)))
        return fail("Parse error reading field data in ", path);
    barrierMode = static_cast<BarrierMode>(mode);
    minWaterTableDepth = depthToDrain - maxWaterTable;

    int count = 0;
    if (!NumberLine(lines.nextData()).integer(0, count) || count < 0)
        return fail("Parse error reading number of lines of deep perc data in ", path);

    events.clear();
    for (int read = 0; read < count; ++read) {
        IrrigationDataElement event;
        if (!scanEvent(NumberLine(lines.nextData()), event)) {
            docview::showMessage(QStringLiteral("Parse error reading line %1 of deep perc data in ").arg(read) + path);
            return false;
        }
        events.append(event);
    }

    // A number where the comment block should begin: the count is short of the events, and a save
    // would drop the rest.
    const std::optional<QByteArray> afterEvents = lines.nextData();
    if (NumberLine(afterEvents).isNumber(0))
        return fail("Number of lines of deep perc data does not match the data in ", path);

    if (!readCommentBlock(afterEvents, lines, comment)) return fail("End of file error reading comments in ", path);
    maxDeepPercolation = largestAmount(events);
    return true;
}
