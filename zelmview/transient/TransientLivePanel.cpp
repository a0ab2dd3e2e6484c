#include "transient/TransientLivePanel.h"

#include <qcustomplot.h>

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "data/WaterTableAssessment.h"

namespace {

constexpr int kChartHeight = 150;
constexpr int kPanelWidth = 230;
constexpr double kDaysInCycle = 366.0;
const QColor kWithinColour(0, 110, 0);
const QColor kExceedsColour(180, 0, 0);

QString lengthWithUnit(double value, ZELMData::Units units)
{
    return zelm::lengthText(value) + QLatin1Char(' ') + zelm::lengthUnit(units);
}

QString bold(const QString& text)
{
    return QStringLiteral("<b>%1</b>").arg(text);
}

// A design search stops within half a per cent of the allowed height, so its peak may show a
// millimetre above it: that is the design, not a fault of it. An analysis is judged day by day.
QString verdict(const model::TransientResult& result)
{
    if (result.mode == ZELMData::InputMode::Analysis) return zelm::verdictText(result.assessment, result.units);
    return result.peakEncroaches ? QStringLiteral("no spacing keeps the peak that low; this one comes closest")
                                 : QStringLiteral("the peak reaches the allowed height");
}

}  // namespace

TransientLivePanel::TransientLivePanel(QWidget* parent) : forms::LivePanel(kSettingsKey, kPanelWidth, parent)
{
    setObjectName(QStringLiteral("transientLivePanel"));
    CreateContent();
}

void TransientLivePanel::CreateContent()
{
    modeValue = AddValue(QStringLiteral("Mode:"), QStringLiteral("modeValue"));
    spacingValue = AddValue(QStringLiteral("Spacing:"), QStringLiteral("spacingValue"));
    peakValue = AddValue(QStringLiteral("Peak above drain:"), QStringLiteral("peakValue"));
    allowedValue = AddValue(QStringLiteral("Allowed above drain:"), QStringLiteral("allowedValue"));
    equivalentDepthValue = AddValue(QStringLiteral("Equivalent depth:"), QStringLiteral("equivalentDepthValue"));
    barrierValue = AddValue(QStringLiteral("Drain:"), QStringLiteral("barrierValue"));
    verdictValue = AddLine(QStringLiteral("verdictValue"));

    chart = new QCustomPlot;
    chart->setObjectName(QStringLiteral("panelChart"));
    chart->setMinimumHeight(kChartHeight);
    chart->addGraph()->setName(QStringLiteral("Water table"));
    QCPGraph* allowed = chart->addGraph();
    allowed->setName(QStringLiteral("Allowed"));
    allowed->setPen(QPen(kExceedsColour, 1, Qt::DashLine));
    chart->xAxis->setLabel(QStringLiteral("Day of the model's year"));
    chart->setToolTip(QStringLiteral("The daily water table above the drain through the year, and the allowed height"));
    chart->xAxis->setRange(0.0, kDaysInCycle);
    for (QCPAxis* axis : {chart->xAxis, chart->yAxis}) {
        QFont font = axis->labelFont();
        font.setPointSizeF(font.pointSizeF() * 0.85);
        axis->setLabelFont(font);
        axis->setTickLabelFont(font);
    }
    Column()->addWidget(chart, 1);
    sensitivityButton = new QPushButton(QStringLiteral("Sensitivity..."));
    sensitivityButton->setObjectName(QStringLiteral("sensitivityButton"));
    sensitivityButton->setToolTip(
        QStringLiteral("Which input the result depends on most (also Model > Sensitivity...)"));
    // The Model menu is the keyboard's way; a click leaves the focus in the form.
    sensitivityButton->setFocusPolicy(Qt::NoFocus);
    connect(sensitivityButton, &QPushButton::clicked, this, &TransientLivePanel::sensitivityRequested);
    Column()->addWidget(sensitivityButton);
    // Without the chart (a refused project) the message stays at the top.
    Column()->addStretch(0);
}

void TransientLivePanel::ShowProject(const ZELMData& project, const std::string& fileName, const QString& note)
{
    if (!IsOpen()) return;
    result = model::runTransient(project, fileName);
    ShowResult(project, note);
}

void TransientLivePanel::ShowResult(const ZELMData& project, const QString& note)
{
    const bool ran = !result.failed();
    ShowValues(ran);
    chart->setVisible(ran);
    QStringList lines;
    if (!note.isEmpty()) lines << note;
    if (ran) {
        ShowNumbers(project);
        ShowChart();
        if (!result.warning.empty()) lines << QString::fromStdString(result.warning);
    } else {
        chart->graph(0)->data()->clear();
        lines << QString::fromStdString(result.error);
    }
    ShowMessage(lines.join(QLatin1Char('\n')), !ran);
}

void TransientLivePanel::ShowNumbers(const ZELMData& project)
{
    const ZELMData::Units units = result.units;
    const zelm::WaterTableAssessment& assessment = result.assessment;
    const bool design = result.mode == ZELMData::InputMode::Design;
    modeValue->setText(design ? QStringLiteral("design") : QStringLiteral("analysis"));
    modeValue->setToolTip(design ? QStringLiteral("The spacing that keeps the peak at the allowed height")
                                 : QStringLiteral("How high the water table rises between the existing drains"));
    const QString spacing = lengthWithUnit(result.spacing, units);
    spacingValue->setText(design ? bold(spacing) : spacing);
    const QString peak = lengthWithUnit(assessment.peakHeight, units);
    peakValue->setText(design ? peak : bold(peak));
    allowedValue->setText(lengthWithUnit(project.maxWaterTable, units));
    verdictValue->setText(QStringLiteral("Verdict: ") + verdict(result));
    const bool fine = design ? !result.peakEncroaches : assessment.WithinLimit();
    verdictValue->setStyleSheet(QStringLiteral("color: %1").arg((fine ? kWithinColour : kExceedsColour).name()));
    equivalentDepthValue->setText(lengthWithUnit(result.equivalentDepth, units));
    barrierValue->setText(result.onBarrier ? QStringLiteral("on the barrier") : QStringLiteral("off the barrier"));
}

void TransientLivePanel::ShowChart()
{
    const QList<double> days(result.dailyDay.begin(), result.dailyDay.end());
    const QList<double> heights(result.dailyHeight.begin(), result.dailyHeight.end());
    // The rows are in the order of the year; a day that opens a period has two.
    chart->graph(0)->setData(days, heights, true);
    const double allowed = result.assessment.allowedHeight;
    chart->graph(1)->setData({0.0, kDaysInCycle}, {allowed, allowed}, true);
    const double top = std::max(result.assessment.peakHeight, allowed);
    chart->yAxis->setRange(0.0, top > 0.0 ? top * 1.15 : 1.0);
    chart->yAxis->setLabel(QStringLiteral("Above the drain (%1)").arg(zelm::lengthUnit(result.units)));
    chart->replot();
}
