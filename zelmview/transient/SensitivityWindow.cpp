#include "transient/SensitivityWindow.h"

#include <qcustomplot.h>

#include <QAction>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenuBar>
#include <QSpinBox>
#include <QSplitter>
#include <QTabWidget>
#include <QTableWidget>
#include <QUndoStack>
#include <QVBoxLayout>
#include <algorithm>

#include "chart/PlotExport.h"
#include "data/WaterTableAssessment.h"
#include "docview/AtomicSave.h"
#include "docview/WorkingFolder.h"
#include "transient/CZelmViewDoc.h"

namespace {

const QSize kWindowSize(900, 720);
const QSize kMinimumPlot(400, 260);
constexpr double kDefaultPercent = 20.0;
constexpr double kLeastPercent = 0.1;
constexpr double kMostPercent = 100.0;
constexpr int kDefaultSteps = 50;
constexpr double kSweepFromShare = 0.5;
constexpr double kSweepToShare = 1.5;
constexpr double kLargestSweepValue = 1e7;
constexpr int kSweepDecimals = 4;

QDoubleSpinBox* sweepValueBox(const QString& objectName)
{
    auto* box = new QDoubleSpinBox;
    box->setObjectName(objectName);
    box->setRange(-kLargestSweepValue, kLargestSweepValue);
    box->setDecimals(kSweepDecimals);
    box->setKeyboardTracking(false);
    return box;
}

QCustomPlot* newPlot(const QString& objectName)
{
    auto* plot = new QCustomPlot;
    plot->setObjectName(objectName);
    plot->setMinimumSize(kMinimumPlot);
    return plot;
}

// The export's file name: the project's base name (or "sensitivity") and the page's.
QString suggestedName(const CZelmViewDoc* document, SensitivityWindow::Page page, const QString& extension)
{
    const QString base = document != nullptr && !document->GetPathName().isEmpty()
                             ? QFileInfo(document->GetPathName()).completeBaseName()
                             : QStringLiteral("sensitivity");
    const QString pageName =
        page == SensitivityWindow::kTornadoPage ? QStringLiteral("tornado") : QStringLiteral("sweep");
    return base + QLatin1Char('-') + pageName + QLatin1Char('.') + extension;
}

}  // namespace

SensitivityWindow::SensitivityWindow(CZelmViewDoc* projectDocument, QWidget* parent)
    : QDialog(parent), document(projectDocument)
{
    setObjectName(QStringLiteral("sensitivityWindow"));
    setWindowTitle(QStringLiteral("Sensitivity - ") + document->GetTitle());
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    setSizeGripEnabled(true);
    chooseExportFile = [this](const QString& filter, const QString& suggested) {
        return chart::chooseExportFile(this, filter, suggested);
    };

    baseLabel = new QLabel;
    baseLabel->setObjectName(QStringLiteral("baseLabel"));
    baseLabel->setWordWrap(true);
    percentBox = new QDoubleSpinBox;
    percentBox->setObjectName(QStringLiteral("percentBox"));
    percentBox->setRange(kLeastPercent, kMostPercent);
    percentBox->setDecimals(1);
    percentBox->setSuffix(QStringLiteral(" %"));
    percentBox->setValue(kDefaultPercent);
    percentBox->setKeyboardTracking(false);
    auto* percentRow = new QHBoxLayout;
    percentRow->addWidget(new QLabel(QStringLiteral("Lower and raise each input by")));
    percentRow->addWidget(percentBox);
    percentRow->addStretch();

    pages = new QTabWidget;
    pages->setObjectName(QStringLiteral("sensitivityPages"));
    pages->addTab(CreateTornadoPage(), QStringLiteral("&Tornado"));
    pages->addTab(CreateSweepPage(), QStringLiteral("S&weep"));

    auto* layout = new QVBoxLayout(this);
    layout->setMenuBar(CreateMenuBar());
    layout->addWidget(baseLabel);
    layout->addLayout(percentRow);
    layout->addWidget(pages, 1);

    connect(percentBox, &QDoubleSpinBox::valueChanged, this, [this] {
        if (!filling) Recompute();
    });
    connect(document->GetUndoStack(), &QUndoStack::indexChanged, this, &SensitivityWindow::Recompute);
    resize(kWindowSize);
    FillSweepInputs();
    ChooseSweepRange();
    Recompute();
}

SensitivityWindow::~SensitivityWindow() = default;

QWidget* SensitivityWindow::CreateTornadoPage()
{
    tornadoPlot = newPlot(QStringLiteral("tornadoPlot"));
    tornadoTable = new QTableWidget;
    tornadoTable->setObjectName(QStringLiteral("tornadoTable"));
    tornadoTable->verticalHeader()->setVisible(false);
    tornadoTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    auto* splitter = new QSplitter(Qt::Vertical);
    splitter->addWidget(tornadoPlot);
    splitter->addWidget(tornadoTable);
    splitter->setStretchFactor(0, 3);
    splitter->setStretchFactor(1, 2);
    return splitter;
}

QWidget* SensitivityWindow::CreateSweepPage()
{
    sweepInputBox = new QComboBox;
    sweepInputBox->setObjectName(QStringLiteral("sweepInputBox"));
    fromBox = sweepValueBox(QStringLiteral("sweepFromBox"));
    toBox = sweepValueBox(QStringLiteral("sweepToBox"));
    stepsBox = new QSpinBox;
    stepsBox->setObjectName(QStringLiteral("sweepStepsBox"));
    stepsBox->setRange(1, model::kMaxSweepSteps);
    stepsBox->setValue(kDefaultSteps);
    stepsBox->setKeyboardTracking(false);
    auto* controls = new QHBoxLayout;
    for (auto [text, widget] : {std::pair<const char*, QWidget*>{"&Input", sweepInputBox},
                                {"&From", fromBox},
                                {"T&o", toBox},
                                {"S&teps", stepsBox}}) {
        auto* label = new QLabel(QString::fromLatin1(text));
        label->setBuddy(widget);
        controls->addWidget(label);
        controls->addWidget(widget);
    }
    controls->addStretch();
    sweepPlot = newPlot(QStringLiteral("sweepPlot"));
    sweepNote = new QLabel;
    sweepNote->setObjectName(QStringLiteral("sweepNote"));
    sweepNote->setWordWrap(true);

    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    layout->addLayout(controls);
    layout->addWidget(sweepPlot, 1);
    layout->addWidget(sweepNote);

    connect(sweepInputBox, &QComboBox::currentIndexChanged, this, [this] {
        if (filling) return;
        ChooseSweepRange();
        RecomputeSweep();
    });
    for (QDoubleSpinBox* box : {fromBox, toBox})
        connect(box, &QDoubleSpinBox::valueChanged, this, [this] {
            if (!filling) RecomputeSweep();
        });
    connect(stepsBox, &QSpinBox::valueChanged, this, [this] {
        if (!filling) RecomputeSweep();
    });
    return page;
}

QMenuBar* SensitivityWindow::CreateMenuBar()
{
    auto* menuBar = new QMenuBar(this);
    menuBar->setObjectName(QStringLiteral("sensitivityMenuBar"));
    QMenu* chart = menuBar->addMenu(QStringLiteral("&Chart"));
    chart->setObjectName(QStringLiteral("chartMenu"));
    QMenu* exports = chart->addMenu(QStringLiteral("&Export"));
    exports->setObjectName(QStringLiteral("exportMenu"));
    const std::pair<QString, QString> kinds[] = {{QStringLiteral("Export as &CSV..."), chart::kCsvFilter},
                                                 {QStringLiteral("Export as &PNG..."), chart::kPngFilter},
                                                 {QStringLiteral("Export as &SVG..."), chart::kSvgFilter},
                                                 {QStringLiteral("Export as P&DF..."), chart::kPdfFilter}};
    for (const auto& [text, filter] : kinds)
        exports->addAction(text, this, [this, filter] { ExportWithDialog(filter); });
    chart->addAction(QStringLiteral("Co&py Chart"), QKeySequence::Copy, this, &SensitivityWindow::CopyChart);
    chart->addSeparator();
    chart->addAction(QStringLiteral("&Close"), QKeySequence::Close, this, &QWidget::close);
    menuBar->addMenu(QStringLiteral("&Help"))
        ->addAction(QStringLiteral("&Help"), QKeySequence::HelpContents, this,
                    [this] { emit helpRequested(QStringLiteral("sensitivity")); });
    return menuBar;
}

void SensitivityWindow::Recompute()
{
    if (document == nullptr) return;
    study.project = document->GetData();
    study.tornado = model::tornado(study.project, percentBox->value());
    ShowBase();
    drawTornado(*tornadoPlot, study);
    fillTornadoTable(*tornadoTable, study);
    FillSweepInputs();
    RecomputeSweep();
}

void SensitivityWindow::SetPercent(double percent)
{
    percentBox->setValue(percent);
}

void SensitivityWindow::SetSweep(model::StudyInput input, double from, double to, int steps)
{
    filling = true;
    sweepInputBox->setCurrentIndex(std::max(0, sweepInputBox->findData(int(input))));
    fromBox->setValue(from);
    toBox->setValue(to);
    stepsBox->setValue(steps);
    filling = false;
    RecomputeSweep();
}

void SensitivityWindow::ShowPage(Page page)
{
    pages->setCurrentIndex(page);
}

void SensitivityWindow::ShowBase()
{
    const model::StudyOutcome& base = study.tornado.base;
    const ZELMData& project = study.project;
    QString text;
    if (base.refused()) {
        text = QStringLiteral("The model refuses the project as it stands: ") + QString::fromStdString(base.error);
    } else {
        text = model::resultName(project.inputMode) + QStringLiteral(" of the project as it stands: ") +
               sensitivity::resultText(base.value) + QLatin1Char(' ') + zelm::lengthUnit(project.metricUnits) +
               QLatin1Char('.');
        if (!base.warning.empty()) text += QLatin1Char(' ') + QString::fromStdString(base.warning);
    }
    baseLabel->setText(text);
}

// The inputs of the project's mode; a sweep of an input the mode does not take starts again on the
// first one.
void SensitivityWindow::FillSweepInputs()
{
    const std::vector<model::StudyInput> inputs = model::studyInputs(document->GetData().inputMode);
    const bool kept = std::find(inputs.begin(), inputs.end(), study.sweepInput) != inputs.end();
    filling = true;
    sweepInputBox->clear();
    for (model::StudyInput input : inputs) sweepInputBox->addItem(model::inputName(input), int(input));
    sweepInputBox->setCurrentIndex(sweepInputBox->findData(int(kept ? study.sweepInput : inputs.front())));
    filling = false;
    if (!kept) ChooseSweepRange();
}

// From half the input's value to half as much again (0 to 1 for an input of 0).
void SensitivityWindow::ChooseSweepRange()
{
    study.sweepInput = model::StudyInput(sweepInputBox->currentData().toInt());
    const double value = model::inputValue(document->GetData(), study.sweepInput);
    filling = true;
    fromBox->setValue(value != 0.0 ? value * kSweepFromShare : 0.0);
    toBox->setValue(value != 0.0 ? value * kSweepToShare : 1.0);
    filling = false;
}

void SensitivityWindow::RecomputeSweep()
{
    study.sweepInput = model::StudyInput(sweepInputBox->currentData().toInt());
    study.sweep = model::sweep(study.project, study.sweepInput, fromBox->value(), toBox->value(), stepsBox->value());
    drawSweep(*sweepPlot, study);
    const auto refused = std::find_if(study.sweep.begin(), study.sweep.end(),
                                      [](const model::SweepPoint& point) { return point.outcome.refused(); });
    if (refused == study.sweep.end()) {
        sweepNote->clear();
        return;
    }
    const auto count = std::count_if(refused, study.sweep.end(),
                                     [](const model::SweepPoint& point) { return point.outcome.refused(); });
    sweepNote->setText(
        QStringLiteral("The model refuses %1 of the %2 values, first at %3: %4")
            .arg(count)
            .arg(study.sweep.size())
            .arg(sensitivity::inputText(refused->input), QString::fromStdString(refused->outcome.error)));
}

QCustomPlot* SensitivityWindow::ShownPlot() const
{
    return pages->currentIndex() == kTornadoPage ? tornadoPlot : sweepPlot;
}

void SensitivityWindow::ExportWithDialog(const QString& filter)
{
    const QString suggested = suggestedName(document, Page(pages->currentIndex()), chart::extensionOf(filter));
    const QString path = chooseExportFile(filter, docview::workingFolder().FilePath(suggested));
    if (!path.isEmpty()) ExportPage(path);
}

bool SensitivityWindow::ExportPage(const QString& path)
{
    const bool tornado = pages->currentIndex() == kTornadoPage;
    if (QFileInfo(path).suffix().compare(QLatin1String("csv"), Qt::CaseInsensitive) == 0)
        return saveTextAtomically(path, tornado ? sensitivity::tornadoCsv(study) : sensitivity::sweepCsv(study));
    return chart::savePlot(*ShownPlot(), path, windowTitle());
}

void SensitivityWindow::CopyChart()
{
    chart::copyPlot(*ShownPlot());
}
