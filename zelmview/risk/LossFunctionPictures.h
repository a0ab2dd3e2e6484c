// The pictures of the three loss functions on the buttons that choose them: a black curve on cyan,
// 48 by 48 pixels. 1 rises steeply and levels off, 2 rises to a peak, drops sharply and goes on
// level lower down, 3 is a symmetric dome.
#pragma once

#include <QPixmap>

inline constexpr int kLossFunctionPictureSize = 48;

// The picture of loss function 1, 2 or 3; another number gives the empty cyan square.
QPixmap LossFunctionPicture(int lossFunction);
