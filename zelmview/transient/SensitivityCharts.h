// What the sensitivity window shows of a study, apart from its widgets: the tornado and the sweep
// drawn into a plot, the table of the tornado's numbers, and both as CSV text.
#pragma once

#include <QString>
#include <vector>

#include "data/ZELMData.h"
#include "model/Sensitivity.h"

class QCustomPlot;
class QTableWidget;

namespace sensitivity {

// What the window studies: the project as it stood, and the results of the study.
struct Study {
    ZELMData project;
    model::Tornado tornado;
    model::StudyInput sweepInput = model::StudyInput::Permeability;
    std::vector<model::SweepPoint> sweep;
};

// A result or an input as the window and its CSV show it: results with the report's three
// decimals, inputs with the digits the project file keeps.
QString resultText(double value);
QString inputText(double value);
// "refused: ERROR - ...".
QString refusedText(const model::StudyOutcome& outcome);

// The bars of the tornado from the base result, the input lowered on one side and raised on the
// other, the largest effect on top; the base marked by a line. A refused base draws nothing.
void drawTornado(QCustomPlot& plot, const Study& study);
// The result against the sweep's input, refused values left as gaps; the input's current value
// marked by a line and its result by a point.
void drawSweep(QCustomPlot& plot, const Study& study);

// One row per bar, in the tornado's order; a refused side says so and keeps the model's message
// as its tool tip.
void fillTornadoTable(QTableWidget& table, const Study& study);

// The tornado's table, and the sweep's values, as CSV text: a header line, then one line per row.
QString tornadoCsv(const Study& study);
QString sweepCsv(const Study& study);

}  // namespace sensitivity
