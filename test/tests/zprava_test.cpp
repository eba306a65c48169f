#include "test/ZpravaProtokolu.h"

#include "base/DocasneSoubory.h"
#include "test/Protokol.h"
#include "testsupport/SlozkaJenProCteni.h"
#include "testsupport/VzorovyProtokol.h"

#include <gtest/gtest.h>

#include <fstream>
#include <random>
#include <set>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

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
    EXPECT_EQ(ObsahSouboruZpravy(RadkyZpravy(VstupVzoru())),
              ZlatySoubor("protokol_zprava_cp1250.txt"));

    VstupZpravy v = VstupVzoru();
    v.profil = "Ženka → 🚗";
    const std::string obsah = ObsahSouboruZpravy(RadkyZpravy(v));
    EXPECT_EQ(obsah.substr(0, 23),
              " U\x9Eivatel : \x8E"
              "enka ? ?\r\n");
}

TEST(ZpravaProtokolu, RadkyPozic)
{
    struct Pripad {
        int n;
        const char *skutCis, *odpoved, *spravna, *body;
        const char* radek;
    };
    const Pripad pripady[] {
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
    EXPECT_EQ(radky[35],
              "      25"
              "7 7 7 7 7 7 "
                  + std::string(28, ' ') + "0");
    EXPECT_EQ(radky[39], "           Celkem :        99                51");
    EXPECT_EQ(RadkyZpravy(VstupZpravy {}).size(), static_cast<std::size_t>(kPocetRadkuZpravy));
}

TEST(ZpravaProtokolu, PriponaTxtJenKdyzChybi)
{
    const std::pair<const char*, const char*> pripady[] {
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
            EXPECT_EQ(std::string(chyba.what()),
                      "Soubor „" + soubor.string()
                          + "“ se nepodařilo uložit: přístup odepřen "
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

// Names up to the file system's limit, a file-size limit, and temporary files left by a save that
// was killed.
TEST_F(UlozeniSouboru, DlouheJmenoLimitVelikostiAOpusteneDocasneSoubory)
{
    // 255 bytes, the longest name the file system takes.
    const fs::path dlouhy = adresar_ / (std::string(251, 'p') + ".txt");
    UlozSouborAtomicky(dlouhy, "dlouhe jmeno");
    EXPECT_EQ(Obsah(dlouhy), "dlouhe jmeno");
    EXPECT_EQ(PocetSouboru(), 1u);
    fs::remove(dlouhy);

    // A limit of 10 bytes per file: the save is refused with a message, the program goes on.
    const fs::path soubor = adresar_ / "protokol.txt";
    UlozSouborAtomicky(soubor, "puvodni");
    const pid_t pid = fork();
    if (pid == 0) {
        VelikostniLimitJakoChyba();
        const rlimit limit {10, 10};
        if (setrlimit(RLIMIT_FSIZE, &limit) != 0)
            _exit(3);
        try {
            UlozSouborAtomicky(soubor, std::string(100, 'x'));
        } catch (const ChybaUlozeni& chyba) {
            _exit(std::string(chyba.what())
                          == "Soubor „" + soubor.string()
                              + "“ se nepodařilo uložit: soubor by byl větší, než systém dovoluje."
                      ? 0
                      : 1);
        }
        _exit(2);
    }
    int stav = 0;
    waitpid(pid, &stav, 0);
    ASSERT_TRUE(WIFEXITED(stav)) << "ended by signal " << WTERMSIG(stav);
    EXPECT_EQ(WEXITSTATUS(stav), 0);
    EXPECT_EQ(Obsah(soubor), "puvodni");
    EXPECT_EQ(PocetSouboru(), 1u) << "the temporary file is gone";

    // Left by a killed save: removed by the next save into the folder. One that a save still
    // holds (another program saving right now) and files merely named alike stay.
    for (const char* jmeno : {".zprava-Ab12Cd.tmp", ".zprava-zz99zz.tmp"})
        std::ofstream(adresar_ / jmeno) << "polovina";
    int pripraven[2], konec[2];
    ASSERT_EQ(pipe(pripraven), 0);
    ASSERT_EQ(pipe(konec), 0);
    const pid_t drzi = fork();
    if (drzi == 0) {
        close(konec[1]);
        std::string jmeno;
        const int fd = VytvorDocasny(adresar_, ".zprava-", ".tmp", jmeno);
        char z = fd >= 0 ? 'a' : 'n';
        (void)!write(pripraven[1], &z, 1);
        (void)!read(konec[0], &z, 1);
        _exit(0);
    }
    char z = 0;
    ASSERT_EQ(read(pripraven[0], &z, 1), 1);
    ASSERT_EQ(z, 'a');
    for (const char* jmeno : {".zprava-Ab12C.tmp", "zprava-Ab12Cd.tmp", ".zprava-Ab12Cd.txt"})
        std::ofstream(adresar_ / jmeno) << "cizi";
    UlozSouborAtomicky(soubor, "novy");
    close(konec[1]);
    waitpid(drzi, &stav, 0);
    close(konec[0]);
    close(pripraven[0]);
    close(pripraven[1]);
    std::set<std::string> zbyle;
    int drzeny = 0;
    for (const auto& polozka : fs::directory_iterator(adresar_)) {
        const std::string jmeno = polozka.path().filename().string();
        if (JeDocasnyNazev(jmeno, ".zprava-", ".tmp"))
            ++drzeny;  // the one being written
        else
            zbyle.insert(jmeno);
    }
    EXPECT_EQ(drzeny, 1);
    EXPECT_EQ(zbyle,
              (std::set<std::string> {".zprava-Ab12C.tmp", ".zprava-Ab12Cd.txt", "protokol.txt",
                                      "zprava-Ab12Cd.tmp"}));
    EXPECT_EQ(Obsah(soubor), "novy");
}

}  // namespace
