#include "test/Protokol.h"

#include "storage/Definice.h"
#include "storage/Tabulka.h"
#include "testsupport/VzorovyProtokol.h"

#include <gtest/gtest.h>

#include <random>
#include <sstream>
#include <vector>

namespace {

namespace fs = std::filesystem;

class ZapisProtokolu : public testing::Test {
protected:
    ZapisProtokolu()
    {
        std::random_device nahoda;
        adresar_ = fs::temp_directory_path() / ("zebrovka-protokoly-" + std::to_string(nahoda()));
        fs::create_directories(adresar_);
    }
    ~ZapisProtokolu() override { fs::remove_all(adresar_); }

    fs::path adresar_;
};

std::vector<std::string> Radky(const std::string& text)
{
    std::vector<std::string> radky;
    std::istringstream vstup(text);
    for (std::string radek; std::getline(vstup, radek);)
        radky.push_back(radek);
    return radky;
}

TEST(MemoProtokolu, PrazdnePolozkyNaKrajichAUprostred)
{
    const ZaznamProtokolu z = VzorovyProtokol();
    const std::string odpoved = ZakodujMemo(z.odpoved);
    EXPECT_EQ(odpoved.front(), ' ');
    EXPECT_EQ(odpoved.back(), ' ');
    EXPECT_NE(odpoved.find(" AC  B "), std::string::npos);  // positions 12, 13 and 14
    EXPECT_EQ(RozdelMemo(odpoved), z.odpoved);
    EXPECT_EQ(ZakodujMemo(z.body), "3 3 3 3 3 3 3 3 3 3 2 2 2 2 1 1 2 2 2 2 2 3 4 4 4");

    std::array<std::string, kPocetPozicTestu> prazdne {};
    EXPECT_EQ(ZakodujMemo(prazdne), std::string(24, ' '));
    EXPECT_EQ(RozdelMemo(std::string(24, ' ')), prazdne);
}

TEST(MemoProtokolu, PoskozenyTextNikdyNeselze)
{
    struct Pripad {
        std::string memo;
        std::vector<std::string> zacatek;  // expected leading items; the rest must be empty
    };
    // The first `n` numbers, each followed by `za`; and the items 1 to 24 of such a text.
    const auto cisla = [](int n, const std::string& za) {
        std::string text;
        for (int i = 1; i <= n; ++i)
            text += std::to_string(i) + za;
        return text;
    };
    std::vector<std::string> prvni24;
    for (int i = 1; i <= 24; ++i)
        prvni24.push_back(std::to_string(i));
    const auto s25 = [&](std::string posledni) {
        auto v = prvni24;
        v.push_back(std::move(posledni));
        return v;
    };
    const std::vector<Pripad> pripady {
        {"", {}},
        {"7", {"7"}},
        {"1 2 3", {"1", "2", "3"}},
        {"  x", {"", "", "x"}},
        // More than 25 items: the 25th is whatever remains after the 24th space.
        {cisla(30, " "), s25("25 26 27 28 29 30 ")},
        {cisla(24, " ") + "25 26", s25("25 26")},
        {cisla(24, " ") + "AB  ", s25("AB  ")},
        {cisla(24, " ") + " ", s25(" ")},
        {std::string(30, ' '),
         [] {
             std::vector<std::string> v(24);
             v.push_back(std::string(6, ' '));
             return v;
         }()},
    };
    for (const Pripad& p : pripady) {
        const auto polozky = RozdelMemo(p.memo);
        for (std::size_t i = 0; i < polozky.size(); ++i)
            EXPECT_EQ(polozky[i], i < p.zacatek.size() ? p.zacatek[i] : "")
                << "memo \"" << p.memo << "\" item " << i + 1;
    }
}

TEST_F(ZapisProtokolu, PrvniVytvoriTabulkuDalsiJiPouzije)
{
    const fs::path soubor = adresar_ / "Protokoly.DB";
    ASSERT_FALSE(fs::exists(soubor));
    ZaznamProtokolu prvni = VzorovyProtokol();
    ZapisProtokol(adresar_, prvni);
    ASSERT_TRUE(fs::exists(soubor));

    ZaznamProtokolu druhy = VzorovyProtokol();
    druhy.profil = "Petr O'Neill";
    druhy.delkaTestu = "30:00";
    druhy.verdikt = std::string(kProsel);
    druhy.pocetBodu = 65;
    ZapisProtokol(adresar_, druhy);

    Tabulka t;
    t.Svaz(adresar_, "Protokoly");
    t.Otevri();
    const auto definice = t.Definice();
    ASSERT_EQ(definice.size(), DefiniceProtokoly().size());
    for (std::size_t i = 0; i < definice.size(); ++i) {
        EXPECT_EQ(definice[i].nazev, DefiniceProtokoly()[i].nazev);
        EXPECT_EQ(definice[i].typ, DefiniceProtokoly()[i].typ);
        EXPECT_EQ(definice[i].delka, DefiniceProtokoly()[i].delka);
    }
    ASSERT_EQ(t.PocetZaznamu(), 2);
    EXPECT_EQ(t.PoleJmenem("Profil").JakoText(), "Jana Nováková");
    EXPECT_EQ(t.PoleJmenem("DatumACas").JakoDatumCas(), (DatumCas {2026, 3, 14, 9, 26, 53, 0}));
    EXPECT_EQ(t.PoleJmenem("Skupina").JakoText(), "B");
    EXPECT_EQ(t.PoleJmenem("DelkaTestu").JakoText(), "17:05");
    EXPECT_EQ(t.PoleJmenem("Spravne").JakoCele(), 20);
    EXPECT_EQ(t.PoleJmenem("PocetBodu").JakoCele(), 51);
    EXPECT_EQ(t.PoleJmenem("MinPocetBodu").JakoCele(), 56);
    EXPECT_EQ(t.PoleJmenem("Verdikt").JakoText(), "Neprošel");
    t.Dalsi();
    EXPECT_EQ(t.PoleJmenem("Profil").JakoText(), "Petr O'Neill");
    EXPECT_EQ(t.PoleJmenem("DelkaTestu").JakoText(), "30:00");
    EXPECT_EQ(t.PoleJmenem("PocetBodu").JakoCele(), 65);
    EXPECT_EQ(t.PoleJmenem("Verdikt").JakoText(), "Prošel");
}

// The reader gives back what the writer stored; a damaged memo and an empty moment come back
// as they are stored, not mended.
TEST_F(ZapisProtokolu, CteniVratiCoZapisZapsal)
{
    const ZaznamProtokolu zapsany = VzorovyProtokol();
    ZapisProtokol(adresar_, zapsany);
    ZapisProtokol(adresar_, zapsany);
    Tabulka t;
    t.Svaz(adresar_, "Protokoly");
    t.Otevri();
    t.Dalsi();
    t.Uprav();
    t.PoleJmenem("Odpoved").NastavText("A  B");
    t.PoleJmenem("DatumACas").Vymaz();
    t.Uloz();

    t.Prvni();
    const UlozenyProtokol z = CtiProtokol(t);
    EXPECT_EQ(z.profil, zapsany.profil);
    EXPECT_EQ(z.datumACas, zapsany.datumACas);
    EXPECT_EQ(z.skupina, zapsany.skupina);
    EXPECT_EQ(z.delkaTestu, zapsany.delkaTestu);
    EXPECT_EQ(z.verdikt, zapsany.verdikt);
    EXPECT_EQ(z.spravne, zapsany.spravne);
    EXPECT_EQ(z.pocetBodu, zapsany.pocetBodu);
    EXPECT_EQ(z.minPocetBodu, zapsany.minPocetBodu);
    EXPECT_EQ(z.body, ZakodujMemo(zapsany.body));
    EXPECT_EQ(z.odpoved, ZakodujMemo(zapsany.odpoved));
    EXPECT_EQ(z.spravnaOdpoved, ZakodujMemo(zapsany.spravnaOdpoved));
    EXPECT_EQ(z.skutCis, ZakodujMemo(zapsany.skutCis));

    t.Dalsi();
    const UlozenyProtokol poskozeny = CtiProtokol(t);
    EXPECT_EQ(poskozeny.odpoved, "A  B");
    EXPECT_EQ(poskozeny.datumACas, std::nullopt);
    EXPECT_EQ(poskozeny.profil, zapsany.profil);
}

// The four memo texts as stored, compared with the committed file line by line (Body, Odpoved,
// SpravnaOdpoved, SkutCis), and read back item for item.
TEST_F(ZapisProtokolu, MemaOdpovidajiZlatemuSouboru)
{
    const ZaznamProtokolu z = VzorovyProtokol();
    ZapisProtokol(adresar_, z);

    Tabulka t;
    t.Svaz(adresar_, "Protokoly");
    t.Otevri();
    const std::vector<std::string> ocekavane = Radky(ZlatySoubor("protokol_mema.txt"));
    ASSERT_EQ(ocekavane.size(), 4u);
    const char* pole[] = {"Body", "Odpoved", "SpravnaOdpoved", "SkutCis"};
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ("[" + t.PoleJmenem(pole[i]).JakoText() + "]", ocekavane[i]) << pole[i];

    const auto body = RozdelMemo(t.PoleJmenem("Body").JakoText());
    const auto skutCis = RozdelMemo(t.PoleJmenem("SkutCis").JakoText());
    for (int i = 0; i < kPocetPozicTestu; ++i) {
        EXPECT_EQ(body[i], std::to_string(z.body[i])) << "position " << i + 1;
        EXPECT_EQ(skutCis[i], std::to_string(z.skutCis[i])) << "position " << i + 1;
    }
    EXPECT_EQ(RozdelMemo(t.PoleJmenem("Odpoved").JakoText()), z.odpoved);
    EXPECT_EQ(RozdelMemo(t.PoleJmenem("SpravnaOdpoved").JakoText()), z.spravnaOdpoved);
}

TEST_F(ZapisProtokolu, ChybaUlozisteNicNezapise)
{
    const fs::path soubor = adresar_ / "Protokoly.DB";
    {
        std::ofstream cizi(soubor, std::ios::binary);
        cizi << "toto není tabulka";
    }
    EXPECT_THROW(ZapisProtokol(adresar_, VzorovyProtokol()), ChybaTabulky);
    std::ifstream vstup(soubor, std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(vstup), {}), "toto není tabulka");
}

}  // namespace
