#include "tools/kresleni/Kresleni.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPen>

namespace {

constexpr int StranaZnacky = 18;

QImage BilyCtverec(int nasobek)
{
    QImage obraz(StranaZnacky * nasobek, StranaZnacky * nasobek, QImage::Format_RGB32);
    obraz.fill(Qt::white);
    return obraz;
}

// A stroke drawn twice, a slightly wider darker rim first, so that the mark keeps a crisp edge
// on white even after the JPEG coder has smeared the colours.
void Tah(QPainter& p, const QPainterPath& cesta, QColor barva, double sirka)
{
    QPen lem(barva.darker(150), sirka + 0.9, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.strokePath(cesta, lem);
    QPen jadro(barva, sirka, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.strokePath(cesta, jadro);
}

QPainterPath Fajfka()
{
    QPainterPath cesta;
    cesta.moveTo(3.6, 9.4);
    cesta.lineTo(7.4, 13.4);
    cesta.lineTo(14.6, 4.2);
    return cesta;
}

}  // namespace

QImage KresliAno(int nasobek)
{
    QImage obraz = BilyCtverec(nasobek);
    QPainter p(&obraz);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(nasobek, nasobek);
    Tah(p, Fajfka(), QColor(22, 160, 44), 2.4);
    return obraz;
}

QImage KresliNe(int nasobek)
{
    QImage obraz = BilyCtverec(nasobek);
    QPainter p(&obraz);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(nasobek, nasobek);
    QPainterPath krizek;
    krizek.moveTo(4.5, 4.5);
    krizek.lineTo(13.5, 13.5);
    krizek.moveTo(13.5, 4.5);
    krizek.lineTo(4.5, 13.5);
    Tah(p, krizek, QColor(214, 28, 28), 2.4);
    return obraz;
}

QImage KresliChybu(int nasobek)
{
    QImage obraz = BilyCtverec(nasobek);
    QPainter p(&obraz);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(nasobek, nasobek);
    Tah(p, Fajfka(), QColor(30, 90, 220), 2.4);
    // A shallow stroke crosses only the long arm, so the tick stays a tick and is not read as a
    // cross.
    QPainterPath skrtnuti;
    skrtnuti.moveTo(2.6, 5.4);
    skrtnuti.lineTo(15.4, 12.6);
    Tah(p, skrtnuti, QColor(16, 40, 140), 1.5);
    return obraz;
}

void KresliIkonu(QPainter& p)
{
    p.setRenderHint(QPainter::Antialiasing);

    QLinearGradient asfalt(0, 0, 0, 32);
    asfalt.setColorAt(0, QColor(92, 96, 104));
    asfalt.setColorAt(1, QColor(44, 46, 52));
    p.setPen(QPen(QColor(30, 30, 34), 1));
    p.setBrush(asfalt);
    p.drawRoundedRect(QRectF(1.5, 1.5, 29, 29), 6, 6);

    // Stripes of the crossing seen in perspective: narrow at the far edge, wide at the near one.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(250, 250, 246));
    const double horni = 7.0, dolni = 26.0;
    for (int i = 0; i < 4; ++i) {
        const double nahore = 9.5 + i * 3.6, dole = 4.0 + i * 7.0;
        QPolygonF pruh;
        pruh << QPointF(nahore, horni) << QPointF(nahore + 2.0, horni) << QPointF(dole + 4.2, dolni)
             << QPointF(dole, dolni);
        p.drawPolygon(pruh);
    }
    p.setBrush(QColor(250, 204, 40));
    p.drawRect(QRectF(4, 4.2, 24, 1.3));
}

QImage KresliIkonu(int nasobek)
{
    QImage obraz(32 * nasobek, 32 * nasobek, QImage::Format_ARGB32_Premultiplied);
    obraz.fill(Qt::transparent);
    QPainter p(&obraz);
    p.scale(nasobek, nasobek);
    KresliIkonu(p);
    return obraz;
}
