#include "app/Pictures.h"

#include <QPainter>
#include <QSvgRenderer>

#include "app/Resources.h"

namespace {

const QString kFieldSection = QStringLiteral(":/zelmview/field-section.svg");
const QString kProgramIcon = QStringLiteral(":/zelmview/icons/zelmview.svg");

}  // namespace

QPixmap fieldSectionBitmap()
{
    initZelmviewResources();
    QSvgRenderer renderer(kFieldSection);
    QPixmap bitmap(renderer.defaultSize());
    bitmap.fill(Qt::white);
    QPainter painter(&bitmap);
    renderer.render(&painter);
    return bitmap;
}

QIcon programIcon()
{
    initZelmviewResources();
    // The icon the desktop shows for the program, drawn at the sizes of window frames and task bars.
    QSvgRenderer renderer(kProgramIcon);
    QIcon icon;
    for (int size : {16, 32, 48, 64, 128}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        renderer.render(&painter);
        icon.addPixmap(pixmap);
    }
    return icon;
}
