#include "ui/Jazyk.h"

#include <QLabel>

void ZkracenyText(QLabel* popisek, const QString& text, int sirka)
{
    const QString zkraceny = popisek->fontMetrics().elidedText(text, Qt::ElideRight, sirka);
    popisek->setText(zkraceny);
    popisek->setToolTip(zkraceny == text ? QString() : text);
    popisek->setAccessibleName(zkraceny == text ? QString() : text);
}
