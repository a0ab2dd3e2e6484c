#include "chart/GraphDlg.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMenu>
#include <QResizeEvent>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <cmath>

#include "chart/ChartComponent.h"
#include "docview/MessageSink.h"

namespace {

const QSize kDialogSize(800, 600);
// The chart never shrinks below this; a smaller window scrolls over it.
const QSize kMinimumChart(400, 300);
// Charts of up to this many points show a marker at every point.
constexpr int kMarkerPointLimit = 60;
constexpr int kLabelsPerPoints = 50;
constexpr int kLabelsPerZoom = 20;
// Width in pixels of one character of an x label, for the label interval.
constexpr int kLabelCharWidth = 6;

const QString kPngFilter = QStringLiteral("PNG image (*.png)");
const QString kSvgFilter = QStringLiteral("SVG drawing (*.svg)");
const QString kPdfFilter = QStringLiteral("PDF document (*.pdf)");

QString chooseWithDialog(QWidget* parent, const QString& filter)
{
    QFileDialog dialog(parent, QStringLiteral("Export Chart"), QString(), filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(filter.section(QStringLiteral("*."), 1).section(QLatin1Char(')'), 0, 0));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().constFirst();
}

// Interval of x labels so that labels of `longest` characters do not overlap.
int labelSpacing(int labelCount, int longest, int screenWidth)
{
    const int k = labelCount * longest * kLabelCharWidth / std::max(1, screenWidth);
    if (k <= 1) return 1;
    if (k < 5) return 3;
    if (k < 11) return 6;
    return (k / 12 + 1) * 12;
}

}  // namespace

GraphDlg::GraphDlg(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("graphDlg"));
    setProperty("controlId", kDialogId);
    setWindowTitle(QStringLiteral("Graph"));
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    setSizeGripEnabled(true);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        screenWidth = screen->availableGeometry().width();
        screenHeight = screen->availableGeometry().height();
    }
    createChart = &chart::ChartComponent::Create;
    chooseExportFile = [this](const QString& filter) { return chooseWithDialog(this, filter); };
    horizontalBar = new QScrollBar(Qt::Horizontal, this);
    verticalBar = new QScrollBar(Qt::Vertical, this);
    horizontalBar->hide();
    verticalBar->hide();
    connect(horizontalBar, &QScrollBar::valueChanged, this, [this] { FitChartToClient(); });
    connect(verticalBar, &QScrollBar::valueChanged, this, [this] { FitChartToClient(); });
    CreateActions();
}

GraphDlg::~GraphDlg() = default;

chart::ChartComponent* GraphDlg::GetChart() const
{
    return wrapper ? wrapper->handle : nullptr;
}

void GraphDlg::AllocateGraphs(int graphs, int sets, int points, int labels, int pointStyle, int useXLabelSizing,
                              int withXValues)
{
    graphCount = graphs;
    setCount = sets;
    pointCount = points;
    labelCount = labels;
    useXLabels = useXLabelSizing;
    hasXValues = withXValues;
    values.Allocate(graphs, sets, points, 0.0);
    if (hasXValues) xValues.Allocate(graphs, sets, points, 0.0);
    pointStyles.Allocate(graphs, sets, points, pointStyle);
    setLegends = QStringList(std::max(0, sets));
    captions = titles = xTitles = yTitles = QStringList(std::max(0, graphs));
    if (labels >= 1) xLabels = QStringList(labels);
}

void GraphDlg::SetGraphTitles(const QString& title, const QString& xTitle, const QString& yTitle,
                              const QString& caption, const QString& name)
{
    for (int g = 0; g < graphCount; ++g) {
        captions[g] = caption.isEmpty() ? title : caption;
        titles[g] = title;
        xTitles[g] = xTitle;
        yTitles[g] = yTitle;
    }
    if (!name.isEmpty()) chartName = name;
}

void GraphDlg::BuildGraphWindow()
{
    opening = true;
    chart::ChartComponent* chart = createChart(this, QRect(0, 0, screenWidth, screenHeight), kChartId);
    wrapper = std::make_unique<ChartWrapper>(chart);
    move(0, 0);
    resize(kDialogSize);
    show();
    opening = false;
    if (chart == nullptr) {
        docview::showMessage(QStringLiteral("[GraphView::BuildGraphWindow] Failed to create graph."));
        return;
    }
    if (!chartName.isEmpty()) {
        wrapper->chartName.Set(chartName);
        wrapper->settingsFile.Set(SettingsFile());
    }
    FitChartToClient();
    BuildGraph();
}

bool GraphDlg::SettingsFileOpens() const
{
    return !chartName.isEmpty() && QFileInfo(SettingsFile()).isFile() && QFileInfo(SettingsFile()).isReadable();
}

void GraphDlg::BuildGraph()
{
    if (GetChart() == nullptr) return;
    ChartWrapper& w = *wrapper;
    w.drawMode.Set(chart::kDrawModeConfigure);
    bool restore = true;
    if (SettingsFileOpens()) w.drawMode.Set(chart::kDrawModeLoadSettings);
    if (w.pointCount.GetInt() != pointCount) restore = false;

    w.autoLayout.Set(1);
    w.autoFonts.Set(1);
    w.borderStyle.Set(2);
    FillLeftRangeFromData();
    SizeXLabels();

    w.pointCount.Set(pointCount);
    w.setCount.Set(setCount);
    w.chartType.Set(chartType);
    w.chartStyle.Set(chartStyle);
    if (IsSet(axisRange[0])) {
        w.xMin.Set(axisRange[0]);
        w.xScaleMode.Set(chart::kScaleModeSet);
    }
    if (IsSet(axisRange[1])) {
        w.xMax.Set(axisRange[1]);
        w.xScaleMode.Set(chart::kScaleModeSet);
    }
    SendYBounds();

    w.extraCode.Set(extraCode);
    w.xDivisions.Set(xDivisions);
    w.xCode.Set(-xCode);
    w.customLabelCode[0].Set(-customLabels[0].axisCode);
    w.customLabelCode[1].Set(-customLabels[1].axisCode);
    SendCustomLabels();
    SendSetStyles();
    SendSetLists();

    w.setStyleMode.Set(setStyleMode);
    w.markerSize.Set(2);
    w.drawingFlags.Set((drawMarkersFlag && pointCount <= kMarkerPointLimit ? 2 : 0) + (drawGridFlag ? 1 : 0));
    if (chartType == 3 && setCount == 1 && setMarkers.isEmpty()) {
        setMarkers = QList<int>(pointCount, 9);
        for (int p = 0; p < pointCount; ++p) w.setColour[p].Set(setMarkers.at(p));
    }
    SendGroup2Codes();
    SendDateAxis();

    if (labelEvery < 1) {
        labelEvery = pointCount / kLabelsPerPoints + 1;
    } else {
        w.labelInterval.Set(labelEvery);
        w.labelStep.Set(labelEvery);
    }
    SendLegends();
    SendSecondAxisTitle();
    w.legendLayout[0].Set(layoutCodes[0]);
    w.titleLayout.Set(layoutCodes[1]);

    if (restore && SettingsFileOpens()) {
        w.drawMode.Set(chart::kDrawModeLoadSettings);
        w.drawMode.Set(chart::kDrawModeDraw);
    }
    if (w.pointCount.GetInt() != pointCount) docview::showMessage(QStringLiteral("Graph is out of whack."));
    w.pointCount.Set(pointCount);
    w.setCount.Set(setCount);

    if (hasPointLabels) {
        w.pointLabelMode.Set(2);
    } else {
        for (int i = 0; i < xLabels.size(); ++i) w.xLabel[i].Set(xLabels.at(i));
    }
    if (yScaleMode == -1) SendYBounds();
    if (extraStyleCode > 0) w.extraStyle.Set(extraStyleCode);

    w.firstShownPoint.Set(0);
    w.lastShownPoint.Set(0);
    ShowGraph();
    RenewMouseNotification();
}

void GraphDlg::FillLeftRangeFromData()
{
    double low = 10000.0;
    double high = -10000.0;
    for (double value : values) {
        low = std::min(low, value);
        high = std::max(high, value);
    }
    if (low > 0.0 && low < high) low = 0.0;
    if (!IsSet(axisRange[2])) axisRange[2] = low;
    if (!IsSet(axisRange[3])) axisRange[3] = high;
}

void GraphDlg::SizeXLabels()
{
    if (!useXLabels || xLabels.isEmpty() || labelCount < 1) return;
    qsizetype longest = 0;
    for (const QString& label : xLabels) longest = std::max(longest, label.size());
    const int interval = (pointCount / labelCount) * labelSpacing(labelCount, int(longest), screenWidth);
    wrapper->labelInterval.Set(interval);
    wrapper->labelStep.Set(interval);
}

void GraphDlg::SendYBounds()
{
    ChartWrapper& w = *wrapper;
    if (yScaleMode != -1) {
        w.yScaleMode[0].Set(yScaleMode);
        return;
    }
    for (int axis = 0; axis < 2; ++axis) {
        const double low = axisRange[2 + 2 * axis];
        const double high = axisRange[3 + 2 * axis];
        if (IsSet(low)) {
            w.yMin[axis].Set(low);
            w.yScaleMode[axis].Set(chart::kScaleModeSet);
        }
        if (IsSet(high)) {
            w.yMax[axis].Set(high);
            w.yScaleMode[axis].Set(chart::kScaleModeSet);
        }
    }
}

void GraphDlg::SendCustomLabels()
{
    for (int axis = 0; axis < 2; ++axis) {
        const CustomLabels& labels = customLabels[axis];
        if (labels.flag) wrapper->customLabelCount[axis].Set(labels.count);
        if (labels.texts.isEmpty() || labels.count < 0) continue;
        // Labels 0 to count inclusive; a shorter list sends what it holds.
        for (int i = 0; i <= labels.count && i < labels.texts.size(); ++i)
            wrapper->customLabel(axis, i).Set(labels.texts.at(i));
    }
}

void GraphDlg::SendSetStyles()
{
    ChartWrapper& w = *wrapper;
    if (setStyles.isEmpty()) {
        w.setStyleMode.Set(setStyleMode);
        return;
    }
    w.setStylesOff.Set(setStyleMode == 0 ? 1 : 0);
    w.setStyleMode.Set(setStyleMode == 0 ? 0 : 1);
    for (int s = 0; s < setCount && s < setStyles.size(); ++s) w.setStyle[s].Set(setStyles.at(s));
}

void GraphDlg::SendSetLists()
{
    if (!applySetLists) return;
    for (int s = 0; s < setCount && s < setMarkers.size(); ++s) wrapper->setColour[s].Set(setMarkers.at(s));
    for (int s = 0; s < group2SetCount && s < group2Markers.size(); ++s) wrapper->group2Colour.Set(group2Markers.at(s));
}

void GraphDlg::SendGroup2Codes()
{
    if (group2SetCount <= 0) return;
    ChartWrapper& w = *wrapper;
    w.secondAxis.Set(2);
    w.group2Type.Set(group2Type);
    w.group2Style.Set(group2Style);
    w.group2SetCount.Set(group2SetCount);  // read-only: the component counts the sets it is given
    w.group2Shared.Set(1);
    w.group2Layout.Set(3);
}

void GraphDlg::SendDateAxis()
{
    ChartWrapper& w = *wrapper;
    if (dateMode > -1) w.dateAxis.Set(1);
    if (dateStart.isEmpty()) return;
    w.dateStart.Set(dateStart);
    w.dateStep.Set(dateStep);
    w.dateAxis.Set(1);
    // A step with hours and minutes is shown with the time of day.
    constexpr int kStepWithTime = 17;
    if (dateStep.size() < kStepWithTime) {
        w.dateFormat.Set(QStringLiteral("m/d/yy"));
        w.dateLabelMode.Set(1);
    } else {
        w.dateFormat.Set(QStringLiteral("m/d/yy hh:nn"));
        w.dateLabelMode.Set(3);
    }
    if (dateLabelMode > -1) w.dateLabelMode.Set(dateLabelMode);
    if (!dateFormat.isEmpty()) w.dateFormat.Set(dateFormat);
}

void GraphDlg::SendLegends()
{
    if (chartType == 3 && setCount == 1) return;
    for (int s = 0; s < setCount && s < setLegends.size(); ++s) wrapper->legend[s].Set(setLegends.at(s));
    for (int k = 0; k < group2SetCount && k < group2Legends.size(); ++k)
        wrapper->legend[setCount + k].Set(group2Legends.at(k));
}

void GraphDlg::SendSecondAxisTitle()
{
    ChartWrapper& w = *wrapper;
    w.axesFrame.Set(1);
    if (!rightTitle.isEmpty()) {
        w.rightTitle.Set(rightTitle);
        w.rightTitleCode.Set(rightTitleCode);
        w.secondAxis.Set(2);
    } else if (group2SetCount > 0) {
        w.secondAxis.Set(1);
    }
    if (!rightTitle.isEmpty() || group2SetCount > 0) w.group2Attribute(0, 0).Set(0);
}

void GraphDlg::ShowGraph()
{
    if (GetChart() == nullptr || currentGraph < 0 || currentGraph >= graphCount) return;
    ChartWrapper& w = *wrapper;
    const int g = currentGraph;
    for (int p = 0; p < pointCount; ++p) {
        for (int s = 0; s < setCount; ++s) {
            w.value(s, p).Set(values.at(g, s, p));
            if (hasXValues) w.xValue(s, p).Set(xValues.at(g, s, p));
            w.pointAttribute(s, p).Set(pointStyles.at(g, s, p));
            if (hasPointLabels && pointLabels.Contains(g, s, p)) w.pointLabel(s, p).Set(pointLabels.at(g, s, p));
        }
        for (int s = 0; s < group2SetCount; ++s) {
            if (group2Values.Contains(g, s, p)) w.group2Value(s, p).Set(group2Values.at(g, s, p));
            if (group2HasXValues && group2XValues.Contains(g, s, p))
                w.group2XValue(s, p).Set(group2XValues.at(g, s, p));
            if (group2PointStyles.Contains(g, s, p)) w.group2Attribute(s, p).Set(group2PointStyles.at(g, s, p));
        }
    }
    const QString title = titles.value(g);
    w.title.Set(chartType == 3 && setCount == 1 ? title + QStringLiteral(" -- ") + setLegends.value(0) : title);
    w.leftTitle.Set(yTitles.value(g));
    w.xTitle.Set(xTitles.value(g));
    w.drawMode.Set(chart::kDrawModeDraw);
    const QString caption = captions.value(g);
    setWindowTitle(caption.isEmpty() ? title : caption);
}

void GraphDlg::NextGraph()
{
    if (graphCount < 1) return;
    currentGraph = (currentGraph + 1) % graphCount;
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
        if (first == last) {
            first = last = 0;
            labelEvery = pointCount / kLabelsPerZoom;
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

void GraphDlg::FitChartToClient()
{
    chart::ChartComponent* chart = GetChart();
    if (chart == nullptr) return;
    const QSize client = size();
    const bool scrollX = client.width() < kMinimumChart.width();
    const bool scrollY = client.height() < kMinimumChart.height();
    const int barWidth = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    const QSize viewport(client.width() - (scrollY ? barWidth : 0), client.height() - (scrollX ? barWidth : 0));
    chartExtent = viewport.expandedTo(kMinimumChart);
    // Scroll positions run from 0 to the extent minus the page; line steps move by one pixel.
    auto fit = [](QScrollBar* bar, bool shown, int page, int extent) {
        const QSignalBlocker block(bar);
        bar->setVisible(shown);
        bar->setRange(0, std::max(0, extent - page));
        bar->setPageStep(std::max(1, page));
        bar->setSingleStep(1);
    };
    fit(horizontalBar, scrollX, viewport.width(), chartExtent.width());
    fit(verticalBar, scrollY, viewport.height(), chartExtent.height());
    horizontalBar->setGeometry(0, viewport.height(), viewport.width(), barWidth);
    verticalBar->setGeometry(viewport.width(), 0, barWidth, viewport.height());
    chart->setGeometry(QRect(QPoint(-horizontalBar->value(), -verticalBar->value()), chartExtent));
}

void GraphDlg::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    if (opening || GetChart() == nullptr || isMinimized()) return;
    FitChartToClient();
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
    add(QStringLiteral("&Copy Chart"), QKeySequence::Copy, [this] { CopyChart(); });
    add(QStringLiteral("Save as &PNG..."), QKeySequence::Save, [this] { ExportWithDialog(kPngFilter); });
    add(QStringLiteral("Save as &SVG..."), QKeySequence(Qt::CTRL | Qt::Key_G),
        [this] { ExportWithDialog(kSvgFilter); });
    add(QStringLiteral("Save as P&DF..."), QKeySequence::Print, [this] { ExportWithDialog(kPdfFilter); });
    add(QStringLiteral("Show &Whole Chart"), QKeySequence(Qt::Key_Home), [this] { ShowWholeChart(); });
}

void GraphDlg::contextMenuEvent(QContextMenuEvent* event)
{
    QMenu menu(this);
    menu.addActions(chartActions);
    menu.exec(event->globalPos());
}

void GraphDlg::ExportWithDialog(const QString& filter)
{
    const QString path = chooseExportFile(filter);
    if (!path.isEmpty()) ExportChart(path);
}

bool GraphDlg::ExportChart(const QString& path)
{
    chart::ChartComponent* chart = GetChart();
    if (chart == nullptr) return false;
    const QString suffix = QFileInfo(path).suffix().toLower();
    bool written = false;
    if (suffix == QLatin1String("svg"))
        written = chart->SaveSvg(path);
    else if (suffix == QLatin1String("pdf"))
        written = chart->SavePdf(path);
    else
        written = chart->SavePng(path);
    if (!written) docview::showMessage(QStringLiteral("Unable to write file ") + path);
    return written;
}

void GraphDlg::CopyChart()
{
    if (chart::ChartComponent* chart = GetChart()) chart->CopyToClipboard();
}

void GraphDlg::ShowWholeChart()
{
    if (chart::ChartComponent* chart = GetChart()) chart->ShowWholeChart();
}
