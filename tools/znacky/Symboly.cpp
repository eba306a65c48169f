#include "tools/znacky/Symboly.h"

#include <QPainterPath>
#include <QPolygonF>
#include <QStringList>

#include <cmath>
#include <initializer_list>

namespace {

// ---------------------------------------------------------------- stroke font
// A glyph is a set of polylines on a grid 4 wide and 6 high (capitals), separated by '|'.
const std::map<QChar, const char*>& Glyfy()
{
    static const std::map<QChar, const char*> glyfy = {
        {'0', "1,0 3,0 4,1 4,5 3,6 1,6 0,5 0,1 1,0"},
        {'1', "0.8,1.4 2.6,0 2.6,6"},
        {'2', "0,1.2 1,0 3,0 4,1 4,2.2 0,6 4,6"},
        {'3', "0.2,0 4,0 1.8,2.6 3,2.6 4,3.6 4,5 3,6 1,6 0,5"},
        {'4', "3,6 3,0 0,4.2 4,4.2"},
        {'5', "3.8,0 0.4,0 0.1,2.6 3,2.6 4,3.6 4,5 3,6 1,6 0,5"},
        {'6', "3.4,0 1.6,0 0,2 0,5 1,6 3,6 4,5 4,3.6 3,2.7 0,2.7"},
        {'7', "0,0 4,0 1.4,6"},
        {'8', "1,0 3,0 4,1 4,2 3,2.9 1,2.9 0,3.9 0,5 1,6 3,6 4,5 4,3.9 3,2.9|1,2.9 0,2 0,1 1,0"},
        {'9', "0.6,6 2.4,6 4,4 4,1 3,0 1,0 0,1 0,2.4 1,3.3 4,3.3"},
        {'A', "0,6 2,0 4,6|0.7,4 3.3,4"},
        {'B', "0,3 3,3 4,4 4,5 3,6 0,6 0,0 2.8,0 3.8,0.9 3.8,2.1 2.8,3"},
        {'C', "4,1 3,0 1,0 0,1 0,5 1,6 3,6 4,5"},
        {'D', "0,0 0,6 2.4,6 4,4.4 4,1.6 2.4,0 0,0"},
        {'E', "4,0 0,0 0,6 4,6|0,3 3,3"},
        {'H', "0,0 0,6|4,0 4,6|0,3 4,3"},
        {'I', "2,0 2,6"},
        {'K', "0,0 0,6|4,0 0,3.6|1.3,2.6 4,6"},
        {'L', "0,0 0,6 4,6"},
        {'M', "0,6 0,0 2,3.4 4,0 4,6"},
        {'N', "0,6 0,0 4,6 4,0"},
        {'O', "1,0 3,0 4,1 4,5 3,6 1,6 0,5 0,1 1,0"},
        {QChar(0xD3), "1,0 3,0 4,1 4,5 3,6 1,6 0,5 0,1 1,0|1.6,-0.7 2.8,-1.7"},
        {QChar(0xC1), "0,6 2,0 4,6|0.7,4 3.3,4|2.2,-0.7 3.4,-1.7"},
        {'P', "0,6 0,0 3,0 4,1 4,2 3,3 0,3"},
        {'R', "0,6 0,0 3,0 4,1 4,2 3,3 0,3|2,3 4,6"},
        {'S', "4,1 3,0 1,0 0,1 0,2 1,3 3,3 4,4 4,5 3,6 1,6 0,5"},
        {'T', "0,0 4,0|2,0 2,6"},
        {'U', "0,0 0,5 1,6 3,6 4,5 4,0"},
        {'V', "0,0 2,6 4,0"},
        {'X', "0,0 4,6|4,0 0,6"},
        {'Y', "0,0 2,3 4,0|2,3 2,6"},
        {'Z', "0,0 4,0 0,6 4,6"},
        {'k', "0,0 0,6|3.4,2.4 0,4.6|1.2,3.8 3.4,6"},
        {'m', "0,6 0,2.4|0,3.2 0.7,2.4 1.4,2.4 2,3 2,6|2,3 2.6,2.4 3.3,2.4 4,3.2 4,6"},
        {'t', "1.4,0.4 1.4,5.2 2.2,6 3.4,6|0.2,2.4 3.2,2.4"},
        {'h', "0,0 0,6|0,3.3 1,2.4 3,2.4 4,3.4 4,6"},
        {'%',
         "0,6 4,0|0.4,0.2 1.4,0.2 1.4,1.6 0.4,1.6 0.4,0.2|2.6,4.4 3.6,4.4 3.6,5.8 2.6,5.8 2.6,4.4"},
        {',', "1.6,5.2 1.6,6 1,7.2"},
        {'.', "1.6,5.6 1.6,6"},
        {'-', "0.6,3.2 3.4,3.2"},
        {'+', "0.4,3 3.6,3|2,1.4 2,4.6"},
        {':', "2,1.8 2,2.2|2,5.6 2,6"},
    };
    return glyfy;
}

double SirkaZnaku(QChar z)
{
    return z == ' ' ? 2.4 : (z == '1' || z == 'I' || z == ',' || z == '.' || z == ':') ? 2.6 : 4.0;
}

// ---------------------------------------------------------------- drawing helpers
void Pero(QPainter& p, const QColor& c, double w, Qt::PenCapStyle cap = Qt::RoundCap)
{
    p.setPen(QPen(c, w, Qt::SolidLine, cap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
}

void Plne(QPainter& p, const QColor& c)
{
    p.setPen(Qt::NoPen);
    p.setBrush(c);
}

QPolygonF Body(std::initializer_list<QPointF> body) { return QPolygonF(QList<QPointF>(body)); }

void Mnohouhelnik(QPainter& p, const QColor& c, std::initializer_list<QPointF> body)
{
    Plne(p, c);
    p.drawPolygon(Body(body));
}

void Kruh(QPainter& p, const QColor& c, QPointF s, double r)
{
    Plne(p, c);
    p.drawEllipse(s, r, r);
}

// Arrow head: a triangle with its tip at `spicka`, pointing along `smer` (unit vector).
void Hrot(QPainter& p, const QColor& c, QPointF spicka, QPointF smer, double delka, double sirka)
{
    const QPointF n(-smer.y(), smer.x());
    const QPointF zaklad = spicka - smer * delka;
    Mnohouhelnik(p, c, {spicka, zaklad + n * (sirka / 2), zaklad - n * (sirka / 2)});
}

// A shaft along a polyline ending in an arrow head.
void Sipka(QPainter& p, const QColor& c, std::initializer_list<QPointF> body, double tloustka)
{
    QList<QPointF> b(body);
    const QPointF konec = b.last();
    const QPointF pred = b.at(b.size() - 2);
    QPointF smer = konec - pred;
    smer /= std::hypot(smer.x(), smer.y());
    const double hrot = tloustka * 2.4;
    b.last() = konec - smer * (hrot * 0.9);
    Pero(p, c, tloustka, Qt::FlatCap);
    p.drawPolyline(QPolygonF(b));
    Hrot(p, c, konec, smer, hrot, tloustka * 3.2);
}

// ---------------------------------------------------------------- the symbols
void Text(QPainter& p, const KontextSymbolu& k)
{
    KresliText(p, k.text, {0, 0}, 1.0, k.barva, 0.17);
}

void SipkaRovne(QPainter& p, const KontextSymbolu& k)
{
    Sipka(p, k.barva, {{0, 0.95}, {0, -0.95}}, 0.28);
}

void SipkaVpravo(QPainter& p, const KontextSymbolu& k)  // ahead, then right
{
    Sipka(p, k.barva, {{-0.4, 0.95}, {-0.4, -0.2}, {0.95, -0.2}}, 0.28);
}

void SipkaRovneAVpravo(QPainter& p, const KontextSymbolu& k)
{
    Sipka(p, k.barva, {{-0.3, 0.95}, {-0.3, -0.95}}, 0.26);
    Sipka(p, k.barva, {{-0.3, 0.3}, {0.95, 0.3}}, 0.26);
}

void SipkaOtoceni(QPainter& p, const KontextSymbolu& k)  // a U-turn to the left
{
    QPainterPath cesta({0.35, 0.95});
    cesta.lineTo(0.35, -0.2);
    cesta.arcTo(QRectF(-0.35, -0.55, 0.7, 0.7), 0, 180);
    cesta.lineTo(-0.35, 0.2);
    Pero(p, k.barva, 0.24, Qt::FlatCap);
    p.drawPath(cesta);
    Hrot(p, k.barva, {-0.35, 0.85}, {0, 1}, 0.62, 0.72);
}

void KruhSipky(QPainter& p, const KontextSymbolu& k)  // three arrows round a circle, anticlockwise
{
    const double r = 0.62;
    for (int i = 0; i < 3; ++i) {
        const double zacatek = 100 + 120 * i, rozsah = 70;
        Pero(p, k.barva, 0.22, Qt::FlatCap);
        p.drawArc(QRectF(-r, -r, 2 * r, 2 * r), int(zacatek * 16), int(rozsah * 16));
        auto bod = [r](double stupne) {
            const double t = stupne * M_PI / 180;
            return QPointF(r * std::cos(t), -r * std::sin(t));
        };
        const QPointF spicka = bod(zacatek + rozsah + 24), zaklad = bod(zacatek + rozsah - 8);
        QPointF smer = spicka - zaklad;
        smer /= std::hypot(smer.x(), smer.y());
        Hrot(p, k.barva, spicka, smer, 0.42, 0.6);
    }
}

void Zatacka(QPainter& p, const KontextSymbolu& k)  // A1a: a bend to the right
{
    QPainterPath c({-0.12, 0.95});
    c.lineTo(-0.12, 0.1);
    c.cubicTo(-0.12, -0.45, 0.1, -0.7, 0.55, -0.82);
    Pero(p, k.barva, 0.3, Qt::FlatCap);
    p.drawPath(c);
}

void DvojitaZatacka(QPainter& p, const KontextSymbolu& k)  // first to the right; mirrored: left
{
    QPainterPath c({-0.2, 0.95});
    c.lineTo(-0.2, 0.55);
    c.cubicTo(-0.2, 0.15, 0.3, 0.2, 0.3, -0.2);
    c.cubicTo(0.3, -0.55, -0.05, -0.72, -0.38, -0.85);
    Pero(p, k.barva, 0.26, Qt::FlatCap);
    p.drawPath(c);
}

void Krizovatka(QPainter& p, const KontextSymbolu& k)
{
    Plne(p, k.barva);
    p.drawRect(QRectF(-0.16, -0.95, 0.32, 1.9));
    p.drawRect(QRectF(-0.8, -0.16, 1.6, 0.32));
}

void KrizovatkaHlavni(QPainter& p, const KontextSymbolu& k)  // P1: the main road thick
{
    Plne(p, k.barva);
    p.drawRect(QRectF(-0.2, -0.95, 0.4, 1.9));
    p.drawRect(QRectF(-0.8, -0.08, 1.6, 0.16));
}

void Klesani(QPainter& p, const KontextSymbolu& k)  // A5a: a slope falling to the right, its figure
{
    Mnohouhelnik(p, k.barva, {{-0.95, 0.75}, {0.95, 0.75}, {0.95, 0.45}, {-0.95, -0.15}});
    KresliText(p, k.text, {0.3, -0.45}, 0.5, k.barva, 0.1);
}

void Zuzeni(QPainter& p, const KontextSymbolu& k)  // A6b: the right edge comes in
{
    Pero(p, k.barva, 0.17, Qt::FlatCap);
    p.drawLine(QPointF(-0.42, 0.95), QPointF(-0.42, -0.95));
    p.drawPolyline(Body({{0.45, 0.95}, {0.45, 0.25}, {0.1, -0.2}, {0.1, -0.95}}));
}

void Prah(QPainter& p, const KontextSymbolu& k)  // a road hump on the surface line
{
    Plne(p, k.barva);
    QPainterPath c({-0.95, 0.7});
    c.lineTo(-0.95, 0.42);
    c.lineTo(-0.45, 0.42);
    c.cubicTo(-0.3, -0.2, 0.3, -0.2, 0.45, 0.42);
    c.lineTo(0.95, 0.42);
    c.lineTo(0.95, 0.7);
    c.closeSubpath();
    p.drawPath(c);
}

void AutoZezadu(QPainter& p, const QColor& c)
{
    Plne(p, c);
    p.drawRoundedRect(QRectF(-0.5, -0.25, 1.0, 0.42), 0.08, 0.08);
    p.drawPolygon(Body({{-0.36, -0.25}, {-0.26, -0.58}, {0.26, -0.58}, {0.36, -0.25}}));
    p.drawRect(QRectF(-0.46, 0.15, 0.2, 0.18));
    p.drawRect(QRectF(0.26, 0.15, 0.2, 0.18));
}

void Smyk(QPainter& p, const KontextSymbolu& k)  // A8: a car with two wavy tracks behind it
{
    p.save();
    p.translate(0, -0.3);
    p.scale(0.8, 0.8);
    AutoZezadu(p, k.barva);
    p.restore();
    Pero(p, k.barva, 0.09);
    for (double x : {-0.2, 0.2}) {
        QPainterPath c({x, -0.02});
        c.cubicTo(x + 0.45, 0.25, x - 0.45, 0.55, x, 0.95);
        p.drawPath(c);
    }
}

void AutoZepredu(QPainter& p, const KontextSymbolu& k)
{
    Plne(p, k.barva);
    p.drawRoundedRect(QRectF(-0.62, -0.12, 1.24, 0.55), 0.12, 0.12);
    p.drawPolygon(Body({{-0.48, -0.1}, {-0.34, -0.6}, {0.34, -0.6}, {0.48, -0.1}}));
    p.drawRect(QRectF(-0.58, 0.38, 0.26, 0.3));
    p.drawRect(QRectF(0.32, 0.38, 0.26, 0.3));
}

void NakladniZepredu(QPainter& p, const KontextSymbolu& k)
{
    Plne(p, k.barva);
    p.drawRoundedRect(QRectF(-0.6, -0.85, 1.2, 1.35), 0.08, 0.08);
    p.drawRect(QRectF(-0.56, 0.45, 0.28, 0.35));
    p.drawRect(QRectF(0.28, 0.45, 0.28, 0.35));
}

void ObousmerneSipky(QPainter& p,
                     const KontextSymbolu& k)  // A9: own direction right, oncoming left
{
    Sipka(p, k.barva, {{-0.35, -0.9}, {-0.35, 0.95}}, 0.24);
    Sipka(p, k.barva, {{0.35, 0.9}, {0.35, -0.95}}, 0.24);
}

void SemaforMaly(QPainter& p, const KontextSymbolu& k)  // A10: a signal head in its colours
{
    Plne(p, k.barva);
    p.drawRoundedRect(QRectF(-0.32, -0.95, 0.64, 1.9), 0.14, 0.14);
    Kruh(p, QColor(220, 30, 30), {0, -0.58}, 0.22);
    Kruh(p, QColor(250, 190, 0), {0, 0}, 0.22);
    Kruh(p, QColor(20, 170, 70), {0, 0.58}, 0.22);
}

void Chodec(QPainter& p, const KontextSymbolu& k)  // walking to the right
{
    Kruh(p, k.barva, {0.08, -0.76}, 0.17);
    Pero(p, k.barva, 0.2);
    p.drawLine(QPointF(0.03, -0.5), QPointF(-0.05, 0.15));
    Pero(p, k.barva, 0.15);
    p.drawPolyline(Body({{-0.05, 0.15}, {0.12, 0.5}, {0.35, 0.92}}));
    p.drawPolyline(Body({{-0.05, 0.15}, {-0.2, 0.55}, {-0.42, 0.92}}));
    p.drawPolyline(Body({{0.02, -0.42}, {0.25, -0.18}, {0.38, 0.05}}));
    p.drawPolyline(Body({{0.02, -0.42}, {-0.22, -0.16}, {-0.35, 0.08}}));
}

void Zebra(QPainter& p, const KontextSymbolu& k)  // a short zebra crossing seen in perspective
{
    Plne(p, k.barva);
    for (int i = 0; i < 5; ++i) {
        const double x = -0.9 + i * 0.4;
        p.drawPolygon(Body({{x, 0.2}, {x + 0.22, 0.2}, {x + 0.12, -0.2}, {x - 0.06, -0.2}}));
    }
}

void Prace(QPainter& p, const KontextSymbolu& k)  // A15: a worker digging a heap
{
    Kruh(p, k.barva, {-0.28, -0.68}, 0.16);
    Pero(p, k.barva, 0.2);
    p.drawLine(QPointF(-0.32, -0.45), QPointF(-0.5, 0.2));
    Pero(p, k.barva, 0.14);
    p.drawPolyline(Body({{-0.5, 0.2}, {-0.3, 0.55}, {-0.3, 0.9}}));
    p.drawPolyline(Body({{-0.5, 0.2}, {-0.72, 0.9}}));
    p.drawPolyline(Body({{-0.36, -0.35}, {-0.05, -0.1}}));
    Pero(p, k.barva, 0.08);
    p.drawLine(QPointF(-0.25, -0.45), QPointF(0.25, 0.45));
    Mnohouhelnik(p, k.barva, {{0.15, 0.38}, {0.4, 0.5}, {0.3, 0.62}});
    Mnohouhelnik(p, k.barva, {{0.2, 0.9}, {0.55, 0.45}, {0.95, 0.9}});
}

void Vykricnik(QPainter& p, const KontextSymbolu& k)
{
    Mnohouhelnik(p, k.barva, {{-0.17, -0.95}, {0.17, -0.95}, {0.08, 0.35}, {-0.08, 0.35}});
    Kruh(p, k.barva, {0, 0.72}, 0.16);
}

void Plot(QPainter& p, const KontextSymbolu& k)  // A29: the gate of a crossing with barriers
{
    Plne(p, k.barva);
    for (int i = 0; i < 4; ++i)
        p.drawPolygon(Body({{-0.8 + i * 0.5, 0.8},
                            {-0.62 + i * 0.5, 0.8},
                            {-0.62 + i * 0.5, -0.55},
                            {-0.71 + i * 0.5, -0.75},
                            {-0.8 + i * 0.5, -0.55}}));
    p.drawRect(QRectF(-0.95, -0.3, 1.9, 0.14));
    p.drawRect(QRectF(-0.95, 0.3, 1.9, 0.14));
}

void Lokomotiva(QPainter& p, const KontextSymbolu& k)  // A30: a steam engine heading left
{
    Plne(p, k.barva);
    p.drawRect(QRectF(-0.85, -0.25, 1.15, 0.5));  // boiler
    p.drawRect(QRectF(0.3, -0.7, 0.55, 0.95));  // cab
    p.drawRect(QRectF(0.22, -0.78, 0.72, 0.1));  // cab roof
    p.drawRect(QRectF(-0.72, -0.62, 0.18, 0.4));  // chimney
    p.drawRect(QRectF(-0.28, -0.45, 0.2, 0.22));  // dome
    p.drawRect(QRectF(-0.95, 0.22, 1.9, 0.12));  // frame
    Mnohouhelnik(p, k.barva, {{-0.95, 0.34}, {-0.95, 0.6}, {-0.75, 0.34}});  // cow catcher
    for (double x : {-0.5, -0.05, 0.5})
        Kruh(p, k.barva, {x, 0.55}, 0.21);
}

void Tramvaj(QPainter& p, const KontextSymbolu& k)
{
    Plne(p, k.barva);
    p.drawRoundedRect(QRectF(-0.95, -0.35, 1.9, 0.75), 0.15, 0.15);
    p.drawRect(QRectF(-0.9, 0.45, 1.8, 0.08));
    Pero(p, k.barva, 0.08);
    p.drawPolyline(Body({{-0.3, -0.35}, {0.05, -0.7}, {-0.2, -0.85}}));
    p.drawLine(QPointF(-0.45, -0.85), QPointF(0.1, -0.85));
}

void Autobus(QPainter& p, const KontextSymbolu& k)  // side view heading left
{
    Plne(p, k.barva);
    QPainterPath c;
    c.addRoundedRect(QRectF(-0.95, -0.55, 1.9, 0.95), 0.14, 0.14);
    for (int i = 0; i < 4; ++i)
        c.addRect(QRectF(-0.72 + i * 0.42, -0.42, 0.32, 0.3));
    c.setFillRule(Qt::OddEvenFill);
    p.drawPath(c);
    Kruh(p, k.barva, {-0.55, 0.42}, 0.2);
    Kruh(p, k.barva, {0.55, 0.42}, 0.2);
}

void Auto(QPainter& p, const KontextSymbolu& k)  // side view heading left
{
    Plne(p, k.barva);
    p.drawRoundedRect(QRectF(-0.95, -0.1, 1.9, 0.42), 0.12, 0.12);
    p.drawPolygon(Body({{-0.5, -0.08}, {-0.25, -0.5}, {0.42, -0.5}, {0.66, -0.08}}));
    Kruh(p, k.barva, {-0.52, 0.34}, 0.22);
    Kruh(p, k.barva, {0.55, 0.34}, 0.22);
}

void Nakladni(QPainter& p, const KontextSymbolu& k)  // side view heading left
{
    Plne(p, k.barva);
    p.drawPolygon(
        Body({{-0.95, 0.35}, {-0.95, -0.1}, {-0.78, -0.45}, {-0.45, -0.45}, {-0.45, 0.35}}));
    p.drawRect(QRectF(-0.4, -0.7, 1.35, 1.02));
    p.drawRect(QRectF(-0.95, 0.3, 1.9, 0.1));
    for (double x : {-0.68, 0.35, 0.72})
        Kruh(p, k.barva, {x, 0.45}, 0.19);
}

void Motocykl(QPainter& p, const KontextSymbolu& k)
{
    Pero(p, k.barva, 0.11);
    p.drawEllipse(QPointF(-0.6, 0.42), 0.3, 0.3);
    p.drawEllipse(QPointF(0.6, 0.42), 0.3, 0.3);
    Pero(p, k.barva, 0.14);
    p.drawPolyline(Body({{-0.6, 0.42}, {-0.35, -0.15}, {-0.45, -0.45}}));
    p.drawLine(QPointF(-0.58, -0.45), QPointF(-0.32, -0.45));
    Mnohouhelnik(p, k.barva,
                 {{-0.35, -0.15}, {0.2, -0.2}, {0.45, 0.0}, {0.6, 0.42}, {0.0, 0.3}, {-0.3, 0.1}});
    Plne(p, k.barva);
    p.drawRoundedRect(QRectF(0.0, -0.35, 0.55, 0.14), 0.06, 0.06);
}

void Kolo(QPainter& p, const KontextSymbolu& k)
{
    Pero(p, k.barva, 0.1);
    p.drawEllipse(QPointF(-0.55, 0.35), 0.36, 0.36);
    p.drawEllipse(QPointF(0.55, 0.35), 0.36, 0.36);
    p.drawPolyline(Body({{-0.55, 0.35}, {-0.1, 0.35}, {0.35, -0.22}, {-0.3, -0.22}, {-0.1, 0.35}}));
    p.drawPolyline(Body({{0.55, 0.35}, {0.3, -0.45}, {0.1, -0.5}}));
    p.drawLine(QPointF(-0.3, -0.22), QPointF(-0.38, -0.42));
    Pero(p, k.barva, 0.13);
    p.drawLine(QPointF(-0.5, -0.44), QPointF(-0.24, -0.44));
}

void Trojuhelnik(QPainter& p, const KontextSymbolu& k)  // tip up
{
    Mnohouhelnik(p, k.barva, {{0, -0.6}, {0.7, 0.6}, {-0.7, 0.6}});
}

void Pruh(QPainter& p, const KontextSymbolu& k)  // a bar across (B2)
{
    Plne(p, k.barva);
    p.drawRect(QRectF(-0.82, -0.2, 1.64, 0.4));
}

void SlepaKomunikace(QPainter& p, const KontextSymbolu& k)  // IP10a: white stem, red top
{
    Plne(p, k.barva);
    p.drawRect(QRectF(-0.2, -0.4, 0.4, 1.35));
    Plne(p, QColor(200, 16, 30));
    p.drawRect(QRectF(-0.62, -0.85, 1.24, 0.45));
}

void Dalnice(QPainter& p, const KontextSymbolu& k)  // two carriageways under a bridge
{
    Plne(p, k.barva);
    p.drawRect(QRectF(-0.95, -0.72, 1.9, 0.26));
    p.drawPolygon(Body({{-0.95, 0.92}, {-0.12, 0.92}, {-0.06, -0.34}, {-0.36, -0.34}}));
    p.drawPolygon(Body({{0.95, 0.92}, {0.12, 0.92}, {0.06, -0.34}, {0.36, -0.34}}));
}

void Tunel(QPainter& p, const KontextSymbolu& k)  // a portal with its dark mouth
{
    Plne(p, k.barva);
    p.drawRect(QRectF(-0.9, -0.65, 1.8, 1.5));
    QPainterPath usti({-0.55, 0.85});
    usti.lineTo(-0.55, 0.0);
    usti.arcTo(QRectF(-0.55, -0.5, 1.1, 1.0), 180, -180);
    usti.lineTo(0.55, 0.85);
    usti.closeSubpath();
    Plne(p, QColor(20, 20, 20));
    p.drawPath(usti);
}

void Dum(QPainter& p, const KontextSymbolu& k)
{
    Mnohouhelnik(p, k.barva, {{-0.8, 0.9}, {-0.8, -0.15}, {0, -0.9}, {0.8, -0.15}, {0.8, 0.9}});
}

void Zver(QPainter& p, const KontextSymbolu& k)  // A14: a leaping deer, heading right
{
    Plne(p, k.barva);
    p.drawEllipse(QPointF(-0.1, 0.05), 0.55, 0.22);
    p.drawPolygon(Body({{0.3, -0.05}, {0.45, -0.5}, {0.62, -0.5}, {0.5, 0.05}}));  // neck
    p.drawEllipse(QPointF(0.68, -0.52), 0.2, 0.1);  // head
    Pero(p, k.barva, 0.08);
    p.drawPolyline(Body({{0.5, -0.6}, {0.42, -0.92}, {0.3, -1.0}}));
    p.drawLine(QPointF(0.44, -0.82), QPointF(0.6, -0.95));
    Pero(p, k.barva, 0.11);
    p.drawPolyline(Body({{0.3, 0.15}, {0.6, 0.45}, {0.85, 0.4}}));  // front legs forward
    p.drawPolyline(Body({{0.2, 0.2}, {0.45, 0.6}, {0.7, 0.65}}));
    p.drawPolyline(Body({{-0.5, 0.15}, {-0.8, 0.45}, {-0.95, 0.8}}));  // hind legs back
    p.drawPolyline(Body({{-0.4, 0.2}, {-0.62, 0.55}, {-0.75, 0.9}}));
    p.drawLine(QPointF(-0.62, -0.05), QPointF(-0.75, -0.2));  // tail
}

// Road markings: drawn over the whole picture box.
void CaraSouvisla(QPainter& p, const KontextSymbolu& k)
{
    Plne(p, k.barva);
    p.drawRect(QRectF(-0.045, -1.05, 0.09, 2.1));
}

void CaraPrerusovana(QPainter& p, const KontextSymbolu& k)
{
    Plne(p, k.barva);
    for (double y = -1.0; y < 1.0; y += 0.6)
        p.drawRect(QRectF(-0.045, y, 0.09, 0.3));
}

void PricnaCara(QPainter& p, const KontextSymbolu& k)
{
    Plne(p, k.barva);
    p.drawRect(QRectF(-1.0, -0.07, 2.0, 0.14));
}

void PrechodVozovka(QPainter& p, const KontextSymbolu& k)  // V7a seen from above
{
    Plne(p, k.barva);
    for (double x = -0.92; x < 0.95; x += 0.3)
        p.drawRect(QRectF(x, -0.35, 0.16, 0.7));
}

void SikmeCary(QPainter& p, const KontextSymbolu& k)  // V13: a hatched area with its border
{
    p.save();
    QPainterPath oblast;
    oblast.addPolygon(Body({{0, -1.05}, {0.3, 0.2}, {0.3, 1.05}, {-0.3, 1.05}, {-0.3, 0.2}}));
    oblast.closeSubpath();
    p.setClipPath(oblast);
    Pero(p, k.barva, 0.07, Qt::FlatCap);
    for (double y = -1.4; y < 1.4; y += 0.22)
        p.drawLine(QPointF(-0.4, y + 0.3), QPointF(0.4, y - 0.3));
    p.restore();
    Pero(p, k.barva, 0.06);
    p.drawPath(oblast);
}

void Chodnik(QPainter& p, const KontextSymbolu&)  // a pavement along the right edge
{
    Plne(p, QColor(196, 192, 186));
    p.drawRect(QRectF(0.62, -1.05, 0.5, 2.1));
    Plne(p, QColor(235, 235, 232));
    p.drawRect(QRectF(0.58, -1.05, 0.06, 2.1));
}

void AutoShora(QPainter& p, const KontextSymbolu& k)  // heading up
{
    Plne(p, k.barva);
    p.drawRoundedRect(QRectF(-0.5, -0.95, 1.0, 1.9), 0.3, 0.3);
    Plne(p, QColor(40, 50, 60));
    p.drawRoundedRect(QRectF(-0.38, -0.45, 0.76, 0.35), 0.1, 0.1);
    p.drawRoundedRect(QRectF(-0.38, 0.45, 0.76, 0.25), 0.1, 0.1);
}

// Traffic devices.
void Zabrana(QPainter& p, const KontextSymbolu&)  // Z2: a striped board on two legs
{
    const QRectF deska(-0.95, -0.4, 1.9, 0.45);
    Pero(p, QColor(60, 60, 60), 0.08, Qt::FlatCap);
    p.drawLine(QPointF(-0.7, 0.05), QPointF(-0.7, 0.9));
    p.drawLine(QPointF(0.7, 0.05), QPointF(0.7, 0.9));
    Plne(p, Qt::white);
    p.drawRect(deska);
    p.save();
    p.setClipRect(deska);
    for (double x = -1.5; x < 1.5; x += 0.5)
        Mnohouhelnik(p, QColor(205, 20, 30),
                     {{x, 0.05}, {x + 0.25, 0.05}, {x + 0.5, -0.4}, {x + 0.25, -0.4}});
    p.restore();
    Pero(p, QColor(90, 90, 90), 0.025);
    p.drawRect(deska);
}

void SmerovaciDeska(QPainter& p, const KontextSymbolu&)  // Z4: stripes falling to the right
{
    const QRectF deska(-0.32, -0.95, 0.64, 1.9);
    Plne(p, Qt::white);
    p.drawRect(deska);
    p.save();
    p.setClipRect(deska);
    for (double y = -1.6; y < 1.3; y += 0.5)
        Mnohouhelnik(p, QColor(205, 20, 30),
                     {{-0.32, y}, {-0.32, y + 0.25}, {0.32, y + 0.6}, {0.32, y + 0.35}});
    p.restore();
    Pero(p, QColor(90, 90, 90), 0.025);
    p.drawRect(deska);
}

void Kuzel(QPainter& p, const KontextSymbolu&)  // Z1: an orange cone with white bands
{
    const QColor oranzova(245, 110, 20);
    Mnohouhelnik(p, oranzova, {{-0.12, -0.9}, {0.12, -0.9}, {0.45, 0.72}, {-0.45, 0.72}});
    Mnohouhelnik(p, Qt::white, {{-0.2, -0.5}, {0.2, -0.5}, {0.26, -0.2}, {-0.26, -0.2}});
    Mnohouhelnik(p, Qt::white, {{-0.31, 0.05}, {0.31, 0.05}, {0.36, 0.32}, {-0.36, 0.32}});
    Plne(p, oranzova);
    p.drawRect(QRectF(-0.7, 0.72, 1.4, 0.16));
}

void MalyZakazStani(QPainter& p, const KontextSymbolu&)  // the B29 face inside a zone sign
{
    Kruh(p, QColor(200, 16, 30), {0, 0}, 0.95);
    Kruh(p, QColor(0, 80, 160), {0, 0}, 0.74);
    p.save();
    QPainterPath vnitrek;
    vnitrek.addEllipse(QPointF(0, 0), 0.74, 0.74);
    p.setClipPath(vnitrek);
    Pero(p, QColor(200, 16, 30), 0.16, Qt::FlatCap);
    p.drawLine(QPointF(-0.8, -0.8), QPointF(0.8, 0.8));
    p.restore();
}

void TvarKrizovatky(QPainter& p,
                    const KontextSymbolu& k)  // E2: the main road from below turns left
{
    Pero(p, k.barva, 0.09, Qt::FlatCap);
    p.drawLine(QPointF(0, -0.95), QPointF(0, 0));
    p.drawLine(QPointF(0, 0), QPointF(0.95, 0));
    Pero(p, k.barva, 0.32, Qt::FlatCap);
    p.drawPolyline(Body({{0, 0.95}, {0, 0}, {-0.95, 0}}));
}

}  // namespace

bool KresliText(QPainter& p, const QString& text, QPointF stred, double vyska, const QColor& barva,
                double tloustka)
{
    const double jednotka = vyska / 6.0;
    double sirka = 0;
    for (int i = 0; i < text.size(); ++i)
        sirka += SirkaZnaku(text.at(i)) + (i + 1 < text.size() ? 1.5 : 0);
    double x = stred.x() - sirka * jednotka / 2;
    const double y = stred.y() - vyska / 2;
    bool vse = true;
    p.setPen(QPen(barva, tloustka * vyska, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    for (const QChar z : text) {
        const double w = SirkaZnaku(z);
        if (z != ' ') {
            const auto g = Glyfy().find(z);
            if (g == Glyfy().end()) {
                vse = false;
            } else {
                // narrow glyphs are drawn on the 4-wide grid, centred in their cell
                const double posun = (w - 4.0) / 2;
                for (const QString& cara : QString::fromLatin1(g->second).split('|')) {
                    QPolygonF body;
                    for (const QString& bod : cara.split(' ', Qt::SkipEmptyParts)) {
                        const QStringList xy = bod.split(',');
                        body << QPointF(x + (xy[0].toDouble() + posun) * jednotka,
                                        y + xy[1].toDouble() * jednotka);
                    }
                    if (body.size() == 1)
                        body << body.first();
                    p.drawPolyline(body);
                }
            }
        }
        x += (w + 1.5) * jednotka;
    }
    return vse;
}

const std::map<QString, KresleniSymbolu>& SdileneSymboly()
{
    static const std::map<QString, KresleniSymbolu> symboly = {
        {"text", &Text},
        {"sipka", &SipkaRovne},
        {"sipka_vpravo", &SipkaVpravo},
        {"sipka_rovne_a_vpravo", &SipkaRovneAVpravo},
        {"otaceni", &SipkaOtoceni},
        {"kruhovy_objezd", &KruhSipky},
        {"zatacka", &Zatacka},
        {"dvojita_zatacka", &DvojitaZatacka},
        {"krizovatka", &Krizovatka},
        {"krizovatka_hlavni", &KrizovatkaHlavni},
        {"klesani", &Klesani},
        {"zuzeni", &Zuzeni},
        {"prah", &Prah},
        {"smyk", &Smyk},
        {"obousmerne", &ObousmerneSipky},
        {"semafor", &SemaforMaly},
        {"chodec", &Chodec},
        {"zebra", &Zebra},
        {"prace", &Prace},
        {"vykricnik", &Vykricnik},
        {"zavory", &Plot},
        {"lokomotiva", &Lokomotiva},
        {"tramvaj", &Tramvaj},
        {"autobus", &Autobus},
        {"auto", &Auto},
        {"auto_zepredu", &AutoZepredu},
        {"nakladni", &Nakladni},
        {"nakladni_zepredu", &NakladniZepredu},
        {"motocykl", &Motocykl},
        {"kolo", &Kolo},
        {"trojuhelnik", &Trojuhelnik},
        {"pruh", &Pruh},
        {"slepa", &SlepaKomunikace},
        {"dalnice", &Dalnice},
        {"tunel", &Tunel},
        {"dum", &Dum},
        {"zver", &Zver},
        {"cara_souvisla", &CaraSouvisla},
        {"cara_prerusovana", &CaraPrerusovana},
        {"pricna_cara", &PricnaCara},
        {"prechod", &PrechodVozovka},
        {"sikme_cary", &SikmeCary},
        {"chodnik", &Chodnik},
        {"auto_shora", &AutoShora},
        {"zabrana", &Zabrana},
        {"smerovaci_deska", &SmerovaciDeska},
        {"kuzel", &Kuzel},
        {"zakaz_stani", &MalyZakazStani},
        {"tvar_krizovatky", &TvarKrizovatky},
    };
    return symboly;
}
