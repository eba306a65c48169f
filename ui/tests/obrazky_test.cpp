#include "ui/Obrazky.h"

#include "testsupport/GuiTest.h"

#include <gtest/gtest.h>

#include <QImage>

// The twin a screen's scale asks for, and the size it takes on the screen.
TEST(Obrazky, DvojceProMeritko)
{
    const struct {
        const char* dvojce;  // which twins lie beside x.jpg
        qreal pomer;
        const char* soubor;
        int nasobek;
    } pripady[] = {
        {"", 1.0, "x.jpg", 1},      {"", 2.0, "x.jpg", 1},      {"2", 1.0, "x.jpg", 1},
        {"2", 1.25, "x@2x.jpg", 2}, {"2", 2.0, "x@2x.jpg", 2},  {"2", 3.0, "x@2x.jpg", 2},
        {"4", 2.0, "x@4x.jpg", 4},  {"24", 2.0, "x@2x.jpg", 2}, {"24", 2.5, "x@4x.jpg", 4},
        {"24", 4.0, "x@4x.jpg", 4},
    };
    for (const auto& p : pripady) {
        SCOPED_TRACE(std::string(p.dvojce) + " @ " + std::to_string(p.pomer));
        DocasnyAdresar adresar;
        const QString zaklad = adresar.Cesta() + QStringLiteral("/x.jpg");
        QImage obrazek(20, 10, QImage::Format_RGB32);
        obrazek.fill(Qt::gray);
        ASSERT_TRUE(obrazek.save(zaklad));
        for (char n : std::string(p.dvojce)) {
            const int k = n - '0';
            ASSERT_TRUE(obrazek.scaled(20 * k, 10 * k)
                            .save(adresar.Cesta() + QStringLiteral("/x@%1x.jpg").arg(k)));
        }
        int nasobek = 0;
        EXPECT_EQ(SouborProMeritko(zaklad, p.pomer, &nasobek),
                  adresar.Cesta() + QLatin1Char('/') + QLatin1String(p.soubor));
        EXPECT_EQ(nasobek, p.nasobek);
        const QPixmap ukazany = ObrazekProMeritko(zaklad, p.pomer);
        EXPECT_EQ(ukazany.size(), QSize(20 * p.nasobek, 10 * p.nasobek));
        EXPECT_EQ(ukazany.deviceIndependentSize().toSize(), QSize(20, 10));
    }
}
