#include "test/gui/TStatistikaUceni.h"

#include "questions/Banka.h"
#include "testsupport/GuiTest.h"
#include "testsupport/Najdi.h"
#include "testsupport/ZapisBanky.h"

#include <gtest/gtest.h>

#include <QChart>
#include <QChartView>
#include <QDateEdit>
#include <QLabel>
#include <QPushButton>
#include <QTest>

namespace {

struct Banka3 {
    Banka banka;
    std::vector<int> oblasti = std::vector<int>(758, 0);
    Banka3()
    {
        banka.NactiZ(BankaTriOdpovedi());
        for (const auto& [c, o] : OblastiPodleKategorii(banka.Vse()))
            oblasti[static_cast<std::size_t>(c)] = o;
    }
};

QString Text(QWidget& okno, const char* jmeno)
{
    return Najdi<QLabel>(&okno, QString::fromLatin1(jmeno))->text();
}

}  // namespace

// A beginner: both formats estimated low with a band and the line explaining it; the exam date
// entered is stored for the profile, gives the chance on that day and the plan with its curve,
// is read back when the window opens again, and can be cleared.
TEST(Pripravenost, OknoZacatecnikaSDatemZkousky)
{
    const Banka3 b;
    DocasnyAdresar adresar;
    const VstupPripravenosti vstup {adresar.CestaStd(), "Jana", {}, {}, DatumCas {2026, 5, 4, 10}};
    Nastaveni n;
    {
        TStatistikaUceni okno(b.banka, n, {}, 3, nullptr, nullptr, b.oblasti, {}, &vstup);
        ASSERT_TRUE(CekejNa([&] { return okno.PripravenostHotova(); }));
        EXPECT_TRUE(Text(okno, "lbSancePlatny")
                        .startsWith(QStringLiteral(
                            "Šance na složení testu podle platných pravidel: dnes ")));
        EXPECT_TRUE(Text(okno, "lbSancePlatny").contains(QStringLiteral("(pásmo nejistoty 0 až ")));
        EXPECT_TRUE(
            Text(okno, "lbSanceBody")
                .startsWith(QStringLiteral("Šance na složení testu na body (skupina B): dnes ")));
        EXPECT_EQ(
            Text(okno, "lbVysvetleniOdhadu"),
            QStringLiteral(
                "Zatím znáte málo otázek (viděli jste 0): u neviděných program počítá s tím, že "
                "napoprvé odpovíte správně asi na 55 % jako většina začátečníků, proto je šance "
                "nízká a pásmo široké."));
        EXPECT_EQ(
            Text(okno, "lbPlan"),
            QStringLiteral("Zadejte datum zkoušky a program spočítá, kolik se máte denně učit."));
        EXPECT_FALSE(Najdi<QPushButton>(&okno, QStringLiteral("btnZrusitDatum"))->isEnabled());
        EXPECT_FALSE(Najdi<QLabel>(&okno, "lbOdhad")->isVisibleTo(&okno))
            << "the history's estimate gives way to the memory's";

        Najdi<QDateEdit>(&okno, QStringLiteral("deDatumZkousky"))->setDate(QDate(2026, 6, 3));
        QTest::mouseClick(Najdi<QPushButton>(&okno, QStringLiteral("btnNastavitDatum")),
                          Qt::LeftButton);
        EXPECT_EQ(NactiDatumZkousky(adresar.CestaStd(), "Jana"), (DatumCas {2026, 6, 3}));
        EXPECT_EQ(NactiDatumZkousky(adresar.CestaStd(), "Petr"), std::nullopt);
        EXPECT_TRUE(Text(okno, "lbSancePlatny")
                        .contains(QStringLiteral(", v den zkoušky 3. 6. 2026 bez dalšího učení ")));
        EXPECT_TRUE(Text(okno, "lbPlan").startsWith(QStringLiteral("Plán do zkoušky: denně ")))
            << Text(okno, "lbPlan").toStdString();
        EXPECT_TRUE(Text(okno, "lbPlan").contains(QStringLiteral("počítáno 20 s na otázku")));
        EXPECT_EQ(
            Najdi<QChartView>(&okno, QStringLiteral("grafPripravenosti"))->chart()->series().size(),
            2);
        EXPECT_GE(okno.PlanPripravenosti().sanceVDenZkousky, 0.95);
    }
    {
        TStatistikaUceni znovu(b.banka, n, {}, 3, nullptr, nullptr, b.oblasti, {}, &vstup);
        EXPECT_EQ(Text(znovu, "lbPlan"), QStringLiteral("Počítám plán do zkoušky…"));
        ASSERT_TRUE(CekejNa([&] { return znovu.PripravenostHotova(); }));
        EXPECT_EQ(Najdi<QDateEdit>(&znovu, QStringLiteral("deDatumZkousky"))->date(),
                  QDate(2026, 6, 3));
        EXPECT_TRUE(znovu.PlanPripravenosti().lzePlanovat);
        QTest::mouseClick(Najdi<QPushButton>(&znovu, QStringLiteral("btnZrusitDatum")),
                          Qt::LeftButton);
        EXPECT_EQ(NactiDatumZkousky(adresar.CestaStd(), "Jana"), std::nullopt);
        EXPECT_FALSE(znovu.PlanPripravenosti().lzePlanovat);

        Najdi<QDateEdit>(&znovu, QStringLiteral("deDatumZkousky"))->setDate(QDate(2026, 5, 1));
        QTest::mouseClick(Najdi<QPushButton>(&znovu, QStringLiteral("btnNastavitDatum")),
                          Qt::LeftButton);
        EXPECT_EQ(Text(znovu, "lbPlan"),
                  QStringLiteral("Datum zkoušky 1. 5. 2026 už nastalo; zadejte další termín."));
        Najdi<QDateEdit>(&znovu, QStringLiteral("deDatumZkousky"))->setDate(QDate(2026, 5, 4));
        QTest::mouseClick(Najdi<QPushButton>(&znovu, QStringLiteral("btnNastavitDatum")),
                          Qt::LeftButton);
        EXPECT_EQ(Text(znovu, "lbPlan"),
                  QStringLiteral("Zkouška je dnes; plán učení už není potřeba."));
    }
}
