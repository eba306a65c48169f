#pragma once

#include <QPixmap>
#include <QString>

// Pictures at the screen's scale. A picture "x.jpg" may have sharper twins "x@2x.jpg" and
// "x@4x.jpg" (twice and four times the pixels, Qt's naming) beside it.

// The file to show at device pixel ratio `pomer`: the smallest twin at least as sharp as the
// screen asks (4x above 2, 2x above 1), else the sharpest there is, else the picture itself.
// `nasobek` receives the twin's factor (1, 2 or 4).
QString SouborProMeritko(const QString& soubor, qreal pomer, int* nasobek = nullptr);

// The picture for a screen of ratio `pomer`, its device pixel ratio set so that it takes the
// plain picture's size on the screen. A null pixmap when no file can be read.
QPixmap ObrazekProMeritko(const QString& soubor, qreal pomer);
