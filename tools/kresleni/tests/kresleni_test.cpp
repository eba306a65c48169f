#include "tools/kresleni/Kresleni.h"
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

QString SdilenaGrafika()
{
    const char* koren = std::getenv("ZK_SOURCE_DIR");
    const QString zdroj =
        koren && *koren ? QString::fromLocal8Bit(koren) : QStringLiteral(ZK_KRESLENI_KOREN);
    return QDir(zdroj).filePath(QStringLiteral("data/grafika"));
}

struct Rozdil {
    int nejvetsi = 0;
    double prumer = 0;
};

Rozdil Porovnej(const QImage& a, const QImage& b)
{
    Rozdil r;
    long long soucet = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            const int d[] = {std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                             std::abs(qBlue(p) - qBlue(q)), std::abs(qAlpha(p) - qAlpha(q))};
            for (int v : d) {
                r.nejvetsi = std::max(r.nejvetsi, v);
                soucet += v;
            }
        }
    r.prumer = double(soucet) / (4.0 * a.width() * a.height());
    return r;
}

// Mean colour of the pixels that carry ink, i.e. are clearly not white.
struct Inkoust {
    int pocet = 0;
    double r = 0, g = 0, b = 0;
};

Inkoust InkoustZnacky(const QImage& obraz)
{
    Inkoust i;
    for (int y = 0; y < obraz.height(); ++y)
        for (int x = 0; x < obraz.width(); ++x) {
            const QRgb p = obraz.pixel(x, y);
            if (std::min({qRed(p), qGreen(p), qBlue(p)}) > 200)
                continue;
            ++i.pocet;
            i.r += qRed(p);
            i.g += qGreen(p);
            i.b += qBlue(p);
        }
    if (i.pocet) {
        i.r /= i.pocet;
        i.g /= i.pocet;
        i.b /= i.pocet;
    }
    return i;
}

class Kresleni : public testing::Test {
protected:
    static void SetUpTestSuite()
    {
        adresar_ = new DocasnyAdresar;
        chyba_ = new QString(ZapisObrazky(adresar_->Cesta()));
    }
    static void TearDownTestSuite()
    {
        delete chyba_;
        delete adresar_;
    }
    static QImage Nacti(const char* soubor)
    {
        return QImage(QDir(adresar_->Cesta()).filePath(QString::fromLatin1(soubor)));
    }
    static DocasnyAdresar* adresar_;
    static QString* chyba_;
};
DocasnyAdresar* Kresleni::adresar_ = nullptr;
QString* Kresleni::chyba_ = nullptr;

TEST_F(Kresleni, WritesEveryPictureInItsFormatAndSize)
{
    ASSERT_TRUE(chyba_->isEmpty()) << chyba_->toStdString();
    const struct {
        const char* soubor;
        QByteArray format;
        QSize velikost;
    } ocekavane[] = {
        {"yes.jpg", "jpeg", {18, 18}},     {"no.jpg", "jpeg", {18, 18}},
        {"mistake.jpg", "jpeg", {18, 18}}, {"pozadi.jpg", "jpeg", {453, 227}},
        {"ikona.png", "png", {32, 32}},
    };
    for (const auto& o : ocekavane) {
        QImageReader ctecka(QDir(adresar_->Cesta()).filePath(QString::fromLatin1(o.soubor)));
        EXPECT_EQ(ctecka.format(), o.format) << o.soubor;
        const QImage obraz = ctecka.read();
        ASSERT_FALSE(obraz.isNull()) << o.soubor << ": " << ctecka.errorString().toStdString();
        EXPECT_EQ(obraz.size(), o.velikost) << o.soubor;
    }
}

TEST_F(Kresleni, RegeneratedPicturesMatchTheShippedOnes)
{
    ASSERT_TRUE(chyba_->isEmpty()) << chyba_->toStdString();
    const QString sdilena = SdilenaGrafika();
    for (const KreslenyObrazek& o : KresleneObrazky()) {
        const QImage nova = Nacti(o.soubor).convertToFormat(QImage::Format_ARGB32);
        const QImage ulozena = QImage(QDir(sdilena).filePath(QString::fromLatin1(o.soubor)))
                                   .convertToFormat(QImage::Format_ARGB32);
        ASSERT_FALSE(ulozena.isNull())
            << o.soubor << " is missing in data/grafika: run zk_kresleni data/grafika";
        ASSERT_EQ(nova.size(), ulozena.size()) << o.soubor;
        // Another JPEG coder may round differently, so a small difference is allowed; a changed
        // drawing moves many pixels by far more.
        const Rozdil r = Porovnej(nova, ulozena);
        EXPECT_LE(r.nejvetsi, 40) << o.soubor
                                  << " differs from data/grafika: run zk_kresleni data/grafika";
        EXPECT_LE(r.prumer, 0.75) << o.soubor
                                  << " differs from data/grafika: run zk_kresleni data/grafika";
        // The twins for screens that scale: the same drawing at 2 and 4 times the size.
        for (int nasobek : kNasobkyDvojcat) {
            if (!o.dvojcata)
                break;
            const QString jmeno = JmenoDvojcete(QString::fromLatin1(o.soubor), nasobek);
            const QImage dvojce(QDir(sdilena).filePath(jmeno));
            ASSERT_EQ(dvojce.size(), ulozena.size() * nasobek)
                << jmeno.toStdString() << ": run zk_kresleni data/grafika";
            EXPECT_LE(RozdilDvojcete(ulozena, dvojce), 8.0) << jmeno.toStdString();
            EXPECT_LE(Porovnej(Nacti(qPrintable(jmeno)).convertToFormat(QImage::Format_ARGB32),
                               dvojce.convertToFormat(QImage::Format_ARGB32))
                          .prumer,
                      0.75)
                << jmeno.toStdString()
                << " differs from data/grafika: run zk_kresleni data/grafika";
        }
    }
}

TEST_F(Kresleni, AnswerMarksAreToldApartByTheirColour)
{
    const Inkoust ano = InkoustZnacky(Nacti("yes.jpg"));
    const Inkoust ne = InkoustZnacky(Nacti("no.jpg"));
    const Inkoust chyba = InkoustZnacky(Nacti("mistake.jpg"));
    for (const Inkoust& i : {ano, ne, chyba}) {
        EXPECT_GE(i.pocet, 25) << "a mark must be a visible stroke, not a few stray pixels";
        EXPECT_LE(i.pocet, 18 * 18 / 2) << "a mark must leave the white panel showing";
    }
    EXPECT_GT(ano.g, ano.r + 50);
    EXPECT_GT(ano.g, ano.b + 50);
    EXPECT_GT(ne.r, ne.g + 50);
    EXPECT_GT(ne.r, ne.b + 50);
    EXPECT_GT(chyba.b, chyba.r + 50);
    EXPECT_GT(chyba.b, chyba.g + 50);
}

TEST_F(Kresleni, MarksKeepAWhiteBorderAndTheStruckTickHasMoreInk)
{
    // The marks sit on the white question panel: their outermost ring stays white.
    for (const char* soubor : {"yes.jpg", "no.jpg", "mistake.jpg"}) {
        const QImage obraz = Nacti(soubor);
        for (int i = 0; i < 18; ++i)
            for (const QPoint b : {QPoint(i, 0), QPoint(i, 17), QPoint(0, i), QPoint(17, i)}) {
                const QRgb p = obraz.pixel(b);
                EXPECT_GE(std::min({qRed(p), qGreen(p), qBlue(p)}), 215)
                    << soubor << " at " << b.x() << "," << b.y();
            }
    }
    // The stroke across the tick adds ink where the plain tick has none: right of its foot.
    const QImage ano = Nacti("yes.jpg"), chyba = Nacti("mistake.jpg");
    auto tmave = [](const QImage& o, int x0, int y0, int x1, int y1) {
        int n = 0;
        for (int y = y0; y <= y1; ++y)
            for (int x = x0; x <= x1; ++x)
                n += std::min({qRed(o.pixel(x, y)), qGreen(o.pixel(x, y)), qBlue(o.pixel(x, y))})
                    < 160;
        return n;
    };
    EXPECT_EQ(tmave(ano, 12, 11, 16, 14), 0);
    EXPECT_GE(tmave(chyba, 12, 11, 16, 14), 4);
}

TEST_F(Kresleni, BackgroundPictureSitsOnTheWindowColour)
{
    const QImage pozadi = Nacti("pozadi.jpg");
    // the corners are plain window colour, so the picture melts into the main window
    for (const QPoint roh : {QPoint(1, 1), QPoint(451, 1), QPoint(1, 225), QPoint(451, 225)}) {
        const QRgb p = pozadi.pixel(roh);
        EXPECT_NEAR(qRed(p), BarvaOkna.red(), 4);
        EXPECT_NEAR(qGreen(p), BarvaOkna.green(), 4);
        EXPECT_NEAR(qBlue(p), BarvaOkna.blue(), 4);
    }
    // and the car covers a good part of it
    int auto_ = 0;
    for (int y = 0; y < pozadi.height(); ++y)
        for (int x = 0; x < pozadi.width(); ++x) {
            const QRgb p = pozadi.pixel(x, y);
            auto_ += std::abs(qRed(p) - BarvaOkna.red()) + std::abs(qGreen(p) - BarvaOkna.green())
                    + std::abs(qBlue(p) - BarvaOkna.blue())
                > 60;
        }
    EXPECT_GT(auto_, pozadi.width() * pozadi.height() / 4);
}

TEST(KresleniBezSouboru, DrawingIsRepeatableAndWritingReportsAnUnusableDirectory)
{
    // Nothing may depend on uninitialised pixels or the clock: the shipped files must be
    // reproducible.
    for (const KreslenyObrazek& o : KresleneObrazky())
        EXPECT_EQ(o.kresli(1), o.kresli(1)) << o.soubor;

    DocasnyAdresar adresar;
    const QString soubor = QDir(adresar.Cesta()).filePath(QStringLiteral("soubor"));
    {
        QFile f(soubor);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    // a plain file stands where the directory should be
    const QString chyba = ZapisObrazky(soubor + QStringLiteral("/grafika"));
    EXPECT_FALSE(chyba.isEmpty());
    EXPECT_TRUE(chyba.contains(QStringLiteral("grafika"))) << chyba.toStdString();
}

TEST_F(Kresleni, IconIsOpaqueInsideAndTransparentAtTheCorners)
{
    const QImage ikona = Nacti("ikona.png");
    ASSERT_TRUE(ikona.hasAlphaChannel());
    EXPECT_EQ(qAlpha(ikona.pixel(0, 0)), 0);
    EXPECT_EQ(qAlpha(ikona.pixel(31, 31)), 0);
    EXPECT_EQ(qAlpha(ikona.pixel(16, 16)), 255);
}

}  // namespace
