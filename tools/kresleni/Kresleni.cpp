#include "tools/kresleni/Kresleni.h"

#include <QDir>
#include <QImageWriter>

#include <utility>

const std::vector<KreslenyObrazek>& KresleneObrazky()
{
    static const std::vector<KreslenyObrazek> obrazky = {
        {"yes.jpg", &KresliAno, true},       {"no.jpg", &KresliNe, true},
        {"mistake.jpg", &KresliChybu, true}, {"pozadi.jpg", &KresliPozadi, true},
        {"ikona.png", &KresliIkonu, false},
    };
    return obrazky;
}

QString ZapisObrazky(const QString& adresar)
{
    if (!QDir().mkpath(adresar))
        return QStringLiteral("nelze vytvořit adresář %1").arg(adresar);
    for (const KreslenyObrazek& o : KresleneObrazky()) {
        const QString soubor = QString::fromLatin1(o.soubor);
        std::vector<std::pair<QString, int>> verze {{soubor, 1}};
        if (o.dvojcata)
            for (int n : kNasobkyDvojcat)
                verze.emplace_back(JmenoDvojcete(soubor, n), n);
        for (const auto& [jmeno, nasobek] : verze) {
            const QString cesta = QDir(adresar).filePath(jmeno);
            QImageWriter zapis(cesta);
            if (cesta.endsWith(QLatin1String(".jpg"))) {
                zapis.setFormat("jpeg");
                zapis.setQuality(95);
            } else {
                zapis.setFormat("png");
            }
            if (!zapis.write(o.kresli(nasobek)))
                return QStringLiteral("%1: %2").arg(cesta, zapis.errorString());
        }
    }
    return {};
}

QString JmenoDvojcete(const QString& soubor, int nasobek)
{
    const qsizetype tecka = soubor.lastIndexOf(QLatin1Char('.'));
    const QString zaklad = tecka < 0 ? soubor : soubor.left(tecka);
    return zaklad + QStringLiteral("@%1x").arg(nasobek)
        + (tecka < 0 ? QString() : soubor.mid(tecka));
}
