#include "app/Pictures.h"

#include <QPainter>
#include <QSvgRenderer>

#include "app/Resources.h"

namespace {

const QString kFieldSection = QStringLiteral(":/zelmview/field-section.svg");

}  // namespace

QPixmap FieldSectionBitmap()
{
    InitZelmviewResources();
    QSvgRenderer renderer(kFieldSection);
    QPixmap bitmap(renderer.defaultSize());
    bitmap.fill(Qt::white);
    QPainter painter(&bitmap);
    renderer.render(&painter);
    return bitmap;
}

QIcon ProgramIcon()
{
    InitZelmviewResources();
    // The middle of the picture (two drains and the water table between them) as a square icon.
    QSvgRenderer renderer(kFieldSection);
    QIcon icon;
    for (int size : {16, 32, 48, 64}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        renderer.setViewBox(QRectF(150, 60, 160, 160));
        renderer.render(&painter);
        icon.addPixmap(pixmap);
    }
    return icon;
}
