// The pictures of the three loss functions on the buttons that choose them: a black curve on cyan,
// 48 by 48 pixels. The cubic rises steeply and levels off, the peak rises, drops sharply and goes
// on level lower down, the dome is symmetric.
#pragma once

#include <QPixmap>

#include "data/RiskData.h"

inline constexpr int kLossFunctionPictureSize = 48;

QPixmap lossFunctionPicture(RiskData::LossFunction lossFunction);
