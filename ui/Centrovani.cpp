#include "ui/Centrovani.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

void VycentrujNad(QWidget* okno, const QWidget* otevirac)
{
    // A window given its size by hand keeps it; only the others are fitted to their contents
    // (which would also shrink a large window to two thirds of the screen).
    if (!okno->testAttribute(Qt::WA_Resized))
        okno->adjustSize();
    const QSize vlastni = okno->frameGeometry().size();
    QRect nad;
    if (otevirac)
        nad = otevirac->frameGeometry();
    else if (const QScreen* obrazovka = QGuiApplication::primaryScreen())
        nad = obrazovka->geometry();
    else
        return;
    // Integer division truncates toward zero, as the rule wants for negative differences too.
    okno->move(nad.left() + (nad.width() - vlastni.width()) / 2,
               nad.top() + (nad.height() - vlastni.height()) / 2);
}
