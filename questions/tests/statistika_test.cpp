#include "questions/Statistika.h"

#include "questions/Banka.h"
#include "storage/Definice.h"
#include "storage/Tabulka.h"
#include "testsupport/Najednou.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <filesystem>
#include <random>
#include <sys/wait.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;
using V = VysledekPokusu;

class DocasnyAdresar {
public:
    DocasnyAdresar()
    {
        std::random_device nahoda;
        cesta_ = fs::temp_directory_path() / ("zebrovka-statistika-" + std::to_string(nahoda()));
        fs::create_directories(cesta_);
    }
    ~DocasnyAdresar() { fs::remove_all(cesta_); }
    const fs::path& Cesta() const { return cesta_; }

private:
    fs::path cesta_;
};

DatumCas Kdy(int den, int hodina = 10) { return {2026, 3, den, hodina, 0, 0, 0}; }

TEST(PripoctiPokus, PocitaOdpovediARaduSpravnych)
{
    struct Pripad {
        std::vector<V> odpovedi;
        int spravne, spatne, napoveda, rada;
        V naposledy;
    };
    const std::vector<Pripad> pripady {
        {{V::Spravne}, 1, 0, 0, 1, V::Spravne},
        {{V::Spravne, V::Spravne, V::Spravne}, 3, 0, 0, 3, V::Spravne},
        {{V::Spravne, V::Spravne, V::Spatne}, 2, 1, 0, 0, V::Spatne},
        // A hint is asked, not right, and breaks the run.
        {{V::Spravne, V::Spravne, V::Napoveda}, 2, 0, 1, 0, V::Napoveda},
        {{V::Napoveda, V::Spravne}, 1, 0, 1, 1, V::Spravne},
        {{V::Spatne, V::Spravne, V::Spravne}, 2, 1, 0, 2, V::Spravne},
    };
    for (std::size_t i = 0; i < pripady.size(); ++i) {
        const Pripad& p = pripady[i];
        ZaznamStatistiky z;
        for (std::size_t j = 0; j < p.odpovedi.size(); ++j)
            PripoctiPokus(z, p.odpovedi[j], Kdy(static_cast<int>(j) + 1));
        SCOPED_TRACE(i);
        EXPECT_EQ(z.polozeno, static_cast<int>(p.odpovedi.size()));
        EXPECT_EQ(z.spravne, p.spravne);
        EXPECT_EQ(z.spatne, p.spatne);
        EXPECT_EQ(z.napoveda, p.napoveda);
        EXPECT_EQ(z.radaSpravnych, p.rada);
        EXPECT_EQ(z.naposledy, p.naposledy);
        EXPECT_EQ(z.posledni, Kdy(static_cast<int>(p.odpovedi.size())));
        EXPECT_EQ(z.Zvladnuta(), p.rada >= 2);
    }
}

TEST(ZapisStatistiky, VytvoriTabulkuPripisujePoProfilechAZachovaCislaMimoBanku)
{
    DocasnyAdresar adresar;
    EXPECT_TRUE(NactiStatistiku(adresar.Cesta(), "Eva").empty());

    ZapisPokusy(adresar.Cesta(), "Eva", {{12, V::Spravne}, {300, V::Spatne}}, Kdy(1));
    const fs::path soubor = adresar.Cesta() / "Statistika.DB";
    ASSERT_TRUE(fs::exists(soubor));
    EXPECT_EQ(fs::status(soubor).permissions() & (fs::perms::group_all | fs::perms::others_all),
              fs::perms::none);

    ZapisPokusy(adresar.Cesta(), "O'Neil", {{12, V::Spatne}}, Kdy(2));
    ZapisPokusy(adresar.Cesta(), "Eva", {{12, V::Spravne}, {999, V::Napoveda}, {12, V::Napoveda}},
                Kdy(3));

    const StatistikaProfilu eva = NactiStatistiku(adresar.Cesta(), "Eva");
    ASSERT_EQ(eva.size(), 3u);
    const ZaznamStatistiky& z12 = eva.at(12);
    EXPECT_EQ(z12.polozeno, 3);
    EXPECT_EQ(z12.spravne, 2);
    EXPECT_EQ(z12.napoveda, 1);
    EXPECT_EQ(z12.radaSpravnych, 0);
    EXPECT_EQ(z12.posledni, Kdy(3));
    EXPECT_EQ(eva.at(300).spatne, 1);
    EXPECT_EQ(eva.at(300).posledni, Kdy(1));
    // A number the bank does not hold is kept as it came.
    EXPECT_EQ(eva.at(999).napoveda, 1);

    const StatistikaProfilu oneil = NactiStatistiku(adresar.Cesta(), "O'Neil");
    ASSERT_EQ(oneil.size(), 1u);
    EXPECT_EQ(oneil.at(12).spatne, 1);
    EXPECT_EQ(oneil.at(12).naposledy, V::Spatne);

    Tabulka t;
    t.Svaz(adresar.Cesta(), "Statistika");
    t.Otevri();
    EXPECT_EQ(t.PocetZaznamu(), 4);
}

// A writer killed at any moment leaves every record as one whole batch left it: each batch adds
// one answer to all 25 numbers, so all of them carry the same count and their fields agree.
TEST(ZapisStatistiky, ZabityZapisNechaZaznamyCeleStareNeboNove)
{
    DocasnyAdresar adresar;
    std::vector<Pokus> list;
    for (int i = 0; i < 25; ++i)
        list.push_back({1 + i * 30, i % 3 == 0 ? V::Spatne : V::Spravne});
    ZapisPokusy(adresar.Cesta(), "Eva", list, Kdy(1));

    for (int kolo = 0; kolo < 3; ++kolo) {
        int roura[2];
        ASSERT_EQ(pipe(roura), 0);
        const pid_t dite = fork();
        ASSERT_GE(dite, 0);
        if (dite == 0) {
            close(roura[0]);
            for (int n = 0;; ++n) {
                ZapisPokusy(adresar.Cesta(), "Eva", list, Kdy(2));
                if (n == 2 + kolo) {
                    const char c = 'x';
                    (void)!write(roura[1], &c, 1);
                }
            }
        }
        close(roura[1]);
        char c;
        ASSERT_EQ(read(roura[0], &c, 1), 1);
        close(roura[0]);
        kill(dite, SIGKILL);
        int stav = 0;
        waitpid(dite, &stav, 0);
        ASSERT_TRUE(WIFSIGNALED(stav));

        const StatistikaProfilu eva = NactiStatistiku(adresar.Cesta(), "Eva");
        ASSERT_EQ(eva.size(), 25u);
        const int polozeno = eva.begin()->second.polozeno;
        EXPECT_GE(polozeno, 4 + kolo);
        for (const auto& [cislo, z] : eva) {
            SCOPED_TRACE(cislo);
            EXPECT_EQ(z.polozeno, polozeno);
            EXPECT_EQ(z.spravne + z.spatne + z.napoveda, z.polozeno);
        }
    }
}

int PocetZaznamu(const fs::path& adresar)
{
    Tabulka t;
    t.Svaz(adresar, "Statistika");
    t.Otevri();
    return t.PocetZaznamu();
}

// Two programs answering for one profile at the same moment: one record per question, with both
// answers, every time; the 200 rounds stay within seconds.
TEST(ZapisStatistiky, DvaProgramyNajednouNezalozDvaZaznamyJedneOtazky)
{
    DocasnyAdresar adresar;
    ZapisPokusy(adresar.Cesta(), "Eva", {{1, V::Spravne}}, Kdy(1));
    const auto zacatek = std::chrono::steady_clock::now();
    for (int kolo = 2; kolo <= 201; ++kolo) {
        const auto kody = SpustNajednou(2, [&](int i) {
            ZapisPokusy(adresar.Cesta(), "Eva", {{kolo, i == 0 ? V::Spravne : V::Spatne}},
                        Kdy(1 + i));
            return 0;
        });
        ASSERT_EQ(kody, (std::vector<int> {0, 0})) << "round " << kolo;
    }
    const auto trvani = std::chrono::steady_clock::now() - zacatek;
    EXPECT_LT(trvani, std::chrono::seconds(60));

    EXPECT_EQ(PocetZaznamu(adresar.Cesta()), 201);
    const StatistikaProfilu eva = NactiStatistiku(adresar.Cesta(), "Eva");
    ASSERT_EQ(eva.size(), 201u);
    for (int cislo = 2; cislo <= 201; ++cislo) {
        SCOPED_TRACE(cislo);
        const ZaznamStatistiky& z = eva.at(cislo);
        EXPECT_EQ(z.polozeno, 2);
        EXPECT_EQ(z.spravne, 1);
        EXPECT_EQ(z.spatne, 1);
    }
    // Further answers reach the one record.
    ZapisPokusy(adresar.Cesta(), "Eva", {{2, V::Spravne}}, Kdy(5));
    EXPECT_EQ(NactiStatistiku(adresar.Cesta(), "Eva").at(2).polozeno, 3);
}

// Records of one question that an earlier version doubled: read as one, merged on the next
// write (counts summed, the run and the last answer from the latest record).
TEST(ZapisStatistiky, ZdvojeneZaznamySeSlouci)
{
    DocasnyAdresar adresar;
    {
        Tabulka t;
        t.Svaz(adresar.Cesta(), "Statistika");
        t.Vytvor(DefiniceStatistika());
        t.Otevri();
        const auto vloz = [&](const char* profil, int cislo, int polozeno, int spravne, int rada,
                              int den, const char* naposledy) {
            t.Vloz();
            t.PoleJmenem("Profil").NastavText(profil);
            t.PoleJmenem("Cislo").NastavCele(cislo);
            t.PoleJmenem("Polozeno").NastavCele(polozeno);
            t.PoleJmenem("Spravne").NastavCele(spravne);
            t.PoleJmenem("Spatne").NastavCele(polozeno - spravne);
            t.PoleJmenem("Napoveda").NastavCele(0);
            t.PoleJmenem("RadaSpravnych").NastavCele(rada);
            t.PoleJmenem("Posledni").NastavDatumCas(Kdy(den));
            t.PoleJmenem("Naposledy").NastavText(naposledy);
            t.Uloz();
        };
        vloz("Eva", 7, 5, 4, 3, 2, "S");  // the latest of question 7
        vloz("Eva", 7, 2, 0, 0, 1, "C");
        vloz("Eva", 8, 1, 0, 0, 1, "C");
        vloz("Eva", 8, 1, 1, 1, 1, "S");  // same time: the later written one counts
        vloz("Eva", 8, 3, 3, 3, 1, "S");
        vloz("Ota", 7, 1, 1, 1, 1, "S");
    }
    const auto over = [&](int cislo7Polozeno, int cislo7Rada) {
        const StatistikaProfilu eva = NactiStatistiku(adresar.Cesta(), "Eva");
        ASSERT_EQ(eva.size(), 2u);
        EXPECT_EQ(eva.at(7).polozeno, cislo7Polozeno);
        EXPECT_EQ(eva.at(7).radaSpravnych, cislo7Rada);
        EXPECT_EQ(eva.at(8).polozeno, 5);
        EXPECT_EQ(eva.at(8).spravne, 4);
        EXPECT_EQ(eva.at(8).radaSpravnych, 3);
        EXPECT_EQ(eva.at(8).naposledy, V::Spravne);
        EXPECT_EQ(NactiStatistiku(adresar.Cesta(), "Ota").at(7).polozeno, 1);
    };
    over(7, 3);
    EXPECT_EQ(PocetZaznamu(adresar.Cesta()), 6);
    ZapisPokusy(adresar.Cesta(), "Eva", {{7, V::Spravne}}, Kdy(3));
    EXPECT_EQ(PocetZaznamu(adresar.Cesta()), 3);
    over(8, 4);
    const ZaznamStatistiky z7 = NactiStatistiku(adresar.Cesta(), "Eva").at(7);
    EXPECT_EQ(z7.spravne, 5);
    EXPECT_EQ(z7.spatne, 3);
    EXPECT_EQ(z7.posledni, Kdy(3));
}

Banka MalaBanka()
{
    std::vector<Otazka> otazky;
    for (int c : {1, 2, 3, 4, 5, 6, 7, 421, 422, 730}) {
        Otazka o;
        o.cislo = c;
        o.spravne = "A";
        o.skupina = c == 7 ? "C" : "ABCD";
        otazky.push_back(o);
    }
    Banka banka;
    banka.NactiZ(std::move(otazky));
    return banka;
}

TEST(PoradiProcvicovaniChyb, ChybyNeznameNezvladnuteZvladnute)
{
    const Banka banka = MalaBanka();
    StatistikaProfilu s;
    const auto zaznam = [&](int cislo, std::vector<V> odpovedi, int den) {
        ZaznamStatistiky z;
        z.cislo = cislo;
        for (V v : odpovedi)
            PripoctiPokus(z, v, Kdy(den));
        s[cislo] = z;
    };
    zaznam(1, {V::Spravne, V::Spravne}, 5);  // mastered, asked later
    zaznam(2, {V::Spravne, V::Spatne}, 3);  // wrong last time, earlier
    zaznam(3, {V::Spravne}, 4);  // not mastered, run 1
    zaznam(4, {V::Spravne, V::Napoveda}, 2);  // not mastered, run 0 (hint)
    zaznam(6, {V::Spravne, V::Spravne, V::Spravne}, 1);  // mastered, asked earlier
    zaznam(7, {V::Spatne}, 9);  // other group: never offered
    zaznam(422, {V::Spatne}, 6);  // wrong last time, latest
    zaznam(500, {V::Spatne}, 9);  // left the bank: ignored
    // 5, 421, 730 never asked.

    Nastaveni n;
    EXPECT_EQ(PoradiProcvicovaniChyb(banka, n, s),
              (std::vector<int> {422, 2, 5, 421, 730, 4, 3, 6, 1}));

    n.kategorie = {true, false, false, false, false, false, false};
    EXPECT_EQ(PoradiProcvicovaniChyb(banka, n, s), (std::vector<int> {2, 5, 4, 3, 6, 1}));

    n = Nastaveni {};
    n.skupina = "C";
    EXPECT_EQ(PoradiProcvicovaniChyb(banka, n, s),
              (std::vector<int> {7, 422, 2, 5, 421, 730, 4, 3, 6, 1}));
    EXPECT_EQ(PoradiProcvicovaniChyb(banka, Nastaveni {}, {}),
              (std::vector<int> {1, 2, 3, 4, 5, 6, 421, 422, 730}));
}

}  // namespace
