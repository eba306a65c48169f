#pragma once

#include <QColor>
#include <QPainter>
#include <QPointF>
#include <QString>

#include <map>

// The shared set of symbols every sign is composed from. A symbol draws itself in a box running
// from -1 to 1 on both axes (y downwards) with the painter already moved, scaled and turned into
// place; line widths are in the same units.
struct KontextSymbolu {
    QColor barva;  // the symbol's colour
    QString text;  // the figure or word of symbols that carry one
};

using KresleniSymbolu = void (*)(QPainter&, const KontextSymbolu&);

// Every symbol by its name.
const std::map<QString, KresleniSymbolu>& SdileneSymboly();

// Our stroke font (capital letters, digits, "k", "m", "t", "h", "%", ",", ".", "-", "+", ":",
// space): `text` centred on `stred`, capitals `vyska` high. Returns false when a character has no
// glyph (it is left out).
bool KresliText(QPainter& p, const QString& text, QPointF stred, double vyska, const QColor& barva,
                double tloustka = 0.16);
