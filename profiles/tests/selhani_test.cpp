#include "profiles/ProfilovySklad.h"

#include "storage/Definice.h"
#include "storage/Tabulka.h"
#include "testsupport/KratkeCekani.h"
#include "testsupport/Najednou.h"
#include "testsupport/DocasnaSlozka.h"
#include "testsupport/Soubory.h"

#include <SQLiteCpp/Database.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <iterator>
#include <map>
#include <random>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

// The profile store when a write fails, a table is damaged or locked, the program is killed or
// started twice at once.
class SelhaniSkladu : public testing::Test {
protected:
    fs::path Soubor(const std::string& tabulka) const { return adresar_ / (tabulka + ".DB"); }

    void Sql(const std::string& tabulka, const std::string& sql) const
    {
        SQLite::Database db(Soubor(tabulka).string(), SQLite::OPEN_READWRITE);
        db.exec(sql);
    }

    // Profily with Jana and Eva; Vysledky and Protokoly with `jany` records of Jana and
    // `jany` / 2 of Eva, interleaved.
    void Naplnit(int jany) const
    {
        ProfilovySklad sklad(adresar_);
        sklad.ZalozitTabulkuProfilu();
        sklad.PridatProfil("Jana", "1111111", "B", "111", "11", "1", "");
        sklad.PridatProfil("Eva", "1111111", "B", "111", "11", "1", "");
        for (const auto& [nazev, definice] :
             {std::pair {"Vysledky", DefiniceVysledky()},
              std::pair {"Protokoly", DefiniceProtokoly()},
              std::pair {"Statistika", DefiniceStatistika()}, std::pair {"Testy", DefiniceTesty()},
              std::pair {"Predvolby", DefinicePredvolby()},
              std::pair {"Krizovatky", DefiniceKrizovatky()},
              std::pair {"Oznacene", DefiniceOznacene()},
              std::pair {"Odpovedi", DefiniceOdpovedi()},
              std::pair {"PametOtazek", DefinicePametOtazek()}}) {
            Tabulka t;
            t.Svaz(adresar_, nazev);
            t.Vytvor(definice);
            t.Otevri();
            t.ZacniDavku();
            for (int i = 0; i < jany + jany / 2; ++i) {
                t.Vloz();
                t.PoleJmenem("Profil").NastavText(i % 3 == 2 ? "Eva" : "Jana");
                if (std::string(nazev) == "Statistika" || std::string(nazev) == "Oznacene"
                    || std::string(nazev) == "Odpovedi" || std::string(nazev) == "PametOtazek")
                    t.PoleJmenem("Cislo").NastavCele(1 + i);
                else if (std::string(nazev) == "Predvolby")
                    t.PoleJmenem("Klic").NastavText(std::to_string(i));
                else if (std::string(nazev) == "Krizovatky")
                    t.PoleJmenem("Seed").NastavText(std::to_string(i));
                else
                    t.PoleJmenem("Skupina").NastavText("B");
                t.Uloz();
            }
            t.DokonciDavku();
        }
    }

    // How many records of each profile name a table holds, read through a fresh cursor (which
    // also rolls back what a killed program left unfinished).
    std::map<std::string, int> Pocty(const std::string& tabulka) const
    {
        std::map<std::string, int> pocty;
        Tabulka t;
        t.Svaz(adresar_, tabulka);
        t.Otevri();
        for (t.Prvni(); !t.Konec(); t.Dalsi())
            ++pocty[t.PoleJmenem("Profil").JakoText()];
        return pocty;
    }

    std::map<std::string, std::string> Soubory() const
    {
        std::map<std::string, std::string> obsah;
        for (const auto& polozka : fs::directory_iterator(adresar_))
            obsah[polozka.path().filename().string()] = ObsahSouboru(polozka.path());
        return obsah;
    }

    DocasnaSlozka slozka_;
    const fs::path adresar_ {slozka_.Cesta()};
};

// A write refused by the engine (a full disk) is reported, and no later operation of the store
// writes it: not the next sign-in, not a second attempt, not a sign-out.
TEST_F(SelhaniSkladu, NeulozenaZmenaProfiluSeNezapisePozdeji)
{
    ProfilovySklad sklad(adresar_);
    sklad.ZalozitTabulkuProfilu();
    sklad.PridatProfil("Eva", "1111111", "C", "111", "11", "1", "");
    const auto plno = [&] {
        Sql("Profily",
            "CREATE TRIGGER plno_v BEFORE INSERT ON zaznamy BEGIN "
            "SELECT RAISE(ABORT, 'database or disk is full'); END;"
            "CREATE TRIGGER plno_u BEFORE UPDATE ON zaznamy BEGIN "
            "SELECT RAISE(ABORT, 'database or disk is full'); END;");
    };
    const auto volno = [&] { Sql("Profily", "DROP TRIGGER plno_v; DROP TRIGGER plno_u"); };

    plno();
    EXPECT_THROW(sklad.PridatProfil("Petr", "1111111", "B", "111", "11", "1", ""), ChybaTabulky);
    Nastaveni eva;
    eva.aktivniProfil = "Eva";
    eva.skupina = "T";
    EXPECT_THROW(sklad.UlozitNastaveniProfilu(eva), ChybaTabulky);
    EXPECT_THROW(sklad.ZmenitHesloProfilu("Eva", "tajne5"), ChybaTabulky);
    volno();

    EXPECT_FALSE(sklad.NajitProfil("Petr"));
    EXPECT_EQ(sklad.SeznamProfilu(), std::vector<std::string> {"Eva"});
    sklad.PridatProfil("Petr", "1111111", "B", "111", "11", "1", "");
    EXPECT_EQ(sklad.SeznamProfilu(), (std::vector<std::string> {"Eva", "Petr"}));
    Nastaveni nactene;
    nactene.aktivniProfil = "Eva";
    ASSERT_TRUE(sklad.NacistProfil(nactene));
    EXPECT_EQ(nactene.skupina, "C");
    EXPECT_FALSE(sklad.MaHeslo("Eva"));
    EXPECT_TRUE(sklad.OverHeslo("Eva", ""));
}

// An error in any of the three tables stops a rename or a delete before anything is written.
TEST_F(SelhaniSkladu, PrejmenovaniASmazaniPriChybeNezmeniNic)
{
    struct Pripad {
        const char* popis;
        std::function<void()> poskodit;
        std::string zprava;
    };
    const std::vector<Pripad> pripady {
        {"damaged Vysledky",
         [&] { std::ofstream(Soubor("Vysledky"), std::ios::binary) << std::string(4096, 'x'); },
         "Vysledky.DB"},
        {"Vysledky without a column",
         [&] { Sql("Vysledky", "ALTER TABLE zaznamy DROP COLUMN Uspesnost"); }, "„Uspesnost“"},
        {"Protokoly not a table", [&] { Sql("Protokoly", "DROP TABLE zk_pole"); }, "Protokoly.DB"},
    };
    for (const Pripad& pripad : pripady) {
        for (const bool smazat : {false, true}) {
            SCOPED_TRACE(std::string(pripad.popis) + (smazat ? ", delete" : ", rename"));
            fs::remove_all(adresar_);
            fs::create_directory(adresar_);
            Naplnit(4);
            pripad.poskodit();
            const auto pred = Soubory();
            ProfilovySklad sklad(adresar_);
            try {
                if (smazat)
                    sklad.SmazatProfil("Jana");
                else
                    sklad.PrejmenovatProfil("Jana", "Hana");
                ADD_FAILURE() << "no error";
            } catch (const ChybaTabulky& e) {
                EXPECT_NE(std::string(e.what()).find(pripad.zprava), std::string::npos) << e.what();
            }
            EXPECT_EQ(Soubory(), pred);
            EXPECT_TRUE(sklad.NajitProfil("Jana"));
        }
    }

    // A table locked by another program: nothing is changed, and the store works once it is free.
    fs::remove_all(adresar_);
    fs::create_directory(adresar_);
    Naplnit(4);
    KratkeCekaniNaZamek kratke;
    ProfilovySklad sklad(adresar_);
    {
        SQLite::Database zamek(Soubor("Protokoly").string(), SQLite::OPEN_READWRITE);
        zamek.exec("BEGIN IMMEDIATE");
        const auto pred = Soubory();
        EXPECT_THROW(sklad.PrejmenovatProfil("Jana", "Hana"), ChybaTabulky);
        EXPECT_EQ(Soubory(), pred);
    }
    // A record whose other fields are damaged is re-labelled like any other.
    Sql("Vysledky", "UPDATE zaznamy SET PocetOtazek = 4294967303, Datum = 'x'");
    sklad.PrejmenovatProfil("Jana", "Hana");
    EXPECT_EQ(Pocty("Protokoly"), (std::map<std::string, int> {{"Hana", 4}, {"Eva", 2}}));
    EXPECT_FALSE(sklad.NajitProfil("Jana"));
    EXPECT_TRUE(sklad.NajitProfil("Hana"));
}

// A child process renames or deletes a profile and is killed at a random moment; afterwards the
// three tables agree: every record under the old name or every one under the new (for a delete:
// the profile with all its records, or none of them).
TEST_F(SelhaniSkladu, ZabitiBehemPrejmenovaniASmazaniNechaTabulkySouhlasit)
{
    constexpr int kJany = 150;
    Naplnit(kJany);
    const auto vychozi = Soubory();
    const auto obnovit = [&] {
        fs::remove_all(adresar_);
        fs::create_directory(adresar_);
        for (const auto& [jmeno, obsah] : vychozi)
            std::ofstream(adresar_ / jmeno, std::ios::binary) << obsah;
    };
    const auto spustit = [&](bool smazat) {
        const pid_t pid = fork();
        if (pid == 0) {
            try {
                ProfilovySklad sklad(adresar_);
                if (smazat)
                    sklad.SmazatProfil("Jana");
                else
                    sklad.PrejmenovatProfil("Jana", "Hana");
                _exit(0);
            } catch (...) {
                _exit(1);
            }
        }
        return pid;
    };

    // The longest of three whole operations, and half as much again, bounds the random moments
    // of the kills: on a loaded machine an operation may take longer than the one measured, and
    // the kills must still reach past its commit.
    int stav = 0;
    std::chrono::microseconds delka {0};
    for (int mereni = 0; mereni < 3; ++mereni) {
        obnovit();
        const auto zacatek = std::chrono::steady_clock::now();
        waitpid(spustit(mereni % 2 == 1), &stav, 0);
        ASSERT_TRUE(WIFEXITED(stav) && WEXITSTATUS(stav) == 0);
        delka = std::max(delka,
                         std::chrono::duration_cast<std::chrono::microseconds>(
                             std::chrono::steady_clock::now() - zacatek));
    }

    std::mt19937 nahoda(20261208);
    std::uniform_int_distribution<long> okamzik(0, delka.count() * 3 / 2);
    int zabito = 0, nove = 0, stare = 0;
    for (int pokus = 0; pokus < 300 && zabito < 60; ++pokus) {
        const bool smazat = pokus % 2 == 1;
        SCOPED_TRACE(std::to_string(pokus) + (smazat ? " delete" : " rename"));
        obnovit();
        const pid_t pid = spustit(smazat);
        std::this_thread::sleep_for(std::chrono::microseconds(okamzik(nahoda)));
        kill(pid, SIGKILL);
        waitpid(pid, &stav, 0);
        if (WIFSIGNALED(stav))
            ++zabito;
        else
            ASSERT_EQ(WEXITSTATUS(stav), 0);

        const auto profily = Pocty("Profily");
        const auto vysledky = Pocty("Vysledky");
        const auto protokoly = Pocty("Protokoly");
        const auto statistika = Pocty("Statistika");
        EXPECT_EQ(profily.count("Eva") + vysledky.at("Eva") + protokoly.at("Eva"),
                  1u + kJany / 2 + kJany / 2);
        const bool jana = profily.count("Jana") == 1;
        const std::string jmeno = smazat ? "Jana" : (jana ? "Jana" : "Hana");
        const std::map<std::string, int> vsechnyZaznamy {{"Eva", kJany / 2}, {jmeno, kJany}};
        const std::map<std::string, int> jenEva {{"Eva", kJany / 2}};
        const auto& ocekavane = (smazat && !jana) ? jenEva : vsechnyZaznamy;
        EXPECT_EQ(vysledky, ocekavane);
        EXPECT_EQ(protokoly, ocekavane);
        EXPECT_EQ(statistika, ocekavane);
        EXPECT_EQ(Pocty("Testy"), ocekavane);
        EXPECT_EQ(Pocty("Predvolby"), ocekavane);
        EXPECT_EQ(Pocty("Krizovatky"), ocekavane);
        EXPECT_EQ(Pocty("Oznacene"), ocekavane);
        EXPECT_EQ(Pocty("Odpovedi"), ocekavane);
        EXPECT_EQ(Pocty("PametOtazek"), ocekavane);
        EXPECT_EQ(profily.size(), (smazat && !jana) ? 2u : 3u);  // Default, Eva and one name
        (jana ? stare : nove) += 1;
        if (HasFailure())
            break;
    }
    EXPECT_GE(zabito, 50);
    // Kills landed both before and after the commit.
    EXPECT_GT(stare, 0);
    EXPECT_GT(nove, 0);
}

// Two first starts at once: both go on with one table that holds the built-in profile once.
TEST_F(SelhaniSkladu, DvaPrvniStartyNajednouVytvoriJednuTabulku)
{
    for (int kolo = 0; kolo < 30; ++kolo) {
        SCOPED_TRACE(kolo);
        fs::remove_all(adresar_);
        fs::create_directory(adresar_);
        const auto kody = SpustNajednou(2, [&](int) {
            ProfilovySklad sklad(adresar_);
            sklad.ZalozitTabulkuProfilu();
            return sklad.SeznamProfilu().empty() ? 0 : 1;
        });
        EXPECT_EQ(kody, (std::vector<int> {0, 0}));
        EXPECT_EQ(Pocty("Profily"), (std::map<std::string, int> {{"Default", 1}}));
        // Owner-only, like every table the program creates.
        EXPECT_EQ(fs::status(Soubor("Profily")).permissions() & fs::perms::all,
                  fs::perms::owner_read | fs::perms::owner_write);
        if (HasFailure())
            break;
    }
}

}  // namespace
