#include "ui/Grafy.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QPluginLoader>

namespace {

KnihovnaGrafu* Nacti(QString& chyba)
{
    for (QObject* o : QPluginLoader::staticInstances())
        if (auto* k = qobject_cast<KnihovnaGrafu*>(o))
            return k;
    const QDir program(QCoreApplication::applicationDirPath());
    const QString soubor = QStringLiteral("zebrovka-grafy.so");
    QStringList duvody;
    for (const QString& cesta :
         {program.filePath(soubor),
          QDir::cleanPath(program.filePath(QStringLiteral(ZK_KNIHOVNY_RELATIVNE "/") + soubor))}) {
        if (!QFileInfo::exists(cesta))
            continue;
        QPluginLoader zavadec(cesta);
        if (auto* k = qobject_cast<KnihovnaGrafu*>(zavadec.instance()))
            return k;  // stays loaded for the rest of the program
        duvody << zavadec.errorString();
    }
    chyba = duvody.isEmpty() ? QStringLiteral("Knihovna „%1“ nebyla nalezena.").arg(soubor)
                             : duvody.join(QLatin1Char('\n'));
    return nullptr;
}

}  // namespace

KnihovnaGrafu* NactiKnihovnuGrafu(QString* chyba)
{
    static KnihovnaGrafu* knihovna = nullptr;
    static QString duvod;
    if (!knihovna && duvod.isEmpty())
        knihovna = Nacti(duvod);
    if (chyba)
        *chyba = duvod;
    return knihovna;
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
