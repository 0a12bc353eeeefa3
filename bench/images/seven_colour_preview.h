#pragma once

#include <QImage>
#include <QSize>

namespace images {

// The OBMP converter takes at most this much of a picture; the rest is dropped.
inline constexpr int kObmpMaxWidth = 1024;
inline constexpr int kObmpMaxHeight = 128;

// Which colour planes the operator keeps (the RED, GREEN and BLUE boxes).
struct ColourSwitches {
    bool red = true;
    bool green = true;
    bool blue = true;
};

// The picture's size clipped to 1024 x 128.
QSize ClippedObmpSize(QSize picture);

// The seven-colour preview of a picture, clipped to 1024 x 128: each component of
// 128 or more that is switched on becomes full, everything else dark, so every
// pixel is black, red, green, blue, yellow, magenta, cyan or white (Format_RGB32).
// A null picture gives a null preview.
QImage SevenColourPreview(const QImage& picture, ColourSwitches switches);

}  // namespace images
