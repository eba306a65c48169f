#include "results/ZaznamVysledku.h"

#include "base/Nastaveni.h"
#include "questions/Beh.h"
#include "storage/Tabulka.h"
#include "testsupport/RucniHodiny.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <random>

namespace {

namespace fs = std::filesystem;

class DocasnyAdresar {
public:
    DocasnyAdresar()
    {
        std::random_device nahoda;
        cesta_ = fs::temp_directory_path() / ("zebrovka-vysledky-" + std::to_string(nahoda()));
        fs::create_directories(cesta_);
    }
    ~DocasnyAdresar() { fs::remove_all(cesta_); }
    const fs::path& Cesta() const { return cesta_; }

private:
    fs::path cesta_;
};

TEST(TextyZaznamu, KategorieACisla)
{
    EXPECT_EQ(TextKategorii({true, true, false, true, false, true, false}), "1246");
    EXPECT_EQ(TextKategorii({true, true, true, true, true, true, true}), "1234567");
    EXPECT_EQ(TextKategorii({false, false, false, false, false, false, true}), "7");
    EXPECT_EQ(TextKategorii({}), "");

    EXPECT_EQ(TextSeznamuCisel({12, 45, 300}), "12, 45, 300");
    EXPECT_EQ(TextSeznamuCisel({7}), "7");
    EXPECT_EQ(TextSeznamuCisel({}), "");
}

class ZapisVysledku : public testing::Test {
protected:
    ZapisVysledku()
    {
        nastaveni.aktivniProfil = "Jana Nováková";
        nastaveni.skupina = "C";
        nastaveni.kategorie = {true, false, true, false, false, true, false};
        hodiny.mistni = DatumCas {2026, 3, 14, 9, 26, 53, 589};
        beh.celkem = 20;
        beh.spatne = {12, 45, 300};
        beh.napovedy = {421};
        beh.uspesnost = 84;
    }

    // Reads the records of Vysledky in table order.
    std::vector<std::vector<HodnotaPole>> Zaznamy()
    {
        Tabulka t;
        t.Svaz(adresar.Cesta(), "Vysledky");
        t.Otevri();
        std::vector<std::vector<HodnotaPole>> zaznamy;
        for (; !t.Konec(); t.Dalsi()) {
            std::vector<HodnotaPole> zaznam;
            for (int i = 0; i < t.PocetPoli(); ++i)
                zaznam.push_back(t.PoleNaPozici(i).Hodnota());
            zaznamy.push_back(zaznam);
        }
        return zaznamy;
    }

    DocasnyAdresar adresar;
    Nastaveni nastaveni;
    StavBehu beh;
    StavOpakovaniZaznamu opakovani;
    RucniHodiny hodiny;
};

TEST_F(ZapisVysledku, VytvoriTabulkuAZapiseDvanactPoli)
{
    ZapisVysledek(adresar.Cesta(), kTypProcvicovani, nastaveni, beh, opakovani, hodiny);
    EXPECT_TRUE(fs::exists(adresar.Cesta() / "Vysledky.DB"));

    Tabulka t;
    t.Svaz(adresar.Cesta(), "Vysledky");
    t.Otevri();
    std::vector<std::string> nazvy;
    for (const DefinicePole& d : t.Definice())
        nazvy.push_back(d.nazev);
    EXPECT_EQ(nazvy,
              (std::vector<std::string> {"TypTestu", "Profil", "Datum", "Cas", "Skupina",
                                         "Kategorie", "PocetOtazek", "Spatne", "SpatneCisla",
                                         "SNapovedou", "SNapovedouCisla", "Uspesnost"}));
    ASSERT_EQ(t.PocetZaznamu(), 1);
    EXPECT_EQ(t.PoleJmenem("TypTestu").JakoText(), "Procvičování");
    EXPECT_EQ(t.PoleJmenem("Profil").JakoText(), "Jana Nováková");
    const DatumCas datum = t.PoleJmenem("Datum").JakoDatumCas();
    EXPECT_EQ(datum.rok * 10000 + datum.mesic * 100 + datum.den, 20260314);
    const DatumCas cas = t.PoleJmenem("Cas").JakoDatumCas();
    EXPECT_EQ(cas.hodina * 10000 + cas.minuta * 100 + cas.sekunda, 92653);
    EXPECT_EQ(t.PoleJmenem("Skupina").JakoText(), "C");
    EXPECT_EQ(t.PoleJmenem("Kategorie").JakoText(), "136");
    EXPECT_EQ(t.PoleJmenem("PocetOtazek").JakoCele(), 20);
    EXPECT_EQ(t.PoleJmenem("Spatne").JakoCele(), 3);
    EXPECT_EQ(t.PoleJmenem("SpatneCisla").JakoText(), "12, 45, 300");
    EXPECT_EQ(t.PoleJmenem("SNapovedou").JakoCele(), 1);
    EXPECT_EQ(t.PoleJmenem("SNapovedouCisla").JakoText(), "421");
    EXPECT_EQ(t.PoleJmenem("Uspesnost").JakoCele(), 84);
}

TEST_F(ZapisVysledku, DalsiZaznamSePripojiAOpakovaniZaznamuKopirujeKategorie)
{
    ZapisVysledek(adresar.Cesta(), kTypProcvicovani, nastaveni, beh, opakovani, hodiny);

    // A record retry of a record made with categories 245, while switches 1, 3 and 6 are on.
    opakovani = StavOpakovaniZaznamu {true, "B", "245"};
    nastaveni.skupina = "D";
    beh.celkem = 4;
    beh.spatne.clear();
    beh.napovedy.clear();
    beh.uspesnost = 100;
    ZapisVysledek(adresar.Cesta(), kTypZkouseni, nastaveni, beh, opakovani, hodiny);

    const auto zaznamy = Zaznamy();
    ASSERT_EQ(zaznamy.size(), 2u);
    EXPECT_EQ(std::get<std::string>(zaznamy[0][0]), "Procvičování");
    EXPECT_EQ(std::get<std::string>(zaznamy[0][5]), "136");
    EXPECT_EQ(std::get<std::string>(zaznamy[1][0]), "Zkoušení");
    EXPECT_EQ(std::get<std::string>(zaznamy[1][4]), "D");
    EXPECT_EQ(std::get<std::string>(zaznamy[1][5]), "245");
    EXPECT_EQ(std::get<std::int32_t>(zaznamy[1][6]), 4);
    EXPECT_EQ(std::get<std::int32_t>(zaznamy[1][7]), 0);
    EXPECT_EQ(std::get<std::int32_t>(zaznamy[1][9]), 0);
    EXPECT_EQ(std::get<std::int32_t>(zaznamy[1][11]), 100);
    // Empty lists store an empty text (or nothing), never a separator.
    for (int pole : {8, 10}) {
        const HodnotaPole& h = zaznamy[1][static_cast<std::size_t>(pole)];
        EXPECT_TRUE(std::holds_alternative<std::monostate>(h) || std::get<std::string>(h).empty());
    }
}

}  // namespace
