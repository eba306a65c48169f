#include "tools/kresleni/Kresleni.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>
#include <vector>

// The car is a small 3-D model: a side profile (x from the front bumper backwards, z up, metres)
// pulled across the width, doors turned about their hinges, all seen through a perspective
// camera from behind the near side and painted back to front with gradients.

namespace {

constexpr double Pi = 3.14159265358979323846;
constexpr int SirkaObrazu = 453;
constexpr int VyskaObrazu = 227;

constexpr double Delka = 4.25;
constexpr double Sirka = 1.76;
constexpr double Pas = 1.0;  // waist line: the greenhouse leans inward above it
constexpr double Strecha = 1.43;
constexpr double Nahnuti = 0.17;  // how far the roof edge lies inside the flank
constexpr double Prah = 0.30;  // bottom edge of the doors
constexpr double OsaPredni = 0.88, OsaZadni = 3.42, PolomerKola = 0.32, PolomerPodbehu = 0.40;
constexpr double ZavesPrednich = 1.30, ZavesZadnich = 2.45;  // hinge lines of the doors
constexpr double UhelDveri = 50.0 * Pi / 180.0;
constexpr double UhelVika = 78.0 * Pi / 180.0;
constexpr double ZavesVikaX = 3.86, ZavesVikaZ = 1.37;
constexpr double SpodekVika = 0.78;

struct V3 {
    double x = 0, y = 0, z = 0;
};
V3 operator+(V3 a, V3 b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
V3 operator-(V3 a, V3 b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
V3 operator*(V3 a, double k) { return {a.x * k, a.y * k, a.z * k}; }
double Skalar(V3 a, V3 b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
V3 Vektorovy(V3 a, V3 b)
{
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
V3 Jednotkovy(V3 a)
{
    const double d = std::sqrt(Skalar(a, a));
    return d > 0 ? a * (1.0 / d) : a;
}

double Omez(double v, double od, double po) { return std::max(od, std::min(po, v)); }
double Hladky(double t)
{
    t = Omez(t, 0, 1);
    return t * t * (3 - 2 * t);
}
QColor Mix(QColor a, QColor b, double t)
{
    t = Omez(t, 0, 1);
    return QColor::fromRgbF(
        a.redF() + (b.redF() - a.redF()) * t, a.greenF() + (b.greenF() - a.greenF()) * t,
        a.blueF() + (b.blueF() - a.blueF()) * t, a.alphaF() + (b.alphaF() - a.alphaF()) * t);
}
QColor Nasob(QColor c, double k)
{
    return QColor::fromRgbF(Omez(c.redF() * k, 0, 1), Omez(c.greenF() * k, 0, 1),
                            Omez(c.blueF() * k, 0, 1), c.alphaF());
}

// Light from above, a little from behind the near side, where the camera stands.
V3 Svetlo() { return Jednotkovy({0.3, -0.55, 1.0}); }

class Kamera {
public:
    Kamera(V3 oko, V3 cil, double ohnisko) : oko_(oko), ohnisko_(ohnisko)
    {
        dopredu_ = Jednotkovy(cil - oko);
        vpravo_ = Jednotkovy(Vektorovy(dopredu_, V3 {0, 0, 1}));
        nahoru_ = Vektorovy(vpravo_, dopredu_);
    }
    QPointF Surove(V3 p) const
    {
        const V3 d = p - oko_;
        const double h = Skalar(d, dopredu_);
        return {ohnisko_ * Skalar(d, vpravo_) / h, -ohnisko_ * Skalar(d, nahoru_) / h};
    }
    void Umisti(double meritko, QPointF posun)
    {
        meritko_ = meritko;
        posun_ = posun;
    }
    QPointF operator()(V3 p) const { return Surove(p) * meritko_ + posun_; }
    double Vzdalenost(V3 p) const { return std::sqrt(Skalar(p - oko_, p - oko_)); }
    V3 Oko() const { return oko_; }

private:
    V3 oko_, dopredu_, vpravo_, nahoru_;
    double ohnisko_;
    double meritko_ = 1;
    QPointF posun_;
};

using Polygon3 = std::vector<V3>;

std::vector<QPointF> Vzorky(const QPainterPath& cesta, int pocet)
{
    std::vector<QPointF> body;
    const double delka = cesta.length();
    for (int i = 0; i <= pocet; ++i)
        body.push_back(cesta.pointAtPercent(cesta.percentAtLength(delka * i / pocet)));
    return body;
}

void PridejOblouk(std::vector<QPointF>& body, double cx, double cz, double r, double od, double po,
                  int kroku)
{
    for (int i = 0; i <= kroku; ++i) {
        const double u = od + (po - od) * i / kroku;
        body.emplace_back(cx + r * std::cos(u), cz + r * std::sin(u));
    }
}

// How far a point of the profile lies inside the flank: the greenhouse leans in, and the nose
// and the tail are rounded in plan.
double Odsazeni(double x, double z)
{
    const double sklon = Nahnuti * Hladky((z - Pas) / (Strecha - Pas));
    const double pred = std::max(0.0, 1.0 - x / 0.45),
                 zad = std::max(0.0, 1.0 - (Delka - x) / 0.35);
    return sklon + 0.16 * pred * pred + 0.12 * zad * zad;
}

V3 NaBoku(QPointF p, bool daleky)
{
    const double o = Odsazeni(p.x(), p.y());
    return {p.x(), daleky ? Sirka - o : o, p.y()};
}

// Height of the waist line along the car: it rises slightly towards the tail.
double Pasnice(double x) { return 0.985 + 0.028 * (x - 1.3); }

// One segment of the outline over the top of the car, front to rear.
enum class Material { Lak, Sklo, Otvor, Plast };
struct Usek {
    std::vector<QPointF> body;
    Material material;
};

std::vector<Usek> HorniObrys()
{
    std::vector<Usek> useky;
    auto pridej = [&](QPainterPath cesta, int pocet, Material m) {
        useky.push_back({Vzorky(cesta, pocet), m});
    };
    QPainterPath p;
    p.moveTo(0.14, 0.30);
    p.cubicTo(0.04, 0.33, 0.00, 0.46, 0.02, 0.58);
    pridej(p, 10, Material::Plast);
    p = {};
    p.moveTo(0.02, 0.58);
    p.cubicTo(0.04, 0.70, 0.12, 0.78, 0.32, 0.815);
    pridej(p, 10, Material::Lak);
    p = {};
    p.moveTo(0.32, 0.815);
    p.cubicTo(0.80, 0.88, 1.20, 0.94, 1.48, 0.99);
    pridej(p, 40, Material::Lak);
    p = {};
    p.moveTo(1.48, 0.99);
    p.cubicTo(1.75, 1.15, 1.95, 1.33, 2.20, 1.415);
    pridej(p, 24, Material::Sklo);
    p = {};
    p.moveTo(2.20, 1.415);
    p.cubicTo(2.70, 1.45, 3.40, 1.45, ZavesVikaX, ZavesVikaZ);
    pridej(p, 60, Material::Lak);
    p = {};
    p.moveTo(ZavesVikaX, ZavesVikaZ);
    p.cubicTo(3.98, 1.25, 4.08, 1.10, 4.13, 0.98);
    p.cubicTo(4.15, 0.90, 4.17, 0.84, 4.18, SpodekVika);
    pridej(p, 16, Material::Otvor);
    p = {};
    p.moveTo(4.18, SpodekVika);
    p.cubicTo(4.24, 0.74, 4.26, 0.60, 4.25, 0.48);
    pridej(p, 10, Material::Lak);
    p = {};
    p.moveTo(4.25, 0.48);
    p.cubicTo(4.24, 0.38, 4.22, 0.32, 4.14, 0.30);
    pridej(p, 6, Material::Plast);
    return useky;
}

// The flank's outline: the top outline followed by the sill and the wheel arches.
std::vector<QPointF> ObrysBoku(const std::vector<Usek>& horni)
{
    std::vector<QPointF> body;
    for (const Usek& u : horni)
        body.insert(body.end(), u.body.begin(), u.body.end());
    PridejOblouk(body, OsaZadni, 0.33, PolomerPodbehu, 0, Pi, 20);
    body.emplace_back(1.30, 0.28);
    PridejOblouk(body, OsaPredni, 0.33, PolomerPodbehu, 0, Pi, 20);
    return body;
}

// Outlines of the doors in the profile plane; the windows go with the doors.
std::vector<QPointF> PredniDvere()
{
    const double z = ZavesPrednich;
    return {{z, Prah + 0.03}, {z, Pasnice(z)},     {1.44, Pasnice(1.44)}, {2.08, 1.365},
            {2.37, 1.375},    {2.37, Prah + 0.03}, {2.33, Prah},          {1.34, Prah}};
}
std::vector<QPointF> PredniOkno()
{
    return {
        {1.50, Pasnice(1.50) + 0.02}, {2.07, 1.335}, {2.33, 1.345}, {2.33, Pasnice(2.33) + 0.02}};
}
std::vector<QPointF> ZadniDvere()
{
    const double z = ZavesZadnich;
    std::vector<QPointF> d = {
        {z, Prah}, {z, 1.375}, {3.08, 1.37}, {3.24, Pasnice(3.24)}, {3.24, 0.80}};
    // the lower rear edge follows the wheel arch
    const double r = PolomerPodbehu + 0.04;
    for (int i = 0; i <= 8; ++i) {
        const double u = 1.95 + (Pi - 1.95) * i / 8.0;
        const double x = OsaZadni + r * std::cos(u), z = 0.33 + r * std::sin(u);
        if (x < 3.24)
            d.emplace_back(x, std::max(z, Prah));
    }
    d.emplace_back(2.49, Prah);
    return d;
}
std::vector<QPointF> ZadniOkno()
{
    return {
        {2.49, Pasnice(2.49) + 0.02}, {2.49, 1.34}, {3.05, 1.335}, {3.19, Pasnice(3.19) + 0.02}};
}
std::vector<QPointF> ZadniOkenko()
{
    return {
        {3.34, Pasnice(3.34) + 0.02}, {3.20, 1.335}, {3.58, 1.345}, {3.88, Pasnice(3.88) + 0.06}};
}

QPolygonF Promitni(const Kamera& k, const Polygon3& p)
{
    QPolygonF q;
    for (const V3& v : p)
        q << k(v);
    return q;
}

Polygon3 Prostor(const std::vector<QPointF>& profil, bool daleky)
{
    Polygon3 p;
    for (const QPointF& b : profil)
        p.push_back(NaBoku(b, daleky));
    return p;
}

double Plocha(const QPolygonF& p)
{
    double s = 0;
    for (int i = 0; i < p.size(); ++i) {
        const QPointF a = p[i], b = p[(i + 1) % p.size()];
        s += a.x() * b.y() - b.x() * a.y();
    }
    return s / 2;
}

// A door turned about its vertical hinge: outward means away from the car's middle.
V3 Otoc(V3 p, double zavesX, double zavesY, double uhel, bool daleky)
{
    const double dx = p.x - zavesX, dy = p.y - zavesY;
    const double c = std::cos(uhel), s = std::sin(uhel) * (daleky ? -1 : 1);
    return {zavesX + c * dx + s * dy, zavesY - s * dx + c * dy, p.z};
}

V3 OtocViko(V3 p)
{
    const double dx = p.x - ZavesVikaX, dz = p.z - ZavesVikaZ;
    const double c = std::cos(UhelVika), s = std::sin(UhelVika);
    return {ZavesVikaX + c * dx - s * dz, p.y, ZavesVikaZ + s * dx + c * dz};
}

const QColor Lak(200, 32, 40);
const QColor Calouneni(78, 80, 88);
const QColor Pneu(32, 32, 36);

class Malir {
public:
    explicit Malir(QPainter& p);
    void Kresli();

private:
    void Stin();
    void Kolo(double osaX, bool daleky);
    struct Pruh {
        V3 a, b, c, d;  // a, b on the near side, c, d on the far side
        QColor barva;
    };
    void KresliBeh(const std::vector<Pruh>& beh);
    void TelesoKolemDokola();
    void Zavazadlovy();
    void Vnitrek();
    void Bok();
    void Viko();
    void Dvere(const std::vector<QPointF>& obrys, const std::vector<QPointF>& okno, double zaves,
               bool daleky, bool predni);
    void Svetla();

    double Stineni(V3 normala) const;
    QPainterPath Cesta(const Polygon3& p) const;

    QPainter& p_;
    Kamera k_;
    std::vector<Usek> horni_;
    std::vector<QPointF> bok_;
};

Malir::Malir(QPainter& p)
    : p_(p), k_({Delka + 2.0, -7.4, 2.9}, {Delka / 2 + 0.15, Sirka / 2, 0.55}, 1.0)
{
    horni_ = HorniObrys();
    bok_ = ObrysBoku(horni_);

    // Fit the car with its open doors and tailgate into the picture.
    std::vector<V3> mezni;
    for (bool daleky : {false, true})
        for (const QPointF& b : bok_)
            mezni.push_back(NaBoku(b, daleky));
    for (bool daleky : {false, true}) {
        for (const QPointF& b : PredniDvere())
            mezni.push_back(
                Otoc(NaBoku(b, daleky), ZavesPrednich, daleky ? Sirka : 0, UhelDveri, daleky));
        for (const QPointF& b : ZadniDvere())
            mezni.push_back(
                Otoc(NaBoku(b, daleky), ZavesZadnich, daleky ? Sirka : 0, UhelDveri, daleky));
    }
    for (const Usek& u : horni_)
        if (u.material == Material::Otvor)
            for (const QPointF& b : u.body)
                for (bool daleky : {false, true})
                    mezni.push_back(OtocViko(NaBoku(b, daleky)));
    double x0 = 1e9, x1 = -1e9, y0 = 1e9, y1 = -1e9;
    for (const V3& v : mezni) {
        const QPointF s = k_.Surove(v);
        x0 = std::min(x0, s.x());
        x1 = std::max(x1, s.x());
        y0 = std::min(y0, s.y());
        y1 = std::max(y1, s.y());
    }
    const QRectF cil(18, 6, SirkaObrazu - 36, VyskaObrazu - 30);
    const double m = std::min(cil.width() / (x1 - x0), cil.height() / (y1 - y0));
    const QPointF stred((x0 + x1) / 2 * m, (y0 + y1) / 2 * m);
    k_.Umisti(m, cil.center() - stred);
}

double Malir::Stineni(V3 n) const
{
    const V3 svetlo = Svetlo();
    const double difuzni = std::max(0.0, Skalar(n, svetlo));
    return 0.42 + 0.68 * difuzni;
}

QPainterPath Malir::Cesta(const Polygon3& p) const
{
    QPainterPath c;
    c.addPolygon(Promitni(k_, p));
    c.closeSubpath();
    return c;
}

void Malir::Stin()
{
    // A soft shadow: the footprint drawn at half size, blurred, then laid under the car.
    const int s = SirkaObrazu / 2 + 1, v = VyskaObrazu / 2 + 1;
    QImage maska(s, v, QImage::Format_ARGB32_Premultiplied);
    maska.fill(Qt::transparent);
    {
        QPainter m(&maska);
        m.setRenderHint(QPainter::Antialiasing);
        m.scale(0.5, 0.5);
        m.setPen(Qt::NoPen);
        m.setBrush(QColor(40, 36, 52, 150));
        Polygon3 zem = {{-0.05, -0.12, 0},
                        {Delka + 0.1, -0.12, 0},
                        {Delka + 0.1, Sirka + 0.12, 0},
                        {-0.05, Sirka + 0.12, 0}};
        m.drawPolygon(Promitni(k_, zem));
        m.setBrush(QColor(40, 36, 52, 60));
        for (double zaves : {ZavesPrednich, ZavesZadnich}) {
            const double w = zaves == ZavesPrednich ? 1.07 : 0.79;
            Polygon3 dvere = {{zaves, 0, 0},
                              Otoc({zaves + w, 0, 0}, zaves, 0, UhelDveri, false),
                              Otoc({zaves + w, -0.1, 0}, zaves, 0, UhelDveri, false)};
            m.drawPolygon(Promitni(k_, dvere));
        }
    }
    // three box blurs approximate a Gaussian
    for (int kolo = 0; kolo < 3; ++kolo) {
        for (bool vodorovne : {true, false}) {
            QImage zdroj = maska.copy();
            const int r = 3;
            for (int y = 0; y < v; ++y)
                for (int x = 0; x < s; ++x) {
                    int soucet[4] = {0, 0, 0, 0}, n = 0;
                    for (int d = -r; d <= r; ++d) {
                        const int xx = vodorovne ? x + d : x, yy = vodorovne ? y : y + d;
                        if (xx < 0 || yy < 0 || xx >= s || yy >= v)
                            continue;
                        const QRgb c = zdroj.pixel(xx, yy);
                        soucet[0] += qRed(c);
                        soucet[1] += qGreen(c);
                        soucet[2] += qBlue(c);
                        soucet[3] += qAlpha(c);
                        ++n;
                    }
                    maska.setPixel(
                        x, y, qRgba(soucet[0] / n, soucet[1] / n, soucet[2] / n, soucet[3] / n));
                }
        }
    }
    // fade out towards the edges, so that no border of the picture shows on the window
    for (int y = 0; y < v; ++y)
        for (int x = 0; x < s; ++x) {
            const double okraj = std::min({x, y, s - 1 - x, v - 1 - y}) / 10.0;
            if (okraj >= 1)
                continue;
            const QRgb c = maska.pixel(x, y);
            const double k = Hladky(okraj);
            maska.setPixel(
                x, y,
                qRgba(int(qRed(c) * k), int(qGreen(c) * k), int(qBlue(c) * k), int(qAlpha(c) * k)));
        }
    p_.save();
    p_.setRenderHint(QPainter::SmoothPixmapTransform);
    p_.drawImage(QRectF(0, 0, s * 2, v * 2), maska);
    p_.restore();
}

void Malir::Kolo(double osaX, bool daleky)
{
    const double y0 = daleky ? Sirka - 0.04 : 0.04, y1 = daleky ? Sirka - 0.26 : 0.26;
    auto kruh = [&](double r, double y) {
        Polygon3 b;
        for (int i = 0; i < 48; ++i) {
            const double u = 2 * Pi * i / 48;
            b.push_back({osaX + r * std::cos(u), y, PolomerKola + r * std::sin(u)});
        }
        return Promitni(k_, b);
    };
    // tread: the hull of the outer and inner side of the tyre
    QPolygonF vse = kruh(PolomerKola, y0) + kruh(PolomerKola, y1);
    std::vector<QPointF> b(vse.begin(), vse.end());
    std::sort(b.begin(), b.end(), [](QPointF a, QPointF c) {
        return a.x() < c.x() || (a.x() == c.x() && a.y() < c.y());
    });
    auto kriz = [](QPointF o, QPointF a, QPointF c) {
        return (a.x() - o.x()) * (c.y() - o.y()) - (a.y() - o.y()) * (c.x() - o.x());
    };
    std::vector<QPointF> obal(2 * b.size());
    size_t n = 0;
    for (size_t i = 0; i < b.size(); ++i) {
        while (n >= 2 && kriz(obal[n - 2], obal[n - 1], b[i]) <= 0)
            --n;
        obal[n++] = b[i];
    }
    for (size_t i = b.size() - 1, t = n + 1; i > 0; --i) {
        while (n >= t && kriz(obal[n - 2], obal[n - 1], b[i - 1]) <= 0)
            --n;
        obal[n++] = b[i - 1];
    }
    obal.resize(n - 1);
    p_.setPen(Qt::NoPen);
    p_.setBrush(QColor(22, 22, 25));
    p_.drawPolygon(QPolygonF(QList<QPointF>(obal.begin(), obal.end())));

    const QPolygonF bocnice = kruh(PolomerKola, y0);
    const QRectF r = bocnice.boundingRect();
    QRadialGradient guma(r.center(), r.width() / 2);
    guma.setColorAt(0.6, QColor(58, 58, 64));
    guma.setColorAt(1.0, Pneu);
    p_.setBrush(guma);
    p_.drawPolygon(bocnice);

    const QPolygonF disk = kruh(0.205, y0 - (daleky ? -0.01 : 0.01));
    const QRectF rd = disk.boundingRect();
    QLinearGradient kov(rd.topLeft(), rd.bottomRight());
    kov.setColorAt(0, QColor(236, 238, 242));
    kov.setColorAt(0.5, QColor(176, 180, 188));
    kov.setColorAt(1, QColor(120, 124, 132));
    p_.setBrush(kov);
    p_.drawPolygon(disk);
    // five openings between the spokes
    p_.setBrush(QColor(48, 50, 56));
    const double yd = y0 - (daleky ? -0.015 : 0.015);
    for (int i = 0; i < 5; ++i) {
        const double u = 2 * Pi * i / 5 + 0.3;
        Polygon3 okno;
        for (int j = 0; j <= 6; ++j) {
            const double a = u + 0.42 * j / 6;
            okno.push_back({osaX + 0.18 * std::cos(a), yd, PolomerKola + 0.18 * std::sin(a)});
        }
        for (int j = 6; j >= 0; --j) {
            const double a = u + 0.05 + 0.32 * j / 6;
            okno.push_back({osaX + 0.075 * std::cos(a), yd, PolomerKola + 0.075 * std::sin(a)});
        }
        p_.drawPolygon(Promitni(k_, okno));
    }
    p_.setBrush(QColor(200, 203, 210));
    p_.drawPolygon(kruh(0.045, yd));
}

// A run of neighbouring strips painted as one polygon whose gradient follows their shades, so
// that no seams show between them.
void Malir::KresliBeh(const std::vector<Pruh>& beh)
{
    if (beh.empty())
        return;
    QPolygonF tvar;
    for (const Pruh& p : beh)
        tvar << k_(p.a);
    tvar << k_(beh.back().b) << k_(beh.back().c);
    for (auto it = beh.rbegin(); it != beh.rend(); ++it)
        tvar << k_(it->d);
    const QPointF p0 = k_((beh.front().a + beh.front().d) * 0.5),
                  p1 = k_((beh.back().b + beh.back().c) * 0.5);
    const QPointF osa = p1 - p0;
    const double d2 = QPointF::dotProduct(osa, osa);
    QLinearGradient prechod(p0, p1);
    prechod.setColorAt(0, beh.front().barva);
    double posledni = 0;
    for (const Pruh& p : beh) {
        const double t =
            d2 > 1 ? QPointF::dotProduct(k_((p.a + p.b + p.c + p.d) * 0.25) - p0, osa) / d2 : 0;
        if (t > posledni && t < 1) {
            prechod.setColorAt(t, p.barva);
            posledni = t;
        }
    }
    prechod.setColorAt(1, beh.back().barva);
    p_.setPen(Qt::NoPen);
    p_.setBrush(prechod);
    p_.drawPolygon(tvar, Qt::WindingFill);
}

// The surface over the top, the nose and the tail, pulled across the width; only the faces turned
// to the camera are painted, farthest first. The tailgate's opening is the boot's business.
void Malir::TelesoKolemDokola()
{
    std::vector<std::vector<Pruh>> behy;
    for (const Usek& u : horni_) {
        if (u.material == Material::Otvor)
            continue;
        std::vector<Pruh> beh;
        for (size_t i = 0; i + 1 < u.body.size(); ++i) {
            const V3 a = NaBoku(u.body[i], false), b = NaBoku(u.body[i + 1], false);
            const V3 c = NaBoku(u.body[i + 1], true), d = NaBoku(u.body[i], true);
            const V3 n = Jednotkovy(Vektorovy(b - a, d - a));
            const V3 stred = (a + b + c + d) * 0.25;
            if (Skalar(n, k_.Oko() - stred) <= 0) {
                if (!beh.empty())
                    behy.push_back(std::move(beh));
                beh.clear();
                continue;
            }
            QColor barva;
            if (u.material == Material::Lak) {
                const V3 pul = Jednotkovy(Jednotkovy(k_.Oko() - stred) + Svetlo());
                const double lesk = std::pow(std::max(0.0, Skalar(n, pul)), 40);
                barva = Mix(Nasob(Lak, Stineni(n)), QColor(255, 235, 235), 0.75 * lesk);
            } else if (u.material == Material::Plast) {
                barva = Nasob(QColor(66, 68, 74), Stineni(n));
            } else {
                barva = Nasob(QColor(60, 78, 96), 0.7 + 0.4 * std::max(0.0, n.z));
            }
            beh.push_back({a, b, c, d, barva});
        }
        if (!beh.empty())
            behy.push_back(std::move(beh));
    }
    auto vzdalenost = [&](const std::vector<Pruh>& beh) {
        double soucet = 0;
        for (const Pruh& p : beh)
            soucet += k_.Vzdalenost((p.a + p.c) * 0.5);
        return soucet / beh.size();
    };
    std::sort(behy.begin(), behy.end(),
              [&](const auto& x, const auto& y) { return vzdalenost(x) > vzdalenost(y); });
    for (const auto& beh : behy)
        KresliBeh(beh);
}

// The boot seen through the opened tailgate: carpet, the back of the rear seat, side trims.
void Malir::Zavazadlovy()
{
    QPainterPath otvor;
    for (const Usek& u : horni_)
        if (u.material == Material::Otvor) {
            Polygon3 okraj;
            for (const QPointF& b : u.body)
                okraj.push_back(NaBoku(b, false));
            for (auto it = u.body.rbegin(); it != u.body.rend(); ++it)
                okraj.push_back(NaBoku(*it, true));
            otvor = Cesta(okraj);
        }
    p_.setPen(Qt::NoPen);
    QLinearGradient tma(k_(V3 {4.0, 0, 1.4}), k_(V3 {4.0, 0, 0.7}));
    tma.setColorAt(0, QColor(28, 28, 34));
    tma.setColorAt(1, QColor(46, 46, 54));
    p_.setBrush(tma);
    p_.drawPath(otvor);
    p_.save();
    p_.setClipPath(otvor);
    const double podlaha = 0.70;
    Polygon3 koberec = {{3.25, 0.12, podlaha},
                        {4.16, 0.14, podlaha},
                        {4.16, Sirka - 0.14, podlaha},
                        {3.25, Sirka - 0.12, podlaha}};
    const QPolygonF kob = Promitni(k_, koberec);
    QLinearGradient g(kob.boundingRect().topLeft(), kob.boundingRect().bottomLeft());
    g.setColorAt(0, QColor(60, 62, 70));
    g.setColorAt(1, QColor(92, 94, 104));
    p_.setBrush(g);
    p_.drawPolygon(kob);
    Polygon3 operadlo = {{3.22, 0.14, podlaha},
                         {3.22, Sirka - 0.14, podlaha},
                         {3.12, Sirka - 0.18, 1.18},
                         {3.12, 0.18, 1.18}};
    p_.setBrush(QColor(70, 72, 80));
    p_.drawPolygon(Promitni(k_, operadlo));
    p_.restore();
}

// What is seen through the empty door openings: the dark cabin, the seats and the wheel, and
// through the open doors of the far side the background behind the car.
void Malir::Vnitrek()
{
    QPainterPath otvory =
        Cesta(Prostor(PredniDvere(), false)).united(Cesta(Prostor(ZadniDvere(), false)));
    QPainterPath daleke =
        Cesta(Prostor(PredniDvere(), true)).united(Cesta(Prostor(ZadniDvere(), true)));
    p_.save();
    p_.setClipPath(otvory);
    p_.setPen(Qt::NoPen);
    QLinearGradient tma(k_(V3 {2.3, 0, 1.4}), k_(V3 {2.3, 0, 0.3}));
    tma.setColorAt(0, QColor(24, 24, 30));
    tma.setColorAt(1, QColor(52, 52, 60));
    p_.setBrush(tma);
    p_.drawPath(otvory.subtracted(daleke));

    // far-side sill and the floor between the seats
    Polygon3 podlaha = {
        {1.35, 0.1, 0.36}, {3.2, 0.1, 0.36}, {3.2, Sirka - 0.1, 0.36}, {1.35, Sirka - 0.1, 0.36}};
    p_.setBrush(QColor(46, 46, 54));
    p_.drawPolygon(Promitni(k_, podlaha));

    auto sedadlo = [&](double zadek, double y0, double y1, bool lavice) {
        const double hloubka = lavice ? 0.48 : 0.50;
        // a seat is three blocks (cushion, back, head rest), each its side profile pulled across
        auto blok = [&](std::vector<QPointF> profil, double ya, double yb, QColor barva) {
            Polygon3 bok;
            for (const QPointF& b : profil)
                bok.push_back({b.x(), ya, b.y()});
            // the faces round the outline, then the end nearest to the camera
            for (size_t i = 0; i < profil.size(); ++i) {
                const size_t j = (i + 1) % profil.size();
                Polygon3 pas = {{profil[i].x(), ya, profil[i].y()},
                                {profil[j].x(), ya, profil[j].y()},
                                {profil[j].x(), yb, profil[j].y()},
                                {profil[i].x(), yb, profil[i].y()}};
                const double sklon = profil[j].x() - profil[i].x();
                p_.setBrush(Nasob(barva, sklon < 0 ? 1.05 : 0.75));
                p_.drawPolygon(Promitni(k_, pas));
            }
            QLinearGradient lesk(k_(bok[0]), k_(bok[bok.size() / 2]));
            lesk.setColorAt(0, Nasob(barva, 0.85));
            lesk.setColorAt(1, Nasob(barva, 1.15));
            p_.setBrush(lesk);
            p_.drawPolygon(Promitni(k_, bok));
        };
        const QColor latka(176, 164, 146);
        blok(
            {{zadek - hloubka, 0.50}, {zadek - hloubka + 0.04, 0.60}, {zadek, 0.62}, {zadek, 0.48}},
            y0, y1, latka);
        blok({{zadek - 0.04, 0.58},
              {zadek + 0.02, 0.58},
              {zadek + 0.14, 1.08},
              {zadek + 0.06, 1.10}},
             y0, y1, latka);
        blok({{zadek + 0.07, 1.12},
              {zadek + 0.16, 1.12},
              {zadek + 0.18, 1.26},
              {zadek + 0.08, 1.27}},
             y0 + 0.12, y0 + 0.30, Nasob(latka, 0.9));
    };
    sedadlo(2.98, Sirka - 0.2, 0.22, true);
    sedadlo(2.08, 0.8, 0.28, false);

    // steering wheel, seen nearly edge on
    Polygon3 volant;
    for (int i = 0; i < 32; ++i) {
        const double u = 2 * Pi * i / 32;
        const V3 stred {1.62, 0.42, 0.96};
        volant.push_back(stred + V3 {-0.05 * std::cos(u), 0.17 * std::sin(u), 0.15 * std::cos(u)});
    }
    p_.setBrush(Qt::NoBrush);
    p_.setPen(QPen(QColor(12, 12, 14), 2.0));
    p_.drawPolygon(Promitni(k_, volant));
    p_.restore();
}

void Malir::Bok()
{
    QPainterPath bok = Cesta(Prostor(bok_, false));
    QPainterPath otvory =
        Cesta(Prostor(PredniDvere(), false)).united(Cesta(Prostor(ZadniDvere(), false)));
    bok = bok.subtracted(otvory);

    // paint mirrors the pale sky above the waist line and the darker ground below it
    QLinearGradient lak(k_(V3 {2.4, 0, 1.42}), k_(V3 {2.4, 0, 0.25}));
    const double pas = (1.42 - Pas) / (1.42 - 0.25);
    lak.setColorAt(0.0, Nasob(Lak, 0.95));
    lak.setColorAt(pas - 0.02, Nasob(Lak, 0.85));
    lak.setColorAt(pas + 0.01, Mix(Lak, QColor(255, 220, 220), 0.35));
    lak.setColorAt(pas + 0.12, Nasob(Lak, 1.05));
    lak.setColorAt(0.62, Nasob(Lak, 0.92));
    lak.setColorAt(0.66, Nasob(Lak, 0.72));
    lak.setColorAt(1.0, Nasob(Lak, 0.48));
    p_.setPen(Qt::NoPen);
    // dark wheel arches, seen through the cut-outs of the flank
    for (double osa : {OsaPredni, OsaZadni}) {
        std::vector<QPointF> podbeh;
        PridejOblouk(podbeh, osa, 0.33, PolomerPodbehu + 0.03, -0.1, Pi + 0.1, 20);
        for (double y : {0.0, 0.28}) {
            Polygon3 p3;
            for (const QPointF& b : podbeh)
                p3.push_back({b.x(), y, b.y()});
            p3.push_back({osa - PolomerPodbehu, y, 0.2});
            p3.push_back({osa + PolomerPodbehu, y, 0.2});
            p_.setBrush(QColor(18, 18, 20));
            p_.drawPolygon(Promitni(k_, p3));
        }
    }

    p_.setBrush(lak);
    p_.drawPath(bok);

    // a light shoulder crease and the dark seam where the flank turns into the roof
    p_.save();
    p_.setClipPath(bok);
    p_.setBrush(Qt::NoBrush);
    QPolygonF hrana;
    for (double x = 0.2; x <= 4.15; x += 0.05)
        hrana << k_(NaBoku({x, Pasnice(x) - 0.05}, false));
    p_.setPen(QPen(QColor(255, 200, 200, 150), 1.0));
    p_.drawPolyline(hrana);
    p_.restore();
    QPolygonF okap;
    for (const Usek& u : horni_)
        if (u.material == Material::Lak && u.body.front().y() > 1.3)
            for (const QPointF& b : u.body)
                okap << k_(NaBoku(b, false));
    p_.setBrush(Qt::NoBrush);
    p_.setPen(QPen(Nasob(Lak, 0.55), 0.8));
    p_.drawPolyline(okap);

    // black sill trim
    Polygon3 prah = {{OsaPredni + PolomerPodbehu, 0.005, 0.285},
                     {OsaZadni - PolomerPodbehu, 0.005, 0.295},
                     {OsaZadni - PolomerPodbehu, 0.005, 0.36},
                     {OsaPredni + PolomerPodbehu, 0.005, 0.35}};
    p_.setBrush(QColor(40, 40, 46));
    p_.drawPolygon(Promitni(k_, prah));

    // rear quarter window
    const QPolygonF okenko = Promitni(k_, Prostor(ZadniOkenko(), false));
    QLinearGradient odlesk(okenko.boundingRect().topLeft(), okenko.boundingRect().bottomRight());
    odlesk.setColorAt(0, QColor(200, 214, 228));
    odlesk.setColorAt(0.45, QColor(96, 114, 134));
    odlesk.setColorAt(1, QColor(40, 48, 60));
    p_.setBrush(odlesk);
    p_.setPen(QPen(QColor(30, 30, 34), 1.0));
    p_.drawPolygon(okenko);

    // edges of the door openings
    p_.setPen(QPen(Nasob(Lak, 0.45), 1.0));
    p_.setBrush(Qt::NoBrush);
    p_.drawPath(otvory);
}

void Malir::Svetla()
{
    p_.setPen(QPen(QColor(90, 10, 14), 0.8));
    // tail light wrapping round the rear corner
    Polygon3 zadni = Prostor({{3.92, 0.86}, {4.17, 0.86}, {4.14, 1.02}, {4.03, 1.06}}, false);
    QLinearGradient cervena(k_(zadni[0]), k_(zadni[2]));
    cervena.setColorAt(0, QColor(170, 12, 20));
    cervena.setColorAt(0.5, QColor(250, 80, 70));
    cervena.setColorAt(1, QColor(150, 10, 16));
    p_.setBrush(cervena);
    p_.drawPolygon(Promitni(k_, zadni));
    // head light at the front corner
    Polygon3 predni = Prostor({{0.06, 0.66}, {0.42, 0.76}, {0.46, 0.71}, {0.10, 0.60}}, false);
    QLinearGradient bila(k_(predni[0]), k_(predni[2]));
    bila.setColorAt(0, QColor(250, 252, 255));
    bila.setColorAt(1, QColor(170, 180, 196));
    p_.setPen(QPen(QColor(60, 62, 70), 0.8));
    p_.setBrush(bila);
    p_.drawPolygon(Promitni(k_, predni));
}

// The tailgate swung up about its hinge at the back of the roof: its lining faces down, the
// paint and the rear window face up.
void Malir::Viko()
{
    std::vector<QPointF> profil;
    for (const Usek& u : horni_)
        if (u.material == Material::Otvor)
            profil = u.body;
    std::vector<std::vector<Pruh>> behy(1);
    int druh = -1;
    for (size_t i = 0; i + 1 < profil.size(); ++i) {
        const V3 a = OtocViko(NaBoku(profil[i], false)), b = OtocViko(NaBoku(profil[i + 1], false));
        const V3 c = OtocViko(NaBoku(profil[i + 1], true)), d = OtocViko(NaBoku(profil[i], true));
        const V3 n = Jednotkovy(Vektorovy(b - a, d - a));
        const bool venku = Skalar(n, k_.Oko() - (a + c) * 0.5) > 0;
        const bool sklo = profil[i].y() > 1.02;
        QColor barva;
        if (!venku)
            barva = Nasob(Calouneni, 0.9 + 0.2 * double(i) / profil.size());
        else if (sklo)
            barva = Mix(QColor(70, 86, 104), QColor(190, 204, 220),
                        Skalar(n, Jednotkovy({0.2, -0.4, 1})));
        else
            barva = Nasob(Lak, Stineni(n));
        const int novy = venku ? (sklo ? 1 : 2) : 0;
        if (novy != druh && !behy.back().empty())
            behy.emplace_back();
        druh = novy;
        behy.back().push_back({a, b, c, d, barva});
    }
    for (const auto& beh : behy)
        KresliBeh(beh);
    // the thickness of the tailgate's lower edge
    const QPointF spodek = profil.back();
    Polygon3 hrana = {OtocViko(NaBoku(spodek, false)), OtocViko(NaBoku(spodek, true)),
                      OtocViko(NaBoku(spodek + QPointF(-0.08, 0.02), true)),
                      OtocViko(NaBoku(spodek + QPointF(-0.08, 0.02), false))};
    p_.setPen(QPen(Nasob(Lak, 0.5), 0.7));
    p_.setBrush(Nasob(Lak, 0.62));
    p_.drawPolygon(Promitni(k_, hrana));
}

void Malir::Dvere(const std::vector<QPointF>& obrys, const std::vector<QPointF>& okno, double zaves,
                  bool daleky, bool predni)
{
    const double zavesY = daleky ? Sirka : 0;
    const double tloustka = daleky ? -0.06 : 0.06;
    auto vnejsi = [&](QPointF b) {
        return Otoc(NaBoku(b, daleky), zaves, zavesY, UhelDveri, daleky);
    };
    auto vnitrni = [&](QPointF b) {
        V3 v = NaBoku(b, daleky);
        v.y += tloustka;
        return Otoc(v, zaves, zavesY, UhelDveri, daleky);
    };
    // the door is a slab: skin, lining, and the narrow faces round its edge
    Polygon3 kuze, podsivka;
    for (const QPointF& b : obrys) {
        kuze.push_back(vnejsi(b));
        podsivka.push_back(vnitrni(b));
    }
    const QPolygonF k2 = Promitni(k_, kuze), p2 = Promitni(k_, podsivka);
    // the skin of a closed near door faces the camera; the far side's skin faces away
    const bool vidimKuzi =
        ((Plocha(k2) > 0) == (Plocha(Promitni(k_, Prostor(obrys, false))) > 0)) != daleky;

    p_.setPen(Qt::NoPen);
    for (size_t i = 0; i < obrys.size(); ++i) {
        const size_t j = (i + 1) % obrys.size();
        Polygon3 hrana = {kuze[i], kuze[j], podsivka[j], podsivka[i]};
        const double svisla =
            std::abs(obrys[j].x() - obrys[i].x()) < std::abs(obrys[j].y() - obrys[i].y());
        p_.setPen(QPen(Nasob(Lak, 0.5), 0.6));
        p_.setBrush(Nasob(Lak, svisla ? 0.78 : 0.6));
        p_.drawPolygon(Promitni(k_, hrana));
    }

    const QPolygonF okno2 = Promitni(k_, [&] {
        Polygon3 o;
        for (const QPointF& b : okno)
            o.push_back(vidimKuzi ? vnejsi(b) : vnitrni(b));
        return o;
    }());
    QPainterPath deska;
    deska.addPolygon(vidimKuzi ? k2 : p2);
    deska.closeSubpath();
    QPainterPath dira;
    dira.addPolygon(okno2);
    dira.closeSubpath();

    if (vidimKuzi) {
        QLinearGradient lak(k_(vnejsi({zaves + 0.3, 1.3})), k_(vnejsi({zaves + 0.3, 0.3})));
        lak.setColorAt(0, Nasob(Lak, 0.9));
        lak.setColorAt(0.3, Mix(Lak, QColor(255, 220, 220), 0.3));
        lak.setColorAt(0.6, Nasob(Lak, 0.95));
        lak.setColorAt(1, Nasob(Lak, 0.5));
        p_.setPen(QPen(Nasob(Lak, 0.5), 0.7));
        p_.setBrush(lak);
        p_.drawPath(deska.subtracted(dira));
    } else {
        // lining: body-coloured frame round the window, trim panel below the waist line
        p_.setPen(QPen(Nasob(Lak, 0.5), 0.7));
        p_.setBrush(Nasob(Lak, 0.8));
        p_.drawPath(deska.subtracted(dira));
        const double x0 = obrys[0].x() + 0.04;
        double x1 = 0;
        for (const QPointF& b : obrys)
            x1 = std::max(x1, b.x());
        x1 -= predni ? 0.05 : 0.22;
        const std::vector<QPointF> panel = {{x0, Prah + 0.04},
                                            {x0, Pasnice(x0) - 0.02},
                                            {x1, Pasnice(x1) - 0.02},
                                            {x1 + (predni ? 0 : 0.12), 0.55},
                                            {x1 + (predni ? 0 : 0.08), Prah + 0.04}};
        Polygon3 panel3;
        for (const QPointF& b : panel)
            panel3.push_back(vnitrni(b));
        const QPolygonF pp = Promitni(k_, panel3);
        QLinearGradient cal(k_(vnitrni({x0, 1.0})), k_(vnitrni({x0, 0.3})));
        cal.setColorAt(0, Nasob(Calouneni, 1.25));
        cal.setColorAt(1, Nasob(Calouneni, 0.8));
        p_.setPen(QPen(QColor(40, 40, 46), 0.6));
        p_.setBrush(cal);
        p_.drawPolygon(pp);
        // arm rest and pocket
        Polygon3 opera = {vnitrni({x0 + 0.15, 0.78}), vnitrni({x1 - 0.05, 0.80}),
                          vnitrni({x1 - 0.05, 0.74}), vnitrni({x0 + 0.15, 0.72})};
        p_.setBrush(Nasob(Calouneni, 0.7));
        p_.drawPolygon(Promitni(k_, opera));
        Polygon3 kapsa = {vnitrni({x0 + 0.08, 0.40}), vnitrni({x1 - 0.10, 0.40}),
                          vnitrni({x1 - 0.10, 0.50}), vnitrni({x0 + 0.08, 0.50})};
        p_.setBrush(Nasob(Calouneni, 0.6));
        p_.drawPolygon(Promitni(k_, kapsa));
    }
    if (vidimKuzi) {
        double zadniHrana = 0;
        for (const QPointF& b : obrys)
            zadniHrana = std::max(zadniHrana, b.x());
        auto naKuzi = [&](QPointF b) {
            V3 v = NaBoku(b, daleky);
            v.y += daleky ? 0.005 : -0.005;
            return Otoc(v, zaves, zavesY, UhelDveri, daleky);
        };
        const double h = zadniHrana - 0.1;
        Polygon3 klika = {naKuzi({h - 0.16, 0.905}), naKuzi({h, 0.905}), naKuzi({h, 0.875}),
                          naKuzi({h - 0.16, 0.875})};
        p_.setPen(QPen(QColor(70, 20, 24), 0.6));
        p_.setBrush(QColor(150, 24, 30));
        p_.drawPolygon(Promitni(k_, klika));
    }
    if (predni && !daleky) {
        // the outside mirror rides on the front door; its glass looks backwards, at the camera
        auto bod = [&](double x, double y, double z) {
            return Otoc({x, y, z}, zaves, zavesY, UhelDveri, false);
        };
        Polygon3 kryt, zrcatko;
        for (int i = 0; i < 16; ++i) {
            const double u = 2 * Pi * i / 16, c = std::cos(u), sn = std::sin(u);
            // a rounded housing: flatter at the top and bottom
            const double y = -0.13 + 0.11 * (c > 0 ? std::pow(c, 0.6) : -std::pow(-c, 0.6));
            const double z = 1.06 + 0.06 * (sn > 0 ? std::pow(sn, 0.8) : -std::pow(-sn, 0.8));
            kryt.push_back(bod(1.57, y, z));
            zrcatko.push_back(bod(1.575, -0.13 + (y + 0.13) * 0.78, 1.06 + (z - 1.06) * 0.7));
        }
        Polygon3 noha = {bod(1.44, 0.0, 1.00), bod(1.57, -0.05, 1.02), bod(1.57, -0.05, 1.09),
                         bod(1.46, 0.0, 1.08)};
        p_.setPen(QPen(Nasob(Lak, 0.45), 0.7));
        p_.setBrush(Nasob(Lak, 0.7));
        p_.drawPolygon(Promitni(k_, noha));
        p_.setBrush(Nasob(Lak, 0.9));
        p_.drawPolygon(Promitni(k_, kryt));
        p_.setPen(Qt::NoPen);
        p_.setBrush(QColor(52, 66, 86));
        p_.drawPolygon(Promitni(k_, zrcatko));
    }
    // glass: the background shows through, with a light streak
    p_.setPen(QPen(QColor(30, 30, 34), 0.9));
    QLinearGradient sklo(okno2.boundingRect().topLeft(), okno2.boundingRect().bottomRight());
    sklo.setColorAt(0, QColor(210, 224, 236, 190));
    sklo.setColorAt(0.4, QColor(150, 172, 194, 140));
    sklo.setColorAt(0.55, QColor(224, 234, 244, 170));
    sklo.setColorAt(1, QColor(90, 110, 130, 170));
    p_.setBrush(sklo);
    p_.drawPolygon(okno2);
}

void Malir::Kresli()
{
    p_.fillRect(QRect(0, 0, SirkaObrazu, VyskaObrazu), BarvaOkna);
    p_.setRenderHint(QPainter::Antialiasing);
    Stin();
    Dvere(PredniDvere(), PredniOkno(), ZavesPrednich, true, true);
    Dvere(ZadniDvere(), ZadniOkno(), ZavesZadnich, true, false);
    Kolo(OsaPredni, true);
    Kolo(OsaZadni, true);
    Zavazadlovy();
    TelesoKolemDokola();
    Vnitrek();
    Bok();
    Svetla();
    Kolo(OsaPredni, false);
    Kolo(OsaZadni, false);
    Viko();
    Dvere(PredniDvere(), PredniOkno(), ZavesPrednich, false, true);
    Dvere(ZadniDvere(), ZadniOkno(), ZavesZadnich, false, false);
}

}  // namespace

QImage KresliPozadi(int nasobek)
{
    QImage obraz(SirkaObrazu * nasobek, VyskaObrazu * nasobek, QImage::Format_RGB32);
    QPainter p(&obraz);
    p.scale(nasobek, nasobek);
    Malir(p).Kresli();
    p.end();
    return obraz;
}
