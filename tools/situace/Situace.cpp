#include "tools/situace/Situace.h"

#include "tools/znacky/Symboly.h"
#include "tools/znacky/Znacky.h"

#include <QFileInfo>
#include <QPainter>
#include <QPainterPath>
#include <QTransform>

#include <algorithm>
#include <cmath>
#include <optional>
#include <set>

namespace {

constexpr double Pi = 3.14159265358979323846;
const QPointF Stred(150, 88);
constexpr double OstrovR = 22, KruhVnejsi = 46, KruhJizda = 34;

const QColor Trava(176, 204, 146), Asfalt(118, 118, 122), Obruba(88, 88, 92), Kolej(70, 60, 55);

}  // namespace

const std::map<QString, QColor>& BarvyVozidel()
{
    static const std::map<QString, QColor> b = {
        {"cervena", QColor(210, 30, 35)},    {"modra", QColor(30, 90, 210)},
        {"zelena", QColor(30, 150, 60)},     {"zluta", QColor(245, 200, 20)},
        {"bila", QColor(250, 250, 250)},     {"oranzova", QColor(245, 125, 20)},
        {"fialova", QColor(140, 60, 170)},   {"hneda", QColor(140, 85, 40)},
        {"cerna", QColor(25, 25, 25)},       {"ruzova", QColor(235, 110, 170)},
        {"tyrkysova", QColor(20, 180, 190)}, {"kremova", QColor(240, 222, 150)}};
    return b;
}

namespace {

// --- geometry -----------------------------------------------------------------------------

QPointF Smer(double stupne)  // unit vector of an angle, screen coordinates (y down)
{
    const double a = stupne * Pi / 180;
    return {std::cos(a), -std::sin(a)};
}
QPointF Vpravo(QPointF d) { return {-d.y(), d.x()}; }  // right-hand side of a travel direction
double Delka(QPointF v) { return std::hypot(v.x(), v.y()); }
QPointF Jednotkovy(QPointF v) { return v / std::max(1e-9, Delka(v)); }

class Kreslic {
public:
    Kreslic(QPainter& p, const Scena& s, int nasobek = 1)
        : p_(p), s_(s), nasobek_(nasobek), Polovina(s.sirka), Pruh(s.sirka)
    {
        // radius of the junction: the arms must be clear of each other
        double nejmensi = 360;
        std::vector<double> u;
        for (const auto& r : s_.ramena)
            u.push_back(std::fmod(r.second + 360, 360));
        std::sort(u.begin(), u.end());
        for (std::size_t i = 0; i < u.size(); ++i)
            nejmensi = std::min(nejmensi, std::fmod(u[(i + 1) % u.size()] - u[i] + 360, 360));
        R_ = s_.kruhovy ? KruhVnejsi : std::max(24.0, Polovina / std::tan(nejmensi * Pi / 360) + 6);
    }

    void Kresli()
    {
        p_.fillRect(QRectF(0, 0, kSirkaSituace, kVyskaSituace), Trava);
        Silnice();
        for (const QString& r : s_.prechody)
            Prechod(r);
        for (const auto& k : s_.koleje)
            Koleje(k.z, k.kam, k.posun);
        for (const auto& z : s_.znacky)
            Znacky(z.first, z.second);
        for (const auto& z : s_.semafory)
            Svetla(z.first, z.second);
        // Paths first, then every arrow head over all of them, so that each vehicle's exit shows
        std::vector<QPolygonF> hroty;
        for (const Vozidlo& v : s_.vozidla)
            Sipka(v, &hroty);
        for (std::size_t i = 0; i < s_.vozidla.size(); ++i)
            if (!s_.vozidla[i].kam.isEmpty()) {
                p_.setPen(QPen(QColor(30, 30, 30), 1.2));
                p_.setBrush(BarvaSipky(s_.vozidla[i]));
                p_.drawPolygon(hroty[i]);
            }
        for (const Vozidlo& v : s_.vozidla)
            Vuz(v);
        for (const Chodec& c : s_.chodci)
            Chodce(c);
        if (!s_.policista.isEmpty())
            Policista();
    }

    // Where the vehicle stands, in the picture's coordinates.
    QPointF StredVozu(const Vozidlo& v) const { return Kde(v).stred; }

private:
    QPointF U(const QString& rameno) const { return Smer(s_.ramena.at(rameno)); }
    double Uhel(const QString& r) const { return s_.ramena.at(r); }

    void Silnice()
    {
        p_.setRenderHint(QPainter::Antialiasing);
        for (int vrstva = 0; vrstva < 2; ++vrstva) {
            const double sirka = 2 * Polovina + (vrstva == 0 ? 3 : 0);
            p_.setPen(QPen(vrstva == 0 ? Obruba : Asfalt, sirka, Qt::SolidLine, Qt::FlatCap));
            for (const auto& r : s_.ramena)
                p_.drawLine(Stred + Smer(r.second) * (s_.kruhovy ? KruhJizda : 0),
                            Stred + Smer(r.second) * 400);
            p_.setPen(vrstva == 0 ? QPen(Obruba, 1.5) : QPen(Qt::NoPen));
            p_.setBrush(vrstva == 0 ? Obruba : Asfalt);
            if (s_.kruhovy) {
                const double r = KruhVnejsi + (vrstva == 0 ? 1.5 : 0);
                p_.drawEllipse(Stred, r, r);
            } else {
                p_.drawPolygon(Usti());
            }
        }
        if (s_.kruhovy) {
            p_.setPen(QPen(Obruba, 1.5));
            p_.setBrush(QColor(150, 185, 120));
            p_.drawEllipse(Stred, OstrovR, OstrovR);
        }
        // centre lines (dashed) and stop lines
        for (const auto& r : s_.ramena) {
            const QPointF u = Smer(r.second);
            QPen pen(Qt::white, 1.4, Qt::CustomDashLine, Qt::FlatCap);
            pen.setDashPattern({5, 4});
            p_.setPen(pen);
            p_.drawLine(Stred + u * (R_ + 1), Stred + u * 400);
            const auto z = s_.znacky.find(r.first);
            const bool stuj =
                z != s_.znacky.end() && std::count(z->second.begin(), z->second.end(), "P6");
            const bool dej =
                z != s_.znacky.end() && std::count(z->second.begin(), z->second.end(), "P4");
            if (stuj || dej || s_.semafory.count(r.first)) {
                QPen cara(Qt::white, stuj || s_.semafory.count(r.first) ? 2.2 : 1.6, Qt::SolidLine,
                          Qt::FlatCap);
                if (dej && !stuj && !s_.semafory.count(r.first)) {
                    cara.setStyle(Qt::CustomDashLine);
                    cara.setDashPattern({2, 1.5});
                }
                p_.setPen(cara);
                const QPointF bod = Stred + u * (R_ + 1);
                const QPointF vpr = Vpravo(-u);
                p_.drawLine(bod, bod + vpr * (Polovina - 1));
            }
        }
    }

    // The junction area: the convex hull of the mouths of its arms.
    QPolygonF Usti() const
    {
        std::vector<QPointF> body;
        for (const auto& r : s_.ramena) {
            const QPointF u = Smer(r.second), n = Vpravo(u);
            body.push_back(Stred + u * (R_ + 1) + n * Polovina);
            body.push_back(Stred + u * (R_ + 1) - n * Polovina);
        }
        std::sort(body.begin(), body.end(), [](QPointF a, QPointF b) {
            return a.x() < b.x() || (a.x() == b.x() && a.y() < b.y());
        });
        auto vektor = [](QPointF o, QPointF a, QPointF b) {
            return (a.x() - o.x()) * (b.y() - o.y()) - (a.y() - o.y()) * (b.x() - o.x());
        };
        std::vector<QPointF> obal(2 * body.size());
        std::size_t k = 0;
        for (std::size_t i = 0; i < body.size(); ++i) {
            while (k >= 2 && vektor(obal[k - 2], obal[k - 1], body[i]) <= 0)
                --k;
            obal[k++] = body[i];
        }
        for (std::size_t i = body.size() - 1, t = k + 1; i > 0; --i) {
            while (k >= t && vektor(obal[k - 2], obal[k - 1], body[i - 1]) <= 0)
                --k;
            obal[k++] = body[i - 1];
        }
        obal.resize(k > 0 ? k - 1 : 0);
        return QPolygonF(QList<QPointF>(obal.begin(), obal.end()));
    }

    // Where a vehicle coming from arm `z` enters the junction, and where one leaving by arm `do`
    // leaves it, each in its right-hand lane.
    QPointF Vjezd(const QString& z, double vzdalenost, double posun = 0) const
    {
        const QPointF u = U(z);
        return Stred + u * vzdalenost + Vpravo(-u) * (Pruh / 2 + posun);
    }
    QPointF Vyjezd(const QString& kam, double vzdalenost, double posun = 0) const
    {
        const QPointF u = U(kam);
        return Stred + u * vzdalenost + Vpravo(u) * (Pruh / 2 + posun);
    }
    QPointF NaKruhu(double stupne, double r = KruhJizda) const { return Stred + Smer(stupne) * r; }

    // The path through the junction from arm `z` to arm `kam`.
    QPainterPath Cesta(const QString& z, const QString& kam, double zacatek, double konec,
                       double posun = 0) const
    {
        return Cesta(z, kam, zacatek, konec, posun, s_.kruhovy ? 0 : posun);
    }
    QPainterPath Cesta(const QString& z, const QString& kam, double zacatek, double konec,
                       double posun, double posunVen) const
    {
        QPainterPath cesta;
        const QPointF dZ = -U(z), dDo = U(kam);
        cesta.moveTo(Vjezd(z, zacatek, posun));
        if (s_.kruhovy) {
            const double vstup = Uhel(z) + 14, vystup = Uhel(kam) - 14;
            double rozsah = std::fmod(vystup - vstup + 720, 360);
            if (rozsah < 10)
                rozsah += 360;
            cesta.lineTo(Vjezd(z, KruhVnejsi + 2));
            cesta.quadTo(Stred + (Smer(vstup) * KruhJizda) + Smer(vstup + 90) * 2, NaKruhu(vstup));
            Oblouk(cesta, vstup, rozsah);
            cesta.quadTo(NaKruhu(vystup + 4, KruhJizda + 6), Vyjezd(kam, KruhVnejsi + 2, posunVen));
            cesta.lineTo(Vyjezd(kam, konec, posunVen));
            return cesta;
        }
        const QPointF a = Vjezd(z, R_, posun), b = Vyjezd(kam, R_, posunVen);
        cesta.lineTo(a);
        if (z == kam) {  // turning back: a loop round the centre
            cesta.cubicTo(Stred + Smer(Uhel(z) + 180) * 10 + Vpravo(dZ) * 6,
                          Stred + Smer(Uhel(z) + 180) * 10 - Vpravo(dZ) * 26, b);
        } else {
            const double det = dZ.x() * (-dDo.y()) - dZ.y() * (-dDo.x());
            if (std::abs(det) < 1e-3) {
                cesta.lineTo(b);
            } else {
                const QPointF w = b - a;
                const double t = (w.x() * (-dDo.y()) - w.y() * (-dDo.x())) / det;
                cesta.quadTo(a + dZ * t, b);
            }
        }
        cesta.lineTo(Vyjezd(kam, konec, posunVen));
        return cesta;
    }
    void Oblouk(QPainterPath& cesta, double od, double rozsah) const
    {
        for (double u = 0; u <= rozsah; u += 5)
            cesta.lineTo(NaKruhu(od + u));
        cesta.lineTo(NaKruhu(od + rozsah));
    }

    struct Poloha {
        QPointF stred;
        QPointF smer;  // unit travel direction
    };

    static QSizeF Rozmer(const Vozidlo& v)
    {
        if (v.druh == "tramvaj")
            return {42, 12};
        if (v.druh == "autobus")
            return {30, 12};
        if (v.druh == "nakladni")
            return {27, 12};
        if (v.druh == "motocykl")
            return {12, 5};
        if (v.druh == "kolo")
            return {17, 5};
        return {21, 11};
    }

    Poloha Kde(const Vozidlo& v) const
    {
        if (v.naKruhu >= 0)
            return {NaKruhu(v.naKruhu), Smer(v.naKruhu + 90)};
        // every vehicle in front of it on the same arm
        double vzdalenost = (s_.kruhovy ? KruhVnejsi : R_) + 3;
        if (std::count(s_.prechody.begin(), s_.prechody.end(), v.z))
            vzdalenost = R_ + KonecPrechodu + 2;  // it waits before the crossing of its own arm
        std::vector<const Vozidlo*> pred;
        for (const Vozidlo& o : s_.vozidla)
            if (o.z == v.z && o.poradi < v.poradi)
                pred.push_back(&o);
        for (const Vozidlo* o : pred)
            vzdalenost += Rozmer(*o).width() + 5;
        vzdalenost += Rozmer(v).width() / 2;
        QPointF bod = Vjezd(v.z, vzdalenost, v.posun);
        if (v.druh == "kolo" || v.druh == "motocykl")
            bod += Vpravo(-U(v.z)) * 2.5;
        return {bod, -U(v.z)};
    }

    // How far a vehicle turns on its way, in degrees, positive to the left; turning back is 180.
    double Otoceni(const Vozidlo& v) const
    {
        if (v.kam.isEmpty() || v.z.isEmpty())
            return 0;
        if (v.kam == v.z)
            return 180;
        const QPointF d = -U(v.z), c = U(v.kam);
        const double vektor = d.x() * c.y() - d.y() * c.x();  // screen: negative is a left turn
        const double skalar = d.x() * c.x() + d.y() * c.y();
        return std::atan2(-vektor, skalar) * 180 / Pi;
    }

    QString Blinkr(const Vozidlo& v) const
    {
        if (!v.blinkr.isEmpty())
            return v.blinkr == "ne" ? QString() : v.blinkr;
        if (v.kam.isEmpty())
            return {};
        if (s_.kruhovy) {
            if (v.naKruhu < 0)
                return {};
            // leaving at the next arm
            const double dal = std::fmod(Uhel(v.kam) - v.naKruhu + 720, 360);
            double nejblizsi = 360;
            for (const auto& r : s_.ramena)
                nejblizsi = std::min(nejblizsi, std::fmod(r.second - v.naKruhu + 720, 360));
            return dal <= nejblizsi + 1e-6 ? QStringLiteral("vpravo") : QString();
        }
        if (v.kam == v.z)
            return QStringLiteral("vlevo");
        const double uhel = Otoceni(v);
        if (uhel > 25)
            return QStringLiteral("vlevo");
        if (uhel < -25)
            return QStringLiteral("vpravo");
        return {};
    }

    static QColor Tmavsi(const QColor& c, double k)
    {
        return QColor(int(c.red() * k), int(c.green() * k), int(c.blue() * k));
    }

    QColor BarvaSipky(const Vozidlo& v) const
    {
        QColor c = BarvyVozidel().at(v.barva);
        if (v.barva == "bila" || v.barva == "zluta")
            c = v.barva == "bila" ? QColor(245, 245, 245) : QColor(250, 215, 40);
        return c;
    }

    // Draws the path of a vehicle and adds its arrow head to `hroty` (an empty one for a vehicle
    // without a path), to be drawn over all paths.
    void Sipka(const Vozidlo& v, std::vector<QPolygonF>* hroty)
    {
        if (v.kam.isEmpty()) {
            hroty->emplace_back();
            return;
        }
        const Poloha kde = Kde(v);
        const double pul = Rozmer(v).width() / 2;
        const auto [posunVen, prodlouzeni] = VyjezdVozu(v);
        QPainterPath cesta;
        if (v.naKruhu >= 0) {
            const double vystup = Uhel(v.kam) - 14;
            double rozsah = std::fmod(vystup - v.naKruhu - 12 + 720, 360);
            const double start = v.naKruhu + 12;
            cesta.moveTo(NaKruhu(start));
            Oblouk(cesta, start, rozsah);
            cesta.quadTo(NaKruhu(vystup + 4, KruhJizda + 6),
                         Vyjezd(v.kam, KruhVnejsi + 2, posunVen));
            cesta.lineTo(Vyjezd(v.kam, KruhVnejsi + 26 + prodlouzeni, posunVen));
        } else {
            const double odkud = Delka(kde.stred - Vjezd(v.z, 0, v.posun)) - pul - 1;
            cesta = Cesta(v.z, v.kam, odkud, (s_.kruhovy ? KruhVnejsi : R_) + 24 + prodlouzeni,
                          v.posun, posunVen);
        }
        const QColor c = BarvaSipky(v);
        p_.setBrush(Qt::NoBrush);
        p_.setPen(QPen(QColor(30, 30, 30), 4.6, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
        p_.drawPath(cesta);
        p_.setPen(QPen(c, 2.6, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
        p_.drawPath(cesta);
        // arrow head along the last piece
        const QPointF konec = cesta.currentPosition();
        const QPointF smer = Jednotkovy(konec - cesta.pointAtPercent(0.97));
        const QPointF bok = Vpravo(smer);
        QPolygonF hrot;
        hrot << konec + smer * 7 << konec + bok * 5 << konec - bok * 5;
        hroty->push_back(hrot);
    }

    void Vuz(const Vozidlo& v)
    {
        const Poloha kde = Kde(v);
        const QSizeF r = Rozmer(v);
        const QColor barva = BarvyVozidel().at(v.barva);
        p_.save();
        p_.translate(kde.stred);
        p_.rotate(std::atan2(kde.smer.y(), kde.smer.x()) * 180
                  / Pi);  // x axis forwards, y to the right
        const double d = r.width(), s = r.height();
        if (v.druh == "kolo" || v.druh == "motocykl") {
            // wheels front and back, the frame between them, the handlebar and the rider
            p_.setPen(QPen(QColor(20, 20, 20), v.druh == "kolo" ? 1.4 : 2.6, Qt::SolidLine,
                           Qt::RoundCap));
            p_.drawLine(QPointF(-d / 2, 0), QPointF(d / 2, 0));
            p_.setPen(QPen(QColor(20, 20, 20), 2.6, Qt::SolidLine, Qt::RoundCap));
            p_.drawLine(QPointF(d / 2 - 4, 0), QPointF(d / 2, 0));
            p_.drawLine(QPointF(-d / 2, 0), QPointF(-d / 2 + 4, 0));
            p_.setPen(QPen(QColor(20, 20, 20), 1.3, Qt::SolidLine, Qt::RoundCap));
            p_.drawLine(QPointF(d / 2 - 5, -4), QPointF(d / 2 - 5, 4));
            p_.setPen(QPen(Qt::black, 0.8));
            p_.setBrush(barva);
            QPolygonF jezdec;
            for (int i = 0; i < 20; ++i) {
                const double t = i * 2 * Pi / 20;
                jezdec << QPointF(-1.5 + 2.6 * std::cos(t), 4.6 * std::sin(t));
            }
            p_.drawPolygon(jezdec);
            p_.setBrush(QColor(240, 200, 160));
            p_.drawEllipse(QPointF(-1.2, 0), 1.9, 1.9);
        } else {
            p_.setPen(QPen(QColor(25, 25, 25), 1));
            p_.setBrush(barva);
            p_.drawRoundedRect(QRectF(-d / 2, -s / 2, d, s), 2.5, 2.5);
            if (v.druh == "tramvaj") {
                p_.setPen(QPen(QColor(25, 25, 25), 0.8));
                p_.drawLine(QPointF(0, -s / 2), QPointF(0, s / 2));
                p_.drawLine(QPointF(-d / 4, -s / 2), QPointF(-d / 4, s / 2));
                p_.drawLine(QPointF(d / 4, -s / 2), QPointF(d / 4, s / 2));
            } else if (v.druh == "nakladni") {
                p_.setBrush(Tmavsi(barva, 0.75));
                p_.drawRect(QRectF(d / 2 - 7, -s / 2, 7, s));
            } else {
                p_.setPen(Qt::NoPen);
                p_.setBrush(QColor(40, 50, 70));
                p_.drawRect(QRectF(d / 2 - 6.5, -s / 2 + 1.5, 2.5, s - 3));  // windscreen
            }
        }
        // indicator: amber lamps at the front and rear corners on the turning side
        const QString b = Blinkr(v);
        if (!b.isEmpty()) {
            const double y = (b == "vpravo" ? 1 : -1) * (s / 2 + 0.6);
            p_.setPen(QPen(QColor(120, 60, 0), 0.7));
            p_.setBrush(QColor(255, 160, 0));
            for (double x : {d / 2 - 1.2, -d / 2 + 1.2}) {
                p_.drawEllipse(QPointF(x, y), 2.4, 2.4);
            }
            p_.setPen(QPen(QColor(255, 150, 0), 1.0, Qt::SolidLine, Qt::RoundCap));
            const double smer = b == "vpravo" ? 1 : -1;
            p_.drawLine(QPointF(d / 2 + 1.5, y + smer * 1.5), QPointF(d / 2 + 4, y + smer * 4));
        }
        if (v.majak) {
            p_.setPen(QPen(QColor(10, 10, 60), 0.6));
            p_.setBrush(QColor(30, 100, 255));
            p_.drawRect(QRectF(0, -s / 2 + 0.5, 3.5, s - 1));
            p_.setPen(QPen(QColor(30, 100, 255), 1.3, Qt::SolidLine, Qt::RoundCap));
            for (int i = 0; i < 6; ++i) {
                const double a = (i * 60 + 30) * Pi / 180;
                const QPointF c(1.75, 0);
                p_.drawLine(c + QPointF(std::cos(a), std::sin(a)) * (s / 2 + 1.8),
                            c + QPointF(std::cos(a), std::sin(a)) * (s / 2 + 6));
            }
        }
        p_.restore();
        if (!v.stitek.isEmpty()) {
            const QPointF bod = v.druh == "kolo" || v.druh == "motocykl"
                ? kde.stred - Vpravo(kde.smer) * 8.5
                : kde.stred - (v.majak ? kde.smer * 5.5 : QPointF());
            const double polomer = v.stitek.size() > 1 ? 5.8 : 5.0;
            p_.setPen(QPen(QColor(20, 20, 20), 0.8));
            p_.setBrush(Qt::white);
            p_.drawEllipse(bod, polomer, polomer);
            KresliText(p_, v.stitek.toUpper(), bod, v.stitek.size() > 1 ? 4.8 : 6.2, Qt::black,
                       0.21);
        }
    }

    void Chodce(const Chodec& c)
    {
        const QPointF u = U(c.rameno);
        const QPointF napric =
            Vpravo(-u);  // from the left kerb to the right one, seen from the junction
        const QPointF bod = Stred + u * (R_ + StredPrechodu) + napric * (c.odkud * Polovina * 0.55);
        const QPointF smer = -napric * c.odkud;
        p_.setPen(QPen(QColor(20, 20, 20), 2.2, Qt::SolidLine, Qt::FlatCap));
        p_.drawLine(bod + smer * 5, bod + smer * 12);
        QPolygonF hrot;
        hrot << bod + smer * 17 << bod + smer * 11 + Vpravo(smer) * 4
             << bod + smer * 11 - Vpravo(smer) * 4;
        p_.setPen(Qt::NoPen);
        p_.setBrush(QColor(20, 20, 20));
        p_.drawPolygon(hrot);
        if (c.druh == "kolo") {
            p_.setPen(QPen(QColor(20, 20, 20), 1.6, Qt::SolidLine, Qt::RoundCap));
            p_.drawLine(bod - smer * 6, bod + smer * 5);
        }
        p_.setPen(QPen(QColor(20, 20, 20), 0.8));
        // shoulders across the walking direction, the head on top
        const QPointF ramena = Vpravo(smer) * 5.6, hrud = smer * 3.0;
        QPolygonF telo;
        for (int i = 0; i < 20; ++i) {
            const double t = i * 2 * Pi / 20;
            telo << bod + ramena * std::cos(t) + hrud * std::sin(t);
        }
        p_.setBrush(QColor(150, 40, 170));
        p_.drawPolygon(telo);
        p_.setBrush(QColor(240, 200, 160));
        p_.drawEllipse(bod, 2.7, 2.7);
    }

    void Prechod(const QString& rameno)
    {
        const QPointF u = U(rameno), napric = Vpravo(-u);
        // white stripes along the arm, side by side across the carriageway
        p_.setPen(QPen(Qt::white, 2 * (KonecPrechodu - StredPrechodu), Qt::SolidLine, Qt::FlatCap));
        for (double x = -Polovina + 1.5; x + 3 <= Polovina - 1; x += 5.5)
            p_.drawLine(Stred + u * (R_ + StredPrechodu) + napric * x,
                        Stred + u * (R_ + StredPrechodu) + napric * (x + 3));
    }

    void Koleje(const QString& z, const QString& kam, double posun)
    {
        const QPainterPath cesta = Cesta(z, kam, 400, 400, posun);
        for (double strana : {-2.6, 2.6}) {
            QPainterPath posun;
            const int kroku = 200;
            for (int i = 0; i <= kroku; ++i) {
                const double t = double(i) / kroku;
                const QPointF bod = cesta.pointAtPercent(t);
                const double uhel = cesta.angleAtPercent(t) * Pi / 180;
                const QPointF normala(std::sin(uhel), std::cos(uhel));
                const QPointF b = bod + normala * strana;
                if (i == 0)
                    posun.moveTo(b);
                else
                    posun.lineTo(b);
            }
            p_.setBrush(Qt::NoBrush);
            p_.setPen(QPen(Kolej, 1.1));
            p_.drawPath(posun);
        }
    }

    // Where the posts at an arm stand: on the right of the approach, just before the junction.
    QPointF Sloupek(const QString& rameno, double dal) const
    {
        const QPointF u = U(rameno);
        QPointF bod = Stred + u * (R_ + dal) + Vpravo(-u) * (Polovina + 10);
        bod.setX(std::clamp(bod.x(), 10.0, kSirkaSituace - 10.0));
        bod.setY(std::clamp(bod.y(), 10.0, kVyskaSituace - 10.0));
        return bod;
    }

    static QImage Znacka(const QString& kod)
    {
        PopisZnacky z;
        z.kod = kod;
        if (kod == "P1") {
            z.tvar = "vystrazna";
            z.symboly.push_back({QStringLiteral("krizovatka_hlavni")});
        } else if (kod == "P2" || kod == "P3") {
            z.tvar = "kosoctverec";
            z.konec = kod == "P3";
        } else if (kod == "P4") {
            z.tvar = "obraceny";
        } else if (kod == "P5") {
            z.tvar = "obraceny";
            UmisteniSymbolu t {QStringLiteral("tramvaj")};
            t.meritko = 0.9;
            z.symboly.push_back(t);
        } else if (kod == "P6") {
            z.tvar = "osmiuhelnik";
            UmisteniSymbolu t {QStringLiteral("text")};
            t.meritko = 0.62;
            t.text = QStringLiteral("STOP");
            z.symboly.push_back(t);
        } else if (kod == "C1") {
            z.tvar = "kruh";
            z.vypln = "modra";
            UmisteniSymbolu t {QStringLiteral("kruhovy_objezd")};
            t.meritko = 1.2;
            z.symboly.push_back(t);
        }
        QImage obraz = KresliZnacku(z).convertToFormat(QImage::Format_ARGB32);
        // the white around the sign becomes transparent (the sign's grey rim stops the fill)
        std::vector<QPoint> zasobnik = {{0, 0},
                                        {obraz.width() - 1, 0},
                                        {0, obraz.height() - 1},
                                        {obraz.width() - 1, obraz.height() - 1}};
        while (!zasobnik.empty()) {
            const QPoint b = zasobnik.back();
            zasobnik.pop_back();
            if (!obraz.rect().contains(b))
                continue;
            const QRgb px = obraz.pixel(b);
            if (qAlpha(px) == 0 || std::min({qRed(px), qGreen(px), qBlue(px)}) < 235)
                continue;
            obraz.setPixel(b, qRgba(0, 0, 0, 0));
            zasobnik.insert(
                zasobnik.end(),
                {b + QPoint(1, 0), b - QPoint(1, 0), b + QPoint(0, 1), b - QPoint(0, 1)});
        }
        return obraz;
    }

    void Znacky(const QString& rameno, const std::vector<QString>& kody)
    {
        const double velikost = 19;
        QPointF bod = Sloupek(rameno, s_.semafory.count(rameno) ? 34 : 20);
        double vyska = 0;
        for (const QString& k : kody)
            vyska += k == "E2" ? VyskaE2 + 1 : velikost;
        // the stack grows away from the carriageway
        const QPointF bok = Vpravo(-U(rameno));
        double horni = bod.y() - vyska / 2;
        if (bok.y() < -0.5)
            horni = bod.y() + velikost / 2 - vyska;
        else if (bok.y() > 0.5)
            horni = bod.y() - velikost / 2;
        bod.setY(std::clamp(horni, 1.0, kVyskaSituace - vyska - 1));
        for (const QString& k : kody) {
            if (k == "E2") {
                TabulkaE2(QRectF(bod.x() - SirkaE2 / 2, bod.y() + 0.5, SirkaE2, VyskaE2),
                          Uhel(rameno));
                bod.ry() += VyskaE2 + 1;
                continue;
            }
            // Scaled to the pixels it takes in the picture, so that a larger twin shows it sharp.
            const int strana = int(velikost) * nasobek_;
            const QImage z =
                Znacka(k).scaled(strana, strana, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
            p_.drawImage(QRectF(bod.x() - velikost / 2, bod.y(), int(velikost), int(velikost)), z);
            bod.ry() += velikost;
        }
    }

    // E2: the shape of the junction as the driver of arm `uhel` sees it (his arm at the bottom),
    // the main road drawn thick. Large enough to be read at the picture's actual size.
    static constexpr double SirkaE2 = 22, VyskaE2 = 18;
    void TabulkaE2(const QRectF& r, double uhel)
    {
        p_.setPen(QPen(QColor(40, 40, 40), 0.9));
        p_.setBrush(Qt::white);
        p_.drawRect(r);
        const QPointF c = r.center();
        const double okraj = 1.8;
        for (const auto& a : s_.ramena) {
            const bool hlavni = std::count(s_.hlavni.begin(), s_.hlavni.end(), a.first);
            p_.setPen(QPen(Qt::black, hlavni ? 4.2 : 1.6, Qt::SolidLine, Qt::FlatCap));
            const QPointF u = Smer(a.second - uhel + 270);
            const double k =
                std::min(std::abs(u.x()) > 1e-6 ? (r.width() / 2 - okraj) / std::abs(u.x()) : 1e9,
                         std::abs(u.y()) > 1e-6 ? (r.height() / 2 - okraj) / std::abs(u.y()) : 1e9);
            p_.drawLine(c, c + u * k);
        }
    }

    void Svetla(const QString& rameno, const Semafor& s)
    {
        const QPointF bod = Sloupek(rameno, 9);
        const QRectF skrin(bod.x() - 4.5, std::clamp(bod.y() - 11, 1.0, kVyskaSituace - 23.0), 9,
                           22);
        p_.setPen(QPen(QColor(10, 10, 10), 0.8));
        p_.setBrush(QColor(35, 35, 35));
        p_.drawRoundedRect(skrin, 1.5, 1.5);
        const QColor zhasnuta(75, 75, 75);
        const bool c = s.svetlo == "cervena" || s.svetlo == "cervena_zluta";
        const bool z =
            s.svetlo == "zluta" || s.svetlo == "cervena_zluta" || s.svetlo == "zluta_blika";
        const bool g = s.svetlo == "zelena";
        const QColor barvy[] = {c ? QColor(255, 30, 30) : zhasnuta,
                                z ? QColor(255, 190, 0) : zhasnuta,
                                g ? QColor(40, 230, 80) : zhasnuta};
        for (int i = 0; i < 3; ++i) {
            p_.setPen(Qt::NoPen);
            p_.setBrush(barvy[i]);
            p_.drawEllipse(QPointF(skrin.center().x(), skrin.top() + 4 + i * 7), 2.7, 2.7);
        }
        if (s.svetlo == "zluta_blika") {
            p_.setPen(QPen(QColor(255, 190, 0), 0.9));
            for (double dx : {-1.0, 1.0})
                p_.drawLine(QPointF(skrin.center().x() + dx * 4, skrin.top() + 11),
                            QPointF(skrin.center().x() + dx * 7, skrin.top() + 11));
        }
        if (!s.sipka.isEmpty()) {
            const QRectF prid(skrin.right() + 0.5, skrin.top() + 12, 10, 10);
            p_.setPen(QPen(QColor(10, 10, 10), 0.8));
            p_.setBrush(QColor(35, 35, 35));
            p_.drawRect(prid);
            // the head is drawn face on, as the driver of this arm sees it, and so is its arrow
            const QPointF smer = s.sipka == "vlevo" ? QPointF(-1, 0)
                : s.sipka == "vpravo"               ? QPointF(1, 0)
                                                    : QPointF(0, -1);
            const QPointF c0 = prid.center();
            p_.setPen(QPen(QColor(40, 230, 80), 1.8, Qt::SolidLine, Qt::FlatCap));
            p_.drawLine(c0 - smer * 3.6, c0 + smer * 1.0);
            QPolygonF hrot;
            hrot << c0 + smer * 4.2 << c0 + smer * 0.6 + Vpravo(smer) * 2.8
                 << c0 + smer * 0.6 - Vpravo(smer) * 2.8;
            p_.setPen(Qt::NoPen);
            p_.setBrush(QColor(40, 230, 80));
            p_.drawPolygon(hrot);
        }
    }

    void Policista()
    {
        const QStringList osa = s_.policista.split('-');
        const QPointF a = Smer(Uhel(osa[0])), b = Smer(Uhel(osa[1]));
        const QPointF hrud = Vpravo(a);  // the chest faces across the arms
        // a light disc under him, so that he stands out of the paths drawn across the junction
        p_.setPen(QPen(QColor(60, 60, 60), 0.8));
        p_.setBrush(QColor(250, 240, 170));
        p_.drawEllipse(Stred, 10.5, 10.5);
        p_.setPen(QPen(QColor(10, 10, 10), 4.2, Qt::SolidLine, Qt::RoundCap));
        p_.drawLine(Stred, Stred + a * 15);
        p_.drawLine(Stred, Stred + b * 15);
        p_.setPen(QPen(QColor(40, 60, 120), 2.6, Qt::SolidLine, Qt::RoundCap));
        p_.drawLine(Stred, Stred + a * 15);
        p_.drawLine(Stred, Stred + b * 15);
        p_.setPen(QPen(Qt::white, 3.4, Qt::SolidLine, Qt::RoundCap));  // white gloves
        p_.drawPoint(Stred + a * 15.5);
        p_.drawPoint(Stred + b * 15.5);
        p_.setPen(QPen(QColor(10, 10, 10), 0.9));
        p_.setBrush(QColor(40, 60, 120));
        const QPointF x = Jednotkovy(a) * 7.5, y = hrud * 4.5;
        QPolygonF telo;
        for (int i = 0; i < 24; ++i) {
            const double t = i * 2 * Pi / 24;
            telo << Stred + x * std::cos(t) + y * std::sin(t);
        }
        p_.drawPolygon(telo);
        p_.setBrush(Qt::white);
        p_.drawEllipse(Stred, 3.6, 3.6);
    }

    // The crossing of an arm, measured along it from the mouth of the junction.
    static constexpr double StredPrechodu = 12, KonecPrechodu = 19;

    // Sideways shift of a vehicle's path where it leaves: vehicles leaving by the same arm are
    // drawn side by side, and the later ones a little longer, so that no head hides another.
    // Those turning left keep nearest the middle of the road, those turning right nearest its edge.
    std::pair<double, double> VyjezdVozu(const Vozidlo& v) const
    {
        int kolikaty = 0, celkem = 0;
        const double moje = Otoceni(v);
        for (const Vozidlo& o : s_.vozidla) {
            if (o.kam != v.kam)
                continue;
            const double jeho = Otoceni(o);
            kolikaty += jeho > moje || (jeho == moje && &o < &v);
            ++celkem;
        }
        if (celkem < 2)
            return {s_.kruhovy ? 0 : v.posun, 0};
        const double krok = std::min(6.0, 14.0 / (celkem - 1));
        return {(kolikaty - (celkem - 1) / 2.0) * krok, 9.0 * kolikaty};
    }

    QPainter& p_;
    const Scena& s_;
    int nasobek_;  // the picture is drawn this many times larger than the scene's units
    const double Polovina;  // half the carriageway
    const double Pruh;  // width of a lane
    double R_ = 24;
};

}  // namespace

namespace {

// The picture's coordinates in an image of `velikost`: scaled evenly and centred.
QTransform Meritko(QSize velikost)
{
    const double k = std::min(velikost.width() / double(kSirkaSituace),
                              velikost.height() / double(kVyskaSituace));
    QTransform t;
    t.translate((velikost.width() - k * kSirkaSituace) / 2,
                (velikost.height() - k * kVyskaSituace) / 2);
    t.scale(k, k);
    return t;
}

}  // namespace

QImage KresliScenu(const Scena& scena, QSize velikost)
{
    QImage obraz(velikost, QImage::Format_RGB32);
    obraz.fill(Trava);
    QPainter p(&obraz);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.setTransform(Meritko(velikost));
    Kreslic(p, scena).Kresli();  // the roads run on to the edges beyond the usual frame
    return obraz;
}

std::vector<QPointF> PolohyVozidel(const Scena& scena, QSize velikost)
{
    QImage prazdny(1, 1, QImage::Format_RGB32);
    QPainter p(&prazdny);
    const Kreslic k(p, scena);
    const QTransform t = Meritko(velikost);
    std::vector<QPointF> polohy;
    for (const Vozidlo& v : scena.vozidla)
        polohy.push_back(t.map(k.StredVozu(v)));
    return polohy;
}

QImage KresliScenu(const Scena& scena, int nasobek)
{
    QImage obraz(kSirkaSituace * nasobek, kVyskaSituace * nasobek, QImage::Format_RGB32);
    obraz.fill(Trava);
    QPainter p(&obraz);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(nasobek, nasobek);
    Kreslic(p, scena, nasobek).Kresli();
    return obraz;
}

QImage KontaktniArchSituaci(const std::vector<Scena>& sceny)
{
    constexpr int sloupcu = 4, okraj = 6, popisek = 16;
    const int radku = std::max<int>(1, int((sceny.size() + sloupcu - 1) / sloupcu));
    QImage arch(sloupcu * (kSirkaSituace + okraj) + okraj,
                radku * (kVyskaSituace + popisek + okraj) + okraj, QImage::Format_RGB32);
    arch.fill(QColor(235, 235, 235));
    QPainter p(&arch);
    p.setRenderHint(QPainter::Antialiasing);
    for (std::size_t i = 0; i < sceny.size(); ++i) {
        const int x = okraj + int(i % sloupcu) * (kSirkaSituace + okraj);
        const int y = okraj + int(i / sloupcu) * (kVyskaSituace + popisek + okraj);
        p.drawImage(x, y, KresliScenu(sceny[i]));
        KresliText(p, QFileInfo(sceny[i].soubor).completeBaseName(),
                   QPointF(x + kSirkaSituace / 2.0, y + kVyskaSituace + 9), 10, Qt::black, 0.14);
    }
    return arch;
}
