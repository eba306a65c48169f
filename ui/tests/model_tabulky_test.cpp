// The grid model over a real table cursor: texts, formats, lazy reading, deletes and refresh.
#include "ui/ModelTabulky.h"

#include "storage/Tabulka.h"
#include "testsupport/GuiTest.h"

#include <gtest/gtest.h>

#include <QTableView>
#include <QTest>

#include <filesystem>

namespace {

namespace fs = std::filesystem;

class ModelTabulkyTest : public testing::Test {
protected:
    // Records 1..n: Jmeno "Z<i>", Datum 2025-03-<i%28+1>, Cas 9:26:<i%60>, Pocet i.
    void Zapis(int n)
    {
        Tabulka t;
        t.Svaz(Adresar(), "Pokus");
        t.Vytvor({{"Jmeno", TypPole::Text, 10},
                  {"Datum", TypPole::Datum, 0},
                  {"Cas", TypPole::Cas, 0},
                  {"Kdy", TypPole::DatumACas, 0},
                  {"Pocet", TypPole::Cele, 0}});
        t.Otevri();
        t.ZacniDavku();
        for (int i = 1; i <= n; ++i)
            Pridej(t, i);
        t.DokonciDavku();
    }
    static void Pridej(Tabulka& t, int i)
    {
        t.Vloz();
        t.PoleJmenem("Jmeno").NastavText("Z" + std::to_string(i));
        t.PoleJmenem("Datum").NastavDatumCas(DatumCas {2025, 3, i % 28 + 1});
        DatumCas cas;
        cas.hodina = 9;
        cas.minuta = 26;
        cas.sekunda = i % 60;
        t.PoleJmenem("Cas").NastavDatumCas(cas);
        t.PoleJmenem("Kdy").NastavDatumCas(DatumCas {2024, 12, 1, 17, 5, 9});
        t.PoleJmenem("Pocet").NastavCele(i);
        t.Uloz();
    }
    fs::path Adresar() const { return adresar.CestaStd(); }

    // A cursor showing the even records, with a calculated field, and its model.
    void Otevri()
    {
        kurzor.Svaz(Adresar(), "Pokus");
        kurzor.NastavFiltrFunkci(
            [](Tabulka& t) { return t.PoleJmenem("Pocet").JakoCele() % 2 == 0; });
        kurzor.NastavVypocitanaPole({{"Procenta", TypPole::Text, 8}}, [](Tabulka& t) {
            t.PoleJmenem("Procenta").NastavText(t.PoleJmenem("Pocet").JakoText() + "%");
        });
        kurzor.Filtrovat(true);
        kurzor.Otevri();
        model = std::make_unique<ModelTabulky>(
            kurzor,
            std::vector<ModelTabulky::Sloupec> {
                {"Datum", {}, QStringLiteral("Datum vystavení"), 80, Qt::AlignCenter},
                {"Cas", {}, QStringLiteral("Čas"), 60, Qt::AlignCenter},
                {"Kdy", {}, QStringLiteral("Kdy"), 120},
                {"Procenta",
                 {},
                 QStringLiteral("Úspěšnost"),
                 70,
                 Qt::AlignRight | Qt::AlignVCenter},
                {{},
                 [](Tabulka& t) {
                     return QString::fromStdString(t.PoleJmenem("Jmeno").JakoText())
                         + QStringLiteral("×");
                 },
                 QStringLiteral("Jméno"),
                 50},
                {"Jmeno", {}, QStringLiteral("skryté"), 40, Qt::AlignLeft, true},
            },
            nullptr, QLocale(QLocale::Czech, QLocale::CzechRepublic));
    }
    QString Text(int radek, int sloupec) const
    {
        return model->index(radek, sloupec).data().toString();
    }

    DocasnyAdresar adresar;
    Tabulka kurzor;
    std::unique_ptr<ModelTabulky> model;
};

TEST_F(ModelTabulkyTest, SloupceFormatyAPozdniCteni)
{
    Zapis(150);
    Otevri();
    ASSERT_EQ(model->rowCount(), 75);
    ASSERT_EQ(model->columnCount(), 6);
    EXPECT_EQ(model->headerData(0, Qt::Horizontal).toString(), QStringLiteral("Datum vystavení"));
    EXPECT_EQ(model->headerData(4, Qt::Horizontal).toString(), QStringLiteral("Jméno"));
    EXPECT_EQ(model->headerData(1, Qt::Horizontal, Qt::TextAlignmentRole).value<Qt::Alignment>(),
              Qt::AlignCenter);
    EXPECT_EQ(model->index(3, 1).data(Qt::TextAlignmentRole).value<Qt::Alignment>(),
              Qt::AlignCenter);
    EXPECT_EQ(model->index(3, 3).data(Qt::TextAlignmentRole).value<Qt::Alignment>(),
              Qt::AlignRight | Qt::AlignVCenter);

    // Record 2 and record 150 (the last, beyond the first block read).
    EXPECT_EQ(Text(0, 0), QStringLiteral("03.03.25"));
    EXPECT_EQ(Text(0, 1), QStringLiteral("9:26:02"));
    EXPECT_EQ(Text(0, 2), QStringLiteral("01.12.24 17:05:09"));
    EXPECT_EQ(Text(0, 3), QStringLiteral("2%"));
    EXPECT_EQ(Text(0, 4), QStringLiteral("Z2×"));
    EXPECT_EQ(Text(74, 0), QStringLiteral("11.03.25"));
    EXPECT_EQ(Text(74, 1), QStringLiteral("9:26:30"));
    EXPECT_EQ(Text(74, 3), QStringLiteral("150%"));
    EXPECT_EQ(Text(37, 5), QStringLiteral("Z76"));
    EXPECT_EQ(model->index(75, 0).data(), QVariant());

    QTableView pohled;
    pohled.setModel(model.get());
    model->NastavSloupcePohledu(pohled);
    EXPECT_EQ(pohled.columnWidth(0), 80);
    EXPECT_EQ(pohled.columnWidth(4), 50);
    EXPECT_FALSE(pohled.isColumnHidden(4));
    EXPECT_TRUE(pohled.isColumnHidden(5));

    // Reading a row for the grid does not move the current record.
    EXPECT_EQ(model->Aktualni(), 0);
    model->NastavAktualni(10);
    (void)Text(70, 0);
    EXPECT_EQ(model->KurzorNaAktualnim().PoleJmenem("Pocet").JakoCele(), 22);
    model->NastavAktualni(75);
    EXPECT_EQ(model->Aktualni(), 10);
}

TEST_F(ModelTabulkyTest, MazaniAObnova)
{
    Zapis(6);  // visible: 2, 4, 6
    Otevri();
    model->NastavAktualni(1);
    model->SmazAktualni();
    ASSERT_EQ(model->rowCount(), 2);
    EXPECT_EQ(model->Aktualni(), 1);
    EXPECT_EQ(Text(1, 4), QStringLiteral("Z6×"));
    model->SmazAktualni();  // the last: the new last becomes current
    ASSERT_EQ(model->rowCount(), 1);
    EXPECT_EQ(model->Aktualni(), 0);
    EXPECT_EQ(model->KurzorNaAktualnim().PoleJmenem("Pocet").JakoCele(), 2);

    // A record posted by another cursor shows after a refresh.
    {
        Tabulka jiny;
        jiny.Svaz(Adresar(), "Pokus");
        jiny.Otevri();
        Pridej(jiny, 8);
    }
    EXPECT_EQ(model->rowCount(), 1);
    model->Obnov();
    ASSERT_EQ(model->rowCount(), 2);
    EXPECT_EQ(Text(1, 3), QStringLiteral("8%"));

    model->SmazVse();
    EXPECT_EQ(model->rowCount(), 0);
    EXPECT_EQ(model->Aktualni(), -1);
    model->SmazAktualni();  // nothing to delete

    // The hidden odd records stay, in a cursor opened afresh as well.
    Tabulka vse;
    vse.Svaz(Adresar(), "Pokus");
    vse.Otevri();
    std::vector<int> zbyle;
    for (vse.Prvni(); !vse.Konec(); vse.Dalsi())
        zbyle.push_back(vse.PoleJmenem("Pocet").JakoCele());
    EXPECT_EQ(zbyle, (std::vector<int> {1, 3, 5}));
}

// A list over more records than a page: the grid starts with the first pages only, grows by
// fetchMore to every record, a delete at the end of what was found makes the next record
// current, and a record posted through the cursor is found and becomes current.
TEST_F(ModelTabulkyTest, StrankyVelkeTabulky)
{
    Zapis(3000);
    kurzor.Svaz(Adresar(), "Pokus");
    kurzor.NastavFiltrText("Datum = '2025-03-05'");  // records 4, 32, 60, ..., 3000
    kurzor.Filtrovat(false);
    kurzor.Otevri();
    model = std::make_unique<ModelTabulky>(
        kurzor, std::vector<ModelTabulky::Sloupec> {{"Pocet", {}, QStringLiteral("Počet"), 40}});
    const int prvni = model->rowCount();
    ASSERT_GT(prvni, 20);
    ASSERT_LT(prvni, 3000) << "the grid must not find every record before it shows any";
    EXPECT_EQ(Text(prvni - 1, 0), QString::number(prvni));
    model->fetchMore({});
    EXPECT_GT(model->rowCount(), prvni);
    EXPECT_EQ(Text(prvni, 0), QString::number(prvni + 1));

    // End goes to the last record, not to the last one found so far.
    QTableView pohled;
    pohled.setModel(model.get());
    model->NastavSloupcePohledu(pohled);
    pohled.setCurrentIndex(model->index(0, 0));
    QTest::keyClick(&pohled, Qt::Key_End, Qt::ControlModifier);
    EXPECT_EQ(model->rowCount(), 3000);
    EXPECT_EQ(pohled.currentIndex().row(), 2999);
    EXPECT_EQ(Text(2999, 0), QStringLiteral("3000"));
    EXPECT_FALSE(model->canFetchMore({}));

    kurzor.Otevri();
    model->Obnov();
    ASSERT_EQ(model->rowCount(), prvni);
    model->NastavAktualni(prvni - 1);
    model->SmazAktualni();
    EXPECT_EQ(model->Aktualni(), prvni - 1);
    EXPECT_EQ(model->KurzorNaAktualnim().PoleJmenem("Pocet").JakoCele(), prvni + 1);
    EXPECT_EQ(Text(prvni - 1, 0), QString::number(prvni + 1));

    Pridej(kurzor, 3001);
    EXPECT_EQ(kurzor.Poradi(), 2999);
    EXPECT_EQ(kurzor.PoleJmenem("Pocet").JakoCele(), 3001);

    // The same through a filter in SQL, read whole in one query and page by page alike.
    kurzor.Filtrovat(true);
    std::vector<int> celkem;
    kurzor.ProjdiZaznamy([&](Tabulka& t) { celkem.push_back(t.PoleJmenem("Pocet").JakoCele()); });
    std::vector<int> poStrankach;
    for (kurzor.Prvni(); !kurzor.Konec(); kurzor.Dalsi())
        poStrankach.push_back(kurzor.PoleJmenem("Pocet").JakoCele());
    ASSERT_EQ(celkem.size(), 108u);
    EXPECT_EQ(celkem.front(), 4);
    EXPECT_EQ(celkem.back(), 3000);
    EXPECT_EQ(celkem, poStrankach);
}

}  // namespace
