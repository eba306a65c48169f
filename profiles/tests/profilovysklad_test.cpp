#include "profiles/ProfilovySklad.h"

#include "base/Utf8.h"

#include "storage/Definice.h"
#include "storage/Tabulka.h"

#include "testsupport/DocasnaSlozka.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

using DocasnyAdresar = DocasnaSlozka;

using Zaznam = std::map<std::string, std::string>;

// Every record of a table in table order, read through a fresh cursor.
std::vector<Zaznam> Zaznamy(const fs::path& adresar, const std::string& tabulka)
{
    Tabulka t;
    t.Svaz(adresar, tabulka);
    t.Otevri();
    std::vector<Zaznam> vysledek;
    for (t.Prvni(); !t.Konec(); t.Dalsi()) {
        Zaznam z;
        for (const DefinicePole& p : t.Definice())
            z[p.nazev] = t.PoleJmenem(p.nazev).JakoText();
        vysledek.push_back(z);
    }
    return vysledek;
}

std::vector<std::string> ProfilyVTabulce(const fs::path& adresar, const std::string& tabulka)
{
    std::vector<std::string> profily;
    for (const Zaznam& z : Zaznamy(adresar, tabulka))
        profily.push_back(z.at("Profil"));
    return profily;
}

void VytvoritTabulku(const fs::path& adresar, const std::string& tabulka,
                     const std::vector<DefinicePole>& definice,
                     const std::vector<std::string>& profily)
{
    Tabulka t;
    t.Svaz(adresar, tabulka);
    t.Vytvor(definice);
    t.Otevri();
    for (const std::string& p : profily) {
        t.Vloz();
        t.PoleJmenem("Profil").NastavText(p);
        if (tabulka == "Statistika" || tabulka == "Oznacene")
            t.PoleJmenem("Cislo").NastavCele(t.PocetZaznamu() + 1);
        else if (tabulka == "Predvolby")
            t.PoleJmenem("Klic").NastavText("k" + std::to_string(t.PocetZaznamu() + 1));
        else if (tabulka == "Krizovatky")
            t.PoleJmenem("Seed").NastavText(std::to_string(t.PocetZaznamu() + 1));
        else
            t.PoleJmenem("Skupina").NastavText("B");
        t.Uloz();
    }
}

std::map<std::string, std::string> ObsahSouboru(const fs::path& adresar)
{
    std::map<std::string, std::string> obsah;
    for (const auto& polozka : fs::directory_iterator(adresar)) {
        std::ifstream f(polozka.path(), std::ios::binary);
        obsah[polozka.path().filename().string()] =
            std::string(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
    }
    return obsah;
}

class ProfilovySkladTest : public testing::Test {
protected:
    ProfilovySkladTest() : sklad(adresar.Cesta(), NarocnostHesla::Nejnizsi())
    {
        sklad.ZalozitTabulkuProfilu();
    }

    void Pridat(const std::string& jmeno, const std::string& heslo = "",
                const std::string& viditelny = "1")
    {
        sklad.PridatProfil(jmeno, "1111111", "B", "111", "11", viditelny, heslo);
    }

    Zaznam ZaznamProfilu(const std::string& jmeno)
    {
        for (const Zaznam& z : Zaznamy(adresar.Cesta(), "Profily"))
            if (z.at("Profil") == jmeno)
                return z;
        ADD_FAILURE() << "no record for " << jmeno;
        return {};
    }

    DocasnyAdresar adresar;
    ProfilovySklad sklad;
};

TEST(ZalozeniTabulky, PrvniSpusteniVytvoriJenSkrytyProfilDefault)
{
    DocasnyAdresar adresar;
    ProfilovySklad sklad(adresar.Cesta());
    ASSERT_FALSE(fs::exists(adresar.Cesta() / "Profily.DB"));
    sklad.ZalozitTabulkuProfilu();
    ASSERT_TRUE(fs::exists(adresar.Cesta() / "Profily.DB"));

    const auto zaznamy = Zaznamy(adresar.Cesta(), "Profily");
    ASSERT_EQ(zaznamy.size(), 1u);
    const Zaznam ocekavany {{"Viditelny", "0"}, {"Profil", "Default"}, {"Kategorie", "1111111"},
                            {"Skupina", "B"},   {"Protokoly", "111"},  {"Konfigurace", "11"},
                            {"Heslo", ""}};
    EXPECT_EQ(zaznamy[0], ocekavany);
    EXPECT_TRUE(sklad.SeznamProfilu().empty());

    // An existing table is left as it is, by this store or by a fresh one.
    sklad.ZalozitTabulkuProfilu();
    ProfilovySklad(adresar.Cesta()).ZalozitTabulkuProfilu();
    EXPECT_EQ(Zaznamy(adresar.Cesta(), "Profily").size(), 1u);
}

TEST_F(ProfilovySkladTest, SeznamVynechavaSkryteAZachovavaPoradiTabulky)
{
    Pridat("Zdeněk");
    Pridat("Skrytý", "", "0");
    Pridat("adam");
    Pridat("Jan O'Neil");
    EXPECT_EQ(sklad.SeznamProfilu(), (std::vector<std::string> {"Zdeněk", "adam", "Jan O'Neil"}));

    EXPECT_TRUE(sklad.NajitProfil("Jan O'Neil"));
    EXPECT_TRUE(sklad.NajitProfil("Skrytý"));
    EXPECT_TRUE(sklad.NajitProfil("Default"));
    EXPECT_FALSE(sklad.NajitProfil("ADAM")) << "names are compared case-sensitively";
    EXPECT_FALSE(sklad.NajitProfil("x' OR '1'='1"));
    EXPECT_FALSE(sklad.NajitProfil(""));
}

TEST_F(ProfilovySkladTest, NacteniAUlozeniPrepinacu)
{
    sklad.PridatProfil("Eva", "1010101", "C", "010", "01", "1", "");
    Nastaveni n;
    n.aktivniProfil = "Eva";
    ASSERT_TRUE(sklad.NacistProfil(n));
    EXPECT_EQ(n.kategorie, (std::array<bool, 7> {true, false, true, false, true, false, true}));
    EXPECT_EQ(n.protokoly, (std::array<bool, 3> {false, true, false}));
    EXPECT_EQ(n.skupina, "C");
    EXPECT_FALSE(n.stavovyRadek);
    EXPECT_TRUE(n.postupnyVyber);

    // Saving at once writes the same strings back and leaves the other fields alone.
    sklad.ZmenitHesloProfilu("Eva", "tajne5");
    const std::string hash = ZaznamProfilu("Eva").at("Heslo");
    sklad.UlozitNastaveniProfilu(n);
    Zaznam z = ZaznamProfilu("Eva");
    EXPECT_EQ(z.at("Kategorie"), "1010101");
    EXPECT_EQ(z.at("Skupina"), "C");
    EXPECT_EQ(z.at("Protokoly"), "010");
    EXPECT_EQ(z.at("Konfigurace"), "01");
    EXPECT_EQ(z.at("Viditelny"), "1");
    EXPECT_EQ(z.at("Heslo"), hash);

    n.kategorie.fill(false);
    n.protokoly.fill(false);
    n.stavovyRadek = true;
    n.postupnyVyber = false;
    n.skupina = "T";
    sklad.UlozitNastaveniProfilu(n);
    z = ZaznamProfilu("Eva");
    EXPECT_EQ(z.at("Kategorie"), "0000000");
    EXPECT_EQ(z.at("Protokoly"), "000");
    EXPECT_EQ(z.at("Konfigurace"), "10");
    EXPECT_EQ(z.at("Skupina"), "T");

    Nastaveni nacteno;
    nacteno.aktivniProfil = "Eva";
    ASSERT_TRUE(sklad.NacistProfil(nacteno));
    EXPECT_EQ(nacteno.kategorie, (std::array<bool, 7> {}));
    EXPECT_EQ(nacteno.protokoly, (std::array<bool, 3> {}));
    EXPECT_TRUE(nacteno.stavovyRadek);
    EXPECT_FALSE(nacteno.postupnyVyber);
    EXPECT_EQ(nacteno.skupina, "T");
}

TEST_F(ProfilovySkladTest, KratkeANeplatnePrepinaceSeCtouJakoVypnuteAZapisujiCele)
{
    sklad.PridatProfil("Petr", "1x1", "A", "", "1", "1", "");
    Nastaveni n;
    n.aktivniProfil = "Petr";
    ASSERT_TRUE(sklad.NacistProfil(n));
    EXPECT_EQ(n.kategorie, (std::array<bool, 7> {true, false, true, false, false, false, false}));
    EXPECT_EQ(n.protokoly, (std::array<bool, 3> {}));
    EXPECT_TRUE(n.stavovyRadek);
    EXPECT_FALSE(n.postupnyVyber);

    sklad.UlozitNastaveniProfilu(n);
    const Zaznam z = ZaznamProfilu("Petr");
    EXPECT_EQ(z.at("Kategorie"), "1010000");
    EXPECT_EQ(z.at("Protokoly"), "000");
    EXPECT_EQ(z.at("Konfigurace"), "10");
}

TEST_F(ProfilovySkladTest, NacteniChybejicihoProfiluNicNemeni)
{
    Pridat("Eva");
    Nastaveni n;
    n.aktivniProfil = "eva";
    n.skupina = "D";
    n.kategorie[2] = false;
    const Nastaveni puvodni = n;
    EXPECT_FALSE(sklad.NacistProfil(n));
    EXPECT_EQ(n.aktivniProfil, puvodni.aktivniProfil);
    EXPECT_EQ(n.skupina, puvodni.skupina);
    EXPECT_EQ(n.kategorie, puvodni.kategorie);

    // Saving for a profile that does not exist writes nothing either.
    sklad.UlozitNastaveniProfilu(n);
    EXPECT_EQ(ZaznamProfilu("Eva").at("Skupina"), "B");
}

TEST_F(ProfilovySkladTest, HesloSeUkladaJakoHashAOveriSePresne)
{
    // 50 characters with diacritics, so the cut has to count characters, not bytes.
    const std::string heslo50 = "Příliš žluťoučký kůň úpěl ďábelské ódy: 1234567890";
    ASSERT_EQ(OriznoutZnaky(heslo50 + "xyz", 50), heslo50);
    ASSERT_EQ(OriznoutZnaky(heslo50, 49).size() + 1, heslo50.size());

    Pridat("Jana", heslo50 + "Z");
    const std::string ulozene = ZaznamProfilu("Jana").at("Heslo");
    EXPECT_EQ(ulozene.rfind("$argon2id$", 0), 0u) << ulozene;
    EXPECT_EQ(ulozene.find("Příliš"), std::string::npos);

    EXPECT_TRUE(sklad.MaHeslo("Jana"));
    EXPECT_TRUE(sklad.OverHeslo("Jana", heslo50)) << "the 51st character does not count";
    EXPECT_TRUE(sklad.OverHeslo("Jana", heslo50 + "jiný konec"));
    EXPECT_FALSE(sklad.OverHeslo("Jana", OriznoutZnaky(heslo50, 49)));
    EXPECT_FALSE(sklad.OverHeslo("Jana", "příliš žluťoučký kůň úpěl ďábelské ódy: 1234567890"))
        << "the check is case-sensitive";
    EXPECT_FALSE(sklad.OverHeslo("Jana", ""));
    EXPECT_FALSE(sklad.OverHeslo("Nikdo", heslo50));
}

// The program hashes with the interactive limits (64 MiB, 2 passes); a cheaper store (for tests)
// writes hashes that any store verifies.
TEST(NarocnostHesla, ProgramHashujeSInteraktivnimiLimityAKazdySkladOveriKazdyHash)
{
    DocasnyAdresar adresar;
    ProfilovySklad program(adresar.Cesta());
    program.ZalozitTabulkuProfilu();
    program.PridatProfil("Jana", "1111111", "B", "111", "11", "1", "tajne5");
    ProfilovySklad levny(adresar.Cesta(), NarocnostHesla::Nejnizsi());
    levny.PridatProfil("Eva", "1111111", "B", "111", "11", "1", "heslo7");
    std::map<std::string, std::string> hashe;
    for (const Zaznam& z : Zaznamy(adresar.Cesta(), "Profily"))
        hashe[z.at("Profil")] = z.at("Heslo");
    EXPECT_NE(hashe.at("Jana").find("$argon2id$v=19$m=65536,t=2,p=1$"), std::string::npos)
        << hashe.at("Jana");
    EXPECT_NE(hashe.at("Eva").find("$argon2id$v=19$m=8,t=1,p=1$"), std::string::npos)
        << hashe.at("Eva");
    EXPECT_TRUE(levny.OverHeslo("Jana", "tajne5"));
    EXPECT_TRUE(program.OverHeslo("Eva", "heslo7"));
    EXPECT_FALSE(program.OverHeslo("Eva", "heslo8"));
}

TEST_F(ProfilovySkladTest, ProfilBezHeslaAZmenaHesla)
{
    Pridat("Eva");
    EXPECT_FALSE(sklad.MaHeslo("Eva"));
    EXPECT_TRUE(sklad.OverHeslo("Eva", ""));
    EXPECT_FALSE(sklad.OverHeslo("Eva", "cokoli"));

    sklad.ZmenitHesloProfilu("Eva", "Nove1");
    EXPECT_TRUE(sklad.MaHeslo("Eva"));
    EXPECT_TRUE(sklad.OverHeslo("Eva", "Nove1"));
    EXPECT_FALSE(sklad.OverHeslo("Eva", "nove1"));
    EXPECT_FALSE(sklad.OverHeslo("Eva", ""));
    EXPECT_EQ(ZaznamProfilu("Eva").at("Kategorie"), "1111111");
}

TEST_F(ProfilovySkladTest, PrejmenovaniPrepiseVysledkyIProtokoly)
{
    const std::string stare = "Jan O'Neil";
    Pridat(stare, "tajne5");
    Pridat("Eva");
    VytvoritTabulku(adresar.Cesta(), "Vysledky", DefiniceVysledky(), {stare, "Eva", stare, stare});
    VytvoritTabulku(adresar.Cesta(), "Protokoly", DefiniceProtokoly(), {"Eva", stare});
    VytvoritTabulku(adresar.Cesta(), "Statistika", DefiniceStatistika(), {stare, "Eva", stare});
    VytvoritTabulku(adresar.Cesta(), "Testy", DefiniceTesty(), {"Eva", stare, stare});
    VytvoritTabulku(adresar.Cesta(), "Predvolby", DefinicePredvolby(), {stare, "Eva"});
    VytvoritTabulku(adresar.Cesta(), "Krizovatky", DefiniceKrizovatky(), {"Eva", stare});
    VytvoritTabulku(adresar.Cesta(), "Oznacene", DefiniceOznacene(), {"Eva", stare});

    sklad.PrejmenovatProfil(stare, "Honza");

    EXPECT_EQ(ProfilyVTabulce(adresar.Cesta(), "Krizovatky"),
              (std::vector<std::string> {"Eva", "Honza"}));
    EXPECT_EQ(ProfilyVTabulce(adresar.Cesta(), "Oznacene"),
              (std::vector<std::string> {"Eva", "Honza"}));
    EXPECT_EQ(ProfilyVTabulce(adresar.Cesta(), "Testy"),
              (std::vector<std::string> {"Eva", "Honza", "Honza"}));
    EXPECT_EQ(ProfilyVTabulce(adresar.Cesta(), "Predvolby"),
              (std::vector<std::string> {"Honza", "Eva"}));

    EXPECT_EQ(ProfilyVTabulce(adresar.Cesta(), "Statistika"),
              (std::vector<std::string> {"Honza", "Eva", "Honza"}));
    EXPECT_EQ(ProfilyVTabulce(adresar.Cesta(), "Vysledky"),
              (std::vector<std::string> {"Honza", "Eva", "Honza", "Honza"}));
    EXPECT_EQ(ProfilyVTabulce(adresar.Cesta(), "Protokoly"),
              (std::vector<std::string> {"Eva", "Honza"}));
    EXPECT_EQ(ProfilyVTabulce(adresar.Cesta(), "Profily"),
              (std::vector<std::string> {"Default", "Honza", "Eva"}));
    EXPECT_FALSE(sklad.NajitProfil(stare));
    EXPECT_TRUE(sklad.OverHeslo("Honza", "tajne5")) << "the password goes with the profile";

    // Renamed back to a name with an apostrophe, the records are found by it again.
    sklad.PrejmenovatProfil("Honza", "O'Hara");
    EXPECT_EQ(ProfilyVTabulce(adresar.Cesta(), "Vysledky"),
              (std::vector<std::string> {"O'Hara", "Eva", "O'Hara", "O'Hara"}));
}

TEST_F(ProfilovySkladTest, PrejmenovaniNaStejneJmenoNicNezapise)
{
    Pridat("Eva");
    VytvoritTabulku(adresar.Cesta(), "Vysledky", DefiniceVysledky(), {"Eva"});
    const auto pred = ObsahSouboru(adresar.Cesta());
    sklad.PrejmenovatProfil("Eva", "Eva");
    EXPECT_EQ(ObsahSouboru(adresar.Cesta()), pred);
}

TEST_F(ProfilovySkladTest, PrejmenovaniBezTabulekVysledkuNicNevytvori)
{
    Pridat("Eva");
    sklad.PrejmenovatProfil("Eva", "Iva");
    EXPECT_EQ(sklad.SeznamProfilu(), std::vector<std::string> {"Iva"});
    EXPECT_FALSE(fs::exists(adresar.Cesta() / "Vysledky.DB"));
    EXPECT_FALSE(fs::exists(adresar.Cesta() / "Protokoly.DB"));
}

TEST_F(ProfilovySkladTest, SmazaniOdstraniZaznamyProfiluAOstatniNecha)
{
    Pridat("Jan O'Neil");
    Pridat("Eva");
    VytvoritTabulku(adresar.Cesta(), "Vysledky", DefiniceVysledky(),
                    {"Jan O'Neil", "Eva", "Jan O'Neil", "Jan O'Neil", "Eva"});
    VytvoritTabulku(adresar.Cesta(), "Protokoly", DefiniceProtokoly(), {"Jan O'Neil", "Eva"});
    VytvoritTabulku(adresar.Cesta(), "Statistika", DefiniceStatistika(), {"Eva", "Jan O'Neil"});
    VytvoritTabulku(adresar.Cesta(), "Testy", DefiniceTesty(), {"Jan O'Neil", "Eva", "Jan O'Neil"});
    VytvoritTabulku(adresar.Cesta(), "Predvolby", DefinicePredvolby(), {"Eva", "Jan O'Neil"});
    VytvoritTabulku(adresar.Cesta(), "Krizovatky", DefiniceKrizovatky(),
                    {"Jan O'Neil", "Eva", "Jan O'Neil"});
    VytvoritTabulku(adresar.Cesta(), "Oznacene", DefiniceOznacene(),
                    {"Jan O'Neil", "Eva", "Jan O'Neil"});

    sklad.SmazatProfil("Jan O'Neil");

    EXPECT_EQ(ProfilyVTabulce(adresar.Cesta(), "Krizovatky"), std::vector<std::string> {"Eva"});
    EXPECT_EQ(ProfilyVTabulce(adresar.Cesta(), "Oznacene"), std::vector<std::string> {"Eva"});
    EXPECT_EQ(ProfilyVTabulce(adresar.Cesta(), "Testy"), std::vector<std::string> {"Eva"});
    EXPECT_EQ(ProfilyVTabulce(adresar.Cesta(), "Predvolby"), std::vector<std::string> {"Eva"});

    EXPECT_EQ(ProfilyVTabulce(adresar.Cesta(), "Statistika"), std::vector<std::string> {"Eva"});
    EXPECT_EQ(ProfilyVTabulce(adresar.Cesta(), "Profily"),
              (std::vector<std::string> {"Default", "Eva"}));
    EXPECT_EQ(ProfilyVTabulce(adresar.Cesta(), "Vysledky"),
              (std::vector<std::string> {"Eva", "Eva"}));
    EXPECT_EQ(ProfilyVTabulce(adresar.Cesta(), "Protokoly"), std::vector<std::string> {"Eva"});
    EXPECT_EQ(sklad.SeznamProfilu(), std::vector<std::string> {"Eva"});
}

TEST_F(ProfilovySkladTest, SmazaniBezTabulkyProtokolu)
{
    Pridat("Eva");
    Pridat("Iva");
    VytvoritTabulku(adresar.Cesta(), "Vysledky", DefiniceVysledky(), {"Eva", "Iva", "Eva"});
    EXPECT_NO_THROW(sklad.SmazatProfil("Eva"));
    EXPECT_EQ(ProfilyVTabulce(adresar.Cesta(), "Vysledky"), std::vector<std::string> {"Iva"});
    EXPECT_FALSE(fs::exists(adresar.Cesta() / "Protokoly.DB"));
    EXPECT_EQ(sklad.SeznamProfilu(), std::vector<std::string> {"Iva"});
}

TEST_F(ProfilovySkladTest, ZmenyJinehoKurzoruJsouVidet)
{
    ProfilovySklad druhy(adresar.Cesta());
    EXPECT_TRUE(sklad.SeznamProfilu().empty());
    druhy.PridatProfil("Eva", "1111111", "B", "111", "11", "1", "");
    EXPECT_EQ(sklad.SeznamProfilu(), std::vector<std::string> {"Eva"});
    druhy.SmazatProfil("Eva");
    EXPECT_FALSE(sklad.NajitProfil("Eva"));
}

}  // namespace
