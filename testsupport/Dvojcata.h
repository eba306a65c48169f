#pragma once

#include <QImage>

#include <algorithm>
#include <cstdlib>

// How far a picture's larger twin (name@2x, name@4x) strays from the picture itself: the mean
// difference of the colour channels, 0..255, after the twin is scaled down to the picture's size.
// A twin of the same drawing differs by its sharper edges only; another drawing by far more.
inline double RozdilDvojcete(const QImage& obrazek, const QImage& dvojce)
{
    const QImage a = obrazek.convertToFormat(QImage::Format_RGB32);
    const QImage b = dvojce.scaled(a.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                         .convertToFormat(QImage::Format_RGB32);
    long long soucet = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            soucet += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q))
                + std::abs(qBlue(p) - qBlue(q));
        }
    return a.isNull() ? 255.0 : double(soucet) / (3.0 * a.width() * a.height());
}
