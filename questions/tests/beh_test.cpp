#include "questions/Beh.h"

#include "questions/Banka.h"
#include "testsupport/RucniHodiny.h"

#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <vector>

namespace {

Otazka Zaznam(int cislo, std::string skupina, std::string spravne = "A")
{
    Otazka o;
    o.cislo = cislo;
    o.otazka = "Otázka " + std::to_string(cislo);
    o.a = "první";
    o.b = "druhá";
    o.c = "třetí";
    o.spravne = std::move(spravne);
    o.skupina = std::move(skupina);
    return o;
}

// A bank over 1..757; `skupina` gives each number's Skupina, an empty text withdraws the number.
Banka BankaZ(const std::function<std::string(int)>& skupina)
{
    std::vector<Otazka> otazky;
    for (int n = 1; n <= 757; ++n) {
        std::string s = skupina(n);
        if (!s.empty())
            otazky.push_back(Zaznam(n, s));
    }
    Banka banka;
    banka.NactiZ(std::move(otazky));
    return banka;
}

Nastaveni JenKategorie(std::initializer_list<int> zapnute, std::string skupina = "B",
                       bool postupne = true)
{
    Nastaveni n;
    n.kategorie.fill(false);
    for (int k : zapnute)
        n.kategorie[static_cast<std::size_t>(k - 1)] = true;
    n.skupina = std::move(skupina);
    n.postupnyVyber = postupne;
    return n;
}

// Asks the whole run as the main window does and returns the numbers shown.
std::vector<int> ProjdiBeh(StavBehu& beh, const Banka& banka, const Nastaveni& n,
                           RucniHodiny& hodiny, std::uint32_t krokMs)
{
    std::vector<int> ukazane;
    ZacniBeh(beh, StavOpakovaniZaznamu {});
    while (beh.zbyva > 0) {
        const int c = DalsiOtazka(beh, banka, n, hodiny);
        if (c == 0)
            break;
        ukazane.push_back(c);
        hodiny.msUtc += krokMs;
    }
    return ukazane;
}

// Category 2 (421..475) holds 55 questions for group B. In category 4 (501..580) 502 is withdrawn
// and 503 is for group C only, so its fitting questions begin 501, 504, 505, 506, 507.
Banka SekvencniBanka()
{
    return BankaZ([](int n) -> std::string {
        if (n == 502)
            return "";
        if (n == 503)
            return "C";
        return "ABCD";
    });
}

TEST(SekvencniBeh, StartJePoziceNapricZapnutymiKategoriemi)
{
    const Banka banka = SekvencniBanka();
    const Nastaveni n = JenKategorie({2, 4});
    EXPECT_EQ(PocetDostupnych(banka, n), 55 + 78);
    EXPECT_EQ(NajdiPrvniOtazku(banka, n, 1), 421);
    EXPECT_EQ(NajdiPrvniOtazku(banka, n, 55), 475);
    EXPECT_EQ(NajdiPrvniOtazku(banka, n, 60), 507);
    EXPECT_EQ(NajdiPrvniOtazku(banka, n, 134), 0);

    StavBehu beh;
    RucniHodiny hodiny;
    PripravBeh(beh, banka, n, 3, 60);
    EXPECT_EQ(ProjdiBeh(beh, banka, n, hodiny, 0), (std::vector<int> {507, 508, 509}));
    EXPECT_EQ(beh.otazky, (std::vector<int> {507, 508, 509}));
}

TEST(SekvencniBeh, PreskociVypnutouKategoriiVyrazenouANepasujiciOtazku)
{
    const Banka banka = SekvencniBanka();
    const Nastaveni n = JenKategorie({2, 4});
    StavBehu beh;
    RucniHodiny hodiny;
    PripravBeh(beh, banka, n, 3, 55);
    EXPECT_EQ(ProjdiBeh(beh, banka, n, hodiny, 0), (std::vector<int> {475, 501, 504}));
    EXPECT_EQ(beh.cisloOtazky, 504);
    EXPECT_EQ(beh.spravneOdpovedi, "A");
    EXPECT_EQ(beh.skupinaOtazky, "ABCD");
}

TEST(SekvencniBeh, ChuzeKonciNaKonciBankyAZkratiBeh)
{
    const Banka banka = BankaZ([](int) { return std::string("B"); });
    const Nastaveni n = JenKategorie({7});
    StavBehu beh;
    RucniHodiny hodiny;
    // Four questions asked from the third-last one: the walk runs out after 757.
    PripravBeh(beh, banka, n, 4, 35);
    EXPECT_EQ(ProjdiBeh(beh, banka, n, hodiny, 0), (std::vector<int> {755, 756, 757}));
    EXPECT_EQ(beh.celkem, 3);
    EXPECT_EQ(beh.zbyva, 0);
    EXPECT_EQ(beh.otazky, (std::vector<int> {755, 756, 757}));
}

TEST(NahodnyBeh, PrvniTahyOdpovidajiGeneratoruZasetemuCasem)
{
    const Banka banka = BankaZ([](int) { return std::string("ABCD"); });
    const Nastaveni n = JenKategorie({1, 2, 3, 4, 5, 6, 7}, "B", false);
    RucniHodiny hodiny;
    // 12:34:56.789 UTC: seed = ((12*60 + 34)*60 + 56)*1000 + 789 = 45296789.
    hodiny.msUtc = 45296789;
    // seed := 45296789*134775813 + 1 = 6104911563764458 = 1421410*2^32 + 2099557098
    //   draw = 2099557098*757 >> 32 = 1589364723186 / 4294967296 = 370.05 -> 370, number 371
    // seed := 2099557098*134775813 + 1 = 282969514822870675 = 65883974*2^32 + 1162356371
    //   draw = 1162356371*757 >> 32 = 879903772847 / 4294967296 = 204.87 -> 204, number 205
    // seed := 1162356371*134775813 + 1 = 156657524897254624 = 36474672*2^32 + 1524927712
    //   draw = 1524927712*757 >> 32 = 1154370277984 / 4294967296 = 268.77 -> 268, number 269
    StavBehu beh;
    PripravBeh(beh, banka, n, 3, 1);
    ZacniBeh(beh, StavOpakovaniZaznamu {});
    EXPECT_EQ(VyberOtazku(beh, banka, n, hodiny), 371);
    EXPECT_EQ(VyberOtazku(beh, banka, n, hodiny), 371) << "every choice reseeds from the clock";
    // With the clock standing still, later positions skip the numbers already asked.
    EXPECT_EQ(DalsiOtazka(beh, banka, n, hodiny), 371);
    EXPECT_EQ(DalsiOtazka(beh, banka, n, hodiny), 205);
    EXPECT_EQ(DalsiOtazka(beh, banka, n, hodiny), 269);
}

TEST(NahodnyBeh, CelyBehPolozKazdouDostupnouOtazkuPraveJednou)
{
    // Every third number is for all groups, the others alternate B and AC; 7 of every 50 are
    // withdrawn. For T the walk wants Skupina equal to ABCD.
    const Banka banka = BankaZ([](int c) -> std::string {
        if (c % 50 < 7)
            return "";
        if (c % 3 == 0)
            return "ABCD";
        return c % 2 ? "B" : "AC";
    });
    for (const std::string skupina : {"B", "T"}) {
        for (const std::uint32_t krok : {0u, 1517u}) {
            SCOPED_TRACE(skupina + " clock step " + std::to_string(krok));
            const Nastaveni n = JenKategorie({1, 3, 6, 7}, skupina, false);
            std::set<int> ocekavane;
            for (int c = 1; c <= 757; ++c) {
                const bool vKategorii = c <= 420 || (c > 475 && c <= 500) || c > 620;
                const bool pasuje = skupina == "T" ? c % 3 == 0 : (c % 3 == 0 || c % 2 == 1);
                if (c % 50 >= 7 && vKategorii && pasuje)
                    ocekavane.insert(c);
            }
            const int dostupnych = PocetDostupnych(banka, n);
            ASSERT_EQ(dostupnych, static_cast<int>(ocekavane.size()));

            StavBehu beh;
            RucniHodiny hodiny;
            hodiny.msUtc = 1000;
            PripravBeh(beh, banka, n, dostupnych, 1);
            const std::vector<int> ukazane = ProjdiBeh(beh, banka, n, hodiny, krok);
            EXPECT_EQ(static_cast<int>(ukazane.size()), dostupnych);
            EXPECT_EQ(std::set<int>(ukazane.begin(), ukazane.end()), ocekavane);
            EXPECT_EQ(beh.otazky, ukazane);
        }
    }
}

TEST(NahodnyBeh, ChuzeKonciPoVyzkouseniVsechCisel)
{
    // Only 30 questions fit; a run of 31 gets those 30 and then ends, shortened to them.
    const Banka banka = BankaZ([](int c) { return std::string(c % 25 == 0 ? "D" : "B"); });
    const Nastaveni n = JenKategorie({1, 2, 3, 4, 5, 6, 7}, "D", false);
    ASSERT_EQ(PocetDostupnych(banka, n), 30);
    StavBehu beh;
    RucniHodiny hodiny;
    PripravBeh(beh, banka, n, 31, 1);
    const std::vector<int> ukazane = ProjdiBeh(beh, banka, n, hodiny, 7);
    EXPECT_EQ(std::set<int>(ukazane.begin(), ukazane.end()).size(), 30u);
    EXPECT_EQ(beh.celkem, 30);
    EXPECT_EQ(beh.zbyva, 0);
    EXPECT_EQ(beh.otazky.size(), 30u);
}

class Hodnoceni : public testing::Test {
protected:
    // A sequential run of `delka` questions, each with the correct answers B and D.
    void Priprav(int delka)
    {
        std::vector<Otazka> otazky;
        for (int c = 1; c <= 20; ++c)
            otazky.push_back(Zaznam(c, "ABCD", "BD"));
        banka.NactiZ(std::move(otazky));
        PripravBeh(beh, banka, n, delka, 1);
        ZacniBeh(beh, StavOpakovaniZaznamu {});
    }
    void Dalsi()
    {
        ASSERT_NE(DalsiOtazka(beh, banka, n, hodiny), 0);
        ASSERT_TRUE(beh.cekaNaOdpoved);
    }
    void Odpovez(bool spravne)
    {
        Dalsi();
        VyhodnotOdpoved(beh, spravne ? Spravne : std::array<bool, 4> {true, false, false, false});
    }
    void Napoveda()
    {
        Dalsi();
        ASSERT_TRUE(PouzijNapovedu(beh));
    }

    static constexpr std::array<bool, 4> Spravne {false, true, false, true};
    Banka banka;
    Nastaveni n = JenKategorie({1});
    RucniHodiny hodiny;
    StavBehu beh;
};

TEST_F(Hodnoceni, ZnackyOdpovedi)
{
    Priprav(3);
    Dalsi();
    const VysledekOdpovedi dobre = VyhodnotOdpoved(beh, Spravne);
    EXPECT_TRUE(dobre.spravne);
    EXPECT_EQ(dobre.znacky,
              (std::array {Znacka::Skryta, Znacka::Ano, Znacka::Skryta, Znacka::Ano}));
    EXPECT_FALSE(beh.cekaNaOdpoved);
    EXPECT_EQ(beh.uspesnost, 100);

    Dalsi();
    const VysledekOdpovedi navic = VyhodnotOdpoved(beh, {false, true, true, true});
    EXPECT_FALSE(navic.spravne);
    EXPECT_EQ(navic.znacky, (std::array {Znacka::Skryta, Znacka::Ano, Znacka::Ne, Znacka::Ano}));

    Dalsi();
    const VysledekOdpovedi chybi = VyhodnotOdpoved(beh, {false, true, false, false});
    EXPECT_FALSE(chybi.spravne);
    EXPECT_EQ(chybi.znacky,
              (std::array {Znacka::Skryta, Znacka::Ano, Znacka::Skryta, Znacka::Chyba}));

    EXPECT_EQ(beh.spatne, (std::vector<int> {2, 3}));
    EXPECT_EQ(beh.uspesnost, 33);
}

// The learner's marks and the verdict live in the run: marks toggle only while an answer is
// pending, evaluation gives the verdict, and the next question or the mode's end starts clean.
TEST_F(Hodnoceni, ZnackyAVerdiktDrziBeh)
{
    Priprav(2);
    Dalsi();
    EXPECT_TRUE(PrepniOdpoved(beh, 1));
    EXPECT_TRUE(PrepniOdpoved(beh, 3));
    EXPECT_TRUE(PrepniOdpoved(beh, 2));
    EXPECT_TRUE(PrepniOdpoved(beh, 2));
    EXPECT_FALSE(PrepniOdpoved(beh, 4));
    EXPECT_EQ(beh.oznaceno, Spravne);
    EXPECT_TRUE(VyhodnotOdpoved(beh, beh.oznaceno).spravne);
    EXPECT_EQ(beh.verdikt, StavBehu::Verdikt::Spravne);
    EXPECT_FALSE(PrepniOdpoved(beh, 0));  // evaluated: nothing pending
    EXPECT_EQ(beh.oznaceno, Spravne);

    Dalsi();
    EXPECT_EQ(beh.oznaceno, (std::array<bool, 4> {}));
    EXPECT_TRUE(PrepniOdpoved(beh, 0));
    EXPECT_FALSE(VyhodnotOdpoved(beh, beh.oznaceno).spravne);
    EXPECT_EQ(beh.verdikt, StavBehu::Verdikt::Spatne);
    UkonciBeh(beh, StavOpakovaniZaznamu {});
    EXPECT_EQ(beh.verdikt, StavBehu::Verdikt::Zadny);
    EXPECT_EQ(beh.oznaceno, (std::array<bool, 4> {}));
}

TEST_F(Hodnoceni, UspesnostZaokrouhlujeKSudemu)
{
    Priprav(8);
    Odpovez(true);
    for (int i = 0; i < 7; ++i)
        Odpovez(false);
    EXPECT_EQ(beh.uspesnost, 12);  // 12.5

    Priprav(8);
    for (int i = 0; i < 8; ++i)
        Odpovez(i < 3);
    EXPECT_EQ(beh.uspesnost, 38);  // 37.5
}

TEST_F(Hodnoceni, NapovedaSeDoUspesnostiNepocita)
{
    Priprav(5);
    Napoveda();
    Odpovez(true);
    Napoveda();
    EXPECT_EQ(beh.uspesnost, 100) << "a hint leaves the percentage as it was";
    Odpovez(false);
    Odpovez(true);
    EXPECT_EQ(beh.uspesnost, 67);  // 2 of 3 evaluated
    EXPECT_EQ(beh.napovedy, (std::vector<int> {1, 3}));
    EXPECT_EQ(beh.PocetSpravnych(), 2);
    EXPECT_FALSE(PouzijNapovedu(beh)) << "nothing is pending after the answer";
    EXPECT_EQ(beh.PocetNapoved(), 2);
}

TEST_F(Hodnoceni, OpakovaniNejdriveSpatnePakSNapovedou)
{
    Priprav(6);
    Odpovez(false);
    Napoveda();
    Odpovez(true);
    Odpovez(false);
    Napoveda();
    Odpovez(false);
    StavBehu zkouska = beh;

    PripravOpakovani(beh, false);
    EXPECT_EQ(beh.otazky, (std::vector<int> {1, 4, 6, 2, 5}));
    EXPECT_EQ(beh.celkem, 5);
    EXPECT_EQ(beh.zbyva, 5);
    EXPECT_TRUE(beh.spatne.empty());
    EXPECT_TRUE(beh.napovedy.empty());
    EXPECT_EQ(beh.uspesnost, 0);
    EXPECT_TRUE(beh.opakovani);

    PripravOpakovani(zkouska, true);
    EXPECT_EQ(zkouska.otazky, (std::vector<int> {1, 4, 6}));
    EXPECT_EQ(zkouska.celkem, 3);

    // The retry asks its list in order, whatever the categories and group say.
    n = JenKategorie({7}, "T");
    std::vector<int> ukazane;
    while (beh.zbyva > 0)
        ukazane.push_back(DalsiOtazka(beh, banka, n, hodiny));
    EXPECT_EQ(ukazane, (std::vector<int> {1, 4, 6, 2, 5}));
}

TEST(OpakovaniZaznamu, VyrazeneCisloZBehuVypadne)
{
    const Banka banka = BankaZ([](int c) { return std::string(c == 17 || c == 300 ? "" : "B"); });
    const Nastaveni n;
    RucniHodiny hodiny;
    StavBehu beh;
    beh.otazky = {5, 17, 9, 300};
    beh.celkem = beh.zbyva = 4;
    StavOpakovaniZaznamu zaznam {true, "B", "136"};
    ZacniBeh(beh, zaznam);
    EXPECT_TRUE(beh.opakovani);
    EXPECT_EQ(DalsiOtazka(beh, banka, n, hodiny), 5);
    EXPECT_EQ(DalsiOtazka(beh, banka, n, hodiny), 9);
    EXPECT_EQ(beh.celkem, 3);
    EXPECT_EQ(beh.zbyva, 1);
    EXPECT_EQ(DalsiOtazka(beh, banka, n, hodiny), 0);
    EXPECT_EQ(beh.celkem, 2);
    EXPECT_EQ(beh.zbyva, 0);
    EXPECT_EQ(beh.otazky, (std::vector<int> {5, 9}));
}

TEST(OpakovaniZaznamu, ZruseniVraciSkupinu)
{
    Nastaveni n;
    n.skupina = "C";
    StavOpakovaniZaznamu zaznam {true, "A1", "136"};
    ZrusOpakovaniZaznamu(n, zaznam);
    EXPECT_EQ(n.skupina, "A1");
    EXPECT_FALSE(zaznam.priznak);
    n.skupina = "D";
    ZrusOpakovaniZaznamu(n, zaznam);
    EXPECT_EQ(n.skupina, "D") << "without a record retry the group stays";

    StavBehu beh;
    beh.otazky = {1};
    beh.opakovani = true;
    UkonciBeh(beh, zaznam);
    EXPECT_FALSE(beh.opakovani);
    EXPECT_TRUE(beh.otazky.empty());
}

}  // namespace
