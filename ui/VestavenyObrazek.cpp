#include "ui/VestavenyObrazek.h"

#include <QImage>

QPixmap Pixmapa(const VestavenyObrazek& obrazek)
{
    // The image only refers to the constant pixels; a pixmap made from it in place keeps
    // referring to them where the screen's format is the same.
    QImage obraz(reinterpret_cast<const uchar*>(obrazek.pixely), obrazek.sirka, obrazek.vyska,
                 obrazek.sirka * 4,
                 obrazek.pruhledny ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
    return QPixmap::fromImage(std::move(obraz));
}
