// A help page shows a picture once the screenshot run has made it, and only then.
#include "testsupport/GuiTest.h"
#include "tools/snimky/Snimkovani.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QLabel>

namespace {

QString Cti(const QString& cesta)
{
    QFile f(cesta);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

}  // namespace

TEST(Snimkovani, CekajiciObrazekSeUkazeAzSeSvymSouborem)
{
    DocasnyAdresar help;
    const QString stranka = help.Cesta() + QStringLiteral("/test.htm");
    {
        QFile f(stranka);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(QStringLiteral("<p>Arch</p><p><!--obrazek obrazky/arch.png|Testový arch--></p>\n"
                               "<p><!--obrazek obrazky/seznam.png|Seznam testů--></p>\n")
                    .toUtf8());
    }
    Snimkovani snimky(help.Cesta());
    EXPECT_EQ(
        snimky.DoplnStranky(),
        (QStringList {QStringLiteral("obrazky/arch.png"), QStringLiteral("obrazky/seznam.png")}));

    QLabel okno(QStringLiteral("Arch"));
    okno.resize(120, 40);
    snimky.Uloz(&okno, QStringLiteral("arch"));
    ASSERT_EQ(snimky.Ulozene(), QStringList {QStringLiteral("arch")});
    EXPECT_EQ(QImage(help.Cesta() + QStringLiteral("/obrazky/arch.png")).size(), QSize(120, 40));

    EXPECT_EQ(snimky.DoplnStranky(), QStringList {QStringLiteral("obrazky/seznam.png")});
    EXPECT_EQ(
        Cti(stranka),
        QStringLiteral("<p>Arch</p><p><img src=\"obrazky/arch.png\" alt=\"Testový arch\"></p>\n"
                       "<p><!--obrazek obrazky/seznam.png|Seznam testů--></p>\n"));
    // A second run finds nothing more to fill in and leaves the page as it is.
    EXPECT_EQ(snimky.DoplnStranky(), QStringList {QStringLiteral("obrazky/seznam.png")});
    EXPECT_TRUE(Cti(stranka).contains(QStringLiteral("<img src=\"obrazky/arch.png\"")));
}
