// The chart component: a child window that keeps the chart's properties by their getter and setter
// ordinals, draws them with QCustomPlot on draw mode 2, loads its settings file on draw mode 9,
// tells its dialog about mouse events, zooms to a rectangle and exports what it shows. Only
// ChartWrapper and GraphDlg talk to it, so the drawing library stays replaceable.
#pragma once

#include <QImage>
#include <QPoint>
#include <QWidget>
#include <functional>

#include "chart/ChartProperties.h"
#include "chart/ChartSettingsFile.h"

class QCustomPlot;
class QMouseEvent;
class QRubberBand;

namespace chart {

class ChartComponent : public QWidget {
    Q_OBJECT

public:
    // The dialog's message handler: message and first parameter.
    using MessageSink = std::function<void(int message, int param)>;

    // Creates the chart window, child `childId` of `parent`, over `rect`; visible.
    static ChartComponent* Create(QWidget* parent, const QRect& rect, int childId);
    ~ChartComponent() override;

    // Property access by ordinals; indices that the property does not take are 0.
    QVariant Get(int getter, int first = 0, int second = 0) const;
    void Set(int setter, int first, int second, const QVariant& value);

    // Nothing in the program depends on the selected value; it is kept for the select call.
    void Select(int value) { selected = value; }
    // Asks for `message` with first parameter 2 on every mouse event; 0 on success.
    int RequestMouseNotification(MessageSink sink, int message, int mode);
    int MouseEventKind() const { return eventKind; }
    // Cursor position of the last mouse event, in pixels of the chart window.
    double CursorX() const { return cursor.x(); }
    double CursorY() const { return cursor.y(); }
    // Zooms to the rectangle of two corners (pixels of the chart window with kZoomPixels, else
    // x and left-axis values); 0 on success, -1 for a rectangle without area.
    int Zoom(double x1, double y1, double x2, double y2, int flags, int redraw);
    // Back to the ranges the properties give; remembered in the settings file.
    void ShowWholeChart();

    const ChartUserState& UserState() const { return user; }
    const ChartProperties& Properties() const { return properties; }
    QCustomPlot* Plot() const { return plot; }

    // The chart as shown, at `size` (the window's size when empty).
    QImage ToImage(const QSize& size = QSize());
    // Each replaces the file atomically; a failure shows one message naming the file.
    bool SavePng(const QString& path);
    bool SaveSvg(const QString& path);
    bool SavePdf(const QString& path);
    void CopyToClipboard();

protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit ChartComponent(QWidget* parent);
    void Draw();
    void LoadSettings();
    void SaveSettings() const;
    QVariant Geometry(int index) const;
    void ToggleSet(int set);
    void NotifyMouse(int kind, const QPoint& position);
    void OnMousePress(QMouseEvent* event);
    void OnMouseMove(QMouseEvent* event);
    void OnMouseRelease(QMouseEvent* event);

    ChartProperties properties;
    ChartUserState user;
    QCustomPlot* plot = nullptr;
    QRubberBand* band = nullptr;
    MessageSink sink;
    int notifyMessage = 0;
    int selected = 0;
    int eventKind = 0;
    QPoint cursor;
    QPoint pressPosition;
    bool pressed = false;
};

}  // namespace chart
