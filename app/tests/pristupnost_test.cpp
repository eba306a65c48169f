// A screen reader's walk through the windows: every visible control has a Czech accessible name,
// every text shown to the eye is read, grids have Czech column titles and buttons distinct names.
#include "app/THlavniFormular.h"
#include "info/TAbout.h"
#include "info/THelpForm.h"
#include "info/TOpravyAktualizace.h"
#include "profiles/ProfilovySklad.h"
#include "krizovatky/gui/TKrizovatky.h"
#include "profiles/gui/TDZmenaHesla.h"
#include "profiles/gui/TDotazHeslo.h"
#include "profiles/gui/TManazerUzivatelu.h"
#include "profiles/gui/TNastaveni.h"
#include "profiles/gui/TVytvorUziv.h"
#include "results/gui/TResult.h"
#include "questions/gui/PanelOtazek.h"
#include "questions/gui/TDotazPZ.h"
#include "results/gui/TDetail.h"
#include "results/gui/TProtocol.h"
#include "test/Protokol.h"
#include "test/gui/TSeznamTestu.h"
#include "test/gui/TPripravenost.h"
#include "test/gui/TStatistikaUceni.h"
#include "test/gui/TTestDetailForm.h"
#include "test/gui/TTestPlatny.h"
#include "test/gui/TTestForm.h"
#include "test/gui/TVysledkyPlatny.h"
#include "testsupport/GuiTest.h"
#include "testsupport/Pristupnost.h"
#include "testsupport/RucniHodiny.h"
#include "testsupport/TestovaciBanka.h"
#include "testsupport/VzorovyProtokol.h"
#include "testsupport/ZapisBanky.h"
#include "testsupport/Najdi.h"
#include "testsupport/ListTestu.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QTimer>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

#include <string>

namespace {

class Ctecka : public testing::Test {
protected:
    void SetUp() override
    {
        std::vector<Otazka> otazky = UmelaBanka([](int) { return std::string("ABCD"); });
        for (Otazka& o : otazky)
            o.poznamka = "Vysvětlení k otázce " + std::to_string(o.cislo) + ".";
        ZapisTestovaciBanku(adresar.CestaStd(), otazky);
        ZapisObrazkyVzoroveBanky(adresar.CestaStd());
        ProfilovySklad sklad(adresar.CestaStd());
        sklad.ZalozitTabulkuProfilu();
        sklad.PridatProfil("Jana", "1111111", "B", "111", "11", "1", "");
        TestovaciVysledek v;
        v.spatne = 2;
        v.spatneCisla = "3, 7";
        v.napovedy = 1;
        v.napovedyCisla = "9";
        ZapisVysledky(adresar.CestaStd(), {v});
        ZaznamProtokolu p = VzorovyProtokol();
        p.profil = "Jana";
        ZapisProtokol(adresar.CestaStd(), p);
        banka.Nacti(adresar.CestaStd());
    }

    DocasnyAdresar adresar;
    Banka banka;
};

}  // namespace

TEST_F(Ctecka, KazdeOknoMaCeskaJmenaACteKazdyText)
{
    THlavniFormular hlavni(adresar.CestaStd());
    auto prihlaseni = PrihlasVManazeru(QStringLiteral("Jana"));
    ASSERT_EQ(hlavni.Spust(), THlavniFormular::Start::Prihlasen);
    EXPECT_EQ(NedostupneVOkne(&hlavni), QStringList()) << "bez režimu";
    Vyvolej(&hlavni, "M1Prohlizet");
    EXPECT_EQ(NedostupneVOkne(&hlavni), QStringList()) << "prohlížení";
    Vyvolej(&hlavni, "M2KonecRezimu");

    QStringList vDotazu;
    OdpovedzModalnimu([&](QWidget* w) {
        vDotazu = NedostupneVOkne(w);
        Najdi<QPushButton>(w, "btnPotvrdit")->click();
    });
    Vyvolej(&hlavni, "M1Procvicovat");
    EXPECT_EQ(vDotazu, QStringList()) << "dotaz";
    QTest::mouseClick(Najdi<StatickyText>(&hlavni, "stB"), Qt::LeftButton);
    QTest::mouseClick(Najdi<QLabel>(&hlavni, "lbCisloOtazky"), Qt::RightButton);
    ASSERT_TRUE(Najdi<StatickyText>(&hlavni, "stPoznamka")->isVisible());
    EXPECT_EQ(Najdi<QLabel>(&hlavni, "pSpravne")->accessibleDescription(),
              QStringLiteral("Špatně"));
    EXPECT_EQ(NedostupneVOkne(&hlavni), QStringList()) << "po odpovědi";
    Vyprs(&hlavni, "Timer1");
    auto konec = StiskniVeZprave(QMessageBox::Yes);
    Vyvolej(&hlavni, "M2KonecRezimu");
    ASSERT_TRUE(konec->probehlo);

    // The points test: its sheet with the learner's choice, then the comparison.
    RucniHodiny hodiny;
    hodiny.msUtc = 4242;
    hodiny.mistni = DatumCas {2026, 3, 14, 10, 0, 0, 0};
    {
        TTestForm test(banka, hlavni.relace.nastaveni, adresar.CestaStd(), hodiny, &hlavni);
        auto info = StiskniVeZprave(QMessageBox::Ok);
        ASSERT_TRUE(test.FormCreate());
        Najdi<QTimer>(&test, "Timer1")->stop();
        test.show();
        CbOdpoved(&test, 0, 1)->click();
        EXPECT_EQ(NedostupneVOkne(&test), QStringList()) << "list testu";
        QAccessibleInterface* policko =
            QAccessible::queryAccessibleInterface(CbOdpoved(&test, 0, 1));
        EXPECT_TRUE(policko->text(QAccessible::Name).contains(StOdpoved(&test, 0, 1)->text()));
        EXPECT_TRUE(policko->state().checked);
        auto souhrn = StiskniVeZprave(QMessageBox::Ok);
        Najdi<QPushButton>(&test, "btnVyhodnotit")->click();
        ASSERT_TRUE(souhrn->probehlo);
        EXPECT_EQ(NedostupneVOkne(&test), QStringList()) << "porovnání";
        // Position 1 was answered b) only; its correct answer is a).
        EXPECT_EQ(Porovnani(&test, 1)->accessibleDescription(), QStringLiteral("zvolená, špatně"));
        EXPECT_EQ(Porovnani(&test, 0)->accessibleDescription(),
                  QStringLiteral("nezvolená správná odpověď"));
        EXPECT_EQ(Najdi<QGroupBox>(&test, "SpatnaOtazka")->accessibleDescription(),
                  QStringLiteral("Odpověď na otázku je špatně"));
        test.close();
    }

    // Results, their details, the test list, the statistics, the profile manager and the
    // information.
    {
        QStringList vDetailu;
        TProtocol seznam(adresar.CestaStd(), false, banka, hlavni.relace, &hlavni);
        seznam.show();
        EXPECT_EQ(NedostupneVOkne(&seznam), QStringList()) << "výsledky";
        QPushButton* detail = Najdi<QPushButton>(&seznam, "btnPodrobnosti");
        OdpovedzModalnimu([&](QWidget* w) {
            vDetailu = NedostupneVOkne(w);
            qobject_cast<QDialog*>(w)->reject();
        });
        detail->click();
        EXPECT_EQ(vDetailu, QStringList()) << "detail";
    }
    auto projdi = [](QWidget& okno, const char* co) {
        okno.show();
        EXPECT_EQ(NedostupneVOkne(&okno), QStringList()) << co;
    };
    TSeznamTestu testy(adresar.CestaStd(), "Jana", &hlavni);
    projdi(testy, "seznam testů");
    TStatistikaUceni statistika(banka, hlavni.relace.nastaveni, {}, 0, [](int) {}, &hlavni, {});
    projdi(statistika, "statistika");
    TVysledkyPlatny platne(banka, {}, adresar.CestaStd(), "Jana", &hlavni);
    projdi(platne, "výsledky platných testů");
    TAbout oProgramu(adresar.CestaStd(), &hlavni);
    projdi(oProgramu, "o programu");
    TOpravyAktualizace historie(&hlavni);
    projdi(historie, "historie");
    THelpForm napoveda(&hlavni);
    projdi(napoveda, "nápověda");
    Nastaveni nastaveni = hlavni.relace.nastaveni;
    TNastaveni okno(nastaveni, &hlavni);
    projdi(okno, "nastavení");
    StavBehu beh;
    beh.celkem = 3;
    beh.spatne = {2};
    beh.napovedy = {3};
    StavOpakovaniZaznamu opakovani;
    TResult vysledek(beh, nastaveni, opakovani, false, ProtokolBehu {}, &hlavni);
    projdi(vysledek, "vyhodnocení běhu");
    std::string profil = "Jana";
    TManazerUzivatelu manazer(hlavni.Sklad(), profil, &hlavni);
    projdi(manazer, "manažer profilů");
}

// The windows of today's exam, the protocol report, the profile dialogs, the junction drill and
// the readiness part of the statistics.
TEST_F(Ctecka, DalsiOknaMajiCeskaJmena)
{
    THlavniFormular hlavni(adresar.CestaStd());
    auto prihlaseni = PrihlasVManazeru(QStringLiteral("Jana"));
    ASSERT_EQ(hlavni.Spust(), THlavniFormular::Start::Prihlasen);
    auto projdi = [](QWidget& okno, const char* co) {
        okno.show();
        EXPECT_EQ(NedostupneVOkne(&okno), QStringList()) << co;
    };

    const std::vector<Otazka> tri = BankaTriOdpovedi();
    Banka bankaTri;
    bankaTri.NactiZ(tri);
    std::vector<int> oblasti(758, 0);
    for (const auto& [c, o] : OblastiPodleKategorii(tri))
        oblasti[static_cast<std::size_t>(c)] = o;
    RucniHodiny hodiny;
    hodiny.mistni = DatumCas {2026, 3, 14, 9, 5, 7, 0};
    hodiny.msUtc = 8 * 3600000u;
    {
        TTestPlatny platny(bankaTri, oblasti, hlavni.relace.nastaveni, adresar.CestaStd(), hodiny,
                           4242u, &hlavni);
        QStringList vPravidlech;
        OdpovedzModalnimu([&](QWidget* w) {
            vPravidlech = NedostupneVOkne(w);
            QTest::keyClick(w, Qt::Key_Return);
        });
        ASSERT_TRUE(platny.Zahaj());
        EXPECT_EQ(vPravidlech, QStringList()) << "pravidla testu podle platných pravidel";
        projdi(platny, "test podle platných pravidel");
    }

    VstupZpravy vstup;
    vstup.profil = "Jana";
    vstup.datumACas = "14.3.2026 9:05";
    vstup.skupina = "B";
    vstup.verdikt = "PROSPĚL";
    TTestDetailForm zprava(vstup, adresar.CestaStd(), &hlavni);
    projdi(zprava, "protokol testu");
    TVytvorUziv novy(QStringList {QStringLiteral("Jana")}, &hlavni);
    projdi(novy, "nový profil");
    TDotazHeslo heslo(&hlavni);
    projdi(heslo, "heslo");
    TDZmenaHesla zmena(QStringLiteral("Jana"), &hlavni);
    projdi(zmena, "změna hesla");
    TKrizovatky dril(
        adresar.CestaStd(), "Jana", hodiny, [] { return 24u; }, &hlavni);
    projdi(dril, "křižovatky – trénink");
    QTest::keyClick(&dril, Qt::Key_A);
    EXPECT_EQ(NedostupneVOkne(&dril), QStringList()) << "křižovatky po odpovědi";

    const VstupPripravenosti pripravenost {adresar.CestaStd(), "Jana", {}, {}, hodiny.mistni};
    TStatistikaUceni statistika(
        banka, hlavni.relace.nastaveni, {}, 0, [](int) {}, &hlavni, {}, {}, &pripravenost);
    projdi(statistika, "statistika s odhadem a plánem");
}
