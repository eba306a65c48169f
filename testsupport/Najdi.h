#pragma once

#include <QAction>
#include <QObject>
#include <QString>
#include <QTimer>
#include <gtest/gtest.h>

#include <array>
#include <cstddef>
#include <memory>

// Finds a window's control by its object name and type; fails the test naming the control when
// it is missing, so tests reach controls the way a user does and never through a window's members.
template <typename T> T* Najdi(const QObject* okno, const QString& jmeno)
{
    T* prvek = okno ? okno->findChild<T*>(jmeno) : nullptr;
    if (!prvek) {
        ADD_FAILURE() << "Ovládací prvek chybí: " << jmeno.toStdString();
    }
    return prvek;
}

template <typename T, typename U> T* Najdi(const std::unique_ptr<U>& okno, const QString& jmeno)
{
    return Najdi<T>(okno.get(), jmeno);
}

// The name of the i-th control of a lettered row: Pismenem("st", 1) is "stB".
inline QString Pismenem(const char* predpona, std::size_t i)
{
    return QString::fromLatin1(predpona) + QChar(u'A' + static_cast<char16_t>(i));
}

// The four controls of a lettered row (predpona + A..D), e.g. the answers stA..stD.
template <typename T, typename Okno>
std::array<T*, 4> NajdiRadu(const Okno& okno, const char* predpona)
{
    std::array<T*, 4> rada {};
    for (std::size_t i = 0; i < rada.size(); ++i)
        rada[i] = Najdi<T>(okno, Pismenem(predpona, i));
    return rada;
}

// Chooses a window's menu command found by its object name, as a click on the menu item does
// (nothing happens while the command is disabled).
template <typename Okno> void Vyvolej(const Okno& okno, const QString& akce)
{
    if (QAction* a = Najdi<QAction>(okno, akce))
        a->trigger();
}

// The timer found by its object name runs out now: what it drives happens as when its time
// has passed.
template <typename Okno> void Vyprs(const Okno& okno, const QString& casovac)
{
    if (QTimer* t = Najdi<QTimer>(okno, casovac))
        QMetaObject::invokeMethod(t, "timeout", Qt::DirectConnection);
}
