// The live panel beside the risk project's pages: what the uncertainty model makes of the project
// as it stands in the pages, while the user types. For a given design its reliability, the mean
// depth to the water table and the annual cost; for a range of designs the least-cost design that
// reaches the given reliability (or, in a loss function analysis, the design of the best net
// benefit). A given design is computed at once; a range is computed on a worker thread so typing
// never waits for it: while one computation runs, only the newest project waits for its turn and
// the outcome of a project already changed again is never shown. A range of more designs than
// kLiveRangeLimit waits for the user to ask for it. The model runs in process on what a save would
// write (model/), so the numbers are those of a run; its messages show in the panel, never in a
// dialog. The panel folds away, and then computes nothing.
#pragma once

#include <QFutureWatcher>
#include <QString>
#include <QThreadPool>
#include <QTimer>
#include <optional>

#include "data/RiskData.h"
#include "forms/LivePanel.h"
#include "model/RiskModel.h"

class QLabel;
class QPushButton;

class RiskLivePanel : public forms::LivePanel {
    Q_OBJECT

public:
    // The setting that remembers whether the panel stands open.
    static inline const QString kSettingsKey = QStringLiteral("Risk Live Panel");
    // The most designs of a range the panel computes without being asked.
    static constexpr std::size_t kLiveRangeLimit = 5000;

    explicit RiskLivePanel(QWidget* parent = nullptr);
    // Waits for a computation still running: no worker outlives the panel.
    ~RiskLivePanel() override;

    // Shows what the model makes of `project`: at once for a given design, later for a range.
    // Nothing while the panel is folded.
    void ShowProject(const RiskData& project);

    // Whether a range is being computed, or waits for its turn.
    bool IsComputing() const { return computing || waiting.has_value(); }
    // The outcome the panel shows now (none while the first range is computed).
    const std::optional<model::RiskOutcome>& GetOutcome() const { return shownOutcome; }
    QPushButton* GetComputeButton() const { return computeButton; }

signals:
    // A range's outcome is shown.
    void rangeShown();

private:
    void CreateContent();
    void Compute(const uncertainty::RiskProject& project);
    void LaunchWaiting();
    void OnComputed();
    void ShowOutcome(const model::RiskOutcome& outcome, bool metric);

    QThreadPool pool;
    QTimer launchTimer;
    QFutureWatcher<model::RiskOutcome> watcher;
    // From a launch until its outcome reaches this thread (the worker may have finished before).
    bool computing = false;
    bool runningMetric = false;
    int generation = 0;                               // counts the projects shown
    int launchedGeneration = 0;                       // the project the running computation is for
    std::optional<uncertainty::RiskProject> waiting;  // the newest project while another computes
    bool largeRangeAsked = false;
    std::optional<uncertainty::RiskProject> largeRange;  // the range that waits for the user's request
    std::optional<model::RiskOutcome> shownOutcome;

    QLabel* choiceValue = nullptr;
    QLabel* designValue = nullptr;
    QLabel* reliabilityValue = nullptr;
    QLabel* depthValue = nullptr;
    QLabel* costValue = nullptr;
    QLabel* benefitValue = nullptr;
    QPushButton* computeButton = nullptr;
};
