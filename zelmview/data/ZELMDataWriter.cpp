// ZELMData::WriteData: writes the ".trn" project file that both the GUI and the model read.
// The file is replaced atomically, so a failed save leaves the previous file as it was.
#include <cstdio>

#include "data/ScopedCLocale.h"
#include "data/ZELMData.h"
#include "docview/AtomicSave.h"

namespace {

constexpr int kFileVersion = 2;

QByteArray realText(double value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%g", value);
    return text;
}

QByteArray joined(std::initializer_list<QByteArray> items)
{
    return QList<QByteArray>(items).join(' ');
}

// The model takes a line starting with "#", "c" or "C" for a comment and would skip such a title,
// reading every later item one line too early. One leading blank keeps the title a data line; the
// GUI reader trims it again. A line break would split the title, so it becomes a blank.
QByteArray titleLine(const QString& title)
{
    QByteArray line = title.toUtf8().replace('\r', ' ').replace('\n', ' ');
    if (line.startsWith('#') || line.startsWith('c') || line.startsWith('C')) line.prepend(' ');
    return line;
}

// The comment is kept with CR LF between its lines; each is written with the file's own line
// end, which both readers accept.
QList<QByteArray> commentLines(const QString& comment)
{
    return comment.toUtf8().replace("\r\n", "\n").replace('\r', '\n').split('\n');
}

QByteArray projectText(const ZELMData& data)
{
    QList<QByteArray> lines = {
        "#Version number",
        QByteArray::number(kFileVersion),
        "#Title (1 line)",
        titleLine(data.title),
        "#Project data: input mode (0 == design, 1 == analysis), ",
        "#  units mode (0 == English, 1 == metric)",
        "#  calculate bench and bottom land criteria (0 == no, 1 == yes)",
        joined({QByteArray::number(static_cast<int>(data.inputMode)),
                QByteArray::number(static_cast<int>(data.metricUnits)),
                QByteArray::number(data.benchBottomland ? 1 : 0)}),
        "#Field data: permeability, max WT, drain to barrier dist,",
        "#  specific yield, drain radius, depth to drain,",
        "#  existing drain spacing, AWHC at 5 ft,",
        "#  drain-barrier mode (-1 means use criteria, 1 ",
        "#  means force on, 0 mean force off)",
        joined({realText(data.permeability), realText(data.maxWaterTable), realText(data.barrierDistance),
                realText(data.specificYield), realText(data.drainRadius), realText(data.depthToDrain),
                realText(data.drainSpacing), realText(data.awhc),
                QByteArray::number(static_cast<int>(data.barrierMode))}),
        "#Number of deep percolation events",
        QByteArray::number(data.events.size()),
        "#month, day, deep perc val (in or cm)",
    };
    for (const IrrigationDataElement& event : data.events)
        lines.append(joined({QByteArray::number(event.month), QByteArray::number(event.day), realText(event.amount)}));
    lines.append("#Comment records is delimited by $start and $end");
    lines.append("$start");
    lines.append(commentLines(data.comment));
    lines.append("$end");
    return lines.join('\n') + '\n';
}

}  // namespace

QByteArray ZELMData::FileImage() const
{
    const ScopedCLocale cLocale;
    return projectText(*this);
}

bool ZELMData::WriteData(const QString& path) const
{
    return saveAtomically(path, FileImage(), QStringLiteral("ZELMData::WriteData: "));
}
