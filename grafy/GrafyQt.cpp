#include "grafy/GrafyQt.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QDateTime>
#include <QDateTimeAxis>
#include <QFontMetrics>
#include <QLineSeries>
#include <QPageLayout>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QValueAxis>

#include <algorithm>

namespace {

QAbstractAxis* Osa(const OsaGrafu& o)
{
    QAbstractAxis* osa = nullptr;
    if (!o.kategorie.isEmpty()) {
        auto* k = new QBarCategoryAxis;
        k->append(o.kategorie);
        osa = k;
    } else if (o.datum) {
        auto* d = new QDateTimeAxis;
        d->setFormat(o.format);
        d->setRange(QDateTime::fromMSecsSinceEpoch(qint64(o.od), Qt::UTC),
                    QDateTime::fromMSecsSinceEpoch(qint64(o.po), Qt::UTC));
        if (o.znacek > 0)
            d->setTickCount(o.znacek);
        osa = d;
    } else {
        auto* v = new QValueAxis;
        v->setRange(o.od, o.po);
        if (o.znacek > 0)
            v->setTickCount(o.znacek);
        if (!o.format.isEmpty())
            v->setLabelFormat(o.format);
        osa = v;
    }
    if (!o.titulek.isEmpty())
        osa->setTitleText(o.titulek);
    return osa;
}

}  // namespace

QWidget* GrafyQt::NovyGraf(QWidget* rodic)
{
    auto* pohled = new QChartView(rodic);
    pohled->setRenderHint(QPainter::Antialiasing);
    return pohled;
}

void GrafyQt::UkazGraf(QWidget* graf, const PopisGrafu& popis)
{
    auto* pohled = qobject_cast<QChartView*>(graf);
    if (!pohled)
        return;
    auto* novy = new QChart;
    novy->setTitle(popis.titulek);
    QList<QAbstractSeries*> rady;
    if (popis.sloupce) {
        auto* sloupce = new QBarSeries;
        for (const RadaGrafu& r : popis.rady) {
            auto* sada = new QBarSet(r.nazev);
            sada->append(r.sloupce);
            sloupce->append(sada);
        }
        rady << sloupce;
    } else {
        for (const RadaGrafu& r : popis.rady) {
            auto* cara = new QLineSeries;
            cara->setName(r.nazev);
            cara->append(r.body);
            cara->setPointsVisible(r.bodyViditelne);
            if (r.pero)
                cara->setPen(*r.pero);
            rady << cara;
        }
    }
    for (QAbstractSeries* r : rady)
        novy->addSeries(r);
    QAbstractAxis* osaX = Osa(popis.osaX);
    QAbstractAxis* osaY = Osa(popis.osaY);
    novy->addAxis(osaX, Qt::AlignBottom);
    novy->addAxis(osaY, Qt::AlignLeft);
    for (QAbstractSeries* r : rady) {
        r->attachAxis(osaX);
        r->attachAxis(osaY);
    }
    novy->legend()->setAlignment(Qt::AlignBottom);
    QChart* stary = pohled->chart();
    pohled->setChart(novy);
    delete stary;
}

KnihovnaGrafu::Tisk GrafyQt::Vytiskni(QWidget* rodic, const QString& dokument,
                                      const QStringList& radky, const QFont& pismo,
                                      QString& nazevTiskarny)
{
    QPrinter tiskarna(QPrinter::HighResolution);
    QPrintDialog dialog(&tiskarna, rodic);
    dialog.setObjectName(QStringLiteral("PrintDialog1"));
    if (dialog.exec() != QDialog::Accepted)
        return Tisk::Zruseno;
    tiskarna.setDocName(dokument);
    nazevTiskarny =
        tiskarna.outputFileName().isEmpty() ? tiskarna.printerName() : tiskarna.outputFileName();
    return VytiskniRadky(tiskarna, radky, pismo) ? Tisk::Vytisteno : Tisk::Selhalo;
}

bool GrafyQt::VytiskniRadky(QPrinter& tiskarna, const QStringList& radky, QFont pismo)
{
    tiskarna.setPageMargins(QMarginsF(20, 20, 20, 20), QPageLayout::Millimeter);
    QPainter malir;
    if (!malir.begin(&tiskarna))
        return false;
    const QRect strana = tiskarna.pageLayout().paintRectPixels(tiskarna.resolution());
    int nejsirsi = 0;
    for (const QString& radek : radky)
        nejsirsi = std::max(nejsirsi, QFontMetrics(pismo, &tiskarna).horizontalAdvance(radek));
    // A page too narrow for the widest line gets a smaller font rather than cut lines.
    if (nejsirsi > strana.width())
        pismo.setPointSizeF(pismo.pointSizeF() * strana.width() / nejsirsi * 0.98);
    malir.setFont(pismo);
    const QFontMetrics miry(malir.font(), &tiskarna);
    const int vyskaStrany = strana.height();
    const int krok = miry.lineSpacing();
    int y = 0;
    for (const QString& radek : radky) {
        if (y + krok > vyskaStrany && y > 0) {
            if (!tiskarna.newPage())
                return false;
            y = 0;
        }
        malir.drawText(0, y + miry.ascent(), radek);
        y += krok;
    }
    return malir.end();
}
