#include "tools/kresleni/Ikona.h"

#include "tools/kresleni/Kresleni.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>
#include <QSvgRenderer>

QString ZapisIkonuSvg(const QString& soubor)
{
    // Written to memory first: the generator reports no write error of its own.
    QByteArray obsah;
    {
        QBuffer pamet(&obsah);
        QSvgGenerator svg;
        svg.setOutputDevice(&pamet);
        svg.setSize(QSize(256, 256));
        svg.setViewBox(QRectF(0, 0, 32, 32));
        svg.setTitle(QStringLiteral("Zebrovka"));
        svg.setDescription(QStringLiteral("Přechod pro chodce na asfaltu"));
        QPainter p;
        if (!p.begin(&svg))
            return QStringLiteral("%1: nelze kreslit do SVG").arg(soubor);
        KresliIkonu(p);
        p.end();
    }
    QFile cil(soubor);
    if (!cil.open(QIODevice::WriteOnly | QIODevice::Truncate) || cil.write(obsah) != obsah.size()
        || !cil.flush())
        return QStringLiteral("%1: %2").arg(soubor, cil.errorString());
    return {};
}

QString VykresliIkony(const QString& svg, const QString& adresar)
{
    QSvgRenderer kresba(svg);
    if (!kresba.isValid())
        return QStringLiteral("%1: není platné SVG").arg(svg);
    for (const int n : kVelikostiIkony) {
        const QString slozka = QStringLiteral("%1/%2x%2/apps").arg(adresar).arg(n);
        if (!QDir().mkpath(slozka))
            return QStringLiteral("nelze vytvořit adresář %1").arg(slozka);
        QImage obraz(n, n, QImage::Format_ARGB32_Premultiplied);
        obraz.fill(Qt::transparent);
        QPainter p(&obraz);
        p.setRenderHint(QPainter::Antialiasing);
        kresba.render(&p, QRectF(0, 0, n, n));
        p.end();
        const QString soubor = QStringLiteral("%1/%2.png").arg(slozka, QLatin1String(kJmenoIkony));
        if (!obraz.save(soubor, "png"))
            return QStringLiteral("%1: nelze zapsat").arg(soubor);
    }
    return {};
}
