// RiskData::WriteData: writes the ".rsk" risk project file that the GUI and the uncertainty model
// read. The file is replaced atomically, so a failed save leaves the previous file as it was.
#include <cstdio>

#include "data/RiskData.h"
#include "data/RiskFileLayout.h"
#include "data/ScopedCLocale.h"
#include "docview/AtomicSave.h"

namespace {

QByteArray realText(double value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%g", value);
    return text;
}

QByteArray itemText(const RiskFileItem& item, const RiskData& data)
{
    switch (item.kind) {
    case RiskFileItem::Kind::Code:
        return QByteArray::number(item.storedCode(data));
    case RiskFileItem::Kind::Real:
        return realText(data.*item.real);
    case RiskFileItem::Kind::Placeholder:
        break;
    }
    return "0.0";
}

QByteArray numberLine(const RiskFileLine& layout, const RiskData& data)
{
    QList<QByteArray> values;
    for (const RiskFileItem& item : layout.items) values.append(itemText(item, data));
    return values.join(' ');
}

// The crop name field, as the reader trims it back to RiskData::FittedCropName. A name beginning
// with "#" is written after a blank: the line would otherwise be taken for a comment.
QByteArray cropNameField(const QString& name)
{
    QByteArray field = RiskData::FittedCropName(name).toUtf8();
    if (field.startsWith('#')) field.prepend(' ');
    return field.leftJustified(RiskData::kCropNameLength);
}

// A pipe type that is not in the list is written as the first: a file that names none of them
// could not be read again.
QByteArray pipeTypeField(RiskData::PipeType pipeType)
{
    const int index = static_cast<int>(pipeType);
    const bool known = index >= 0 && index < int(RiskData::PipeTypeNames.size());
    return QByteArray(RiskData::PipeTypeNames[known ? index : 0]).leftJustified(RiskData::kCropNameLength);
}

QByteArray projectText(const RiskData& data)
{
    QList<QByteArray> lines = riskFileDescriptionLines(data.comment);
    for (const RiskFileLine& layout : riskFileNumberLines()) {
        for (const char* comment : layout.comments) lines.append(comment);
        lines.append(numberLine(layout, data));
    }
    for (const char* comment : riskFileCropLineComments()) lines.append(comment);
    lines.append(cropNameField(data.cropName) + pipeTypeField(data.pipeType));
    for (const char* comment : riskFilePipeTableComments()) lines.append(comment);
    for (int row = 0; row < RiskData::kPipeSizes; ++row)
        lines.append(realText(data.pipeCost[row]) + ' ' + realText(data.gravelCost[row]) + ' ' +
                     realText(data.lateralPercent[row]));
    return lines.join('\n') + '\n';
}

// Writes `text` through a temporary file beside `path` that replaces it only once all of it is on
// disk. The text is flushed before committing: commit alone would still rename a file cut short
// by a full disk over the previous one.
bool isCutInsideCharacter(const QByteArray& utf8, qsizetype length)
{
    return length < utf8.size() && (utf8[length] & 0xC0) == 0x80;
}

}  // namespace

QByteArray RiskData::FileImage() const
{
    const ScopedCLocale cLocale;
    return projectText(*this);
}

bool RiskData::WriteData(const QString& path) const
{
    return saveAtomically(path, FileImage(), QStringLiteral("RiskData::WriteData: "));
}

QString RiskData::FittedCropName(const QString& name)
{
    QByteArray utf8 = name.toUtf8().replace('\r', ' ').replace('\n', ' ').trimmed();
    qsizetype length = qMin(utf8.size(), qsizetype(utf8.startsWith('#') ? kCropNameLength - 1 : kCropNameLength));
    while (isCutInsideCharacter(utf8, length)) --length;
    return QString::fromUtf8(utf8.left(length).trimmed());
}

QString RiskData::FittedComment(const QString& comment)
{
    return riskFileDescription(riskFileDescriptionLines(comment));
}
