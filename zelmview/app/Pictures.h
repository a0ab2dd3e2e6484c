// The program's pictures: bitmap 102 (the field cross-section of the splash window and the About
// box) and the program icon made from it.
#pragma once

#include <QIcon>
#include <QPixmap>

QPixmap fieldSectionBitmap();
QIcon programIcon();
