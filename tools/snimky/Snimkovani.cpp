#include "tools/snimky/Snimkovani.h"

#include "ui/CekaniNaOkno.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QPixmap>
#include <QPointer>
#include <QRegularExpression>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <memory>

Snimkovani::Snimkovani(const QString& adresarNapovedy) : help_(adresarNapovedy)
{
    help_.mkpath(QStringLiteral("obrazky"));
}

void Snimkovani::Uloz(QWidget* okno, const QString& jmeno)
{
    Pockej();
    const QString soubor =
        help_.filePath(QStringLiteral("obrazky/") + jmeno + QStringLiteral(".png"));
    if (!okno->grab().save(soubor, "PNG")) {
        std::fprintf(stderr, "nelze uložit %s\n", qPrintable(soubor));
        return;
    }
    ulozene_.append(jmeno);
    std::printf("snímek  %s.png\n", qPrintable(jmeno));
}

void Snimkovani::Uloz(const QString& obrazek, const QString& jmeno)
{
    const QString soubor =
        help_.filePath(QStringLiteral("obrazky/") + jmeno + QStringLiteral(".png"));
    if (!QImage(obrazek).save(soubor, "PNG")) {
        std::fprintf(stderr, "nelze převést %s\n", qPrintable(obrazek));
        return;
    }
    ulozene_.append(jmeno);
    std::printf("obrázek %s.png\n", qPrintable(jmeno));
}

void Snimkovani::Preskoc(const QString& jmeno, const QString& proc)
{
    std::printf("vynechán %s.png: %s\n", qPrintable(jmeno), qPrintable(proc));
}

QStringList Snimkovani::DoplnStranky() const
{
    static const QRegularExpression cekajici(QStringLiteral("<!--obrazek ([^|]+)\\|([^-]*)-->"));
    QStringList chybi;
    for (const QString& jmeno : help_.entryList({QStringLiteral("*.htm")}, QDir::Files)) {
        QFile soubor(help_.filePath(jmeno));
        if (!soubor.open(QIODevice::ReadOnly))
            continue;
        const QString puvodni = QString::fromUtf8(soubor.readAll());
        soubor.close();
        QString html;
        qsizetype od = 0;
        for (const auto& m : cekajici.globalMatch(puvodni)) {
            html += puvodni.mid(od, m.capturedStart() - od);
            od = m.capturedEnd();
            if (QFile::exists(help_.filePath(m.captured(1))))
                html +=
                    QStringLiteral("<img src=\"%1\" alt=\"%2\">").arg(m.captured(1), m.captured(2));
            else {
                html += m.captured();
                chybi.append(m.captured(1));
            }
        }
        html += puvodni.mid(od);
        if (html != puvodni && soubor.open(QIODevice::WriteOnly | QIODevice::Truncate))
            soubor.write(html.toUtf8());
    }
    return chybi;
}

namespace {

QObject& Cekani()
{
    static QObject* cekani = new QObject(qApp);
    return *cekani;
}

}  // namespace

void ZrusCekani()
{
    for (QTimer* casovac : Cekani().findChildren<QTimer*>(Qt::FindDirectChildrenOnly)) {
        casovac->stop();
        casovac->deleteLater();
    }
}

void PriOtevreni(std::function<void(QWidget*)> akce, QWidget* krome, bool povinne)
{
    std::function<void()> naVyprseni;
    if (povinne)
        naVyprseni = [] { std::fprintf(stderr, "očekávané okno se neotevřelo\n"); };
    PriDalsimModalnim(&Cekani(), std::move(akce), krome, 10, povinne ? 10000 : 2000,
                      std::move(naVyprseni));
}

void Pockej(int ms)
{
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
}
