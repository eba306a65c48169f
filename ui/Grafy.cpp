#include "ui/Grafy.h"

#include "ui/Modul.h"

#include <QLabel>

KnihovnaGrafu* NactiKnihovnuGrafu(QString* chyba)
{
    return Modul<KnihovnaGrafu>(QStringLiteral("zebrovka-grafy.so"), chyba);
}

QWidget* NovyGraf(QWidget* rodic)
{
    QString chyba;
    if (KnihovnaGrafu* k = NactiKnihovnuGrafu(&chyba))
        return k->NovyGraf(rodic);
    auto* popisek = new QLabel(QStringLiteral("Graf nelze zobrazit.\n") + chyba, rodic);
    popisek->setAlignment(Qt::AlignCenter);
    popisek->setWordWrap(true);
    return popisek;
}

void UkazGraf(QWidget* graf, const PopisGrafu& popis)
{
    if (KnihovnaGrafu* k = NactiKnihovnuGrafu(); k && !qobject_cast<QLabel*>(graf))
        k->UkazGraf(graf, popis);
}
