#include "results/gui/TResult.h"

#include "base/Nastaveni.h"
#include "questions/Beh.h"
#include "storage/Tabulka.h"
#include "testsupport/GuiTest.h"
#include "testsupport/RucniHodiny.h"
#include "testsupport/Najdi.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <filesystem>

namespace {

class TResultTest : public testing::Test {
protected:
    TResultTest()
    {
        nastaveni.aktivniProfil = "Petr";
        nastaveni.skupina = "B";
        beh.celkem = 10;
        beh.spatne = {3, 7};
        beh.napovedy = {5};
        beh.uspesnost = 71;
    }

    // The run's end as the run cycle does it: the record first, then the window.
    std::unique_ptr<TResult> Otevri(bool zkouska)
    {
        const ProtokolBehu protokol = UlozVysledekBehu(nullptr, beh, nastaveni, opakovani, zkouska,
                                                       adresar.CestaStd(), hodiny);
        return std::make_unique<TResult>(beh, nastaveni, opakovani, zkouska, protokol);
    }
    QString Text(TResult& okno, const char* jmeno)
    {
        auto* l = okno.findChild<QLabel*>(QLatin1String(jmeno));
        return l ? l->text() : QStringLiteral("<chybí %1>").arg(QLatin1String(jmeno));
    }
    int Vrch(TResult& okno, const char* jmeno)
    {
        return okno.findChild<QWidget*>(QLatin1String(jmeno))->y();
    }
    int PocetZaznamu()
    {
        if (!std::filesystem::exists(std::filesystem::path(adresar.CestaStd()) / "Vysledky.DB"))
            return 0;
        Tabulka t;
        t.Svaz(adresar.CestaStd(), "Vysledky");
        t.Otevri();
        return t.PocetZaznamu();
    }

    DocasnyAdresar adresar;
    Nastaveni nastaveni;
    StavBehu beh;
    StavOpakovaniZaznamu opakovani;
    RucniHodiny hodiny;
};

TEST_F(TResultTest, ProcvicovaniPopiskyAZaznam)
{
    auto okno = Otevri(false);
    TResult& o = *okno;
    EXPECT_EQ(o.windowTitle(), QStringLiteral("Vyhodnocení programu Zebrovka 2003"));
    EXPECT_EQ(Text(o, "lbTyp"), QStringLiteral("Vyhodnocení procvičování"));
    EXPECT_EQ(Text(o, "lbUzivatel"), QStringLiteral("Uživatel: Petr"));
    EXPECT_EQ(Text(o, "lbSkupina"), QStringLiteral("Skupina: B"));
    EXPECT_EQ(Text(o, "lbPocet"), QStringLiteral("Počet otázek: 10"));
    EXPECT_EQ(Text(o, "lbSpravne"), QStringLiteral("Správných odpovědí: 7"));
    EXPECT_EQ(Text(o, "lbSpatne"), QStringLiteral("Špatných odpovědí: 2"));
    EXPECT_EQ(Text(o, "lbSNapovedou"), QStringLiteral("Použití nápovědy: 1"));
    EXPECT_EQ(Text(o, "lbUspesnost"), QStringLiteral("Úspěšnost: 71%"));
    EXPECT_EQ(
        Text(o, "lbSoubor"),
        QStringLiteral("Byl vytvořen protokol - přístupen je z menu Výsledky -> Protokol z..."));
    EXPECT_EQ(o.findChild<QPushButton*>(QStringLiteral("btnPrezkouset"))->text(),
              QStringLiteral("Procvičit &špatné odpovědi"));
    EXPECT_EQ(PocetZaznamu(), 1) << "the record exists before the window is shown";

    EXPECT_EQ(Vrch(o, "lbSkupina"), 77);
    EXPECT_EQ(Vrch(o, "lbPocet"), 93);
    EXPECT_EQ(Vrch(o, "lbSpravne"), 109);
    EXPECT_EQ(Vrch(o, "lbSpatne"), 125);
    auto* lbTyp = o.findChild<QLabel*>(QStringLiteral("lbTyp"));
    EXPECT_EQ(lbTyp->x(), o.width() / 2 - lbTyp->width() / 2);
    EXPECT_GT(lbTyp->x(), 0);
}

TEST_F(TResultTest, ZkouseniSkryjeNapovedyAPosuneRadky)
{
    beh.napovedy.clear();
    auto okno = Otevri(true);
    TResult& o = *okno;
    o.show();
    EXPECT_EQ(Text(o, "lbTyp"), QStringLiteral("Vyhodnocení zkoušení"));
    EXPECT_FALSE(o.findChild<QLabel*>(QStringLiteral("lbSNapovedou"))->isVisible());
    EXPECT_EQ(Text(o, "lbSpravne"), QStringLiteral("Správných odpovědí: 8"));
    EXPECT_EQ(Vrch(o, "lbSkupina"), 77);
    EXPECT_EQ(Vrch(o, "lbPocet"), 98);
    EXPECT_EQ(Vrch(o, "lbSpravne"), 119);
    EXPECT_EQ(Vrch(o, "lbSpatne"), 141);
    EXPECT_EQ(o.findChild<QPushButton*>(QStringLiteral("btnPrezkouset"))->text(),
              QStringLiteral("Přezkoušet ze &špatných odpovědí"));
    EXPECT_EQ(PocetZaznamu(), 1);
}

TEST_F(TResultTest, VypnutyProtokolNicNeulozi)
{
    nastaveni.protokoly = {false, true, true};
    auto okno = Otevri(false);
    EXPECT_EQ(Text(*okno, "lbSoubor"),
              QStringLiteral("Nebyl vytvořen protokol - chcete-li ho vytvářet změňte nastavení"));
    EXPECT_EQ(PocetZaznamu(), 0);
    EXPECT_TRUE(okno->findChild<QPushButton*>(QStringLiteral("btnPrezkouset"))->isEnabled());

    // The exam switch decides for an exam.
    nastaveni.protokoly = {true, false, true};
    auto zkouska = Otevri(true);
    EXPECT_EQ(PocetZaznamu(), 0);
}

TEST_F(TResultTest, OpravaSeUkladaJenPoSouhlasu)
{
    beh.opakovani = true;
    auto ne = StiskniVeZprave(QMessageBox::No);
    auto okno = Otevri(false);
    ASSERT_TRUE(ne->probehlo);
    EXPECT_EQ(ne->titulek, QStringLiteral("Otázka programu Zebrovka 2003 (2004)"));
    EXPECT_EQ(ne->text, QStringLiteral("Chcete vytvořit protokol i z této opravy?"));
    EXPECT_EQ(Text(*okno, "lbSoubor"),
              QStringLiteral("Protokol z opravy procvičování nebyl vytvořen"));
    EXPECT_EQ(PocetZaznamu(), 0);

    StiskniVeZprave(QMessageBox::No);
    auto zkouska = Otevri(true);
    EXPECT_EQ(Text(*zkouska, "lbSoubor"),
              QStringLiteral("Protokol z opravy zkoušení nebyl vytvořen"));
    EXPECT_EQ(PocetZaznamu(), 0);

    auto ano = StiskniVeZprave(QMessageBox::Yes);
    auto ulozene = Otevri(false);
    EXPECT_TRUE(ano->probehlo);
    EXPECT_EQ(PocetZaznamu(), 1);
    EXPECT_EQ(
        Text(*ulozene, "lbSoubor"),
        QStringLiteral("Byl vytvořen protokol - přístupen je z menu Výsledky -> Protokol z..."));
}

TEST_F(TResultTest, BezChybANapovedNeniCoOpakovat)
{
    beh.spatne.clear();
    beh.napovedy.clear();
    beh.uspesnost = 100;
    auto okno = Otevri(false);
    EXPECT_FALSE(okno->findChild<QPushButton*>(QStringLiteral("btnPrezkouset"))->isEnabled());

    beh.napovedy = {9};
    auto sNapovedou = Otevri(false);
    EXPECT_TRUE(sNapovedou->findChild<QPushButton*>(QStringLiteral("btnPrezkouset"))->isEnabled());
}

TEST_F(TResultTest, OpakovaniPredaSeznamAPonechaOpakovaniZaznamu)
{
    nastaveni.skupina = "C";
    opakovani = StavOpakovaniZaznamu {true, "A", "136"};
    beh.opakovani = true;
    StiskniVeZprave(QMessageBox::No);
    auto okno = Otevri(false);
    OdpovedzModalnimu([](QWidget* w) {
        QTest::mouseClick(w->findChild<QPushButton*>(QStringLiteral("btnPrezkouset")),
                          Qt::LeftButton);
    });
    EXPECT_EQ(okno->exec(), TResult::Opakovat);
    EXPECT_EQ(beh.otazky, (std::vector<int> {3, 7, 5}));
    EXPECT_EQ(beh.celkem, 3);
    EXPECT_EQ(beh.zbyva, 3);
    EXPECT_TRUE(beh.spatne.empty());
    EXPECT_TRUE(beh.napovedy.empty());
    EXPECT_EQ(beh.uspesnost, 0);
    EXPECT_TRUE(opakovani.priznak);
    EXPECT_EQ(nastaveni.skupina, "C");

    // The exam retries the wrong answers only.
    beh.spatne = {8};
    beh.napovedy = {2};
    StiskniVeZprave(QMessageBox::No);
    auto zkouska = Otevri(true);
    Najdi<QPushButton>(zkouska, "btnPrezkouset")->click();
    EXPECT_EQ(zkouska->result(), TResult::Opakovat);
    EXPECT_EQ(beh.otazky, (std::vector<int> {8}));
}

TEST_F(TResultTest, ZavreniVratiSkupinuPredOpakovanimZaznamu)
{
    nastaveni.skupina = "C";
    nastaveni.protokoly = {false, false, true};
    opakovani = StavOpakovaniZaznamu {true, "A", "136"};
    auto okno = Otevri(false);
    OdpovedzModalnimu([](QWidget* w) {
        QTest::mouseClick(w->findChild<QPushButton*>(QStringLiteral("btnOK")), Qt::LeftButton);
    });
    EXPECT_EQ(okno->exec(), TResult::Zavrit);
    EXPECT_EQ(nastaveni.skupina, "A");
    EXPECT_FALSE(opakovani.priznak);
    EXPECT_EQ(beh.otazky, std::vector<int> {}) << "closing prepares no retry";

    // Closing through the frame takes the same path.
    opakovani = StavOpakovaniZaznamu {true, "D", "7"};
    auto ramem = Otevri(false);
    OdpovedzModalnimu([](QWidget* w) { w->close(); });
    EXPECT_EQ(ramem->exec(), TResult::Zavrit);
    EXPECT_EQ(nastaveni.skupina, "D");
    EXPECT_FALSE(opakovani.priznak);
}

}  // namespace

// Enter closes the window with its default button "&OK", even though the retry is offered.
TEST_F(TResultTest, EnterZavreVychozimTlacitkem)
{
    auto okno = Otevri(false);
    okno->show();
    EXPECT_TRUE(Najdi<QPushButton>(okno, "btnPrezkouset")->isEnabled());
    ASSERT_EQ(okno->focusWidget(), Najdi<QPushButton>(okno, "btnOK"));
    QTest::keyClick(okno->focusWidget(), Qt::Key_Return);
    EXPECT_EQ(okno->result(), TResult::Zavrit);
    EXPECT_FALSE(okno->isVisible());
    EXPECT_EQ(beh.celkem, 10);  // no retry was prepared
}
