#include "ui/Obrazky.h"

#include <QFileInfo>

namespace {

QString Dvojce(const QString& soubor, int nasobek)
{
    const QFileInfo info(soubor);
    const QString pripona = info.suffix();
    const QString zaklad =
        pripona.isEmpty() ? soubor : soubor.left(soubor.size() - pripona.size() - 1);
    return zaklad + QStringLiteral("@%1x").arg(nasobek)
        + (pripona.isEmpty() ? QString() : QLatin1Char('.') + pripona);
}

}  // namespace

QString SouborProMeritko(const QString& soubor, qreal pomer, int* nasobek)
{
    int vybrany = 1;
    QString vysledek = soubor;
    if (pomer > 1.0) {
        // The sharper twins in the order they are wanted: the one the ratio asks for first.
        const int poradi[2][2] = {{2, 4}, {4, 2}};
        for (int n : poradi[pomer > 2.0 ? 1 : 0]) {
            const QString dvojce = Dvojce(soubor, n);
            if (QFileInfo::exists(dvojce)) {
                vybrany = n;
                vysledek = dvojce;
                break;
            }
        }
    }
    if (nasobek)
        *nasobek = vybrany;
    return vysledek;
}

QPixmap ObrazekProMeritko(const QString& soubor, qreal pomer)
{
    int nasobek = 1;
    QPixmap obrazek(SouborProMeritko(soubor, pomer, &nasobek));
    if (obrazek.isNull() && nasobek != 1)
        obrazek.load(soubor);
    else
        obrazek.setDevicePixelRatio(nasobek);
    return obrazek;
}
