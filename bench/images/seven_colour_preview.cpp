#include "bench/images/seven_colour_preview.h"

#include <algorithm>

namespace images {

QSize ClippedObmpSize(QSize picture)
{
    return {std::clamp(picture.width(), 0, kObmpMaxWidth), std::clamp(picture.height(), 0, kObmpMaxHeight)};
}

QImage SevenColourPreview(const QImage& picture, ColourSwitches switches)
{
    if (picture.isNull()) return {};
    const QSize size = ClippedObmpSize(picture.size());
    const QImage source = picture.convertToFormat(QImage::Format_RGB32);
    QImage preview(size, QImage::Format_RGB32);
    const QRgb redOn = switches.red ? 0xFF0000u : 0u;
    const QRgb greenOn = switches.green ? 0x00FF00u : 0u;
    const QRgb blueOn = switches.blue ? 0x0000FFu : 0u;
    for (int y = 0; y < size.height(); ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(source.constScanLine(y));
        auto* out = reinterpret_cast<QRgb*>(preview.scanLine(y));
        for (int x = 0; x < size.width(); ++x) {
            const QRgb c = in[x];
            QRgb p = 0xFF000000u;
            if (qRed(c) >= 128) p |= redOn;
            if (qGreen(c) >= 128) p |= greenOn;
            if (qBlue(c) >= 128) p |= blueOn;
            out[x] = p;
        }
    }
    return preview;
}

}  // namespace images
