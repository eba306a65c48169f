#include "tools/kresleni/Kresleni.h"

#include <QDir>
#include <QImageWriter>

const std::vector<KreslenyObrazek>& KresleneObrazky()
{
    static const std::vector<KreslenyObrazek> obrazky = {
        {"yes.jpg", &KresliAno},
        {"no.jpg", &KresliNe},
        {"mistake.jpg", &KresliChybu},
        {"pozadi.jpg", &KresliPozadi},
        {"ikona.png", &KresliIkonu},
    };
    return obrazky;
}

QString ZapisObrazky(const QString& adresar)
{
    if (!QDir().mkpath(adresar))
        return QStringLiteral("nelze vytvořit adresář %1").arg(adresar);
    for (const KreslenyObrazek& o : KresleneObrazky()) {
        const QString cesta = QDir(adresar).filePath(QString::fromLatin1(o.soubor));
        QImageWriter zapis(cesta);
        if (cesta.endsWith(QLatin1String(".jpg"))) {
            zapis.setFormat("jpeg");
            zapis.setQuality(95);
        } else {
            zapis.setFormat("png");
        }
        if (!zapis.write(o.kresli()))
            return QStringLiteral("%1: %2").arg(cesta, zapis.errorString());
    }
    return {};
}
