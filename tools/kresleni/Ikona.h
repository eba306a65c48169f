#pragma once

#include <QString>

#include <array>

// The program's icon for the desktop: the drawing of KresliIkonu as SVG, and the PNG sizes the
// icon theme wants, rendered from that SVG.

inline constexpr std::array<int, 7> kVelikostiIkony = {16, 24, 32, 48, 64, 128, 256};
inline constexpr const char* kJmenoIkony = "cz.zebrovka.Zebrovka";

// Writes the icon as SVG into `soubor`. Returns an empty text on success, else what went wrong.
QString ZapisIkonuSvg(const QString& soubor);

// Renders the SVG `svg` at every size of kVelikostiIkony into
// `adresar`/<n>x<n>/apps/cz.zebrovka.Zebrovka.png. Returns an empty text on success.
QString VykresliIkony(const QString& svg, const QString& adresar);
