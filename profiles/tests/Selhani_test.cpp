#include "profiles/ProfilovySklad.h"

#include "storage/Definice.h"
#include "storage/Tabulka.h"

#include <SQLiteCpp/Database.h>
#include <gtest/gtest.h>

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

std::string Obsah(const fs::path& soubor)
{
    std::ifstream vstup(soubor, std::ios::binary);
    return {std::istreambuf_iterator<char>(vstup), std::istreambuf_iterator<char>()};
}

// The profile store when a write fails, a table is damaged or locked, the program is killed or
// started twice at once.
class SelhaniSkladu : public testing::Test {
protected:
    void SetUp() override
    {
        std::string vzor = (fs::temp_directory_path() / "zebrovka-selhani-XXXXXX").string();
        ASSERT_NE(mkdtemp(vzor.data()), nullptr);
        adresar_ = vzor;
    }
    void TearDown() override { fs::remove_all(adresar_); }

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
        for (const auto& [nazev, definice] : {std::pair{"Vysledky", DefiniceVysledky()},
                                              std::pair{"Protokoly", DefiniceProtokoly()}}) {
            Tabulka t;
            t.Svaz(adresar_, nazev);
            t.Vytvor(definice);
            t.Otevri();
            t.ZacniDavku();
            for (int i = 0; i < jany + jany / 2; ++i) {
                t.Vloz();
                t.PoleJmenem("Profil").NastavText(i % 3 == 2 ? "Eva" : "Jana");
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
            obsah[polozka.path().filename().string()] = Obsah(polozka.path());
        return obsah;
    }

    fs::path adresar_;
};

// A write refused by the engine (a full disk) is reported, and no later operation of the store
// writes it: not the next sign-in, not a second attempt, not a sign-out.
TEST_F(SelhaniSkladu, NeulozenaZmenaProfiluSeNezapisePozdeji)
{
    ProfilovySklad sklad(adresar_);
    sklad.ZalozitTabulkuProfilu();
    sklad.PridatProfil("Eva", "1111111", "C", "111", "11", "1", "");
    const auto plno = [&] {
        Sql("Profily", "CREATE TRIGGER plno_v BEFORE INSERT ON zaznamy BEGIN "
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
    EXPECT_EQ(sklad.SeznamProfilu(), std::vector<std::string>{"Eva"});
    sklad.PridatProfil("Petr", "1111111", "B", "111", "11", "1", "");
    EXPECT_EQ(sklad.SeznamProfilu(), (std::vector<std::string>{"Eva", "Petr"}));
    Nastaveni nactene;
    nactene.aktivniProfil = "Eva";
    ASSERT_TRUE(sklad.NacistProfil(nactene));
    EXPECT_EQ(nactene.skupina, "C");
    EXPECT_FALSE(sklad.MaHeslo("Eva"));
    EXPECT_TRUE(sklad.OverHeslo("Eva", ""));
}

// Two first starts at once: both go on with one table that holds the built-in profile once.
TEST_F(SelhaniSkladu, DvaPrvniStartyNajednouVytvoriJednuTabulku)
{
    for (int kolo = 0; kolo < 30; ++kolo) {
        SCOPED_TRACE(kolo);
        fs::remove_all(adresar_);
        fs::create_directory(adresar_);
        int start[2];
        ASSERT_EQ(pipe(start), 0);
        std::vector<pid_t> deti;
        for (int i = 0; i < 2; ++i) {
            const pid_t pid = fork();
            if (pid == 0) {
                close(start[1]);
                char z;
                if (read(start[0], &z, 1) != 0)
                    _exit(3);
                try {
                    ProfilovySklad sklad(adresar_);
                    sklad.ZalozitTabulkuProfilu();
                    _exit(sklad.SeznamProfilu().empty() ? 0 : 1);
                } catch (...) {
                    _exit(2);
                }
            }
            deti.push_back(pid);
        }
        close(start[0]);
        close(start[1]);
        for (pid_t pid : deti) {
            int stav = 0;
            waitpid(pid, &stav, 0);
            EXPECT_TRUE(WIFEXITED(stav) && WEXITSTATUS(stav) == 0) << stav;
        }
        EXPECT_EQ(Pocty("Profily"), (std::map<std::string, int>{{"Default", 1}}));
        // Owner-only, like every table the program creates.
        EXPECT_EQ(fs::status(Soubor("Profily")).permissions() & fs::perms::all,
                  fs::perms::owner_read | fs::perms::owner_write);
        if (HasFailure())
            break;
    }
}

}  // namespace
