#include "risk/LossFunctionPictures.h"

#include <QPainter>
#include <QPainterPath>

namespace {

// The curves in a 48-pixel square, y downwards: the yield against the depth to the water table.
QPainterPath curveOf(RiskData::LossFunction lossFunction)
{
    using Shape = RiskData::LossFunction;
    QPainterPath path;
    switch (lossFunction) {
    case Shape::Cubic:
        path.moveTo(4, 44);
        path.cubicTo(8, 14, 12, 10, 22, 10);
        path.lineTo(44, 10);
        break;
    case Shape::PeakAndDrop:
        path.moveTo(4, 42);
        path.cubicTo(8, 20, 14, 8, 22, 8);
        path.lineTo(26, 30);
        path.lineTo(44, 30);
        break;
    case Shape::Dome:
        path.moveTo(4, 44);
        path.cubicTo(10, 0, 38, 0, 44, 44);
        break;
    }
    return path;
}

}  // namespace

QPixmap lossFunctionPicture(RiskData::LossFunction lossFunction)
{
    QPixmap picture(kLossFunctionPictureSize, kLossFunctionPictureSize);
    picture.fill(Qt::cyan);
    QPainter painter(&picture);
    painter.setPen(QPen(Qt::black, 2));
    painter.drawPath(curveOf(lossFunction));
    return picture;
}
