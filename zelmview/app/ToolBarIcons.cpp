#include "app/ToolBarIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include "docview/CommandIds.h"
#include "docview/ResourceIds.h"

namespace {

constexpr int kWidth = 22;
constexpr int kHeight = 14;

// A sheet of paper with a folded corner and a letter naming the kind of new file.
void drawNewFile(QPainter& painter, QChar letter, const QColor& colour)
{
    QPainterPath sheet;
    sheet.moveTo(4, 0.5);
    sheet.lineTo(12, 0.5);
    sheet.lineTo(15.5, 4);
    sheet.lineTo(15.5, 13.5);
    sheet.lineTo(4, 13.5);
    sheet.closeSubpath();
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(Qt::white);
    painter.drawPath(sheet);
    QFont font = painter.font();
    font.setPixelSize(9);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(colour);
    painter.drawText(QRectF(4, 3, 12, 10), Qt::AlignCenter, QString(letter));
}

void drawOpen(QPainter& painter)
{
    painter.setPen(QPen(QColor(0x80, 0x60, 0x00), 1));
    painter.setBrush(QColor(0xf0, 0xc8, 0x50));
    painter.drawRect(QRectF(2.5, 3.5, 14, 9));
    painter.drawRect(QRectF(2.5, 1.5, 6, 2));
    painter.setBrush(QColor(0xff, 0xe0, 0x80));
    painter.drawPolygon(QPolygonF({QPointF(5.5, 6.5), QPointF(19.5, 6.5), QPointF(16.5, 12.5), QPointF(2.5, 12.5)}));
}

void drawSave(QPainter& painter)
{
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(QColor(0x30, 0x50, 0x90));
    painter.drawRect(QRectF(4.5, 0.5, 13, 13));
    painter.setBrush(Qt::white);
    painter.drawRect(QRectF(7.5, 0.5, 7, 5));
    painter.setBrush(QColor(0xc0, 0xc0, 0xc0));
    painter.drawRect(QRectF(7.5, 8.5, 7, 5));
}

void drawRun(QPainter& painter)
{
    painter.setPen(QPen(QColor(0x10, 0x60, 0x10), 1));
    painter.setBrush(QColor(0x30, 0xb0, 0x30));
    painter.drawPolygon(QPolygonF({QPointF(6.5, 1.5), QPointF(17.5, 7), QPointF(6.5, 12.5)}));
}

}  // namespace

QIcon toolBarIcon(int commandId)
{
    QPixmap pixmap(kWidth, kHeight);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    switch (commandId) {
    case zelm::kNewTransient:
        drawNewFile(painter, QLatin1Char('T'), QColor(0x20, 0x60, 0xc0));
        break;
    case zelm::kNewRisk:
        drawNewFile(painter, QLatin1Char('R'), QColor(0xc0, 0x30, 0x20));
        break;
    case docview::kFileOpen:
        drawOpen(painter);
        break;
    case docview::kFileSave:
        drawSave(painter);
        break;
    case zelm::kRunModel:
        drawRun(painter);
        break;
    default:
        break;
    }
    painter.end();
    return QIcon(pixmap);
}
