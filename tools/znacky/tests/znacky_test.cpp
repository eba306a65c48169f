#include "tools/znacky/Znacky.h"
#include "testsupport/Dvojcata.h"
#include "testsupport/GuiTest.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QImageReader>

#include <algorithm>
#include <cstdlib>

namespace {

QString Koren()
{
    const char* koren = std::getenv("ZK_SOURCE_DIR");
    return koren && *koren ? QString::fromLocal8Bit(koren) : QStringLiteral(ZK_ZNACKY_KOREN);
}

QString Popisy() { return QDir(Koren()).filePath(QStringLiteral("data/znacky/znacky.yaml")); }

// Share of pixels close to a colour.
double Podil(const QImage& obraz, const QColor& barva, int tolerance = 60)
{
    int n = 0;
    for (int y = 0; y < obraz.height(); ++y)
        for (int x = 0; x < obraz.width(); ++x) {
            const QRgb p = obraz.pixel(x, y);
            n += std::abs(qRed(p) - barva.red()) + std::abs(qGreen(p) - barva.green())
                    + std::abs(qBlue(p) - barva.blue())
                < tolerance;
        }
    return double(n) / (obraz.width() * obraz.height());
}

class Znacky : public testing::Test {
protected:
    static void SetUpTestSuite()
    {
        chyba_ = new QString;
        popisy_ = new std::vector<PopisZnacky>(NactiPopisyZnacek(Popisy(), chyba_));
        adresar_ = new DocasnyAdresar;
        if (!popisy_->empty())
            *chyba_ = ZapisZnacky(*popisy_, adresar_->Cesta(),
                                  QDir(adresar_->Cesta()).filePath(QStringLiteral("arch.png")));
    }
    static void TearDownTestSuite()
    {
        delete popisy_;
        delete adresar_;
        delete chyba_;
    }
    static QImage Nacti(const QString& soubor)
    {
        return QImage(QDir(adresar_->Cesta()).filePath(soubor));
    }
    static const PopisZnacky* Najdi(const QString& soubor)
    {
        for (const PopisZnacky& z : *popisy_)
            if (z.soubor == soubor)
                return &z;
        return nullptr;
    }
    static std::vector<PopisZnacky>* popisy_;
    static DocasnyAdresar* adresar_;
    static QString* chyba_;
};
std::vector<PopisZnacky>* Znacky::popisy_ = nullptr;
DocasnyAdresar* Znacky::adresar_ = nullptr;
QString* Znacky::chyba_ = nullptr;

TEST_F(Znacky, EverySourceRendersWithKnownSymbolsIntoAJpegOfAtMost96Pixels)
{
    ASSERT_TRUE(chyba_->isEmpty()) << chyba_->toStdString();
    ASSERT_EQ(popisy_->size(), 100u);
    for (const PopisZnacky& z : *popisy_) {
        QString chyba;
        const QImage obraz = KresliZnacku(z, &chyba);
        EXPECT_TRUE(chyba.isEmpty()) << chyba.toStdString();
        QImageReader ctecka(QDir(adresar_->Cesta()).filePath(z.soubor));
        EXPECT_EQ(ctecka.format(), "jpeg") << z.soubor.toStdString();
        const QImage ulozeny = ctecka.read();
        ASSERT_FALSE(ulozeny.isNull()) << z.soubor.toStdString();
        EXPECT_LE(ulozeny.width(), 96) << z.soubor.toStdString();
        EXPECT_LE(ulozeny.height(), 96) << z.soubor.toStdString();
        // a picture is a drawing, not an empty or a single-colour square
        EXPECT_LT(Podil(obraz, Qt::white, 30), 0.97) << z.soubor.toStdString();
        EXPECT_EQ(obraz, KresliZnacku(z)) << z.soubor.toStdString() << " is not drawn repeatably";
    }
    const QImage arch = Nacti(QStringLiteral("arch.png"));
    EXPECT_EQ(arch.width(), 10 * (96 + 8));
    EXPECT_EQ(arch.height(), 10 * (96 + 8 + 22));
}

TEST_F(Znacky, CommittedPicturesAreWhatTheGeneratorDraws)
{
    ASSERT_TRUE(chyba_->isEmpty()) << chyba_->toStdString();
    const QDir sdilene(QDir(Koren()).filePath(QStringLiteral("data/grafika/znacky")));
    for (const PopisZnacky& z : *popisy_) {
        const QImage nova = Nacti(z.soubor).convertToFormat(QImage::Format_RGB32);
        const QImage ulozena =
            QImage(sdilene.filePath(z.soubor)).convertToFormat(QImage::Format_RGB32);
        ASSERT_FALSE(ulozena.isNull()) << z.soubor.toStdString() << " is missing: run zk_znacky";
        ASSERT_EQ(nova.size(), ulozena.size()) << z.soubor.toStdString();
        // another JPEG coder may round differently; a changed drawing moves many pixels far more
        long long soucet = 0;
        int nejvetsi = 0;
        for (int y = 0; y < nova.height(); ++y)
            for (int x = 0; x < nova.width(); ++x) {
                const QRgb a = nova.pixel(x, y), b = ulozena.pixel(x, y);
                for (int d : {std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                              std::abs(qBlue(a) - qBlue(b))}) {
                    soucet += d;
                    nejvetsi = std::max(nejvetsi, d);
                }
            }
        EXPECT_LE(nejvetsi, 40) << z.soubor.toStdString()
                                << " differs from data/grafika/znacky: run zk_znacky";
        EXPECT_LE(double(soucet) / (3.0 * nova.width() * nova.height()), 0.75)
            << z.soubor.toStdString();
        // the twins for screens that scale: the same drawing at 2 and 4 times the size
        for (int nasobek : {2, 4}) {
            const QString jmeno = JmenoDvojcete(z.soubor, nasobek);
            const QImage dvojce(sdilene.filePath(jmeno));
            ASSERT_EQ(dvojce.size(), ulozena.size() * nasobek)
                << jmeno.toStdString() << ": run zk_znacky";
            EXPECT_LE(RozdilDvojcete(ulozena, dvojce), 8.0) << jmeno.toStdString();
            EXPECT_LE(RozdilDvojcete(Nacti(jmeno), dvojce), 0.75)
                << jmeno.toStdString() << " differs: run zk_znacky";
        }
    }
    // and nothing lies there that no description draws
    for (QString soubor : sdilene.entryList({QStringLiteral("*.jpg")}, QDir::Files))
        EXPECT_NE(Najdi(soubor.remove(QStringLiteral("@2x")).remove(QStringLiteral("@4x"))),
                  nullptr)
            << soubor.toStdString() << " has no description";
}

TEST_F(Znacky, ColoursOfTheFamiliesAreThoseOfTheCatalogue)
{
    ASSERT_TRUE(chyba_->isEmpty()) << chyba_->toStdString();
    const QColor cervena = BarvaZnacky(QStringLiteral("cervena")),
                 modra = BarvaZnacky(QStringLiteral("modra")),
                 zluta = BarvaZnacky(QStringLiteral("zluta"));
    const struct {
        const char* soubor;
        QColor barva;
        double od, po;  // share of the picture in that colour
    } pripady[] = {
        {"A1a.jpg", cervena, 0.15, 0.5}, {"A15.jpg", zluta, 0.1, 0.5},
        {"A1a.jpg", zluta, 0, 0.01},     {"P2.jpg", zluta, 0.15, 0.4},
        {"P6.jpg", cervena, 0.35, 0.8},  {"B1.jpg", cervena, 0.2, 0.5},
        {"B28.jpg", modra, 0.15, 0.5},   {"C2a.jpg", modra, 0.35, 0.75},
        {"IP6.jpg", modra, 0.2, 0.75},   {"B20a-30-docasna.jpg", zluta, 0.15, 0.6},
    };
    for (const auto& p : pripady) {
        const double podil = Podil(Nacti(QString::fromLatin1(p.soubor)), p.barva);
        EXPECT_GE(podil, p.od) << p.soubor;
        EXPECT_LE(podil, p.po) << p.soubor;
    }
}

TEST(ZnackyChyby, FaultsOfADescriptionAreReportedWithTheirEntry)
{
    DocasnyAdresar adresar;
    const QString soubor = QDir(adresar.Cesta()).filePath(QStringLiteral("z.yaml"));
    const struct {
        const char* obsah;
        const char* hlaseni;
    } pripady[] = {
        {"- {soubor: a.jpg, kod: A1, tvar: vystrazna, barvaa: x}\n",
         "entry 1: unknown key \"barvaa\""},
        {"- {soubor: a.png, kod: A1, tvar: vystrazna}\n",
         "entry 1: \"soubor\" must be a plain name"},
        {"- {soubor: a.jpg, kod: A1, tvar: kruh}\n- {soubor: a.jpg, kod: A2, tvar: kruh}\n",
         "entry 2: file a.jpg appears twice"},
        {"- {soubor: a.jpg, tvar: kruh}\n", "entry 1: \"kod\" and \"tvar\" are required"},
        {"- {soubor: a.jpg, kod: A1, tvar: kruh, pomer: siroka}\n", "entry 1:"},
        {"soubor: a.jpg\n", "not a list of signs"},
    };
    for (const auto& p : pripady) {
        QFile f(soubor);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(p.obsah);
        f.close();
        QString chyba;
        EXPECT_TRUE(NactiPopisyZnacek(soubor, &chyba).empty()) << p.obsah;
        EXPECT_TRUE(chyba.contains(QString::fromUtf8(p.hlaseni))) << chyba.toStdString();
    }

    // what only drawing finds: an unknown symbol, colour, shape or glyph, and an unusable directory
    const struct {
        PopisZnacky z;
        const char* hlaseni;
    } kresby[] = {
        {{"a.jpg", "A1", "", "vystrazna", "", "", false, false, "", 1, 0, "", {{"auticko"}}},
         "unknown symbol \"auticko\""},
        {{"a.jpg", "A1", "", "vystrazna", "fialova"}, "unknown colour \"fialova\""},
        {{"a.jpg", "A1", "", "sestiuhelnik"}, "unknown shape \"sestiuhelnik\""},
        {{"a.jpg",
          "A1",
          "",
          "kruh",
          "",
          "",
          false,
          false,
          "",
          1,
          0,
          "",
          {{"text", 0, 0, 1, 0, false, "", "Q"}}},
         "no glyph"},
    };
    for (const auto& k : kresby) {
        QString chyba;
        KresliZnacku(k.z, &chyba);
        EXPECT_TRUE(chyba.contains(QString::fromUtf8(k.hlaseni))) << chyba.toStdString();
        EXPECT_FALSE(ZapisZnacky({k.z}, adresar.Cesta(), {}).isEmpty()) << k.hlaseni;
    }
    QFile prekazka(QDir(adresar.Cesta()).filePath(QStringLiteral("soubor")));
    ASSERT_TRUE(prekazka.open(QIODevice::WriteOnly));
    prekazka.close();
    const QString chyba = ZapisZnacky({{"a.jpg", "A1", "", "kruh"}},
                                      prekazka.fileName() + QStringLiteral("/znacky"), {});
    EXPECT_TRUE(chyba.contains(QStringLiteral("znacky"))) << chyba.toStdString();
}

}  // namespace
