#pragma once

#include "testsupport/Najdi.h"
#include "ui/MereniTextu.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QString>

#include <cstddef>

// The controls of the points test's sheet, by their object names; i is the position's index
// (0 for position 1) and j the answer's (0 for A), as the sheet numbers its rows.
namespace ListTestu {

inline QString Pozice(const char* vzor, std::size_t i)
{
    return QString::fromLatin1(vzor).arg(i + 1);
}

inline QChar Pismeno(std::size_t j) { return QChar(u'A' + static_cast<char16_t>(j)); }

}  // namespace ListTestu

template <typename Okno> QWidget* Strana(const Okno& t, std::size_t i)
{
    return Najdi<QWidget>(t, ListTestu::Pozice("List%1", i));
}
template <typename Okno> QGroupBox* Gb(const Okno& t, std::size_t i)
{
    return Najdi<QGroupBox>(t, ListTestu::Pozice("gb%1", i));
}
template <typename Okno> StatickyText* StO(const Okno& t, std::size_t i)
{
    return Najdi<StatickyText>(t, ListTestu::Pozice("st%1O", i));
}
template <typename Okno> StatickyText* StOdpoved(const Okno& t, std::size_t i, std::size_t j)
{
    return Najdi<StatickyText>(t, ListTestu::Pozice("st%1", i) + ListTestu::Pismeno(j));
}
// The first position's D box is named cd1D.
template <typename Okno> QCheckBox* CbOdpoved(const Okno& t, std::size_t i, std::size_t j)
{
    return Najdi<QCheckBox>(t,
                            i == 0 && j == 3
                                ? QStringLiteral("cd1D")
                                : ListTestu::Pozice("cb%1", i) + ListTestu::Pismeno(j));
}
template <typename Okno> QLabel* Img(const Okno& t, std::size_t i)
{
    return Najdi<QLabel>(t, ListTestu::Pozice("img%1", i));
}
// The status bar's panels panel0..panel3.
template <typename Okno> QLabel* Panel(const Okno& t, std::size_t i)
{
    return Najdi<QLabel>(t, QStringLiteral("panel%1").arg(i));
}
// The compared question's answers (named A..D), their letters and marks.
template <typename Okno> StatickyText* Porovnani(const Okno& t, std::size_t j)
{
    return Najdi<StatickyText>(t, QString(ListTestu::Pismeno(j)));
}
template <typename Okno> QLabel* PismenoPorovnani(const Okno& t, std::size_t j)
{
    return Najdi<QLabel>(t, QStringLiteral("lb") + ListTestu::Pismeno(j));
}
template <typename Okno> QLabel* ZnackaPorovnani(const Okno& t, std::size_t j)
{
    return Najdi<QLabel>(t, QStringLiteral("img") + ListTestu::Pismeno(j));
}
