#include "chart/GraphDlg.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QResizeEvent>
#include <QScreen>
#include <QVBoxLayout>
#include <cmath>

#include "chart/ChartComponent.h"
#include "chart/ChartOrdinals.h"
#include "chart/GraphBuilder.h"
#include "chart/PlotExport.h"
#include "docview/ControlId.h"
#include "docview/MessageSink.h"
#include "docview/WorkingFolder.h"

namespace {

const QSize kDialogSize(800, 600);
// The chart never shrinks below this, and so the window keeps the room for it.
const QSize kMinimumChart(400, 300);
constexpr int kLabelsPerZoom = 20;

// The step between cascaded chart windows: about a title bar.
constexpr int kCascadeStep = 28;

// The chart window opened last and still open.
QPointer<GraphDlg>& lastChart()
{
    static QPointer<GraphDlg> last;
    return last;
}

}  // namespace

GraphDlg::GraphDlg(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("graphDlg"));
    docview::setControlId(this, kDialogId);
    setWindowTitle(QStringLiteral("Graph"));
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    setSizeGripEnabled(true);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        graph.screenWidth = screen->availableGeometry().width();
        graph.screenHeight = screen->availableGeometry().height();
    }
    createChart = &chart::ChartComponent::Create;
    chooseExportFile = [this](const QString& filter, const QString& suggested) {
        return chart::chooseExportFile(this, filter, suggested);
    };
    // The menu bar on top, the chart in all the room below it.
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    CreateActions();
    layout->setMenuBar(CreateMenuBar());
}

GraphDlg::~GraphDlg() = default;

chart::ChartComponent* GraphDlg::GetChart() const
{
    return wrapper ? wrapper->handle : nullptr;
}

void GraphDlg::BuildGraphWindow()
{
    opening = true;
    chart::ChartComponent* chart = createChart(this, QRect(0, 0, graph.screenWidth, graph.screenHeight), kChartId);
    wrapper = std::make_unique<ChartWrapper>(chart);
    if (chart != nullptr) {
        chart->setMinimumSize(kMinimumChart);
        layout()->addWidget(chart);
    }
    resize(kDialogSize);
    PlaceAfterLastChart();
    show();
    opening = false;
    if (chart == nullptr) {
        docview::showMessage(QStringLiteral("[GraphView::BuildGraphWindow] Failed to create graph."));
        return;
    }
    if (!graph.chartName.isEmpty()) {
        wrapper->chartName.Set(graph.chartName);
        wrapper->settingsFile.Set(graph.SettingsFile());
    }
    BuildGraph();
}

QRect GraphDlg::CascadeRect(const QRect& lastFrame, const QRect& available, const QSize& preferred)
{
    const QSize size = preferred.boundedTo(available.size());
    if (lastFrame.isNull()) return {available.topLeft(), size};
    const QPoint next = lastFrame.topLeft() + QPoint(kCascadeStep, kCascadeStep);
    const QSize room(available.right() + 1 - next.x(), available.bottom() + 1 - next.y());
    const QSize half = available.size() / 2;
    if (room.width() < half.width() || room.height() < half.height()) return {available.topLeft(), size};
    return {next, size.boundedTo(room)};
}

void GraphDlg::PlaceAfterLastChart()
{
    const QPointer<GraphDlg>& last = lastChart();
    const QScreen* screen = last ? last->screen() : QGuiApplication::primaryScreen();
    const QRect available = screen != nullptr ? screen->availableGeometry() : QRect(QPoint(), size());
    const QRect lastFrame = last && last->isVisible() ? last->frameGeometry() : QRect();
    const QRect placed = CascadeRect(lastFrame, available, frameGeometry().size());
    resize(placed.size() - (frameGeometry().size() - size()));
    move(placed.topLeft());
    lastChart() = this;
}

void GraphDlg::BuildGraph()
{
    if (GetChart() == nullptr) return;
    GraphBuilder(graph, *wrapper).Build();
    ShowGraph();
    RenewMouseNotification();
}

void GraphDlg::ShowGraph()
{
    const int g = graph.currentGraph;
    if (GetChart() == nullptr || g < 0 || g >= graph.graphCount) return;
    GraphBuilder(graph, *wrapper).Show();
    const QString caption = graph.captions.value(g);
    setWindowTitle(caption.isEmpty() ? graph.titles.value(g) : caption);
}

void GraphDlg::NextGraph()
{
    if (graph.graphCount < 1) return;
    graph.currentGraph = (graph.currentGraph + 1) % graph.graphCount;
    ShowGraph();
}

void GraphDlg::RenewMouseNotification()
{
    wrapper->RequestMouseNotification([this](int message, int param) { OnChartMessage(message, param); },
                                      chart::kMouseMessage, 3);
}

void GraphDlg::OnChartMessage(int message, int param)
{
    if (GetChart() == nullptr) return;
    switch (message) {
    case chart::kMouseMessage:
        if (param != chart::kMouseEventParam) return;
        OnMouseEvent();
        RenewMouseNotification();
        break;
    case chart::kNextGraphMessage:
        if (wrapper->selectionPending.GetInt() == 0) NextGraph();
        break;
    case chart::kHitMessage:
        docview::showMessage(QStringLiteral("Hit"));
        break;
    case chart::kRedrawMessage:
        wrapper->drawMode.Set(chart::kDrawModeRedraw);
        break;
    default:
        break;
    }
}

double GraphDlg::DataXOfPixel(int x) const
{
    ChartWrapper& w = *wrapper;
    const double left = w.geometry[chart::kPlotLeft].GetDouble();
    const double right = w.geometry[chart::kPlotRight].GetDouble();
    const double shownMin = w.geometry[chart::kShownXMin].GetDouble();
    const double shownMax = w.geometry[chart::kShownXMax].GetDouble();
    if (right <= left) return shownMin;
    return shownMin + (x - left) / (right - left) * (shownMax - shownMin);
}

void GraphDlg::OnMouseEvent()
{
    ChartWrapper& w = *wrapper;
    const int kind = w.MouseEventKind();
    const QPoint cursor(int(w.CursorX()), int(w.CursorY()));
    if (kind == chart::kEventRangeOpen && !rangeOpen) {
        rangeCorner = cursor;
        rangeOpen = true;
        return;
    }
    if (rangeOpen) {
        // The data x of both corners as shown before the zoom changes the axes.
        const double x1 = DataXOfPixel(rangeCorner.x());
        const double x2 = DataXOfPixel(cursor.x());
        w.Zoom(rangeCorner.x(), rangeCorner.y(), cursor.x(), cursor.y(), chart::kZoomPixels, 1);
        int first = int(std::min(x1, x2) + 0.5);
        int last = int(std::max(x1, x2) + 0.5);
        int& labelEvery = graph.labelEvery;
        if (first == last) {
            first = last = 0;
            labelEvery = graph.pointCount / kLabelsPerZoom;
        } else {
            labelEvery = (last - first + 1) / kLabelsPerZoom;
        }
        labelEvery = std::max(1, labelEvery);
        w.firstShownPoint.Set(first);
        w.lastShownPoint.Set(last);
        w.labelInterval.Set(labelEvery);
        w.labelStep.Set(labelEvery);
        w.drawMode.Set(chart::kDrawModeDraw);
        rangeOpen = false;
        return;
    }
    if (kind == chart::kEventClick) NextGraph();
}

void GraphDlg::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    // The layout has given the chart its new size already.
    if (opening || GetChart() == nullptr || isMinimized()) return;
    BuildGraph();
}

void GraphDlg::CreateActions()
{
    auto add = [this](const QString& text, const QKeySequence& keys, auto slot) {
        auto* action = new QAction(text, this);
        action->setShortcut(keys);
        action->setShortcutContext(Qt::WindowShortcut);
        connect(action, &QAction::triggered, this, slot);
        addAction(action);
        chartActions.append(action);
    };
    add(QStringLiteral("Co&py Chart"), QKeySequence::Copy, [this] { CopyChart(); });
    add(QStringLiteral("Export as &PNG..."), QKeySequence::Save, [this] { ExportWithDialog(chart::kPngFilter); });
    add(QStringLiteral("Export as &SVG..."), QKeySequence(Qt::CTRL | Qt::Key_G),
        [this] { ExportWithDialog(chart::kSvgFilter); });
    add(QStringLiteral("Export as P&DF..."), QKeySequence::Print, [this] { ExportWithDialog(chart::kPdfFilter); });
    add(QStringLiteral("Show &Whole Chart"), QKeySequence(Qt::Key_Home), [this] { ShowWholeChart(); });
    add(QStringLiteral("&Help"), QKeySequence::HelpContents, [this] { emit helpRequested(helpSection); });
}

QMenuBar* GraphDlg::CreateMenuBar()
{
    enum Action { kCopy, kPng, kSvg, kPdf, kWhole, kHelp };
    auto* menuBar = new QMenuBar(this);
    menuBar->setObjectName(QStringLiteral("chartMenuBar"));
    QMenu* chart = menuBar->addMenu(QStringLiteral("&Chart"));
    chart->setObjectName(QStringLiteral("chartMenu"));
    QMenu* exports = chart->addMenu(QStringLiteral("&Export"));
    exports->setObjectName(QStringLiteral("exportMenu"));
    exports->addActions({chartActions.at(kPng), chartActions.at(kSvg), chartActions.at(kPdf)});
    chart->addAction(chartActions.at(kCopy));
    chart->addSeparator();
    chart->addAction(chartActions.at(kWhole));
    chart->addSeparator();
    chart->addAction(QStringLiteral("&Close"), QKeySequence::Close, this, &QWidget::close);
    menuBar->addMenu(QStringLiteral("&Help"))->addAction(chartActions.at(kHelp));
    return menuBar;
}

void GraphDlg::contextMenuEvent(QContextMenuEvent* event)
{
    QMenu menu(this);
    menu.addActions(chartActions);
    menu.exec(event->globalPos());
}

void GraphDlg::ExportWithDialog(const QString& filter)
{
    const QString base = exportBaseName.isEmpty() ? graph.chartName : exportBaseName;
    const QString suggested = base.isEmpty() ? QString() : base + QLatin1Char('.') + chart::extensionOf(filter);
    const QString path = chooseExportFile(filter, docview::workingFolder().FilePath(suggested));
    if (!path.isEmpty()) ExportChart(path);
}

bool GraphDlg::ExportChart(const QString& path)
{
    chart::ChartComponent* chart = GetChart();
    if (chart == nullptr) return false;
    return chart::savePlot(*chart->Plot(), path, chart->Properties().Text(chart::kTitle));
}

void GraphDlg::CopyChart()
{
    if (chart::ChartComponent* chart = GetChart()) chart->CopyToClipboard();
}

void GraphDlg::ShowWholeChart()
{
    if (chart::ChartComponent* chart = GetChart()) chart->ShowWholeChart();
}
