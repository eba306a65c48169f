#pragma once

#include <QObject>
#include <QString>
#include <gtest/gtest.h>

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
