#include "ui/Vzhled.h"

#include <QPalette>
#include <QWidget>

QFont PismoOkna(int pixelu, bool tucne)
{
    QFont pismo(QStringLiteral("Arial"));
    pismo.setPixelSize(pixelu);
    pismo.setBold(tucne);
    return pismo;
}

void ObarviPozadi(QWidget* w, const QColor& barva)
{
    QPalette paleta = w->palette();
    paleta.setColor(QPalette::Window, barva);
    w->setPalette(paleta);
    w->setAutoFillBackground(true);
}
