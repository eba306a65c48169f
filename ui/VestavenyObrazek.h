#pragma once

#include <QPixmap>
#include <QtGlobal>

// A picture compiled into the program as its pixels (generated from a picture file by the build's
// tool zk_pixely), in 32-bit RGB as the screen draws it, or in premultiplied ARGB when it is
// translucent. Shown without reading or decoding a file.
struct VestavenyObrazek {
    int sirka = 0;
    int vyska = 0;
    const quint32* pixely = nullptr;
    bool pruhledny = false;
};

// The picture as a pixmap that draws straight from the built-in pixels, without a copy.
QPixmap Pixmapa(const VestavenyObrazek& obrazek);
