// The points test as the main window opens it.
#include "app/THlavniFormular.h"
#include "profiles/ProfilovySklad.h"
#include "test/gui/TTestForm.h"
#include "testsupport/GuiTest.h"
#include "testsupport/Najdi.h"
#include "testsupport/TestovaciBanka.h"
#include "testsupport/ZapisBanky.h"
#include "testsupport/ListTestu.h"
#include "ui/Zpravy.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QScreen>

TEST(TestZHlavnihoOkna, OtevreSeModalneAPriMaleBanceOhlasiChybu)
{
    DocasnyAdresar adresar;
    // Category 1 holds only questions of other groups: the test cannot be composed for B.
    std::vector<Otazka> otazky;
    for (int n = 1; n <= 757; ++n)
        otazky.push_back(JednoduchaOtazka(n, "A", n <= 420 ? "CD" : "ABCD"));
    ZapisTestovaciBanku(adresar.CestaStd(), otazky);
    ProfilovySklad sklad(adresar.CestaStd());
    sklad.ZalozitTabulkuProfilu();
    sklad.PridatProfil("Jana", "1111111", "B", "111", "11", "1", "");
    THlavniFormular hlavni(adresar.CestaStd());
    auto prihlaseni = PrihlasVManazeru(QStringLiteral("Jana"));
    ASSERT_EQ(hlavni.Spust(), THlavniFormular::Start::Prihlasen);
    auto* m1Test = hlavni.findChild<QAction*>(QStringLiteral("M1Test"));
    ASSERT_NE(m1Test, nullptr);
    EXPECT_TRUE(m1Test->isEnabled());
    EXPECT_EQ(m1Test->text(), QStringLiteral("&Test na body"));

    auto chyba = StiskniVeZprave(QMessageBox::Ok);
    m1Test->trigger();
    ASSERT_TRUE(chyba->probehlo);
    EXPECT_EQ(chyba->titulek, Zpravy::kChyba);
    EXPECT_EQ(
        chyba->text,
        QStringLiteral("Databáze otázek neobsahuje dostatek otázek kategorie „Pravidla provozu na "
                       "pozemních komunikacích“ pro skupinu B, test nelze sestavit."));
    EXPECT_EQ(hlavni.findChild<QDialog*>(QStringLiteral("TTestForm")), nullptr);
    EXPECT_EQ(hlavni.Rezim(), QString());

    // Group C finds its questions: the test opens modally over the main window, centred on the
    // screen.
    hlavni.relace.nastaveni.skupina = "C";
    const std::size_t pocet = hlavni.banka().Vse().size();
    bool videno = false;
    auto info = OdpovedzModalnimu([&](QWidget* box) {
        OdpovedzModalnimu(
            [&](QWidget* w) {
                auto* test = dynamic_cast<TTestForm*>(w);
                ASSERT_NE(test, nullptr);
                videno = true;
                EXPECT_TRUE(test->isModal());
                EXPECT_EQ(Panel(test, 1)->text(), QStringLiteral("Skupina: C"));
                EXPECT_EQ(Panel(test, 2)->text(), QStringLiteral("Minimální potřeba bodů: 59"));
                const QRect obrazovka = QGuiApplication::primaryScreen()->geometry();
                // Centred on the screen, frame included.
                const QRect vlastni = test->frameGeometry();
                EXPECT_EQ(vlastni.top(),
                          obrazovka.top() + (obrazovka.height() - vlastni.height()) / 2);
                EXPECT_EQ(vlastni.left(),
                          obrazovka.left() + (obrazovka.width() - vlastni.width()) / 2);
                StiskniVeZprave(QMessageBox::Yes, w);
                test->close();
            },
            box);
        qobject_cast<QMessageBox*>(box)->button(QMessageBox::Ok)->click();
    });
    m1Test->trigger();
    EXPECT_TRUE(info->probehlo);
    EXPECT_TRUE(videno);
    EXPECT_EQ(hlavni.banka().Vse().size(), pocet);
    EXPECT_NE(hlavni.banka().Najdi(1), nullptr);
    hlavni.close();
}

TEST(TestZHlavnihoOkna, TestPodlePlatnychPravidelZNabidkyStartAVysledky)
{
    DocasnyAdresar adresar;
    const std::vector<Otazka> otazky = BankaTriOdpovedi();
    ZapisTestovaciBanku(adresar.CestaStd(), otazky);
    ProfilovySklad sklad(adresar.CestaStd());
    sklad.ZalozitTabulkuProfilu();
    sklad.PridatProfil("Jana", "1111111", "B", "111", "11", "1", "");
    THlavniFormular hlavni(adresar.CestaStd());
    PrihlasVManazeru(QStringLiteral("Jana"));
    ASSERT_EQ(hlavni.Spust(), THlavniFormular::Start::Prihlasen);
    auto* polozka = Najdi<QAction>(&hlavni, QStringLiteral("M1TestPlatny"));
    ASSERT_NE(polozka, nullptr);
    EXPECT_EQ(polozka->text(), QStringLiteral("Test podle platných p&ravidel"));
    EXPECT_EQ(polozka->statusTip(), QStringLiteral("Vytvoří test ve formátu dnešní zkoušky"));
    EXPECT_EQ(polozka->shortcut(), QKeySequence(QStringLiteral("Ctrl+T")));
    const QList<QAction*> start = Najdi<QMenu>(&hlavni, "Start1")->actions();
    const qsizetype poTestu = start.indexOf(Najdi<QAction>(&hlavni, "M1Test")) + 1;
    ASSERT_LT(poTestu, start.size());
    EXPECT_EQ(start[poTestu], polozka) << "right after the points test";
    EXPECT_TRUE(polozka->isEnabled());

    // Without the section table: an error box naming it, and no window.
    auto chyba = StiskniVeZprave(QMessageBox::Ok);
    polozka->trigger();
    ASSERT_TRUE(chyba->probehlo);
    EXPECT_EQ(chyba->titulek, Zpravy::kChyba);
    EXPECT_TRUE(chyba->text.contains(QStringLiteral("oblasti.DB"))) << chyba->text.toStdString();
    EXPECT_EQ(hlavni.findChild<QDialog*>(QStringLiteral("TTestPlatny")), nullptr);

    // With it: the rules box, then the test window over the main window.
    ZapisTestovaciOblasti(adresar.CestaStd(), OblastiPodleKategorii(otazky));
    bool videno = false;
    OdpovedzModalnimu([&](QWidget* pravidla) {
        EXPECT_EQ(pravidla->objectName(), QStringLiteral("TPravidlaPlatny"));
        OdpovedzModalnimu(
            [&](QWidget* w) {
                videno = w->objectName() == QStringLiteral("TTestPlatny");
                EXPECT_EQ(w->windowTitle(), QStringLiteral("Test podle platných pravidel"));
                StiskniVeZprave(QMessageBox::Yes, w);
                w->close();
            },
            pravidla);
        Najdi<QPushButton>(pravidla, QStringLiteral("btnOK"))->click();
    });
    polozka->trigger();
    EXPECT_TRUE(videno);

    auto* vysledky = Najdi<QAction>(&hlavni, QStringLiteral("M1VysledkyPlatny"));
    ASSERT_NE(vysledky, nullptr);
    EXPECT_EQ(Najdi<QMenu>(&hlavni, "Vysledky1")->actions().indexOf(vysledky),
              Najdi<QMenu>(&hlavni, "Vysledky1")
                      ->actions()
                      .indexOf(Najdi<QAction>(&hlavni, "M1VysledekTestu"))
                  + 1);
    bool seznam = false;
    OdpovedzModalnimu([&](QWidget* w) {
        seznam = w->objectName() == QStringLiteral("TVysledkyPlatny");
        w->close();
    });
    vysledky->trigger();
    EXPECT_TRUE(seznam);
    hlavni.close();
}
