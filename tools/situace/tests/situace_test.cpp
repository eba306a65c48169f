#include "tools/situace/Situace.h"
#include "testsupport/Dvojcata.h"
#include "testsupport/GuiTest.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QImageWriter>

#include <algorithm>
#include <cstdlib>

namespace {

QString Koren()
{
    const char* koren = std::getenv("ZK_SOURCE_DIR");
    return koren && *koren ? QString::fromLocal8Bit(koren) : QStringLiteral(ZK_SITUACE_KOREN);
}

QString Zapis(const DocasnyAdresar& adresar, const QString& jmeno, const QByteArray& text)
{
    const QString cesta = QDir(adresar.Cesta()).filePath(jmeno);
    QFile f(cesta);
    f.open(QIODevice::WriteOnly);
    f.write(text);
    return cesta;
}

TEST(Situace, EveryShippedSceneIsDrawnWithinTheSheetPlaceAndMatchesTheCommittedPicture)
{
    std::vector<Scena> sceny;
    QString chyba;
    ASSERT_TRUE(NactiSceny(QDir(Koren()).filePath(QStringLiteral("data/situace")), &sceny, &chyba))
        << chyba.toStdString();
    ASSERT_EQ(sceny.size(), 37u);
    const QDir grafika(QDir(Koren()).filePath(QStringLiteral("data/grafika/situace")));
    EXPECT_EQ(grafika.entryList({QStringLiteral("*.jpg")}, QDir::Files).size(), 3 * 37)
        << "each with its @2x and @4x twin";
    for (const Scena& s : sceny) {
        const QString jmeno = QFileInfo(s.soubor).completeBaseName();
        const QImage kresba = KresliScenu(s);
        EXPECT_EQ(kresba, KresliScenu(s)) << jmeno.toStdString() << ": drawing must be repeatable";
        // coded as the command codes it, so that only another JPEG coder's rounding remains
        QByteArray jpeg;
        QBuffer buffer(&jpeg);
        buffer.open(QIODevice::WriteOnly);
        QImageWriter koder(&buffer, "jpeg");
        koder.setQuality(kKvalitaSituace);
        ASSERT_TRUE(koder.write(kresba));
        const QImage nova = QImage::fromData(jpeg, "jpeg").convertToFormat(QImage::Format_RGB32);
        const QImage ulozena = QImage(grafika.filePath(jmeno + QStringLiteral(".jpg")))
                                   .convertToFormat(QImage::Format_RGB32);
        ASSERT_FALSE(ulozena.isNull()) << jmeno.toStdString() << ".jpg is missing: run zk_situace";
        EXPECT_LE(ulozena.width(), 300) << jmeno.toStdString();
        EXPECT_LE(ulozena.height(), 175) << jmeno.toStdString();
        ASSERT_EQ(ulozena.size(), nova.size()) << jmeno.toStdString();
        // The JPEG coder may round differently elsewhere; a changed drawing moves far more.
        long long soucet = 0;
        int nejvetsi = 0;
        for (int y = 0; y < nova.height(); ++y)
            for (int x = 0; x < nova.width(); ++x) {
                const QRgb p = nova.pixel(x, y), q = ulozena.pixel(x, y);
                for (int d : {std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                              std::abs(qBlue(p) - qBlue(q))}) {
                    soucet += d;
                    nejvetsi = std::max(nejvetsi, d);
                }
            }
        EXPECT_LE(double(soucet) / (3.0 * nova.width() * nova.height()), 0.75)
            << jmeno.toStdString() << " differs: run zk_situace";
        EXPECT_LE(nejvetsi, 40) << jmeno.toStdString() << " differs: run zk_situace";
    }
}

// Every scene's twins for screens that scale (@2x, @4x) are its own drawing at 2 and 4 times the
// size: scaled down, each is nearer to its scene than to any other.
TEST(Situace, TwinsOfEveryScene)
{
    const QDir grafika(QDir(Koren()).filePath(QStringLiteral("data/grafika/situace")));
    const QStringList jmena =
        grafika.entryList({QStringLiteral("[0-9][0-9][0-9].jpg")}, QDir::Files, QDir::Name);
    ASSERT_EQ(jmena.size(), 37);
    std::vector<QImage> obrazky;
    for (const QString& jmeno : jmena)
        obrazky.emplace_back(grafika.filePath(jmeno));
    for (int nasobek : {2, 4})
        for (std::size_t i = 0; i < obrazky.size(); ++i) {
            const QString dvojce =
                QString(jmena[int(i)])
                    .replace(QStringLiteral(".jpg"), QStringLiteral("@%1x.jpg").arg(nasobek));
            const QImage obraz(grafika.filePath(dvojce));
            ASSERT_EQ(obraz.size(), obrazky[i].size() * nasobek)
                << dvojce.toStdString() << ": run zk_situace";
            const QImage zmenseny =
                obraz.scaled(obrazky[i].size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
            const double vlastni = RozdilDvojcete(obrazky[i], zmenseny);
            for (std::size_t j = 0; j < obrazky.size(); ++j)
                if (j != i)
                    EXPECT_LT(vlastni, RozdilDvojcete(obrazky[j], zmenseny))
                        << dvojce.toStdString() << " looks like " << jmena[int(j)].toStdString();
        }
}

TEST(Situace, AFaultySceneIsReportedWithItsFileAndLine)
{
    DocasnyAdresar adresar;
    const struct {
        const char* text;
        int radek;
        const char* co;
    } pripady[] = {
        {"ramena: [J, S, V]\nvozidla:\n  - {druh: osobni, barva: modra, z: Z}\n", 3, "rameno"},
        {"ramena: [J, S, V]\nvozidla:\n  - {druh: osobni, barva: duhova, z: J}\n", 3, "barva"},
        {"ramena: [J, S, V]\nbarvy: 3\n", 2, "klíč"},
        {"ramena: [J, S, V]\nznacky:\n  J: [P2, X9]\n", 3, "značka"},
        {"ramena: [J, S, V]\nvozidla:\n  - {druh: osobni, barva: modra, z: J\n", 4, "YAML"},
        {"ramena: [J, S]\n", 1, "tři"},
        {"ramena: [J, S, V]\n\nvozidla:\n  - {druh: letadlo, barva: modra, z: J}\n", 4, "letadlo"},
        {"ramena: [J, S, V, Z]\nznacky:\n  J: [P2, E2]\n", 3, "hlavni"},
    };
    for (const auto& p : pripady) {
        const QString cesta = Zapis(adresar, QStringLiteral("721.yaml"), p.text);
        Scena s;
        QString chyba;
        EXPECT_FALSE(NactiScenu(cesta, &s, &chyba)) << p.text;
        EXPECT_TRUE(chyba.startsWith(cesta + QStringLiteral(":%1: ").arg(p.radek)))
            << chyba.toStdString();
        EXPECT_TRUE(chyba.contains(QString::fromUtf8(p.co))) << chyba.toStdString();
        // the command stops on it, naming the same place
        const QString zapis = ZapisSituace(
            adresar.Cesta(), QDir(adresar.Cesta()).filePath(QStringLiteral("out")), QString());
        EXPECT_EQ(zapis, chyba);
    }
}

// Pixels of a region that pass a test of their colour.
template <typename Barva> int Pocet(const QImage& o, QRect oblast, Barva barva)
{
    int n = 0;
    for (int y = oblast.top(); y <= oblast.bottom(); ++y)
        for (int x = oblast.left(); x <= oblast.right(); ++x)
            n += barva(o.pixel(x, y));
    return n;
}
bool Oranzova(QRgb p)
{
    return qRed(p) > 220 && qGreen(p) > 120 && qGreen(p) < 200 && qBlue(p) < 60;
}
bool Cervena(QRgb p) { return qRed(p) > 170 && qGreen(p) < 70 && qBlue(p) < 80; }

QImage Nakresli(const DocasnyAdresar& adresar, const QByteArray& text)
{
    Scena s;
    QString chyba;
    EXPECT_TRUE(NactiScenu(Zapis(adresar, QStringLiteral("s.yaml"), text), &s, &chyba))
        << chyba.toStdString();
    return KresliScenu(s);
}

TEST(Situace, IndicatorsSignsAndLightsAreDrawnWhereTheSceneSays)
{
    DocasnyAdresar adresar;
    // A blue car from the south (its lane is east of the centre, x 160): the indicator is lit on
    // the side of the turn and not at all when it goes straight on.
    auto blinkr = [&](const char* kam) {
        const QImage o = Nakresli(
            adresar,
            QByteArray(
                "ramena: [J, S, V, Z]\nvozidla:\n  - {druh: osobni, barva: modra, z: J, do: ")
                + kam + "}\n");
        return std::pair(Pocet(o, QRect(130, 110, 30, 65), Oranzova),
                         Pocet(o, QRect(160, 110, 30, 65), Oranzova));
    };
    const auto vlevo = blinkr("Z"), vpravo = blinkr("V"), rovne = blinkr("S");
    EXPECT_GE(vlevo.first, 6);
    EXPECT_LT(vlevo.second, vlevo.first / 3);
    EXPECT_GE(vpravo.second, 6);
    EXPECT_LT(vpravo.first, vpravo.second / 3);
    EXPECT_EQ(rovne.first + rovne.second, 0);

    // In the roundabout only a car leaving at the next arm shows the right indicator.
    const QRect naKruhu(150, 100, 36, 36);  // round the car at 300 degrees
    const QImage vyjizdi = Nakresli(adresar,
                                    "ramena: [J, S, V, Z]\nkruhovy: true\nvozidla:\n  - {druh: "
                                    "osobni, barva: modra, na_kruhu: 300, do: V}\n");
    const QImage projizdi = Nakresli(adresar,
                                     "ramena: [J, S, V, Z]\nkruhovy: true\nvozidla:\n  - {druh: "
                                     "osobni, barva: modra, na_kruhu: 300, do: S}\n");
    EXPECT_GE(Pocet(vyjizdi, naKruhu, Oranzova), 6);
    EXPECT_EQ(Pocet(projizdi, naKruhu, Oranzova), 0);

    // A sign stands on the right of its arm's approach: the STOP of the south arm east of it.
    const QImage stop = Nakresli(adresar, "ramena: [J, S, V, Z]\nznacky:\n  J: [P6]\n");
    EXPECT_GE(Pocet(stop, QRect(168, 118, 24, 28), Cervena), 60);
    EXPECT_EQ(Pocet(stop, QRect(108, 118, 24, 28), Cervena), 0);

    // The lit lamp is the one the scene names: red at the top of the east arm's head, green at its
    // foot.
    const QImage cervena =
        Nakresli(adresar, "ramena: [J, S, V, Z]\nsemafory:\n  V: {svetlo: cervena}\n");
    const QImage zelena =
        Nakresli(adresar, "ramena: [J, S, V, Z]\nsemafory:\n  V: {svetlo: zelena}\n");
    auto zelene = [](QRgb p) { return qGreen(p) > 180 && qRed(p) < 120 && qBlue(p) < 140; };
    EXPECT_GE(Pocet(cervena, QRect(180, 48, 7, 7), Cervena), 8);
    EXPECT_EQ(Pocet(cervena, QRect(180, 62, 7, 7), zelene), 0);
    EXPECT_GE(Pocet(zelena, QRect(180, 62, 7, 7), zelene), 8);
    EXPECT_EQ(Pocet(zelena, QRect(180, 48, 7, 7), Cervena), 0);
}

TEST(Situace, PlatesAreReadableAndATramIsNotTheRedOfACar)
{
    DocasnyAdresar adresar;
    // The junction-shape plate under the south arm's sign (post at x 180, below the P2 at y
    // 115..134) is at least 18 px of white across, so that its lines can be read at the picture's
    // size.
    const QImage deska =
        Nakresli(adresar, "ramena: [J, S, V, Z]\nhlavni: [J, S]\nznacky:\n  J: [P2, E2]\n");
    int nejsirsi = 0;
    for (int y = 134; y < 156; ++y) {
        int vlevo = -1, vpravo = -1;
        for (int x = 160; x < 200; ++x)
            if (std::min(
                    {qRed(deska.pixel(x, y)), qGreen(deska.pixel(x, y)), qBlue(deska.pixel(x, y))})
                > 230) {
                if (vlevo < 0)
                    vlevo = x;
                vpravo = x;
            }
        nejsirsi = std::max(nejsirsi, vlevo < 0 ? 0 : vpravo - vlevo + 1);
    }
    EXPECT_GE(nejsirsi, 18);

    // A tram without a colour of its own (on the south arm, x 154..166, y 117..159) has no red.
    const QImage tramvaj =
        Nakresli(adresar, "ramena: [J, S, V, Z]\nvozidla:\n  - {druh: tramvaj, z: J}\n");
    const QImage vuz = Nakresli(
        adresar, "ramena: [J, S, V, Z]\nvozidla:\n  - {druh: osobni, barva: cervena, z: J}\n");
    EXPECT_EQ(Pocet(tramvaj, QRect(152, 115, 16, 46), Cervena), 0);
    EXPECT_GE(Pocet(vuz, QRect(152, 115, 16, 46), Cervena), 60);
}

TEST(Situace, ASignalsArrowPointsAsTheDriverFacingItSeesIt)
{
    DocasnyAdresar adresar;
    // The head is drawn face on whichever way its arm runs, so the lit supplementary arrow points
    // left, right or up in the picture as it points for the driver approaching it.
    auto zelene = [](QRgb p) { return qGreen(p) > 180 && qRed(p) < 120 && qBlue(p) < 140; };
    const struct {
        const char* sipka;
        QPointF smer;  // as the driver sees it, picture coordinates (y down)
    } sipky[] = {{"vlevo", {-1, 0}}, {"vpravo", {1, 0}}, {"rovne", {0, -1}}};
    for (const char* rameno : {"J", "S", "V", "Z"})
        for (const auto& s : sipky) {
            Scena scena;
            QString chyba;
            const std::string text = std::string("ramena: [J, S, V, Z]\nsemafory:\n  ") + rameno
                + ": {svetlo: cervena, sipka: " + s.sipka + "}\n";
            ASSERT_TRUE(CtiScenu(text, QStringLiteral("s"), &scena, &chyba)) << chyba.toStdString();
            const QImage o =
                KresliScenu(scena, QSize(1200, 700));  // 4x, so that the arrow has body
            // The head is the heavy end: the centre of the arrow's pixels lies towards it.
            double sx = 0, sy = 0;
            int n = 0, x0 = o.width(), x1 = -1, y0 = o.height(), y1 = -1;
            for (int y = 0; y < o.height(); ++y)
                for (int x = 0; x < o.width(); ++x)
                    if (zelene(o.pixel(x, y))) {
                        sx += x, sy += y, ++n;
                        x0 = std::min(x0, x), x1 = std::max(x1, x), y0 = std::min(y0, y),
                        y1 = std::max(y1, y);
                    }
            ASSERT_GE(n, 40) << rameno << " " << s.sipka;
            const QPointF k(sx / n - (x0 + x1) / 2.0, sy / n - (y0 + y1) / 2.0);
            EXPECT_GT(k.x() * s.smer.x() + k.y() * s.smer.y(), 0.5)
                << rameno << " " << s.sipka << ": " << k.x() << "," << k.y();
            EXPECT_LT(std::abs(k.x() * s.smer.y() - k.y() * s.smer.x()), 0.5)
                << rameno << " " << s.sipka;
        }
}

TEST(Situace, EveryPathShowsItsExitAndAVehicleWaitsBeforeTheCrossingOfItsArm)
{
    DocasnyAdresar adresar;
    // A blue car straight on from the south and a red one turning right from the east both leave
    // by the north arm (its lane x 150..170): both paths and heads show there, whichever is drawn
    // last.
    auto modra = [](QRgb p) { return qBlue(p) > 170 && qRed(p) < 70 && qGreen(p) < 120; };
    for (const char* poradi : {"  - {druh: osobni, barva: modra, z: J, do: S}\n  - {druh: osobni, "
                               "barva: cervena, z: V, do: S}\n",
                               "  - {druh: osobni, barva: cervena, z: V, do: S}\n  - {druh: "
                               "osobni, barva: modra, z: J, do: S}\n"}) {
        const QImage o = Nakresli(adresar, QByteArray("ramena: [J, S, V, Z]\nvozidla:\n") + poradi);
        const QRect vyjezd(146, 10, 28, 40);
        EXPECT_GE(Pocet(o, vyjezd, modra), 20) << poradi;
        EXPECT_GE(Pocet(o, vyjezd, Cervena), 20) << poradi;
    }

    // A car on an arm with a crossing stands before it: the pedestrian walking in its lane is
    // nowhere near its label, and the label shows.
    Scena s;
    QString chyba;
    ASSERT_TRUE(CtiScenu("ramena: [J, S, V, Z]\nprechody: [J]\nvozidla:\n  - {druh: osobni, barva: "
                         "zelena, stitek: B, z: J, do: V}\n"
                         "chodci:\n  - {rameno: J, odkud: 1}\n",
                         QStringLiteral("s"), &s, &chyba))
        << chyba.toStdString();
    const QImage o = KresliScenu(s);
    auto fialova = [](QRgb p) {
        return qRed(p) > 120 && qRed(p) < 180 && qGreen(p) < 70 && qBlue(p) > 140;
    };
    auto bila = [](QRgb p) { return std::min({qRed(p), qGreen(p), qBlue(p)}) > 235; };
    const QPoint vuz = PolohyVozidel(s, o.size()).front().toPoint();
    EXPECT_GE(Pocet(o, o.rect(), fialova), 8);
    EXPECT_EQ(Pocet(o, QRect(vuz - QPoint(12, 12), QSize(25, 25)), fialova), 0);
    EXPECT_GE(Pocet(o, QRect(vuz - QPoint(4, 4), QSize(9, 9)), bila), 12);
}

}  // namespace
