#include "tools/znacky/Znacky.h"

#include "tools/znacky/Symboly.h"

#include <QDir>
#include <QImageWriter>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <cmath>
#include <set>

namespace {

// Drawn four times larger and scaled down, so that thin rims keep their weight.
constexpr int kNasobek = 4;
constexpr double kPlatno = kVelikostZnacky * kNasobek;

const QColor kSedyOkraj(150, 150, 150);

// Where the symbol box lies and what colour symbols take by default.
struct Plocha {
    QPointF stred;
    double jednotka = 1;  // half the side of the symbol box in pixels
    QColor barvaSymbolu = Qt::black;
    QPainterPath vnitrek;  // the face, for the end stripes and the red bar
    double polomer = 0;  // of a round face
};

class Kreslic {
public:
    Kreslic(QPainter& p, const PopisZnacky& z, QString* chyba) : p_(p), z_(z), chyba_(chyba) { }

    void Kresli()
    {
        QRectF oblast(0, 0, kPlatno, kPlatno);
        QRectF tabulka;
        if (z_.maTabulku && z_.velkaTabulka) {
            oblast = QRectF(kPlatno * 0.22, 0, kPlatno * 0.56, kPlatno * 0.56);
            tabulka = QRectF(kPlatno * 0.12, kPlatno * 0.59, kPlatno * 0.76, kPlatno * 0.39);
        } else if (z_.maTabulku) {
            oblast = QRectF(kPlatno * 0.16, 0, kPlatno * 0.68, kPlatno * 0.68);
            tabulka = QRectF(kPlatno * 0.12, kPlatno * 0.71, kPlatno * 0.76, kPlatno * 0.27);
        }
        const Plocha plocha = Tvar(oblast);
        Symboly(z_.symboly, plocha);
        Prekryti(plocha);
        if (z_.maTabulku)
            KresliTabulku(tabulka);
    }

private:
    QColor Barva(const QString& nazev, const QColor& vychozi)
    {
        if (nazev.isEmpty())
            return vychozi;
        const QColor c = BarvaZnacky(nazev);
        if (!c.isValid()) {
            Chyba(QStringLiteral("unknown colour \"%1\"").arg(nazev));
            return vychozi;
        }
        return c;
    }

    void Chyba(const QString& text)
    {
        if (chyba_ && chyba_->isEmpty())
            *chyba_ = z_.soubor + QStringLiteral(": ") + text;
    }

    QColor Lice() { return z_.docasna ? BarvaZnacky("zluta") : BarvaZnacky("bila"); }

    void Obrys(const QPolygonF& tvar, const QColor& vypln, const QColor& pero, double sirka)
    {
        p_.setPen(sirka > 0 ? QPen(pero, sirka, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin)
                            : QPen(Qt::NoPen));
        p_.setBrush(vypln);
        p_.drawPolygon(tvar);
    }

    static QPolygonF Zmensi(const QPolygonF& tvar, QPointF stred, double k)
    {
        QPolygonF v;
        for (const QPointF& b : tvar)
            v << stred + (b - stred) * k;
        return v;
    }

    Plocha Tvar(const QRectF& r)
    {
        const double s = r.width();
        const QPointF c = r.center();
        Plocha pl;
        pl.stred = c;
        pl.jednotka = s * 0.3;
        const QString& t = z_.tvar;
        if (t == "vystrazna" || t == "obraceny") {
            const bool dolu = t == "obraceny";
            const double L = s * 0.94, h = L * std::sqrt(3.0) / 2;
            const double y0 = c.y() - h / 2 + s * 0.03 * (dolu ? -1 : 1);
            QPolygonF troj;
            if (!dolu)
                troj << QPointF(c.x(), y0) << QPointF(c.x() + L / 2, y0 + h)
                     << QPointF(c.x() - L / 2, y0 + h);
            else
                troj << QPointF(c.x() - L / 2, y0) << QPointF(c.x() + L / 2, y0)
                     << QPointF(c.x(), y0 + h);
            const QPointF tez(c.x(), dolu ? y0 + h / 3 : y0 + 2 * h / 3);
            Obrys(troj, Qt::white, kSedyOkraj, s * 0.035);
            Obrys(Zmensi(troj, tez, 0.93), Barva(z_.okraj, BarvaZnacky("cervena")),
                  Barva(z_.okraj, BarvaZnacky("cervena")), s * 0.03);
            Obrys(Zmensi(troj, tez, 0.66), Barva(z_.vypln, Lice()), Barva(z_.vypln, Lice()),
                  s * 0.015);
            pl.stred = QPointF(c.x(), dolu ? y0 + h * 0.33 : y0 + h * 0.63);
            pl.jednotka = L * 0.2;
        } else if (t == "osmiuhelnik") {
            QPolygonF osm;
            for (int i = 0; i < 8; ++i) {
                const double a = (22.5 + 45 * i) * M_PI / 180;
                osm << c + QPointF(std::cos(a), std::sin(a)) * (s * 0.49);
            }
            Obrys(osm, Qt::white, kSedyOkraj, s * 0.01);
            Obrys(Zmensi(osm, c, 0.93), BarvaZnacky("cervena"), BarvaZnacky("cervena"), 0);
            pl.jednotka = s * 0.36;
            pl.barvaSymbolu = Qt::white;
        } else if (t == "kosoctverec") {
            const double d = s * 0.49;
            QPolygonF kos;
            kos << c + QPointF(0, -d) << c + QPointF(d, 0) << c + QPointF(0, d)
                << c + QPointF(-d, 0);
            Obrys(kos, Qt::white, kSedyOkraj, s * 0.01);
            Obrys(Zmensi(kos, c, 0.95), QColor(Qt::white), QColor(20, 20, 20), s * 0.008);
            Obrys(Zmensi(kos, c, 0.62), BarvaZnacky("zluta"), BarvaZnacky("zluta"), 0);
            pl.vnitrek.addPolygon(Zmensi(kos, c, 0.95));
            pl.jednotka = s * 0.3;
        } else if (t == "kruh") {
            const double R = s * 0.48;
            p_.setPen(QPen(kSedyOkraj, s * 0.008));
            p_.setBrush(Qt::white);
            p_.drawEllipse(c, R, R);
            const QColor vypln = Barva(z_.vypln, Lice());
            QString okraj = z_.okraj;
            if (okraj.isEmpty())
                okraj = z_.konec                    ? QStringLiteral("seda")
                    : vypln == BarvaZnacky("modra") ? QStringLiteral("bila")
                                                    : QStringLiteral("cervena");
            double vnitrni = R * 0.97;
            if (okraj == "cervena") {
                p_.setPen(Qt::NoPen);
                p_.setBrush(BarvaZnacky("cervena"));
                p_.drawEllipse(c, R * 0.97, R * 0.97);
                vnitrni = R * 0.76;
            } else if (okraj == "bila") {
                vnitrni = R * 0.93;
            } else if (okraj == "seda") {
                p_.setPen(QPen(QColor(60, 60, 60), s * 0.012));
                p_.setBrush(Qt::NoBrush);
                p_.drawEllipse(c, R * 0.95, R * 0.95);
                vnitrni = R * 0.93;
            }
            p_.setPen(Qt::NoPen);
            p_.setBrush(vypln);
            p_.drawEllipse(c, vnitrni, vnitrni);
            pl.vnitrek.addEllipse(c, vnitrni, vnitrni);
            pl.polomer = vnitrni;
            pl.jednotka = R * 0.62;
            pl.barvaSymbolu = z_.konec ? QColor(90, 90, 90)
                : vypln == BarvaZnacky("modra") || vypln == BarvaZnacky("cervena")
                ? QColor(Qt::white)
                : QColor(Qt::black);
        } else if (t == "ctverec") {
            double w = s * 0.96, h = w;
            if (z_.pomer > 1)
                w = h / z_.pomer;
            else
                h = w * z_.pomer;
            const QRectF vnejsi(c.x() - w / 2, c.y() - h / 2, w, h);
            p_.setPen(QPen(kSedyOkraj, s * 0.01));
            p_.setBrush(Qt::white);
            p_.drawRoundedRect(vnejsi, s * 0.05, s * 0.05);
            const QColor vypln = Barva(z_.vypln, BarvaZnacky("modra"));
            const double okraj = std::min(w, h) * 0.05;
            const QRectF vnitrni = vnejsi.adjusted(okraj, okraj, -okraj, -okraj);
            if (z_.okraj == "cerna") {
                p_.setPen(QPen(Qt::black, s * 0.02));
                p_.setBrush(vypln);
                p_.drawRoundedRect(vnitrni, s * 0.03, s * 0.03);
            } else {
                p_.setPen(Qt::NoPen);
                p_.setBrush(vypln);
                p_.drawRoundedRect(vnitrni, s * 0.035, s * 0.035);
            }
            pl.vnitrek.addRect(vnitrni);
            pl.jednotka = std::min(vnitrni.width(), vnitrni.height()) * 0.44;
            pl.barvaSymbolu = vypln == BarvaZnacky("bila") ? QColor(Qt::black) : QColor(Qt::white);
        } else if (t == "navestni") {
            const double h = s * 0.96, w = h / 3.2;
            const QRectF deska(c.x() - w / 2, c.y() - h / 2, w, h);
            p_.setPen(QPen(kSedyOkraj, s * 0.01));
            p_.setBrush(Qt::white);
            p_.drawRect(deska);
            p_.save();
            p_.setClipRect(deska);
            const double krok = h / 4.0;
            for (int i = 0; i < z_.pocet; ++i) {
                const double y = deska.top() + krok * (i + 1) - krok * 0.2;
                Obrys(QPolygonF({QPointF(deska.left(), y + w * 0.35),
                                 QPointF(deska.right(), y - w * 0.35),
                                 QPointF(deska.right(), y - w * 0.35 + krok * 0.42),
                                 QPointF(deska.left(), y + w * 0.35 + krok * 0.42)}),
                      BarvaZnacky("cervena"), BarvaZnacky("cervena"), 0);
            }
            p_.restore();
        } else if (t == "kriz") {
            Kriz(c, s);
        } else if (t == "silnice") {
            p_.setPen(Qt::NoPen);
            p_.setBrush(QColor(104, 106, 110));
            p_.drawRect(r);
            p_.setBrush(QColor(120, 160, 90));
            p_.drawRect(QRectF(r.left(), r.top(), s * 0.05, s));
            p_.drawRect(QRectF(r.right() - s * 0.05, r.top(), s * 0.05, s));
            pl.jednotka = s / 2;
            pl.barvaSymbolu = Qt::white;
        } else if (t == "semafor") {
            Semafor(r);
        } else if (t == "prejezd") {
            Prejezd(r);
        } else if (t == "volna") {
            pl.jednotka = s * 0.46;
        } else {
            Chyba(QStringLiteral("unknown shape \"%1\"").arg(t));
        }
        return pl;
    }

    void Kriz(QPointF c, double s)
    {
        for (const double uhel : {33.0, -33.0}) {
            p_.save();
            p_.translate(c);
            p_.rotate(uhel);
            const QRectF rameno(-s * 0.49, -s * 0.085, s * 0.98, s * 0.17);
            p_.setPen(QPen(kSedyOkraj, s * 0.008));
            p_.setBrush(BarvaZnacky("cervena"));
            p_.drawRect(rameno);
            p_.restore();
        }
        for (const double uhel : {33.0, -33.0}) {
            p_.save();
            p_.translate(c);
            p_.rotate(uhel);
            p_.setPen(Qt::NoPen);
            p_.setBrush(Qt::white);
            p_.drawRect(QRectF(-s * 0.46, -s * 0.055, s * 0.92, s * 0.11));
            p_.restore();
        }
    }

    // A signal head: the lamps from top to bottom by `stav` (C red, Z yellow, E green, B yellow
    // flashing, - dark) and a fourth character S for a lit additional green arrow to the right.
    void Semafor(const QRectF& r)
    {
        const double s = r.width();
        const bool sipka = z_.stav.size() > 3 && z_.stav.at(3) == 'S';
        const double x = r.center().x() - (sipka || z_.stav.size() > 3 ? s * 0.1 : 0);
        const QRectF skrin(x - s * 0.17, r.top() + s * 0.04, s * 0.34, s * 0.92);
        p_.setPen(Qt::NoPen);
        p_.setBrush(QColor(35, 35, 35));
        p_.drawRoundedRect(skrin, s * 0.05, s * 0.05);
        const QColor sviti[] = {QColor(235, 30, 30), QColor(255, 190, 0), QColor(30, 215, 90)};
        const QColor zhasnuto[] = {QColor(80, 40, 40), QColor(85, 75, 40), QColor(35, 75, 50)};
        for (int i = 0; i < 3; ++i) {
            const QChar z = i < z_.stav.size() ? z_.stav.at(i) : QChar('-');
            const QPointF stred(x, skrin.top() + skrin.height() * (i + 0.5) / 3);
            const bool zapnuto = z != '-';
            p_.setBrush(zapnuto ? sviti[i] : zhasnuto[i]);
            p_.drawEllipse(stred, s * 0.12, s * 0.12);
            if (z == 'B') {
                p_.setPen(QPen(sviti[1], s * 0.018, Qt::SolidLine, Qt::RoundCap));
                for (int k = 0; k < 8; ++k) {
                    const double a = k * M_PI / 4;
                    const QPointF u(std::cos(a), std::sin(a));
                    p_.drawLine(stred + u * (s * 0.15), stred + u * (s * 0.2));
                }
                p_.setPen(Qt::NoPen);
            }
        }
        if (z_.stav.size() > 3) {
            const QRectF doplnek(skrin.right() + s * 0.02, skrin.bottom() - s * 0.3, s * 0.3,
                                 s * 0.3);
            p_.setBrush(QColor(35, 35, 35));
            p_.drawRoundedRect(doplnek, s * 0.04, s * 0.04);
            const QPointF st = doplnek.center();
            p_.setBrush(QColor(20, 20, 20));
            p_.drawEllipse(st, s * 0.12, s * 0.12);
            if (sipka) {
                p_.save();
                p_.translate(st);
                p_.scale(s * 0.11, s * 0.11);
                p_.rotate(90);
                SdileneSymboly().at("sipka")(p_, {QColor(30, 215, 90), {}});
                p_.restore();
            }
        }
    }

    // A crossing signal under its cross: two red lamps side by side and the white lamp below
    // (`stav`: C lit red, B lit white, - dark).
    void Prejezd(const QRectF& r)
    {
        const double s = r.width();
        Kriz(QPointF(r.center().x(), r.top() + s * 0.2), s * 0.55);
        const QRectF deska(r.center().x() - s * 0.36, r.top() + s * 0.44, s * 0.72, s * 0.28);
        p_.setPen(Qt::NoPen);
        p_.setBrush(QColor(30, 30, 30));
        p_.drawRoundedRect(deska, s * 0.13, s * 0.13);
        for (int i = 0; i < 2; ++i) {
            const bool zapnuto = i < z_.stav.size() && z_.stav.at(i) == 'C';
            p_.setBrush(zapnuto ? QColor(240, 30, 30) : QColor(85, 40, 40));
            p_.drawEllipse(QPointF(deska.center().x() + (i ? 1 : -1) * s * 0.2, deska.center().y()),
                           s * 0.1, s * 0.1);
        }
        const QRectF bila(r.center().x() - s * 0.13, deska.bottom() + s * 0.02, s * 0.26, s * 0.22);
        p_.setBrush(QColor(30, 30, 30));
        p_.drawRoundedRect(bila, s * 0.1, s * 0.1);
        const bool bile = z_.stav.size() > 2 && z_.stav.at(2) == 'B';
        p_.setBrush(bile ? QColor(250, 250, 255) : QColor(90, 90, 95));
        p_.drawEllipse(bila.center(), s * 0.08, s * 0.08);
        // a lit lamp of a crossing signal flashes: short rays round it
        auto paprsky = [this, s](QPointF stred, double r, const QColor& barva) {
            p_.setPen(QPen(barva, s * 0.016, Qt::SolidLine, Qt::RoundCap));
            for (int k = 0; k < 8; ++k) {
                const double a = (k + 0.5) * M_PI / 4;
                const QPointF u(std::cos(a), std::sin(a));
                p_.drawLine(stred + u * (r + s * 0.025), stred + u * (r + s * 0.06));
            }
            p_.setPen(Qt::NoPen);
        };
        if (bile)
            paprsky(bila.center(), s * 0.11, QColor(150, 150, 160));
        for (int i = 0; i < 2; ++i)
            if (i < z_.stav.size() && z_.stav.at(i) == 'C')
                paprsky(QPointF(deska.center().x() + (i ? 1 : -1) * s * 0.2, deska.center().y()),
                        s * 0.1, QColor(240, 30, 30));
        p_.setBrush(QColor(110, 110, 110));
        p_.drawRect(QRectF(r.center().x() - s * 0.025, bila.bottom(), s * 0.05,
                           r.bottom() - bila.bottom()));
    }

    void Symboly(const std::vector<UmisteniSymbolu>& symboly, const Plocha& pl)
    {
        for (const UmisteniSymbolu& u : symboly) {
            const auto s = SdileneSymboly().find(u.symbol);
            if (s == SdileneSymboly().end()) {
                Chyba(QStringLiteral("unknown symbol \"%1\"").arg(u.symbol));
                continue;
            }
            p_.save();
            p_.translate(pl.stred + QPointF(u.x, u.y) * pl.jednotka);
            p_.scale(pl.jednotka * u.meritko, pl.jednotka * u.meritko);
            p_.rotate(u.otoceni);
            if (u.zrcadlo)
                p_.scale(-1, 1);
            KontextSymbolu k {Barva(u.barva, pl.barvaSymbolu), u.text};
            s->second(p_, k);
            p_.restore();
            if (u.symbol == "text") {
                QImage zkouska(1, 1, QImage::Format_RGB32);
                QPainter q(&zkouska);
                if (!KresliText(q, u.text, {0, 0}, 1, Qt::black))
                    Chyba(QStringLiteral("no glyph for a character of \"%1\"").arg(u.text));
            }
        }
    }

    void Prekryti(const Plocha& pl)
    {
        if (z_.konec && z_.tvar == "kruh") {
            p_.save();
            p_.setClipPath(pl.vnitrek);
            p_.setPen(QPen(QColor(30, 30, 30), pl.polomer * 0.035));
            const QPointF c = pl.stred;
            for (int i = -2; i <= 2; ++i) {
                const QPointF posun = QPointF(1, 1) * (i * pl.polomer * 0.1);
                p_.drawLine(c + posun + QPointF(-pl.polomer, pl.polomer),
                            c + posun + QPointF(pl.polomer, -pl.polomer));
            }
            p_.restore();
        } else if (z_.konec && z_.tvar == "kosoctverec") {
            p_.save();
            p_.setClipPath(pl.vnitrek);
            p_.setPen(QPen(QColor(20, 20, 20), pl.jednotka * 0.05));
            for (int i = -3; i <= 3; ++i) {
                const QPointF posun = QPointF(1, 1) * (i * pl.jednotka * 0.09);
                p_.drawLine(pl.stred + posun + QPointF(-2, 2) * pl.jednotka,
                            pl.stred + posun + QPointF(2, -2) * pl.jednotka);
            }
            p_.restore();
        } else if (z_.konec && z_.tvar == "ctverec") {
            p_.save();
            p_.setClipPath(pl.vnitrek);
            const QRectF b = pl.vnitrek.boundingRect();
            p_.setPen(QPen(BarvaZnacky("cervena"), std::min(b.width(), b.height()) * 0.08,
                           Qt::SolidLine, Qt::FlatCap));
            p_.drawLine(b.bottomLeft() + QPointF(b.width() * 0.08, -b.height() * 0.06),
                        b.topRight() + QPointF(-b.width() * 0.08, b.height() * 0.06));
            p_.restore();
        }
        if (!z_.preskrtnuti.isEmpty()) {
            p_.save();
            p_.setClipPath(pl.vnitrek);
            p_.setPen(QPen(BarvaZnacky("cervena"), pl.polomer * 0.2, Qt::SolidLine, Qt::FlatCap));
            const QPointF c = pl.stred, d(pl.polomer, pl.polomer);
            p_.drawLine(c - d, c + d);
            if (z_.preskrtnuti == "x")
                p_.drawLine(c + QPointF(-d.x(), d.y()), c + QPointF(d.x(), -d.y()));
            else if (z_.preskrtnuti != "sikmo")
                Chyba(QStringLiteral("unknown bar \"%1\"").arg(z_.preskrtnuti));
            p_.restore();
        }
    }

    void KresliTabulku(const QRectF& r)
    {
        p_.setPen(QPen(QColor(20, 20, 20), kPlatno * 0.012));
        p_.setBrush(Qt::white);
        p_.drawRoundedRect(r, kPlatno * 0.015, kPlatno * 0.015);
        Plocha pl;
        pl.stred = r.center();
        pl.jednotka = r.height() * 0.42;
        Symboly(z_.tabulka.symboly, pl);
    }

    QPainter& p_;
    const PopisZnacky& z_;
    QString* chyba_;
};

}  // namespace

QColor BarvaZnacky(const QString& nazev)
{
    static const std::map<QString, QColor> barvy = {
        {"cerna", QColor(20, 20, 20)},    {"bila", QColor(255, 255, 255)},
        {"cervena", QColor(200, 16, 30)}, {"modra", QColor(0, 80, 160)},
        {"zluta", QColor(255, 200, 0)},   {"seda", QColor(120, 120, 120)},
        {"zelena", QColor(20, 140, 60)},  {"oranzova", QColor(245, 110, 20)},
    };
    const auto b = barvy.find(nazev);
    return b == barvy.end() ? QColor() : b->second;
}

QImage KresliZnacku(const PopisZnacky& popis, QString* chyba, int nasobek)
{
    QImage velky(static_cast<int>(kPlatno), static_cast<int>(kPlatno), QImage::Format_RGB32);
    velky.fill(Qt::white);
    {
        QPainter p(&velky);
        p.setRenderHint(QPainter::Antialiasing);
        Kreslic(p, popis, chyba).Kresli();
    }
    const int strana = kVelikostZnacky * nasobek;
    return strana == velky.width()
        ? velky
        : velky.scaled(strana, strana, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

QImage KontaktniArch(const std::vector<PopisZnacky>& popisy)
{
    constexpr int sloupcu = 10, bunka = kVelikostZnacky + 8, popisek = 22;
    const int radku = int((popisy.size() + sloupcu - 1) / sloupcu);
    QImage arch(sloupcu * bunka, std::max(1, radku) * (bunka + popisek), QImage::Format_RGB32);
    arch.fill(QColor(235, 235, 235));
    QPainter p(&arch);
    p.setRenderHint(QPainter::Antialiasing);
    for (std::size_t i = 0; i < popisy.size(); ++i) {
        const int x = int(i % sloupcu) * bunka + 4, y = int(i / sloupcu) * (bunka + popisek) + 4;
        p.drawImage(x, y, KresliZnacku(popisy[i]));
        KresliText(p, popisy[i].kod.toUpper(),
                   QPointF(x + kVelikostZnacky / 2.0, y + kVelikostZnacky + 12), 11, Qt::black,
                   0.14);
    }
    return arch;
}

QString ZapisZnacky(const std::vector<PopisZnacky>& popisy, const QString& adresar,
                    const QString& arch)
{
    if (!QDir().mkpath(adresar))
        return QStringLiteral("nelze vytvořit adresář %1").arg(adresar);
    for (const PopisZnacky& z : popisy) {
        for (int nasobek : {1, 2, 4}) {
            QString chyba;
            const QImage obraz = KresliZnacku(z, &chyba, nasobek);
            if (!chyba.isEmpty())
                return chyba;
            const QString cesta = QDir(adresar).filePath(JmenoDvojcete(z.soubor, nasobek));
            QImageWriter zapis(cesta, "jpeg");
            zapis.setQuality(95);
            if (!zapis.write(obraz))
                return QStringLiteral("%1: %2").arg(cesta, zapis.errorString());
        }
    }
    if (!arch.isEmpty()) {
        QImageWriter zapis(arch, "png");
        if (!zapis.write(KontaktniArch(popisy)))
            return QStringLiteral("%1: %2").arg(arch, zapis.errorString());
    }
    return {};
}

QString JmenoDvojcete(const QString& soubor, int nasobek)
{
    if (nasobek == 1)
        return soubor;
    const qsizetype tecka = soubor.lastIndexOf(QLatin1Char('.'));
    const QString zaklad = tecka < 0 ? soubor : soubor.left(tecka);
    return zaklad + QStringLiteral("@%1x").arg(nasobek)
        + (tecka < 0 ? QString() : soubor.mid(tecka));
}
