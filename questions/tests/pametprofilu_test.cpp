#include "questions/PametProfilu.h"

#include "questions/Banka.h"
#include "storage/Definice.h"
#include "storage/Tabulka.h"
#include "storage/ZapisStatistiky.h"
#include "testsupport/KratkeCekani.h"
#include "testsupport/SlozkaJenProCteni.h"

#include <SQLiteCpp/Database.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <random>

namespace {

namespace fs = std::filesystem;
using V = VysledekPokusu;
using R = RezimOdpovedi;

class Adresar {
public:
    Adresar()
    {
        std::random_device nahoda;
        cesta_ = fs::temp_directory_path() / ("zebrovka-pamet-" + std::to_string(nahoda()));
        fs::create_directories(cesta_);
    }
    ~Adresar()
    {
        ZavriSpojeniStatistiky();
        fs::remove_all(cesta_);
    }
    const fs::path& Cesta() const { return cesta_; }

private:
    fs::path cesta_;
};

DatumCas Kdy(int mesic, int den, int hodina = 10) { return {2026, mesic, den, hodina, 0, 0, 0}; }

Banka BankaCisel(const std::vector<int>& cisla)
{
    std::vector<Otazka> otazky;
    for (int c : cisla)
        otazky.push_back({c, "Otázka", "a", "b", "c", "", "A", "ABCD", "", ""});
    Banka b;
    b.NactiZ(otazky);
    return b;
}

int Zaznamu(const fs::path& adresar, const char* tabulka)
{
    Tabulka t;
    t.Svaz(adresar, tabulka);
    if (!t.Existuje())
        return -1;
    t.Otevri();
    return t.PocetZaznamu();
}

// Every mode's answers reach the log as given (time to the second), Statistika counts them, and
// the stored memory is what PoOdpovedi makes of the answers in order; another profile's records
// stay apart.
TEST(ZapisOdpovedi, LogStatistikaAPametVJednomZapisu)
{
    Adresar a;
    const std::vector<Odpoved> odpovedi {
        {7, {2026, 3, 1, 9, 0, 5, 700}, R::Procvicovani, "B", V::Spatne, 4200},
        {7, Kdy(3, 1, 11), R::Oprava, "A", V::Spravne, 1800},
        {9, Kdy(3, 2), R::Zkouseni, "AC", V::Spravne, 900},
        {7, Kdy(3, 5), R::TestNaBody, "", V::Spatne, 33000},
        {9, Kdy(3, 9), R::TestPlatny, "C", V::Spravne, 60000},
        {7, Kdy(3, 20), R::Opakovani, "", V::Napoveda, 15},
    };
    for (const Odpoved& o : odpovedi)
        ASSERT_TRUE(ZapisOdpovedi(a.Cesta(), "Eva", {o}));
    ASSERT_TRUE(ZapisOdpovedi(a.Cesta(), "Jan", {{7, Kdy(3, 1), R::Zkouseni, "D", V::Spatne, 10}}));

    std::vector<Odpoved> ocekavany = odpovedi;
    ocekavany[0].kdy.milisekunda = 0;
    EXPECT_EQ(NactiOdpovedi(a.Cesta(), "Eva"), ocekavany);
    EXPECT_EQ(NactiOdpovedi(a.Cesta(), "Jan").size(), 1u);

    PametProfilu pamet;
    for (Odpoved o : ocekavany)
        pamet[o.cislo] = PoOdpovedi(pamet[o.cislo], HodnoceniOdpovedi(o.vysledek), o.kdy);
    EXPECT_EQ(NactiPametProfilu(a.Cesta(), "Eva"), pamet);

    const StatistikaProfilu s = NactiStatistiku(a.Cesta(), "Eva");
    EXPECT_EQ(s.at(7).polozeno, 4);
    EXPECT_EQ(s.at(7).spatne, 2);
    EXPECT_EQ(s.at(7).napoveda, 1);
    EXPECT_EQ(s.at(9).radaSpravnych, 2);
    // The stored text of the first answer and of a first memory state (S0(Again) = w0 = 0.212).
    {
        Tabulka t;
        t.Svaz(a.Cesta(), "Odpovedi");
        t.Otevri();
        std::vector<std::string> pole;
        for (int i = 0; i < t.PocetPoli(); ++i)
            pole.push_back(t.PoleNaPozici(i).JakoText());
        EXPECT_EQ(pole,
                  (std::vector<std::string> {"Eva", "7", "2026-03-01 09:00:05", "Procvicovani", "B",
                                             "C", "4200"}));
        ZapisOdpovedi(a.Cesta(), "Ota", {{1, Kdy(3, 1), R::Procvicovani, "", V::Napoveda, 1}});
        Tabulka p;
        p.Svaz(a.Cesta(), "PametOtazek");
        p.NastavFiltrText("Profil = 'Ota'");
        p.Filtrovat(true);
        p.Otevri();
        ASSERT_EQ(p.PocetZaznamu(), 1);
        EXPECT_EQ(p.PoleJmenem("Stabilita").JakoText(), "0.212");
        EXPECT_EQ(p.PoleJmenem("Prvni").JakoText(), "2026-03-01 10:00:00");
    }
    EXPECT_EQ(NovychDne(a.Cesta(), "Eva", Kdy(3, 1, 23)), 1);  // 7 first answered on 1 March
    EXPECT_EQ(NovychDne(a.Cesta(), "Eva", Kdy(3, 2)), 1);
    EXPECT_EQ(NovychDne(a.Cesta(), "Eva", Kdy(3, 20)), 0);
}

// The preferences and the switch: off, an answer writes no table at all; on again, it writes.
TEST(ZapisOdpovedi, PredvolbyAVypnutaHistorieNezapiseNic)
{
    Adresar a;
    EXPECT_TRUE(UkladatHistorii(a.Cesta(), "Eva"));
    EXPECT_EQ(LimitNovych(a.Cesta(), "Eva"), 20);
    NastavLimitNovych(a.Cesta(), "Eva", 5);
    NastavUkladaniHistorie(a.Cesta(), "Eva", false);
    EXPECT_EQ(LimitNovych(a.Cesta(), "Eva"), 5);
    EXPECT_EQ(LimitNovych(a.Cesta(), "Jan"), 20);
    EXPECT_FALSE(UkladatHistorii(a.Cesta(), "Eva"));
    EXPECT_TRUE(UkladatHistorii(a.Cesta(), "Jan"));

    EXPECT_FALSE(
        ZapisOdpovedi(a.Cesta(), "Eva", {{3, Kdy(3, 1), R::Procvicovani, "A", V::Spravne, 1}}));
    for (const char* t : {"Statistika", "Odpovedi", "PametOtazek"})
        EXPECT_EQ(Zaznamu(a.Cesta(), t), -1) << t;
    NastavUkladaniHistorie(a.Cesta(), "Eva", true);
    EXPECT_TRUE(
        ZapisOdpovedi(a.Cesta(), "Eva", {{3, Kdy(3, 1), R::Procvicovani, "A", V::Spravne, 1}}));
    for (const char* t : {"Statistika", "Odpovedi", "PametOtazek"})
        EXPECT_EQ(Zaznamu(a.Cesta(), t), 1) << t;
}

// Erasing one profile's history leaves the other's, Testy included.
TEST(ZapisOdpovedi, SmazaniHistorieJenProfilu)
{
    Adresar a;
    for (const char* p : {"Eva", "Jan"})
        ZapisOdpovedi(a.Cesta(), p,
                      {{3, Kdy(3, 1), R::Procvicovani, "A", V::Spravne, 1},
                       {4, Kdy(3, 1), R::Procvicovani, "B", V::Spatne, 1}});
    {
        Tabulka t;
        t.Svaz(a.Cesta(), "Testy");
        t.Vytvor(DefiniceTesty());
        t.Otevri();
        for (const char* p : {"Eva", "Jan"}) {
            t.Vloz();
            t.PoleJmenem("Profil").NastavText(p);
            t.Uloz();
        }
    }
    SmazHistorii(a.Cesta(), "Eva");
    EXPECT_TRUE(NactiStatistiku(a.Cesta(), "Eva").empty());
    EXPECT_TRUE(NactiOdpovedi(a.Cesta(), "Eva").empty());
    EXPECT_TRUE(NactiPametProfilu(a.Cesta(), "Eva").empty());
    EXPECT_EQ(NactiOdpovedi(a.Cesta(), "Jan").size(), 2u);
    EXPECT_EQ(NactiPametProfilu(a.Cesta(), "Jan").size(), 2u);
    EXPECT_EQ(Zaznamu(a.Cesta(), "Testy"), 1);
    // Writing goes on after the erase.
    ZapisOdpovedi(a.Cesta(), "Eva", {{3, Kdy(3, 2), R::Procvicovani, "A", V::Spravne, 1}});
    EXPECT_EQ(NactiStatistiku(a.Cesta(), "Eva").at(3).polozeno, 1);
}

// A failed write leaves every table as it was and is not written later: a locked log (the
// Statistika file is free) and a folder that became read-only.
TEST(ZapisOdpovedi, ChybaUlozeniNezapiseNicANicPozdeji)
{
    KratkeCekaniNaZamek kratke;
    Adresar a;
    ZapisOdpovedi(a.Cesta(), "Eva", {{3, Kdy(3, 1), R::Procvicovani, "A", V::Spravne, 1}});
    {
        SQLite::Database zamek((a.Cesta() / "Odpovedi.DB").string(), SQLite::OPEN_READWRITE);
        zamek.exec("BEGIN IMMEDIATE");
        EXPECT_THROW(
            ZapisOdpovedi(a.Cesta(), "Eva", {{4, Kdy(3, 2), R::Zkouseni, "B", V::Spatne, 2}}),
            ChybaTabulky);
        zamek.exec("COMMIT");
    }
    // A writer already open goes on appending to its log files, which a read-only folder does not
    // stop; one that opens in the read-only folder cannot write.
    ZavriSpojeniStatistiky();
    {
        SlozkaJenProCteni jenCteni(a.Cesta());
        if (jenCteni.Platne()) {
            EXPECT_THROW(
                ZapisOdpovedi(a.Cesta(), "Eva", {{5, Kdy(3, 2), R::Zkouseni, "B", V::Spatne, 2}}),
                ChybaTabulky);
        }
    }
    ZapisOdpovedi(a.Cesta(), "Eva", {{6, Kdy(3, 3), R::Zkouseni, "C", V::Spatne, 3}});
    const auto log = NactiOdpovedi(a.Cesta(), "Eva");
    ASSERT_EQ(log.size(), 2u);
    EXPECT_EQ(log[1].cislo, 6);
    const StatistikaProfilu s = NactiStatistiku(a.Cesta(), "Eva");
    EXPECT_EQ(s.size(), 2u);
    EXPECT_EQ(s.count(4) + s.count(5), 0u);
    EXPECT_EQ(NactiPametProfilu(a.Cesta(), "Eva").size(), 2u);
}

// The day's review: the due questions most overdue first (only available ones), then unseen ones
// in the spread order up to the limit; the start box text.
TEST(OpakovaniDne, SplatneNejdrivPakNoveVRozprostrenemPoradi)
{
    std::vector<int> cisla;
    for (int c = 1; c <= 757; c += 3)
        cisla.push_back(c);
    const Banka banka = BankaCisel(cisla);
    Nastaveni n;
    n.kategorie[6] = false;  // 721..757 off
    PametProfilu pamet;
    const DatumCas dnes = Kdy(4, 10);
    // Stability 1: due a day after the last answer.
    for (const auto& [c, den] : {std::pair {4, 5}, {10, 2}, {16, 9}, {22, 10}, {724, 1}, {2, 1}})
        pamet[c] = {true, 1.0, 5.0, Kdy(4, den)};
    pamet[28] = {true, 400.0, 5.0, Kdy(4, 1)};  // not due
    StatistikaProfilu statistika;
    statistika[31].polozeno = 1;  // seen before the memory existed: not new

    const OpakovaniDne o = PripravOpakovaniDne(banka, n, pamet, statistika, dnes, 5, 77);
    EXPECT_EQ(o.splatne, (std::vector<int> {10, 4, 16}));
    std::vector<int> nevidene;
    for (int c : cisla)
        if (c < 721 && !pamet.count(c) && c != 31)
            nevidene.push_back(c);
    std::vector<int> nove = PoradiNovych(nevidene, 77);
    nove.resize(5);
    EXPECT_EQ(o.nove, nove);
    EXPECT_EQ(o.Poradi(),
              (std::vector<int> {10, 4, 16, nove[0], nove[1], nove[2], nove[3], nove[4]}));
    EXPECT_EQ(TextOpakovani(o), "K opakování: 3, nových: 5");
    EXPECT_TRUE(PripravOpakovaniDne(banka, n, pamet, statistika, dnes, 0, 77).nove.empty());
    EXPECT_EQ(SeedDne(dnes), SeedDne(Kdy(4, 10, 23)));

    // The practice of mistakes: the last wrong ones, then the due, the new and the rest.
    statistika[16] = {16, 1, 0, 1, 0, 0, Kdy(4, 9), V::Spatne};
    statistika[22] = {22, 1, 0, 1, 0, 0, Kdy(4, 10), V::Spatne};
    const ProcvicovaniChyb ch = PripravProcvicovaniChyb(banka, n, statistika, pamet, dnes, 77);
    EXPECT_EQ(ch.chyb, 2);
    ASSERT_GE(ch.poradi.size(), 5u + nevidene.size());
    EXPECT_EQ(std::vector<int>(ch.poradi.begin(), ch.poradi.begin() + 4),
              (std::vector<int> {22, 16, 10, 4}));
    EXPECT_EQ(std::vector<int>(ch.poradi.begin() + 4,
                               ch.poradi.begin() + 4 + static_cast<long>(nevidene.size())),
              PoradiNovych(nevidene, 77));
}

// Confusions: a wrong choice made at least twice, most repeated first, questions the bank holds.
TEST(Zameny, NejcastejsiZamenyZLogu)
{
    const Banka banka = BankaCisel({1, 2, 245});
    std::vector<Odpoved> log;
    const auto pridej = [&](int cislo, const char* zvolene, V v, int kolikrat) {
        for (int i = 0; i < kolikrat; ++i)
            log.push_back({cislo, Kdy(3, 1), R::Procvicovani, zvolene, v, 100});
    };
    pridej(245, "B", V::Spatne, 3);
    pridej(2, "AC", V::Spatne, 2);
    pridej(2, "A", V::Spravne, 4);
    pridej(1, "C", V::Spatne, 1);
    pridej(300, "C", V::Spatne, 5);  // not in the bank
    pridej(1, "", V::Napoveda, 3);
    const std::vector<Zamena> z = NejcastejsiZameny(log, banka);
    EXPECT_EQ(z, (std::vector<Zamena> {{245, "B", 3}, {2, "AC", 2}}));
    EXPECT_EQ(TextZameny(z[0]), "Otázka 245: třikrát jste zvolil b)");
    EXPECT_EQ(TextZameny(z[1]), "Otázka 2: dvakrát jste zvolil a) a c)");
    EXPECT_EQ(TextZameny({7, "ABD", 12}), "Otázka 7: 12krát jste zvolil a), b) a d)");
    EXPECT_EQ(NejcastejsiZameny(log, banka, 1).size(), 1u);
}

}  // namespace

// A question answered before the memory was kept (a Statistika record, no stored state) gets the
// state of its answers replayed on the day of the last one: failures first, then the right answers
// outside the final run, then the last answer or the run. Reading derives it without writing; the
// day's review and the practice of mistakes count it; the next answer moves on from it.
TEST(PametZeStatistiky, OdvozenaPametStarychOdpovedi)
{
    Adresar a;
    ZapisPokusy(a.Cesta(), "Eva", {{3, V::Spravne}, {4, V::Spravne}, {5, V::Spatne}}, Kdy(3, 1));
    ZapisPokusy(a.Cesta(), "Eva", {{4, V::Spravne}}, Kdy(3, 2));
    ZapisPokusy(a.Cesta(), "Eva", {{3, V::Spravne}, {5, V::Spravne}}, Kdy(3, 5));
    ZapisPokusy(a.Cesta(), "Eva", {{3, V::Spravne}, {4, V::Spatne}, {5, V::Napoveda}}, Kdy(3, 9));
    ASSERT_TRUE(
        ZapisOdpovedi(a.Cesta(), "Eva", {{7, Kdy(3, 9), R::Procvicovani, "A", V::Spravne, 1}}));
    const StavPameti ulozena7 = NactiPametProfilu(a.Cesta(), "Eva").at(7);

    const PametProfilu pamet = NactiPametProfilu(a.Cesta(), "Eva");
    EXPECT_EQ(Zaznamu(a.Cesta(), "PametOtazek"), 1);  // reading wrote nothing
    ASSERT_EQ(pamet.size(), 4u);
    EXPECT_EQ(pamet.at(7), ulozena7);  // a stored state stays
    // Stability and difficulty computed by hand from the default parameters: three rights on one
    // day keep S0(Good); right, right, wrong; wrong, right, hint.
    const struct {
        int cislo;
        double stabilita, obtiznost;
        int dni;
    } ocekavane[] = {
        {3, 2.3065, 2.104331, 2}, {4, 0.775084, 7.392238, 1}, {5, 0.096034, 8.802628, 1}};
    for (const auto& o : ocekavane) {
        SCOPED_TRACE(o.cislo);
        const StavPameti& s = pamet.at(o.cislo);
        EXPECT_TRUE(s.videna);
        EXPECT_NEAR(s.stabilita, o.stabilita, 1e-5);
        EXPECT_NEAR(s.obtiznost, o.obtiznost, 1e-5);
        EXPECT_EQ(s.posledni, Kdy(3, 9));
        EXPECT_EQ(IntervalDni(s.stabilita, kPozadovanaRetence), o.dni);
    }

    // Due: the wrong-last and hinted ones a day later, the run of rights a day after them.
    const Banka banka = BankaCisel({3, 4, 5, 7, 8});
    const Nastaveni n;
    const StatistikaProfilu statistika = NactiStatistiku(a.Cesta(), "Eva");
    EXPECT_EQ(TextOpakovani(PripravOpakovaniDne(banka, n, pamet, statistika, Kdy(3, 10), 20, 1)),
              "K opakování: 2, nových: 1");
    const OpakovaniDne o = PripravOpakovaniDne(banka, n, pamet, statistika, Kdy(3, 12), 20, 1);
    EXPECT_EQ(o.splatne, (std::vector<int> {5, 4, 3, 7}));
    EXPECT_EQ(o.nove, (std::vector<int> {8}));
    const ProcvicovaniChyb ch = PripravProcvicovaniChyb(banka, n, statistika, pamet, Kdy(3, 12), 1);
    EXPECT_EQ(ch.chyb, 1);
    EXPECT_EQ(ch.poradi, (std::vector<int> {4, 5, 3, 7, 8}));

    // The next answer starts from the derived state, and is then stored.
    ASSERT_TRUE(ZapisOdpovedi(a.Cesta(), "Eva",
                              {{4, Kdy(3, 12), R::Opakovani, "A", V::Spravne, 1},
                               {4, Kdy(3, 12, 11), R::Opakovani, "A", V::Spravne, 1}}));
    StavPameti ocekavana = PoOdpovedi(pamet.at(4), Hodnoceni::Dobre, Kdy(3, 12));
    ocekavana = PoOdpovedi(ocekavana, Hodnoceni::Dobre, Kdy(3, 12, 11));
    const StavPameti po = NactiPametProfilu(a.Cesta(), "Eva").at(4);
    EXPECT_NEAR(po.stabilita, ocekavana.stabilita, 1e-9);
    EXPECT_NEAR(po.obtiznost, ocekavana.obtiznost, 1e-9);
    EXPECT_EQ(po.posledni, Kdy(3, 12, 11));
    EXPECT_GT(po.obtiznost, PoOdpovedi({}, Hodnoceni::Dobre, Kdy(3, 12)).obtiznost + 1);
    EXPECT_EQ(Zaznamu(a.Cesta(), "PametOtazek"), 2);
}
