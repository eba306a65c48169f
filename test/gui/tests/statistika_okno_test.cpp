#include "test/gui/TStatistikaUceni.h"

#include "questions/Banka.h"
#include "testsupport/GuiTest.h"
#include "testsupport/TestovaciBanka.h"
#include "testsupport/ZapisBanky.h"
#include "testsupport/Najdi.h"

#include <gtest/gtest.h>

#include <QBarSeries>
#include <QBarSet>
#include <QChartView>
#include <QValueAxis>
#include <QLabel>
#include <QListWidget>
#include <QTest>
#include <QPushButton>
#include <QTableWidget>

#include <QLayout>

#include <cmath>
#include <cstdlib>

namespace {

using V = VysledekPokusu;

StatistikaProfilu SmisenaHistorie()
{
    StatistikaProfilu s;
    const auto zaznam = [&](int cislo, std::vector<V> odpovedi) {
        ZaznamStatistiky z;
        z.cislo = cislo;
        for (V v : odpovedi)
            PripoctiPokus(z, v, {2026, 3, 1, 8, 0, 0, 0});
        s[cislo] = z;
    };
    for (int c = 1; c <= 300; ++c)
        zaznam(c,
               c % 10 == 0 ? std::vector<V> {V::Spatne} : std::vector<V> {V::Spravne, V::Spravne});
    for (int c = 421; c <= 440; ++c)
        zaznam(c, {V::Spravne});
    zaznam(721, {V::Spatne, V::Spatne, V::Spatne, V::Spravne});  // 3 of 4 wrong
    zaznam(722, {V::Spatne, V::Spatne, V::Spatne});  // 3 of 3 wrong: larger share
    zaznam(723, {V::Spatne, V::Napoveda, V::Spatne, V::Spatne, V::Spravne, V::Spravne, V::Spravne});
    zaznam(5, {V::Spatne, V::Spatne, V::Spatne, V::Spatne});  // withdrawn: not listed
    return s;
}

// Mastered means a chance of recall of at least 90 % on the day (stability 10: 90 % ten days
// after the last answer), whatever the counts say.
UcebniPamet PametHistorie()
{
    UcebniPamet u;
    u.dnes = {2026, 3, 10, 8, 0, 0, 0};
    for (int c = 1; c <= 300; ++c)
        if (c % 10 != 0)
            u.pamet[c] = {true, 10.0, 5.0, {2026, 3, 1, 8, 0, 0, 0}};  // 9 days: above 90 %
    u.pamet[723] = {true, 10.0, 5.0, {2026, 2, 1, 8, 0, 0, 0}};  // three right, long ago
    u.pamet[722] = {true, 50.0, 5.0, {2026, 3, 10, 8, 0, 0, 0}};
    u.zameny = {{245, "B", 3}, {721, "AC", 2}};
    return u;
}

TEST(StatistikaUceni, KategorieNejcastejsiChybyAOdhad)
{
    Banka banka;
    banka.NactiZ(UmelaBanka([](int) { return std::string("ABCD"); }, {5}));
    Nastaveni n;
    int prohlizet = 0;
    TStatistikaUceni okno(
        banka, n, SmisenaHistorie(), 99, [&](int c) { prohlizet = c; }, nullptr, {},
        PametHistorie());
    EXPECT_EQ(okno.windowTitle(), QStringLiteral("Statistika učení"));

    struct Radek {
        int k;
        const char* dispozici;
        const char* videno;
        const char* zvladnuto;
    };
    for (const Radek& r : {Radek {1, "419", "299", "269"}, Radek {2, "55", "20", "0"},
                           Radek {3, "25", "0", "0"}, Radek {7, "37", "3", "1"}}) {
        SCOPED_TRACE(r.k);
        EXPECT_EQ(Najdi<QTableWidget>(&okno, "tabKategorie")->item(r.k - 1, 1)->text(),
                  QString::fromUtf8(r.dispozici));
        EXPECT_EQ(Najdi<QTableWidget>(&okno, "tabKategorie")->item(r.k - 1, 2)->text(),
                  QString::fromUtf8(r.videno));
        EXPECT_EQ(Najdi<QTableWidget>(&okno, "tabKategorie")->item(r.k - 1, 3)->text(),
                  QString::fromUtf8(r.zvladnuto));
    }
    EXPECT_EQ(Najdi<QTableWidget>(&okno, "tabKategorie")->item(0, 0)->text(),
              QStringLiteral("Pravidla provozu na pozemních komunikacích"));
    EXPECT_NE(Najdi<QChartView>(&okno, "grafKategorii")->chart(), nullptr);
    EXPECT_EQ(Najdi<QChartView>(&okno, "grafKategorii")->chart()->series().size(), 1);

    // Most wrong answers first, then the larger share, then the number; 20 at most.
    ASSERT_EQ(Najdi<QTableWidget>(&okno, "tabChyby")->rowCount(), 20);
    EXPECT_EQ(okno.NejcastejiSpatne()[0], 722);
    EXPECT_EQ(okno.NejcastejiSpatne()[1], 721);
    EXPECT_EQ(okno.NejcastejiSpatne()[2], 723);
    EXPECT_EQ(okno.NejcastejiSpatne()[3], 10);
    EXPECT_EQ(Najdi<QTableWidget>(&okno, "tabChyby")->item(1, 1)->text(), QStringLiteral("3 / 4"));
    EXPECT_EQ(Najdi<QTableWidget>(&okno, "tabChyby")->item(1, 2)->text(), QStringLiteral("75 %"));
    EXPECT_EQ(Najdi<QTableWidget>(&okno, "tabChyby")->item(2, 2)->text(),
              QStringLiteral("43 %"));  // 3 of 7

    ASSERT_TRUE(okno.Odhad().lzeOdhadnout);
    EXPECT_TRUE(Najdi<QLabel>(&okno, "lbOdhad")
                    ->text()
                    .startsWith(QStringLiteral("Šance na složení testu na body (skupina B): ")))
        << Najdi<QLabel>(&okno, "lbOdhad")->text().toStdString();
    EXPECT_TRUE(
        Najdi<QLabel>(&okno, "lbOdhad")->text().contains(QStringLiteral("pásmo nejistoty")));
    EXPECT_FALSE(Najdi<QLabel>(&okno, "lbVysvetleni")->text().isEmpty());

    if (const char* snimek = std::getenv("ZK_SNIMEK_STATISTIKY")) {
        okno.show();
        okno.grab().save(QString::fromLocal8Bit(snimek));
    }

    EXPECT_FALSE(Najdi<QLabel>(&okno, "lbHistorie")->isVisibleTo(&okno));
    ASSERT_EQ(Najdi<QListWidget>(&okno, "lstZameny")->count(), 2);
    EXPECT_EQ(Najdi<QListWidget>(&okno, "lstZameny")->item(0)->text(),
              QStringLiteral("Otázka 245: třikrát jste zvolil b)"));

    Najdi<QTableWidget>(&okno, "tabChyby")->selectRow(1);
    Najdi<QPushButton>(&okno, "btnProhlizet")->click();
    EXPECT_EQ(prohlizet, 721);
    EXPECT_EQ(okno.result(), QDialog::Accepted);

    // A confusion opens browse mode on its question.
    TStatistikaUceni druhe(
        banka, n, SmisenaHistorie(), 99, [&](int c) { prohlizet = c; }, nullptr, {},
        PametHistorie());
    druhe.show();
    Najdi<QListWidget>(&druhe, "lstZameny")->setCurrentRow(1);
    QTest::keyClick(Najdi<QListWidget>(&druhe, "lstZameny"), Qt::Key_Return);
    EXPECT_EQ(prohlizet, 721);
    EXPECT_EQ(druhe.result(), QDialog::Accepted);
}

TEST(StatistikaUceni, OdhadDnesnihoFormatuJePrvni)
{
    Banka banka;
    banka.NactiZ(BankaTriOdpovedi());
    std::vector<int> oblasti(758, 0);
    for (const auto& [c, o] : OblastiPodleKategorii(banka.Vse()))
        oblasti[static_cast<std::size_t>(c)] = o;
    StatistikaProfilu historie;
    for (int c = 1; c <= 757; c += 2)
        for (V v : {V::Spravne, V::Spravne, V::Spravne})
            PripoctiPokus(historie[c], v, {2026, 3, 1, 8, 0, 0, 0});
    for (auto& [c, z] : historie)
        z.cislo = c;
    Nastaveni n;
    TStatistikaUceni okno(banka, n, historie, 7, nullptr, nullptr, oblasti);
    ASSERT_TRUE(okno.OdhadDnesni().lzeOdhadnout);
    auto* radek = okno.findChild<QLabel*>(QStringLiteral("lbOdhadPlatny"));
    ASSERT_NE(radek, nullptr);
    const int procento = static_cast<int>(std::nearbyint(okno.OdhadDnesni().pravdepodobnost * 100));
    EXPECT_TRUE(radek->text().startsWith(
        QStringLiteral(
            "Šance na složení testu podle platných pravidel (skupina B): %1 % (pásmo nejistoty ")
            .arg(procento)))
        << radek->text().toStdString();
    okno.layout()->activate();
    EXPECT_LT(radek->geometry().y(), Najdi<QLabel>(&okno, "lbOdhad")->geometry().y())
        << "today's format comes first";

    TStatistikaUceni bezOblasti(banka, n, historie, 7, nullptr);
    EXPECT_FALSE(bezOblasti.OdhadDnesni().lzeOdhadnout);
    EXPECT_EQ(bezOblasti.findChild<QLabel*>(QStringLiteral("lbOdhadPlatny"))->text(),
              QStringLiteral("Šanci na složení testu podle platných pravidel nelze odhadnout: "
                             "chybí tabulka oblastí otázek."));
}

TEST(StatistikaUceni, BezHistorieNelzeOdhadnout)
{
    Banka banka;
    banka.NactiZ(UmelaBanka([](int) { return std::string("ABCD"); }));
    TStatistikaUceni okno(banka, Nastaveni {}, {}, 1, nullptr);
    EXPECT_FALSE(okno.Odhad().lzeOdhadnout);
    EXPECT_EQ(Najdi<QLabel>(&okno, "lbOdhad")->text(),
              QStringLiteral("Šanci na složení testu zatím nelze odhadnout."));
    EXPECT_EQ(Najdi<QTableWidget>(&okno, "tabChyby")->rowCount(), 0);
    EXPECT_FALSE(Najdi<QPushButton>(&okno, "btnProhlizet")->isEnabled());
    EXPECT_EQ(Najdi<QTableWidget>(&okno, "tabKategorie")->item(0, 2)->text(), QStringLiteral("0"));

    UcebniPamet vypnuto;
    vypnuto.ukladani = false;
    TStatistikaUceni bezUkladani(banka, Nastaveni {}, {}, 1, nullptr, nullptr, {}, vypnuto);
    EXPECT_TRUE(Najdi<QLabel>(&bezUkladani, "lbHistorie")->isVisibleTo(&bezUkladani));
    EXPECT_TRUE(Najdi<QLabel>(&bezUkladani, "lbHistorie")
                    ->text()
                    .startsWith(QStringLiteral("Ukládání historie učení je vypnuto")));
    EXPECT_FALSE(Najdi<QListWidget>(&bezUkladani, "lstZameny")->isEnabled());
}

}  // namespace

TEST(StatistikaUceni, GrafVProcentechKategorie)
{
    Banka banka;
    banka.NactiZ(UmelaBanka([](int) { return std::string("ABCD"); }, {5}));
    TStatistikaUceni okno(banka, Nastaveni {}, SmisenaHistorie(), 99, nullptr, nullptr, {},
                          PametHistorie());
    const auto* rada = qobject_cast<QBarSeries*>(
        Najdi<QChartView>(&okno, "grafKategorii")->chart()->series().front());
    ASSERT_NE(rada, nullptr);
    const QBarSet* videno = rada->barSets().at(0);
    const QBarSet* zvladnuto = rada->barSets().at(1);
    // 299 of 419 is 71.36 %, 20 of 55 36.36 %, 3 of 37 8.1 %, 1 of 37 2.7 %: a beginner's small
    // category shows beside the big one.
    struct Sloupec {
        int k;
        double videno, zvladnuto;
    };
    for (const Sloupec& s :
         {Sloupec {1, 71, 64}, Sloupec {2, 36, 0}, Sloupec {3, 0, 0}, Sloupec {7, 8, 3}}) {
        EXPECT_EQ(videno->at(s.k - 1), s.videno) << s.k;
        EXPECT_EQ(zvladnuto->at(s.k - 1), s.zvladnuto) << s.k;
    }
    const auto osy = Najdi<QChartView>(&okno, "grafKategorii")->chart()->axes(Qt::Vertical);
    ASSERT_EQ(osy.size(), 1);
    const auto* osa = qobject_cast<const QValueAxis*>(osy.front());
    ASSERT_NE(osa, nullptr);
    EXPECT_EQ(osa->max(), 100);
}
