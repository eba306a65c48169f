#include "storage/Definice.h"
#include "storage/Tabulka.h"
#include "storage/tests/Pomocne.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

class TabulkaTest : public AdresarTest {
protected:
    // Creates Vysledky and leaves `t` open on it.
    void VytvorVysledky(Tabulka& t)
    {
        t.Svaz(adresar_, "Vysledky");
        t.Vytvor(DefiniceVysledky());
        t.Otevri();
    }

    static void Pridej(Tabulka& t, const std::string& profil, int pocet, int spatne = 0)
    {
        t.Vloz();
        t.PoleJmenem("TypTestu").NastavText("Procvičování");
        t.PoleJmenem("Profil").NastavText(profil);
        t.PoleJmenem("PocetOtazek").NastavCele(pocet);
        t.PoleJmenem("Spatne").NastavCele(spatne);
        t.Uloz();
    }

    // The PocetOtazek values of the visible records, walked from the first.
    static std::vector<int> Pocty(Tabulka& t)
    {
        std::vector<int> v;
        for (t.Prvni(); !t.Konec(); t.Dalsi())
            v.push_back(t.PoleJmenem("PocetOtazek").JakoCele());
        return v;
    }

    std::vector<int> PoctyVNoveKurzoru(const std::string& filtr = "")
    {
        Tabulka t;
        t.Svaz(adresar_, "Vysledky");
        t.NastavFiltrText(filtr);
        t.Filtrovat(!filtr.empty());
        t.Otevri();
        return Pocty(t);
    }
};

TEST_F(TabulkaTest, VytvorenaTabulkaSeZnovuOtevreSPoradimTypyADelkamiPoli)
{
    Tabulka t;
    t.Svaz(adresar_, "Protokoly");
    EXPECT_FALSE(t.Existuje());
    t.Vytvor(DefiniceProtokoly());
    EXPECT_TRUE(t.Existuje());
    EXPECT_EQ(t.Soubor(), adresar_ / "Protokoly.DB");
    EXPECT_FALSE(t.Vytvor(DefiniceProtokoly())) << "an existing table is left as it is";

    Tabulka jina;
    jina.Svaz(adresar_, "Protokoly");
    jina.Otevri();
    const auto ocekavane = DefiniceProtokoly();
    ASSERT_EQ(jina.Definice().size(), ocekavane.size());
    for (std::size_t i = 0; i < ocekavane.size(); ++i) {
        Pole p = jina.PoleNaPozici(static_cast<int>(i));
        EXPECT_EQ(p.Nazev(), ocekavane[i].nazev);
        EXPECT_EQ(p.Typ(), ocekavane[i].typ) << p.Nazev();
        EXPECT_EQ(p.Delka(), ocekavane[i].delka) << p.Nazev();
    }
    EXPECT_TRUE(jina.Prazdna());
    EXPECT_TRUE(jina.Konec());
    EXPECT_EQ(jina.PocetZaznamu(), 0);
    EXPECT_TRUE(jina.PoleJmenem("Profil").JePrazdne());
}

TEST_F(TabulkaTest, ZaznamyZustavajiVPoradiVkladaniAUlozeniJeHnedTrvale)
{
    Tabulka t;
    VytvorVysledky(t);
    for (int n : {30, 10, 20})
        Pridej(t, "Jana", n);
    EXPECT_EQ(t.PoleJmenem("PocetOtazek").JakoCele(), 20) << "cursor stands on the new record";
    EXPECT_EQ(t.Poradi(), 2);
    // A second cursor opened while the first one is still open sees every post.
    EXPECT_EQ(PoctyVNoveKurzoru(), (std::vector<int> {30, 10, 20}));

    t.Prvni();
    t.Uprav();
    t.PoleJmenem("PocetOtazek").NastavCele(31);
    t.Uloz();
    t.Dalsi();
    t.Uprav();
    t.PoleJmenem("PocetOtazek").NastavCele(99);
    t.Zrus();
    EXPECT_EQ(t.PoleJmenem("PocetOtazek").JakoCele(), 10);
    t.Vloz();
    t.PoleJmenem("PocetOtazek").NastavCele(77);
    t.Zrus();
    EXPECT_EQ(t.PocetZaznamu(), 3);
    t.Zavri();
    EXPECT_EQ(PoctyVNoveKurzoru(), (std::vector<int> {31, 10, 20}));
}

TEST_F(TabulkaTest, DavkaSeUloziNajednouAZavrenimSeZahodi)
{
    Tabulka t;
    VytvorVysledky(t);
    Pridej(t, "A", 1);
    t.ZacniDavku();
    Pridej(t, "A", 2);
    Pridej(t, "A", 3);
    EXPECT_EQ(Pocty(t), (std::vector<int> {1, 2, 3}));
    EXPECT_EQ(PoctyVNoveKurzoru(), (std::vector<int> {1})) << "not durable before the end";
    t.DokonciDavku();
    EXPECT_EQ(PoctyVNoveKurzoru(), (std::vector<int> {1, 2, 3}));

    t.ZacniDavku();
    Pridej(t, "A", 4);
    t.Zavri();
    EXPECT_EQ(PoctyVNoveKurzoru(), (std::vector<int> {1, 2, 3}));
}

TEST_F(TabulkaTest, FiltrTextemPorovnavaJmenoJakoHodnotuIsApostrofem)
{
    Tabulka t;
    VytvorVysledky(t);
    Pridej(t, "O'Brien", 1);
    Pridej(t, "x", 2);
    Pridej(t, "O'Brien", 3);
    Pridej(t, "x' OR '1'='1", 4);
    Pridej(t, "Eva AND Ota", 5);
    t.Zavri();

    EXPECT_EQ(PoctyVNoveKurzoru("Profil = 'O''Brien'"), (std::vector<int> {1, 3}));
    EXPECT_EQ(PoctyVNoveKurzoru("Profil = 'x'"), (std::vector<int> {2}));
    // The injection attempt is just a name; only the record carrying exactly that name matches.
    EXPECT_EQ(PoctyVNoveKurzoru("Profil = 'x'' OR ''1''=''1'"), (std::vector<int> {4}));
    EXPECT_TRUE(PoctyVNoveKurzoru("Profil = 'nikdo'' OR ''1''=''1'").empty());
    EXPECT_TRUE(PoctyVNoveKurzoru("Profil = 'o''brien'").empty()) << "names are case-sensitive";
    // Conditions joined by AND, all in SQL; " AND " inside a quoted value is part of the value.
    EXPECT_EQ(PoctyVNoveKurzoru("Profil = 'O''Brien' AND PocetOtazek = 3"), (std::vector<int> {3}));
    EXPECT_EQ(PoctyVNoveKurzoru("Profil = 'Eva AND Ota'"), (std::vector<int> {5}));
    EXPECT_TRUE(PoctyVNoveKurzoru("Profil = 'x' AND PocetOtazek = 4").empty());

    Tabulka spatny;
    spatny.Svaz(adresar_, "Vysledky");
    EXPECT_THROW(spatny.NastavFiltrText("Profil = 'neuzavreny"), ChybaTabulky);
    EXPECT_THROW(spatny.NastavFiltrText("Profil = 'x' AND "), ChybaTabulky);
    EXPECT_THROW(spatny.NastavFiltrText("Profil = 'x' OR PocetOtazek = 1"), ChybaTabulky);
    spatny.NastavFiltrText("Neznamo = 'a'");
    spatny.Filtrovat(true);
    EXPECT_THROW(spatny.Otevri(), ChybaTabulky);
    EXPECT_FALSE(spatny.JeOtevrena());
}

TEST_F(TabulkaTest, FiltrViditelnostiProfilu)
{
    Tabulka t;
    t.Svaz(adresar_, "Profily");
    t.Vytvor(DefiniceProfily());
    t.Otevri();
    for (const char* jmeno : {"Default", "Eva", "Petr"}) {
        t.Vloz();
        t.PoleJmenem("Viditelny").NastavText(std::string(jmeno) == "Default" ? "0" : "1");
        t.PoleJmenem("Profil").NastavText(jmeno);
        t.Uloz();
    }
    t.NastavFiltrText("Viditelny = 1");
    t.Filtrovat(true);
    ASSERT_EQ(t.PocetZaznamu(), 2);
    EXPECT_EQ(t.PoleJmenem("Profil").JakoText(), "Eva");
    t.Filtrovat(false);
    EXPECT_EQ(t.PocetZaznamu(), 3);
}

TEST_F(TabulkaTest, FiltrFunkceSePrepocitaIVcetneZaznamuJinehoKurzoru)
{
    Tabulka t;
    VytvorVysledky(t);
    Pridej(t, "A", 10);
    Pridej(t, "A", 40);
    Pridej(t, "B", 50);
    int nabidnuto = 0;
    t.NastavFiltrFunkci([&](Tabulka& tab) {
        ++nabidnuto;
        return tab.PoleJmenem("PocetOtazek").JakoCele() >= 20;
    });
    t.NastavFiltrText("Profil = 'A'");
    t.Filtrovat(true);
    EXPECT_EQ(Pocty(t), (std::vector<int> {40}));
    EXPECT_EQ(nabidnuto, 2) << "the callback sees only records admitted by the filter text";

    Tabulka druhy;
    druhy.Svaz(adresar_, "Vysledky");
    druhy.Otevri();
    Pridej(druhy, "A", 25);
    Pridej(druhy, "A", 5);

    EXPECT_EQ(t.PocetZaznamu(), 1) << "the visible set is kept until it is recomputed";
    t.Filtrovat(true);
    EXPECT_EQ(Pocty(t), (std::vector<int> {40, 25}));

    // An insert through the filtered cursor is checked against the filter at once.
    t.Prvni();
    Pridej(t, "A", 1);
    EXPECT_EQ(t.PocetZaznamu(), 2);
    EXPECT_EQ(t.PoleJmenem("PocetOtazek").JakoCele(), 40) << "cursor stays where it was";
    Pridej(t, "A", 60);
    EXPECT_EQ(t.PocetZaznamu(), 3);
    EXPECT_EQ(t.PoleJmenem("PocetOtazek").JakoCele(), 60);

    t.Filtrovat(false);
    EXPECT_EQ(Pocty(t), (std::vector<int> {10, 40, 50, 25, 5, 1, 60}));
    t.Zavri();
    t.Filtrovat(true);
    t.Otevri();
    EXPECT_EQ(Pocty(t), (std::vector<int> {40, 25, 60}));
}

TEST_F(TabulkaTest, PosunSeZastaviNaKoncichADalsiZaPoslednimJeKonec)
{
    Tabulka t;
    VytvorVysledky(t);
    t.Posun(3);
    EXPECT_TRUE(t.Konec());
    for (int n = 1; n <= 5; ++n)
        Pridej(t, "P", n);
    t.Prvni();
    t.Posun(2);
    EXPECT_EQ(t.Poradi(), 2);
    EXPECT_EQ(t.PoleJmenem("PocetOtazek").JakoCele(), 3);
    t.Posun(100);
    EXPECT_FALSE(t.Konec());
    EXPECT_EQ(t.PoleJmenem("PocetOtazek").JakoCele(), 5);
    t.Dalsi();
    EXPECT_TRUE(t.Konec());
    EXPECT_TRUE(t.PoleJmenem("PocetOtazek").JePrazdne());
    t.Posun(-1);
    EXPECT_EQ(t.PoleJmenem("PocetOtazek").JakoCele(), 5);
    t.Posun(-100);
    EXPECT_EQ(t.Poradi(), 0);
    EXPECT_EQ(t.PoleJmenem("PocetOtazek").JakoCele(), 1);
}

TEST_F(TabulkaTest, SmazaniPrejdeNaDalsiViditelnyZaznam)
{
    Tabulka t;
    VytvorVysledky(t);
    for (int n = 1; n <= 6; ++n)
        Pridej(t, n % 2 ? "Liche" : "Sude", n);
    t.NastavFiltrText("Profil = 'Sude'");
    t.Filtrovat(true);
    ASSERT_EQ(Pocty(t), (std::vector<int> {2, 4, 6}));
    t.Prvni();
    t.Smaz();
    EXPECT_EQ(t.PoleJmenem("PocetOtazek").JakoCele(), 4) << "the next visible, not record 3";
    t.Dalsi();
    t.Smaz();
    EXPECT_TRUE(t.Konec()) << "the last visible record was deleted";
    EXPECT_EQ(t.PocetZaznamu(), 1);
    EXPECT_THROW(t.Smaz(), ChybaTabulky);
    t.Zavri();
    EXPECT_EQ(PoctyVNoveKurzoru(), (std::vector<int> {1, 3, 4, 5}));
}

TEST_F(TabulkaTest, SmazaniVsechZaznamuProfiluNechaZaznamyOstatnich)
{
    Tabulka t;
    VytvorVysledky(t);
    for (int n = 1; n <= 9; ++n)
        Pridej(t, n % 3 == 0 ? "Jiří" : "Ann'a", n);
    t.Zavri();

    t.NastavFiltrText("Profil = 'Ann''a'");
    t.Filtrovat(true);
    t.Otevri();
    EXPECT_EQ(t.PocetZaznamu(), 6);
    while (!t.Prazdna())
        t.Smaz();
    t.Zavri();
    EXPECT_EQ(PoctyVNoveKurzoru(), (std::vector<int> {3, 6, 9}));
    EXPECT_TRUE(PoctyVNoveKurzoru("Profil = 'Ann''a'").empty());
}

TEST_F(TabulkaTest, TextSeZkratiNaSirkuPoleVeZnacich)
{
    Tabulka t;
    VytvorVysledky(t);
    const std::string dlouhe = "Řehoř Příliš Žluťoučký Kůň Úpě";  // 30 characters
    ASSERT_EQ(PocetZnaku(dlouhe), 30);
    const std::string memo(5000, 'm');
    t.Vloz();
    t.PoleJmenem("Profil").NastavText(dlouhe + "ř");
    t.PoleJmenem("TypTestu").NastavText("ŘŘŘŘŘŘŘŘŘŘŘŘŘŘŘŘ");  // 16 two-byte characters
    t.PoleJmenem("Skupina").NastavText("B1x");
    t.PoleJmenem("SpatneCisla").NastavText(memo);
    t.Uloz();
    t.Zavri();
    t.Otevri();
    EXPECT_EQ(t.PoleJmenem("Profil").JakoText(), dlouhe);
    EXPECT_EQ(t.PoleJmenem("TypTestu").JakoText(), std::string("ŘŘŘŘŘŘŘŘŘŘŘŘŘŘŘ"));
    EXPECT_EQ(t.PoleJmenem("Skupina").JakoText(), "B1");
    EXPECT_EQ(t.PoleJmenem("SpatneCisla").JakoText(), memo) << "memo fields have no width";

    // The exact name as stored is what a filter finds.
    t.NastavFiltrText("Profil = '" + dlouhe + "'");
    t.Filtrovat(true);
    EXPECT_EQ(t.PocetZaznamu(), 1);
}

TEST_F(TabulkaTest, DatumCasACelaCislaProjdouUlozenimBezeZmeny)
{
    Tabulka p;
    p.Svaz(adresar_, "Protokoly");
    p.Vytvor(DefiniceProtokoly());
    p.Otevri();
    const DatumCas okamzik {2024, 2, 29, 23, 59, 58, 345};
    p.Vloz();
    p.PoleJmenem("DatumACas").NastavDatumCas(okamzik);
    p.PoleJmenem("PocetBodu").NastavText("-17");
    p.PoleJmenem("Spravne").NastavCele(2147483647);
    p.Uloz();

    Tabulka v;
    VytvorVysledky(v);
    v.Vloz();
    v.PoleJmenem("Datum").NastavDatumCas(okamzik);
    v.PoleJmenem("Cas").NastavDatumCas(okamzik);
    v.PoleJmenem("Kategorie").NastavCele(1246);
    v.Uloz();

    p.Zavri();
    v.Zavri();
    p.Otevri();
    v.Otevri();
    EXPECT_EQ(p.PoleJmenem("DatumACas").JakoText(), "2024-02-29 23:59:58");
    EXPECT_EQ(p.PoleJmenem("DatumACas").JakoDatumCas(), (DatumCas {2024, 2, 29, 23, 59, 58, 0}));
    EXPECT_EQ(p.PoleJmenem("PocetBodu").JakoCele(), -17);
    EXPECT_EQ(p.PoleJmenem("Spravne").JakoText(), "2147483647");
    EXPECT_EQ(std::get<std::int32_t>(p.PoleJmenem("Spravne").Hodnota()), 2147483647);
    EXPECT_TRUE(p.PoleJmenem("MinPocetBodu").JePrazdne());
    EXPECT_EQ(p.PoleJmenem("MinPocetBodu").JakoCele(), 0);

    EXPECT_EQ(v.PoleJmenem("Datum").JakoText(), "2024-02-29");
    EXPECT_EQ(v.PoleJmenem("Datum").JakoDatumCas(), (DatumCas {2024, 2, 29}));
    EXPECT_EQ(v.PoleJmenem("Cas").JakoText(), "23:59:58");
    EXPECT_EQ(v.PoleJmenem("Cas").JakoDatumCas(), (DatumCas {0, 0, 0, 23, 59, 58}));
    EXPECT_EQ(v.PoleJmenem("Kategorie").JakoText(), "1246");
    EXPECT_EQ(v.PoleJmenem("Kategorie").JakoCele(), 1246);
}

TEST_F(TabulkaTest, VypocitanaPoleSePlniPriKazdemPrechoduNaZaznam)
{
    Tabulka t;
    VytvorVysledky(t);
    Pridej(t, "A", 20, 3);
    Pridej(t, "A", 10, 10);
    t.NastavVypocitanaPole(
        {{"Spravnych", TypPole::Cele, 0}, {"Popis", TypPole::Text, 10}}, [](Tabulka& tab) {
            const int spravnych =
                tab.PoleJmenem("PocetOtazek").JakoCele() - tab.PoleJmenem("Spatne").JakoCele();
            tab.PoleJmenem("Spravnych").NastavCele(spravnych);
            tab.PoleJmenem("Popis").NastavText(spravnych ? "dobře i špatně" : "vše špatně");
        });
    EXPECT_EQ(t.PocetPoli(), 14);
    EXPECT_EQ(t.Definice().size(), 12u);
    t.Prvni();
    EXPECT_EQ(t.PoleNaPozici(12).JakoCele(), 17);
    EXPECT_EQ(t.PoleJmenem("Popis").JakoText(), "dobře i šp");
    t.Dalsi();
    EXPECT_EQ(t.PoleJmenem("Spravnych").JakoCele(), 0);
    EXPECT_EQ(t.PoleJmenem("Popis").JakoText(), "vše špatně");

    // A callback filter can use the calculated values.
    t.NastavFiltrFunkci([](Tabulka& tab) { return tab.PoleJmenem("Spravnych").JakoCele() > 0; });
    t.Filtrovat(true);
    EXPECT_EQ(Pocty(t), (std::vector<int> {20}));
    EXPECT_THROW(t.NastavVypocitanaPole({{"Profil", TypPole::Text, 5}}, nullptr), ChybaTabulky);
}

TEST_F(TabulkaTest, ChybnePouzitiKurzoruHlasiChybuTabulky)
{
    Tabulka t;
    VytvorVysledky(t);
    Pridej(t, "A", 5);

    try {
        t.PoleJmenem("Neexistuje");
        FAIL() << "unknown field accepted";
    } catch (const ChybaTabulky& e) {
        EXPECT_NE(std::string(e.what()).find("Neexistuje"), std::string::npos) << e.what();
        EXPECT_NE(std::string(e.what()).find("Vysledky.DB"), std::string::npos) << e.what();
    }
    EXPECT_THROW(t.PoleNaPozici(12), ChybaTabulky);
    EXPECT_THROW(t.PoleJmenem("Profil").NastavText("B"), ChybaTabulky) << "not in edit state";

    t.Uprav();
    EXPECT_THROW(t.PoleJmenem("PocetOtazek").NastavText("dvacet"), ChybaTabulky);
    EXPECT_THROW(t.PoleJmenem("Datum").NastavText("2023-02-29"), ChybaTabulky);
    EXPECT_THROW(t.PoleJmenem("Datum").NastavCele(3), ChybaTabulky);
    EXPECT_THROW(t.PoleJmenem("Spatne").NastavDatumCas(DatumCas {2020, 1, 1}), ChybaTabulky);
    EXPECT_THROW(t.PoleJmenem("Profil").JakoDatumCas(), ChybaTabulky);
    t.Zrus();

    t.Zavri();
    EXPECT_THROW(t.PoleJmenem("Profil").JakoText(), ChybaTabulky);
    EXPECT_THROW(t.Vloz(), ChybaTabulky);
}

}  // namespace
