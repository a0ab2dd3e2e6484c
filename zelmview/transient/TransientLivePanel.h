// The live panel beside the transient form: what the model makes of the project as it stands in the
// form, while the user types. In design mode the spacing that keeps the peak at the allowed height;
// in analysis mode the peak height above the drain against the allowed one, with the verdict; in
// both the equivalent depth, the barrier case and a small chart of the year's daily water table
// with the allowed level. The model runs in process on what a save would write (model/), so the
// numbers are those of a run; a project the model refuses shows the model's message here, never in
// a dialog. The panel folds away, and then computes nothing.
#pragma once

#include <QString>
#include <string>

#include "data/ZELMData.h"
#include "forms/LivePanel.h"
#include "model/TransientModel.h"

class QCustomPlot;
class QLabel;
class QPushButton;

class TransientLivePanel : public forms::LivePanel {
    Q_OBJECT

public:
    // The setting that remembers whether the panel stands open.
    static inline const QString kSettingsKey = QStringLiteral("Transient Live Panel");

    explicit TransientLivePanel(QWidget* parent = nullptr);

    // Runs the model on `project` (named `fileName` in the model's messages) and shows the
    // result; `note` says what the panel left out (a typed text that is no number). Nothing while
    // the panel is folded.
    void ShowProject(const ZELMData& project, const std::string& fileName, const QString& note = {});

    // What the panel shows now.
    const model::TransientResult& GetResult() const { return result; }
    QCustomPlot* GetChart() const { return chart; }
    QPushButton* GetSensitivityButton() const { return sensitivityButton; }

signals:
    // The user asks which input the result depends on most.
    void sensitivityRequested();

private:
    void CreateContent();
    void ShowResult(const ZELMData& project, const QString& note);
    void ShowNumbers(const ZELMData& project);
    void ShowChart();

    model::TransientResult result;
    QLabel* modeValue = nullptr;
    QLabel* spacingValue = nullptr;
    QLabel* peakValue = nullptr;
    QLabel* allowedValue = nullptr;
    QLabel* verdictValue = nullptr;
    QLabel* equivalentDepthValue = nullptr;
    QLabel* barrierValue = nullptr;
    QCustomPlot* chart = nullptr;
    QPushButton* sensitivityButton = nullptr;
};
