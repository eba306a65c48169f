// The results list opened from the main window's menu, and a retry run of a stored record
// played through the real main window up to its evaluation.
#include "base/Hodiny.h"
#include "app/THlavniFormular.h"
#include "profiles/ProfilovySklad.h"
#include "questions/gui/PanelOtazek.h"
#include "results/gui/TResult.h"
#include "results/gui/TDetail.h"
#include "results/gui/TProtocol.h"
#include "storage/Tabulka.h"
#include "testsupport/GuiTest.h"
#include "testsupport/RucniHodiny.h"
#include "testsupport/TestovaciBanka.h"
#include "testsupport/Najdi.h"
#include "ui/MereniTextu.h"
#include "ui/ModelTabulky.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace {

namespace fs = std::filesystem;

class VysledkyZMenu : public testing::Test {
protected:
    void SetUp() override
    {
        hodiny.mistni = DatumCas {2025, 3, 14, 9, 26, 53, 0};
        NastavHodiny(&hodiny);
        std::vector<Otazka> otazky;
        for (int n : {1, 2, 5, 17, 300, 421, 501})
            otazky.push_back(JednoduchaOtazka(n, "A"));
        ZapisTestovaciBanku(Adresar(), otazky);
        ZapisObrazkyVzoroveBanky(Adresar());
        ProfilovySklad sklad(Adresar());
        sklad.ZalozitTabulkuProfilu();
        sklad.PridatProfil("Jana", "1111111", "B", "111", "11", "1", "");
        hlavni = std::make_unique<THlavniFormular>(Adresar());
        auto prihlaseni = PrihlasVManazeru(QStringLiteral("Jana"));
        ASSERT_EQ(hlavni->Spust(), THlavniFormular::Start::Prihlasen);
        ASSERT_TRUE(prihlaseni->probehlo);
    }
    void TearDown() override
    {
        hlavni.reset();
        NastavHodiny(nullptr);
    }
    fs::path Adresar() const { return adresar.CestaStd(); }

    // The stored record of Jana's practice: wrong 5 and 17, hinted 300, group C, categories 136.
    static TestovaciVysledek Zaznam(const char* typ = "Procvičování")
    {
        TestovaciVysledek z;
        z.typ = typ;
        z.skupina = "C";
        z.kategorie = "136";
        z.pocet = 10;
        z.spatne = 2;
        z.spatneCisla = "5, 17";
        z.napovedy = 1;
        z.napovedyCisla = "300";
        z.uspesnost = 78;
        return z;
    }

    // Opens the list from the menu, its details for the first row, and the retry.
    void OpakujZMenu(QAction* polozka)
    {
        std::shared_ptr<ZachycenyDialog> detail;
        auto seznam = OdpovedzModalnimu([&](QWidget* w) {
            auto* okno = qobject_cast<TProtocol*>(w);
            ASSERT_NE(okno, nullptr) << w->metaObject()->className();
            // Centred over the main window, frames included.
            const QRect nad = hlavni->frameGeometry(), vlastni = okno->frameGeometry();
            EXPECT_EQ(vlastni.left(), nad.left() + (nad.width() - vlastni.width()) / 2);
            EXPECT_EQ(vlastni.top(), nad.top() + (nad.height() - vlastni.height()) / 2);
            detail = OdpovedzModalnimu(
                [](QWidget* d) {
                    ASSERT_NE(qobject_cast<TDetail*>(d), nullptr) << d->metaObject()->className();
                    Najdi<QPushButton>(d, "btnPrezkouset")->click();
                },
                okno);
            Najdi<QPushButton>(okno, "btnPodrobnosti")->click();
        });
        polozka->trigger();
        ASSERT_TRUE(seznam->probehlo);
        ASSERT_TRUE(detail && detail->probehlo);
    }

    QString NaPanelu() const { return Najdi<QLabel>(hlavni, "lbCisloOtazky")->text(); }
    // Marks answer A (right) or B (wrong), confirms, lets the feedback time run out, moves on.
    void Odpovez(bool spravne, bool dal = true)
    {
        QTest::mouseClick(Najdi<StatickyText>(hlavni, Pismenem("st", spravne ? 0 : 1)),
                          Qt::LeftButton);
        QTest::mouseClick(Najdi<QLabel>(hlavni, "lbCisloOtazky"), Qt::RightButton);
        ASSERT_TRUE(Najdi<QTimer>(hlavni, "Timer1")->isActive());
        Vyprs(hlavni, "Timer1");
        if (dal)
            QTest::mouseClick(Najdi<QLabel>(hlavni, "lbCisloOtazky"), Qt::RightButton);
    }
    // Ends the run: the protocol question of a retry run answered Yes, then the evaluation.
    std::shared_ptr<QString> Vyhodnot(bool opakovat)
    {
        auto skupina = std::make_shared<QString>();
        OdpovedzModalnimu([=](QWidget* w) {
            auto* box = qobject_cast<QMessageBox*>(w);
            ASSERT_NE(box, nullptr) << w->metaObject()->className();
            EXPECT_EQ(box->text(), QStringLiteral("Chcete vytvořit protokol i z této opravy?"));
            OdpovedzModalnimu(
                [=](QWidget* v) {
                    auto* okno = qobject_cast<TResult*>(v);
                    ASSERT_NE(okno, nullptr) << v->metaObject()->className();
                    *skupina = Najdi<QLabel>(okno, "lbSkupina")->text();
                    (opakovat ? Najdi<QPushButton>(okno, "btnPrezkouset")
                              : Najdi<QPushButton>(okno, "btnOK"))
                        ->click();
                },
                w);
            box->button(QMessageBox::Yes)->click();
        });
        QTest::mouseClick(Najdi<QLabel>(hlavni, "lbCisloOtazky"), Qt::RightButton);
        return skupina;
    }
    // Group and categories of the stored records, in order.
    std::vector<std::string> Zaznamy() const
    {
        Tabulka t;
        t.Svaz(Adresar(), "Vysledky");
        t.Otevri();
        std::vector<std::string> v;
        for (t.Prvni(); !t.Konec(); t.Dalsi())
            v.push_back(t.PoleJmenem("Skupina").JakoText() + "/"
                        + t.PoleJmenem("Kategorie").JakoText() + "/"
                        + t.PoleJmenem("PocetOtazek").JakoText() + "/"
                        + t.PoleJmenem("SpatneCisla").JakoText());
        return v;
    }

    DocasnyAdresar adresar;
    RucniHodiny hodiny;
    std::unique_ptr<THlavniFormular> hlavni;
};

TEST_F(VysledkyZMenu, OpakovaniZaznamuVPoradiSeSkupinouZaznamu)
{
    ZapisVysledky(Adresar(), {Zaznam()});
    OpakujZMenu(Najdi<QAction>(hlavni, "smProc"));
    THlavniFormular& h = *hlavni;
    ASSERT_EQ(h.Rezim(), QStringLiteral("Procvicovani"));
    EXPECT_TRUE(Najdi<QMenuBar>(&h, "Menu2")->isVisible());
    EXPECT_EQ(Najdi<QLabel>(&h, "lbCelkemOtazek")->text(), QStringLiteral("Celkem otázek: 3"));
    EXPECT_EQ(Najdi<QLabel>(&h, "lbSkupina")->text(), QStringLiteral("Skupina: C"));
    EXPECT_EQ(h.relace.nastaveni.skupina, "C");
    EXPECT_TRUE(h.relace.opakovaniZaznamu.priznak);

    EXPECT_EQ(NaPanelu(), QStringLiteral("Otázka číslo 5"));
    Odpovez(true);
    EXPECT_EQ(NaPanelu(), QStringLiteral("Otázka číslo 17"));
    Odpovez(false);
    EXPECT_EQ(NaPanelu(), QStringLiteral("Otázka číslo 300"));
    Odpovez(true, false);

    auto skupina = Vyhodnot(false);
    EXPECT_EQ(*skupina, QStringLiteral("Skupina: C"));
    EXPECT_TRUE(h.Rezim().isEmpty());
    EXPECT_EQ(h.relace.nastaveni.skupina, "B");
    EXPECT_FALSE(h.relace.opakovaniZaznamu.priznak);
    EXPECT_EQ(Zaznamy(), (std::vector<std::string> {"C/136/10/5, 17", "C/136/3/17"}));
}

TEST_F(VysledkyZMenu, OpakovaniOpakovaniZaznamuDrziSkupinuAKategorie)
{
    ZapisVysledky(Adresar(), {Zaznam()});
    OpakujZMenu(Najdi<QAction>(hlavni, "smProc"));
    THlavniFormular& h = *hlavni;
    Odpovez(false);
    Odpovez(true);
    Odpovez(true, false);
    auto prvni = Vyhodnot(true);
    EXPECT_EQ(*prvni, QStringLiteral("Skupina: C"));
    ASSERT_EQ(h.Rezim(), QStringLiteral("Procvicovani"));
    EXPECT_EQ(h.relace.nastaveni.skupina, "C");
    EXPECT_EQ(NaPanelu(), QStringLiteral("Otázka číslo 5"));
    EXPECT_EQ(Najdi<QLabel>(&h, "lbCelkemOtazek")->text(), QStringLiteral("Celkem otázek: 1"));
    Odpovez(true, false);

    auto druhe = Vyhodnot(false);
    EXPECT_EQ(*druhe, QStringLiteral("Skupina: C"));
    EXPECT_TRUE(h.Rezim().isEmpty());
    EXPECT_EQ(h.relace.nastaveni.skupina, "B");
    EXPECT_EQ(Zaznamy(), (std::vector<std::string> {"C/136/10/5, 17", "C/136/3/5", "C/136/1/"}));
}

TEST_F(VysledkyZMenu, ZkouseniASeznamBezOpakovani)
{
    ZapisVysledky(Adresar(), {Zaznam("Zkoušení")});
    THlavniFormular& h = *hlavni;

    // The practice list has nothing of the exam record; closing it starts nothing.
    auto seznam = OdpovedzModalnimu([](QWidget* w) {
        auto* okno = qobject_cast<TProtocol*>(w);
        ASSERT_NE(okno, nullptr);
        EXPECT_EQ(okno->windowTitle(),
                  QStringLiteral("Seznam výsledků procvičování,   Uživatel: Jana"));
        EXPECT_EQ(okno->Model().rowCount(), 0);
        EXPECT_FALSE(Najdi<QPushButton>(okno, "btnPodrobnosti")->isEnabled());
        Najdi<QPushButton>(okno, "btnOK")->click();
    });
    emit Najdi<QMenu>(&h, "Vysledky1")->aboutToShow();
    ASSERT_TRUE(Najdi<QAction>(&h, "smProc")->isEnabled());
    Vyvolej(&h, "smProc");
    ASSERT_TRUE(seznam->probehlo);
    EXPECT_TRUE(h.Rezim().isEmpty());
    EXPECT_FALSE(h.relace.opakovaniZaznamu.priznak);

    // The exam record starts an exam retry (the hinted 300 included, as the record lists it).
    OpakujZMenu(Najdi<QAction>(&h, "smZkou"));
    ASSERT_EQ(h.Rezim(), QStringLiteral("Zkouseni"));
    EXPECT_EQ(Najdi<QLabel>(&h, "lbCelkemOtazek")->text(), QStringLiteral("Celkem otázek: 3"));
    EXPECT_EQ(NaPanelu(), QStringLiteral("Otázka číslo 5"));
    auto konec = StiskniVeZprave(QMessageBox::Yes);
    Vyvolej(&h, "M2KonecRezimu");
    ASSERT_TRUE(konec->probehlo);
    EXPECT_TRUE(h.Rezim().isEmpty());
    EXPECT_EQ(h.relace.nastaveni.skupina, "B");
}

TEST_F(VysledkyZMenu, NecitelnaTabulkaVysledkuOznami)
{
    {
        std::ofstream soubor(Adresar() / "Vysledky.DB", std::ios::binary);
        soubor << "Toto není tabulka.";
    }
    auto chyba = StiskniVeZprave(QMessageBox::Ok);
    Vyvolej(hlavni, "smProc");
    ASSERT_TRUE(chyba->probehlo);
    EXPECT_EQ(chyba->titulek, QStringLiteral("Chybové hlášení programu Zebrovka 2003 (2004)"));
    EXPECT_TRUE(chyba->text.contains(QStringLiteral("Vysledky.DB"))) << chyba->text.toStdString();
    EXPECT_TRUE(hlavni->Rezim().isEmpty());
}

}  // namespace
