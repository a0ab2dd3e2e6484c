// What the model reads from a project file, and how it compares with what the GUI read from the
// same file: the model keeps single precision and the raw modes, the GUI doubles and flags.
#pragma once

#include <QByteArray>
#include <QFile>
#include <QList>
#include <cmath>
#include <optional>
#include <sstream>
#include <string>

#include "InputReader.h"
#include "ModelError.h"
#include "data/ZELMData.h"

// The project as the model's reader sees it, or its error line.
struct ModelReading {
    std::optional<zelm::ProjectInput> project;
    std::string error;
};

inline ModelReading readWithModel(const QString& path)
{
    try {
        return {zelm::readProjectFile(QFile::encodeName(path).toStdString()), {}};
    } catch (const zelm::ModelError& e) {
        return {std::nullopt, e.what()};
    }
}

inline ModelReading readImageWithModel(const QByteArray& image)
{
    std::istringstream in(image.toStdString());
    try {
        return {zelm::INDP(in, "image"), {}};
    } catch (const zelm::ModelError& e) {
        return {std::nullopt, e.what()};
    }
}

namespace readers {

// The model reads "0.1" straight into single precision, the GUI into double precision; the two
// may differ by the one rounding step of going from double to float.
inline bool sameReal(double gui, float model)
{
    const float rounded = static_cast<float>(gui);
    return rounded == model || std::nextafter(rounded, model) == model;
}

// The title as the model keeps it: the first 80 columns of the line the GUI writes, where a title
// that looks like a comment line carries one leading blank.
inline QByteArray titleAsModelReads(const QString& title)
{
    QByteArray line = title.toUtf8().replace('\r', ' ').replace('\n', ' ');
    if (line.startsWith('#') || line.startsWith('c') || line.startsWith('C')) line.prepend(' ');
    return line.left(80).trimmed();
}

inline QByteArray commentAsModelReads(const QString& comment)
{
    QList<QByteArray> lines;
    for (const QByteArray& line : comment.toUtf8().replace("\r\n", "\n").split('\n')) {
        QByteArray cut = line.left(80);
        while (!cut.isEmpty() && std::isspace(static_cast<unsigned char>(cut.back()))) cut.chop(1);
        lines.append(cut);
    }
    return lines.join('\n').trimmed();
}

inline QByteArray modelComment(const zelm::ProjectInput& project)
{
    QList<QByteArray> lines;
    for (const std::string& line : project.comments) {
        QByteArray text = QByteArray::fromStdString(line);
        while (!text.isEmpty() && std::isspace(static_cast<unsigned char>(text.back()))) text.chop(1);
        lines.append(text);
    }
    return lines.join('\n').trimmed();
}

}  // namespace readers

// The first value the two readers read differently, or empty when they agree. Titles and comments
// are compared too when `withTexts` (the two readers cut and trim them by their own rules, so only
// on files the GUI wrote).
inline std::string firstDifference(const ZELMData& gui, const zelm::ProjectInput& model, bool withTexts)
{
    using readers::sameReal;
    if ((gui.inputMode == ZELMData::InputMode::Analysis) != (model.inputMode != 0)) return "input mode";
    if ((gui.metricUnits == ZELMData::Units::Metric) != (model.unitsMode != 0)) return "units mode";
    if (gui.benchBottomland != (model.benchFlag == 1)) return "bench flag";
    const std::pair<double, float> reals[] = {
        {gui.permeability, model.permeability},       {gui.maxWaterTable, model.maxWaterTable},
        {gui.barrierDistance, model.barrierDistance}, {gui.specificYield, model.specificYield},
        {gui.drainRadius, model.drainRadius},         {gui.depthToDrain, model.depthToDrain},
        {gui.drainSpacing, model.drainSpacing},       {gui.awhc, model.awhc}};
    for (std::size_t i = 0; i < std::size(reals); ++i)
        if (!sameReal(reals[i].first, reals[i].second)) return "field value " + std::to_string(i + 1);
    if (static_cast<int>(gui.barrierMode) != model.barrierMode) return "barrier mode";
    if (gui.events.size() != qsizetype(model.events.size())) return "number of events";
    for (qsizetype k = 0; k < gui.events.size(); ++k) {
        const IrrigationDataElement& g = gui.events[k];
        const zelm::PercolationEvent& m = model.events[k];
        if (g.month != m.month || g.day != m.day || !sameReal(g.amount, m.amount))
            return "event " + std::to_string(k + 1);
    }
    if (!withTexts) return {};
    if (readers::titleAsModelReads(gui.title) != QByteArray::fromStdString(model.title).trimmed()) return "title";
    if (readers::commentAsModelReads(gui.comment) != readers::modelComment(model)) return "comment";
    return {};
}
