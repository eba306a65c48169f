#include "test/ZpravaProtokolu.h"

#include "test/Protokol.h"
#include "testsupport/SlozkaJenProCteni.h"
#include "testsupport/VzorovyProtokol.h"

#include <gtest/gtest.h>

#include <random>

namespace {

namespace fs = std::filesystem;

VstupZpravy VstupVzoru()
{
    const ZaznamProtokolu z = VzorovyProtokol();
    VstupZpravy v;
    v.profil = z.profil;
    v.datumACas = "14.03.26 9:26:53";
    v.skupina = z.skupina;
    v.delkaTestu = z.delkaTestu;
    v.verdikt = z.verdikt;
    v.body = ZakodujMemo(z.body);
    v.odpoved = ZakodujMemo(z.odpoved);
    v.spravnaOdpoved = ZakodujMemo(z.spravnaOdpoved);
    v.skutCis = ZakodujMemo(z.skutCis);
    v.spravne = z.spravne;
    v.pocetBodu = z.pocetBodu;
    v.minPocetBodu = z.minPocetBodu;
    return v;
}

std::string Spoj(const std::vector<std::string>& radky, const char* konec)
{
    std::string text;
    for (const auto& r : radky)
        text += r + konec;
    return text;
}

TEST(ZpravaProtokolu, RadkyOdpovidajiZlatemuSouboru)
{
    const auto radky = RadkyZpravy(VstupVzoru());
    ASSERT_EQ(radky.size(), static_cast<std::size_t>(kPocetRadkuZpravy));
    EXPECT_EQ(Spoj(radky, "\n"), ZlatySoubor("protokol_zprava.txt"));
}

TEST(ZpravaProtokolu, SouborJeVeWindows1250SCrLf)
{
    EXPECT_EQ(ObsahSouboruZpravy(RadkyZpravy(VstupVzoru())), ZlatySoubor("protokol_zprava_cp1250.txt"));

    VstupZpravy v = VstupVzoru();
    v.profil = "Ženka → 🚗";
    const std::string obsah = ObsahSouboruZpravy(RadkyZpravy(v));
    EXPECT_EQ(obsah.substr(0, 23), " U\x9Eivatel : \x8E" "enka ? ?\r\n");
}

TEST(ZpravaProtokolu, RadkyPozic)
{
    struct Pripad {
        int n;
        const char *skutCis, *odpoved, *spravna, *body;
        const char* radek;
    };
    const Pripad pripady[]{
        {1, "12", "A", "A", "4", "       1        12          A        A        4"},
        {9, "12", "AB", "A", "4", "   x   9        12         AB        A        0"},
        {25, "756", "", "BC", "4", "   x  25       756                  BC        0"},
        {10, "1", "", "", "3", "      10         1                            3"},
        // Items longer than their columns are appended whole; the points still replace the 0.
        {2, "12345678901", "ABCDABCDABCD", "ABCDABCDABCD", "3",
         "       212345678901ABCDABCDABCDABCDABCDABCD        3"},
        {3, "abc", "A", "A", "xyz", "       3       abc          A        A        x"},
        {4, "7", "A", "A", "", "       4         7          A        A        0"},
        {5, "7", "A", "A", "ř", "       5         7          A        A        ř"},
    };
    for (const Pripad& p : pripady)
        EXPECT_EQ(RadekPozice(p.n, p.skutCis, p.odpoved, p.spravna, p.body), p.radek) << p.n;
}

// A damaged record still gives its 40 lines: missing items empty, surplus items dropped, the
// stored totals as they are.
TEST(ZpravaProtokolu, PoskozenyZaznam)
{
    VstupZpravy v = VstupVzoru();
    v.body = "3 3";
    v.odpoved = "A B";
    v.spravnaOdpoved = "A C A";
    v.skutCis = std::string(30 * 2, '7');
    for (int i = 1; i < 60; i += 2)
        v.skutCis[static_cast<std::size_t>(i)] = ' ';
    v.spravne = 99;
    const auto radky = RadkyZpravy(v);
    ASSERT_EQ(radky.size(), static_cast<std::size_t>(kPocetRadkuZpravy));
    EXPECT_EQ(radky[11], "       1         7          A        A        3");
    EXPECT_EQ(radky[12], "   x   2         7          B        C        0");
    EXPECT_EQ(radky[13], "   x   3         7                   A        0");
    EXPECT_EQ(radky[14], "       4         7                            0");
    // 30 items: the 25th is the remaining "7 7 7 7 7 7 ", wider than its column, appended whole.
    EXPECT_EQ(radky[35], "      25" "7 7 7 7 7 7 " + std::string(28, ' ') + "0");
    EXPECT_EQ(radky[39], "           Celkem :        99                51");
    EXPECT_EQ(RadkyZpravy(VstupZpravy{}).size(), static_cast<std::size_t>(kPocetRadkuZpravy));
}

TEST(ZpravaProtokolu, PriponaTxtJenKdyzChybi)
{
    const std::pair<const char*, const char*> pripady[]{
        {"/tmp/protokol", "/tmp/protokol.txt"},
        {"/tmp/protokol.txt", "/tmp/protokol.txt"},
        {"/tmp/protokol.TXT", "/tmp/protokol.TXT"},
        {"/tmp/protokol.Txt", "/tmp/protokol.Txt"},
        {"/tmp/protokol.txt.bak", "/tmp/protokol.txt.bak.txt"},
        {"/tmp/a.txt/protokol", "/tmp/a.txt/protokol.txt"},
        {"/tmp/txt", "/tmp/txt.txt"},
        {"/tmp/.txt", "/tmp/.txt"},
    };
    for (const auto& [zvoleny, vysledek] : pripady)
        EXPECT_EQ(NazevSouboruZpravy(zvoleny), fs::path(vysledek)) << zvoleny;
}

class UlozeniSouboru : public testing::Test {
protected:
    UlozeniSouboru()
    {
        std::random_device nahoda;
        adresar_ = fs::temp_directory_path() / ("zebrovka-zprava-" + std::to_string(nahoda()));
        fs::create_directories(adresar_);
    }
    ~UlozeniSouboru() override
    {
        fs::permissions(adresar_, fs::perms::owner_all, fs::perm_options::add);
        fs::remove_all(adresar_);
    }
    std::string Obsah(const fs::path& p)
    {
        std::ifstream f(p, std::ios::binary);
        return {std::istreambuf_iterator<char>(f), {}};
    }
    std::size_t PocetSouboru()
    {
        return static_cast<std::size_t>(std::distance(fs::directory_iterator(adresar_), {}));
    }

    fs::path adresar_;
};

TEST_F(UlozeniSouboru, PrepiseCelyStarySoubor)
{
    const fs::path soubor = adresar_ / "protokol.txt";
    UlozSouborAtomicky(soubor, "stary obsah, delsi nez novy");
    UlozSouborAtomicky(soubor, "novy\r\n");
    EXPECT_EQ(Obsah(soubor), "novy\r\n");
    EXPECT_EQ(PocetSouboru(), 1u);
    EXPECT_NE(fs::status(soubor).permissions() & fs::perms::others_read, fs::perms::none);
}

TEST_F(UlozeniSouboru, SelhaniNicNezapiseANicNezkazi)
{
    const fs::path soubor = adresar_ / "protokol.txt";
    UlozSouborAtomicky(soubor, "puvodni");
    {
        SlozkaJenProCteni jenProCteni(adresar_);
        if (!jenProCteni.Platne())
            GTEST_SKIP() << "this user can write into a read-only folder";
        try {
            UlozSouborAtomicky(soubor, "novy");
            ADD_FAILURE() << "saving into a read-only folder succeeded";
        } catch (const ChybaUlozeni& chyba) {
            EXPECT_EQ(std::string(chyba.what()), "Soubor „" + soubor.string() +
                                                     "“ se nepodařilo uložit: přístup odepřen "
                                                     "(do složky nelze zapisovat).");
        }
    }
    EXPECT_EQ(Obsah(soubor), "puvodni");
    EXPECT_EQ(PocetSouboru(), 1u);

    const fs::path slozka = adresar_ / "slozka.txt";
    fs::create_directory(slozka);
    EXPECT_THROW(UlozSouborAtomicky(slozka, "novy"), ChybaUlozeni);
    EXPECT_TRUE(fs::is_directory(slozka));
    EXPECT_THROW(UlozSouborAtomicky(adresar_ / "neni" / "protokol.txt", "novy"), ChybaUlozeni);
    EXPECT_EQ(PocetSouboru(), 2u);
}

}  // namespace
