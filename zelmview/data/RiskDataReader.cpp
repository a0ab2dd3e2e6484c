// RiskData::ReadData: the reader of the ".rsk" risk project file, with every message it shows.
// Comment lines start with "#" (those above the first data line's own describe the project); data
// lines 1 to 9 hold numbers, line 10 the crop name and the pipe type in two fields of ten
// characters, and the lines after it the rows of the pipe cost table.
#include <QFile>
#include <optional>

#include "data/LineScanner.h"
#include "data/RiskData.h"
#include "data/RiskFileLayout.h"
#include "data/ScopedCLocale.h"
#include "data/TextLineReader.h"
#include "docview/MessageSink.h"

namespace {

constexpr int kCropLineNumber = 10;

bool fail(const QString& message)
{
    docview::showMessage(message);
    return false;
}

bool failAtEnd(int dataLine)
{
    return fail(QStringLiteral("Unexpected EOF at line %1").arg(dataLine));
}

bool failToParse(int dataLine, const QString& path)
{
    return fail(QStringLiteral("Parse error reading line %1 in ").arg(dataLine) + path);
}

bool scanItem(LineScanner& scanner, const RiskFileItem& item, RiskData& data)
{
    int value = 0;
    switch (item.kind) {
    case RiskFileItem::Kind::Code:
        if (!scanner.integer(value)) return false;
        item.readCode(data, value);
        return true;
    case RiskFileItem::Kind::Real:
        return scanner.finiteReal(data.*item.real);
    case RiskFileItem::Kind::Placeholder:
        return scanner.skipReal();
    }
    return false;
}

// A placeholder after the last stored value is not read at all.
qsizetype itemsRead(const RiskFileLine& layout)
{
    qsizetype count = layout.items.size();
    while (count > 0 && layout.items[count - 1].kind == RiskFileItem::Kind::Placeholder) --count;
    return count;
}

// Stores the line's values only when the whole line reads.
bool readNumberLine(const QByteArray& line, const RiskFileLine& layout, RiskData& data)
{
    RiskData scanned = data;
    LineScanner scanner(line);
    for (qsizetype item = 0; item < itemsRead(layout); ++item)
        if (!scanItem(scanner, layout.items[item], scanned)) return false;
    data = scanned;
    return true;
}

QString trimmedField(const QByteArray& line, int field)
{
    return QString::fromUtf8(line.mid(field * RiskData::kCropNameLength, RiskData::kCropNameLength).trimmed());
}

std::optional<RiskData::PipeType> pipeTypeNamed(const QString& name)
{
    for (int index = 0; index < int(RiskData::PipeTypeNames.size()); ++index)
        if (name == QLatin1String(RiskData::PipeTypeNames[index])) return static_cast<RiskData::PipeType>(index);
    return std::nullopt;
}

bool readCropLine(const QByteArray& line, RiskData& data, const QString& path)
{
    const std::optional<RiskData::PipeType> pipeType = pipeTypeNamed(trimmedField(line, 1));
    if (!pipeType)
        return fail(QStringLiteral("Parse error reading line 10 (pipe type must be PLASTIC, CONCRETE or CLAY) in ") +
                    path);
    data.cropName = trimmedField(line, 0);
    data.pipeType = *pipeType;
    return true;
}

// Rows the file does not hold keep their values; the end of the file ends the table.
bool readPipeCostTable(TextLineReader& lines, RiskData& data, const QString& path)
{
    for (int row = 0;; ++row) {
        const std::optional<QByteArray> line = lines.nextData();
        if (!line) return true;
        double pipe = 0.0, gravel = 0.0, percent = 0.0;
        LineScanner scanner(*line);
        if (!scanner.finiteReal(pipe) || !scanner.finiteReal(gravel) || !scanner.finiteReal(percent))
            return fail(QStringLiteral("Parse error reading pipe cost table in ") + path +
                        QStringLiteral(" at line number %1").arg(lines.lineNumber()));
        if (row >= RiskData::kPipeSizes)
            return fail(QStringLiteral("Error: too many pipe fields.  Only 7 sizes of pipe allowed in file ") + path);
        data.pipeCost[row] = pipe;
        data.gravelCost[row] = gravel;
        data.lateralPercent[row] = percent;
    }
}

}  // namespace

bool RiskData::ReadData(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return fail(QStringLiteral("ReadData: Unable to open ZELM input file ") + path);
    const ScopedCLocale cLocale;
    TextLineReader lines(file);

    int dataLine = 1;
    QList<QByteArray> description;
    for (const RiskFileLine& layout : riskFileNumberLines()) {
        const std::optional<QByteArray> line = lines.nextData(dataLine == 1 ? &description : nullptr);
        if (dataLine == 1) comment = riskFileDescription(description);
        if (!line) return failAtEnd(dataLine);
        if (!readNumberLine(*line, layout, *this)) return failToParse(dataLine, path);
        ++dataLine;
    }

    const std::optional<QByteArray> cropLine = lines.nextData();
    if (!cropLine) return failAtEnd(kCropLineNumber);
    return readCropLine(*cropLine, *this, path) && readPipeCostTable(lines, *this, path);
}
