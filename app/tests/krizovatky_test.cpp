// The junction drill as the main window opens it.
#include "app/THlavniFormular.h"
#include "krizovatky/ZaznamKrizovatky.h"
#include "profiles/ProfilovySklad.h"
#include "testsupport/GuiTest.h"
#include "testsupport/Najdi.h"
#include "testsupport/TestovaciBanka.h"
#include "testsupport/ZapisBanky.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QTest>

// "Křižovatky – trénink" stands in the Start menu after the test of today's format; it opens the
// drill over the main window, and an answer is stored for the signed-in profile under the seed
// the window shows.
TEST(KrizovatkyZHlavnihoOkna, ZNabidkyStartAUlozeniProProfil)
{
    DocasnyAdresar adresar;
    ZapisTestovaciBanku(adresar.CestaStd(), BankaTriOdpovedi());
    ProfilovySklad sklad(adresar.CestaStd());
    sklad.ZalozitTabulkuProfilu();
    sklad.PridatProfil("Jana", "1111111", "B", "111", "11", "1", "");
    THlavniFormular hlavni(adresar.CestaStd());
    PrihlasVManazeru(QStringLiteral("Jana"));
    ASSERT_EQ(hlavni.Spust(), THlavniFormular::Start::Prihlasen);
    auto* polozka = Najdi<QAction>(&hlavni, QStringLiteral("M1Krizovatky"));
    ASSERT_NE(polozka, nullptr);
    EXPECT_EQ(polozka->text(), QStringLiteral("&Křižovatky – trénink"));
    const QList<QAction*> start = Najdi<QMenu>(&hlavni, "Start1")->actions();
    EXPECT_EQ(start.indexOf(polozka), start.indexOf(Najdi<QAction>(&hlavni, "M1TestPlatny")) + 1);

    QString seed;
    OdpovedzModalnimu([&](QWidget* w) {
        EXPECT_EQ(w->objectName(), QStringLiteral("TKrizovatky"));
        EXPECT_EQ(w->windowTitle(), QStringLiteral("Křižovatky – trénink"));
        seed = Najdi<QLabel>(w, QStringLiteral("lbSeed"))->text().section(QLatin1Char(' '), -1);
        QTest::keyClick(w, Qt::Key_A);
        w->close();
    });
    polozka->trigger();
    const auto ulozene = NactiKrizovatky(adresar.CestaStd(), "Jana");
    ASSERT_EQ(ulozene.size(), 1u);
    EXPECT_EQ(QString::number(ulozene[0].seed), seed);
    EXPECT_EQ(ulozene[0].zvolena, 'A');
    hlavni.close();
}
