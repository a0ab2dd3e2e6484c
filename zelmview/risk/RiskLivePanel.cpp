#include "risk/RiskLivePanel.h"

#include <QLabel>
#include <QPushButton>
#include <QStringList>
#include <QVBoxLayout>
#include <QtConcurrent>

namespace {

constexpr int kPanelWidth = 250;

QString lengthUnit(bool metric)
{
    return metric ? QStringLiteral("m") : QStringLiteral("ft");
}

QString perArea(bool metric)
{
    return metric ? QStringLiteral("per hectare") : QStringLiteral("per acre");
}

QString fixed(double value, int decimals)
{
    return QString::number(value, 'f', decimals);
}

QString designText(const uncertainty::Design& design, bool metric)
{
    const QString unit = lengthUnit(metric);
    return QStringLiteral("%1 %2 deep, %3 %2 apart").arg(fixed(design.depth, 2), unit, fixed(design.spacing, 1));
}

// What the shown design is: the given one, or the one the range's analysis chose.
QString choiceText(const uncertainty::RunResults& results)
{
    if (!results.range) return QStringLiteral("The given design:");
    const QString of = QStringLiteral(" of %1 designs:").arg(results.range->candidates.size());
    if (results.project.isLossFunction()) return QStringLiteral("The design of the best net benefit") + of;
    if (results.hasTable) return QStringLiteral("The least-cost design for each reliability") + of;
    return QStringLiteral("The least-cost design reaching %1 %").arg(results.project.givenReliability) + of;
}

// The table of a range analysed for several reliabilities: one short line for each.
QString tableText(const uncertainty::RunResults& results, bool metric)
{
    QStringList lines{QStringLiteral("(depth × spacing, annual cost %1)").arg(perArea(metric))};
    for (const uncertainty::ReliabilityRow& row : results.table)
        lines << QStringLiteral("%1 %: %2 × %3 %4, %5")
                     .arg(row.levelPercent)
                     .arg(fixed(row.design.design.depth, 2), fixed(row.design.design.spacing, 1), lengthUnit(metric),
                          fixed(row.design.cost.annualCost, 2));
    return lines.join(QLatin1Char('\n'));
}

QStringList linesOf(const std::vector<std::string>& texts)
{
    QStringList lines;
    for (const std::string& text : texts) lines << QString::fromStdString(text);
    return lines;
}

}  // namespace

RiskLivePanel::RiskLivePanel(QWidget* parent) : forms::LivePanel(kSettingsKey, kPanelWidth, parent)
{
    setObjectName(QStringLiteral("riskLivePanel"));
    pool.setMaxThreadCount(1);
    launchTimer.setSingleShot(true);
    launchTimer.setInterval(0);
    connect(&launchTimer, &QTimer::timeout, this, &RiskLivePanel::LaunchWaiting);
    connect(&watcher, &QFutureWatcher<model::RiskOutcome>::finished, this, &RiskLivePanel::OnComputed);
    CreateContent();
}

RiskLivePanel::~RiskLivePanel()
{
    launchTimer.stop();
    waiting.reset();
    watcher.disconnect(this);
    watcher.waitForFinished();
    pool.waitForDone();
}

void RiskLivePanel::CreateContent()
{
    choiceValue = AddLine(QStringLiteral("choiceValue"));
    designValue = AddLine(QStringLiteral("designValue"));
    reliabilityValue = AddValue(QStringLiteral("Reliability:"), QStringLiteral("reliabilityValue"));
    depthValue = AddValue(QStringLiteral("Water table:"), QStringLiteral("depthValue"));
    depthValue->setToolTip(QStringLiteral("The mean depth to the water table, and its standard deviation"));
    costValue = AddValue(QStringLiteral("Annual cost:"), QStringLiteral("costValue"));
    benefitValue = AddValue(QStringLiteral("Net benefit:"), QStringLiteral("benefitValue"));
    computeButton = new QPushButton(QStringLiteral("Compute the range"));
    computeButton->setObjectName(QStringLiteral("computeRangeButton"));
    computeButton->setToolTip(QStringLiteral("Works the large range out in the background; typing goes on meanwhile"));
    connect(computeButton, &QPushButton::clicked, this, [this] {
        largeRangeAsked = true;
        computeButton->hide();
        if (largeRange) Compute(*std::exchange(largeRange, std::nullopt));
    });
    computeButton->hide();
    Column()->addWidget(computeButton);
    Column()->addStretch(1);
}

void RiskLivePanel::ShowProject(const RiskData& project)
{
    if (!IsOpen()) return;
    // What still computes for an earlier project is not shown.
    ++generation;
    waiting.reset();
    largeRange.reset();
    computeButton->hide();
    const model::RiskInput input = model::riskInput(project);
    if (!input.project) {
        ShowOutcome(model::RiskOutcome{{input.error}, {}, {}}, false);
        return;
    }
    // A given design, and a range without designs (which the checks refuse), at once.
    const std::size_t designs = model::rangeSize(*input.project, kLiveRangeLimit);
    if (!input.project->isRange() || designs == 0) {
        ShowOutcome(model::analyseRisk(*input.project), input.project->isMetric());
        return;
    }
    if (designs > kLiveRangeLimit && !largeRangeAsked) {
        largeRange = *input.project;
        ShowMessage(QStringLiteral("The range holds more than %1 designs.").arg(kLiveRangeLimit), false);
        ShowValues(false);
        shownOutcome.reset();
        computeButton->show();
        return;
    }
    Compute(*input.project);
}

// A range in the background. The computation starts once the program is idle again, so a burst
// of key presses (or a window that closes at once) starts none for the projects it passed by;
// while one computes, the newest project waits in its place.
void RiskLivePanel::Compute(const uncertainty::RiskProject& project)
{
    ShowMessage(QStringLiteral("Computing the range…"), false);
    waiting = project;
    if (!computing) launchTimer.start();
}

void RiskLivePanel::LaunchWaiting()
{
    if (!waiting || computing) return;
    const uncertainty::RiskProject project = *std::exchange(waiting, std::nullopt);
    runningMetric = project.isMetric();
    launchedGeneration = generation;
    computing = true;
    watcher.setFuture(QtConcurrent::run(&pool, [project] { return model::analyseRisk(project); }));
}

void RiskLivePanel::OnComputed()
{
    computing = false;
    if (waiting) {
        // The project changed while this one computed: its outcome is stale.
        LaunchWaiting();
        return;
    }
    if (launchedGeneration != generation) return;
    ShowOutcome(watcher.result(), runningMetric);
    emit rangeShown();
}

void RiskLivePanel::ShowOutcome(const model::RiskOutcome& outcome, bool metric)
{
    shownOutcome = outcome;
    ShowValues(outcome.results.has_value());
    const QStringList lines = linesOf(outcome.errors) + linesOf(outcome.warnings);
    ShowMessage(lines.join(QLatin1Char('\n')), outcome.failed());
    if (!outcome.results) return;
    for (QLabel* label : {choiceValue, designValue, reliabilityValue, depthValue, costValue, benefitValue})
        label->setText(QStringLiteral("–"));

    const uncertainty::RunResults& results = *outcome.results;
    choiceValue->setText(choiceText(results));
    const std::optional<uncertainty::DesignResult>& design = results.fixedDesign;
    if (results.hasTable) designValue->setText(tableText(results, metric));
    if (!design) return;
    const QString unit = lengthUnit(metric);
    designValue->setText(designText(design->design, metric));
    reliabilityValue->setText(QStringLiteral("<b>%1 %</b>").arg(fixed(design->reliability * 100.0, 1)));
    depthValue->setText(QStringLiteral("%1 %2 deep (SD %3)")
                            .arg(fixed(design->waterTableDepth.mean, 2), unit, fixed(design->waterTableDepth.sd, 2)));
    costValue->setText(QStringLiteral("<b>%1</b> %2").arg(fixed(design->cost.annualCost, 2), perArea(metric)));
    if (results.project.isLossFunction())
        benefitValue->setText(QStringLiteral("%1 %2").arg(fixed(design->netBenefit, 2), perArea(metric)));
}
