// The sensitivity window of a transient project: how its result (the design spacing, or the peak
// water table above the drain in analysis mode) depends on its inputs. The tornado page changes
// every input in turn by a per cent down and up and shows the results as bars, the largest effect
// on top, with their table; the sweep page runs one input over a range and draws the result as a
// curve. It studies the project as the document holds it and follows every stored change. Its
// menu exports the page shown as CSV, PNG, SVG or PDF, copies its chart and opens the help.
#pragma once

#include <QDialog>
#include <QPointer>
#include <functional>

#include "transient/SensitivityCharts.h"

class CZelmViewDoc;
class QComboBox;
class QCustomPlot;
class QDoubleSpinBox;
class QLabel;
class QMenuBar;
class QSpinBox;
class QTabWidget;
class QTableWidget;

class SensitivityWindow : public QDialog {
    Q_OBJECT

public:
    enum Page : int { kTornadoPage = 0, kSweepPage = 1 };

    explicit SensitivityWindow(CZelmViewDoc* document, QWidget* parent = nullptr);
    ~SensitivityWindow() override;

    // Studies the document's project as it now stands: the tornado, and the sweep over its range.
    void Recompute();
    // The per cent of the tornado (0.1 to 100).
    void SetPercent(double percent);
    // Sweeps `input` from `from` to `to` in `steps` values.
    void SetSweep(model::StudyInput input, double from, double to, int steps);
    void ShowPage(Page page);

    const sensitivity::Study& GetStudy() const { return study; }
    QCustomPlot* GetTornadoPlot() const { return tornadoPlot; }
    QCustomPlot* GetSweepPlot() const { return sweepPlot; }
    QTableWidget* GetTornadoTable() const { return tornadoTable; }

    // Export of the page shown: CSV of its numbers, else its chart by the file's suffix; false
    // after a message when the file cannot be written.
    bool ExportPage(const QString& path);
    void CopyChart();

    // Replaceable for tests: the choice of the export file (empty when cancelled).
    std::function<QString(const QString& filter, const QString& suggested)> chooseExportFile;

signals:
    void helpRequested(const QString& section);

private:
    QWidget* CreateTornadoPage();
    QWidget* CreateSweepPage();
    QMenuBar* CreateMenuBar();
    void ExportWithDialog(const QString& filter);
    void FillSweepInputs();
    void ChooseSweepRange();
    void RecomputeSweep();
    void ShowBase();
    QCustomPlot* ShownPlot() const;

    QPointer<CZelmViewDoc> document;
    sensitivity::Study study;
    // While the window fills its own controls, their changes compute nothing.
    bool filling = false;

    QLabel* baseLabel = nullptr;
    QDoubleSpinBox* percentBox = nullptr;
    QTabWidget* pages = nullptr;
    QCustomPlot* tornadoPlot = nullptr;
    QTableWidget* tornadoTable = nullptr;
    QComboBox* sweepInputBox = nullptr;
    QDoubleSpinBox* fromBox = nullptr;
    QDoubleSpinBox* toBox = nullptr;
    QSpinBox* stepsBox = nullptr;
    QLabel* sweepNote = nullptr;
    QCustomPlot* sweepPlot = nullptr;
};
