#include "storage/Definice.h"
#include "storage/SpolecnaZmena.h"
#include "storage/StavTabulky.h"
#include "storage/Tabulka.h"
#include "storage/tests/Pomocne.h"

#include <SQLiteCpp/Database.h>
#include <SQLiteCpp/Exception.h>
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <csignal>
#include <filesystem>
#include <map>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

// Only whole files are read: a table cut short or a journal that does not belong to the table
// is refused and left exactly as found; half-made tables of a killed program are cleaned up.
class CelistvostTest : public AdresarTest {
protected:
    // Every file of the directory with its bytes.
    std::map<std::string, std::string> Stav(const fs::path& adresar) const
    {
        std::map<std::string, std::string> v;
        for (const auto& p : fs::directory_iterator(adresar))
            if (p.is_regular_file())
                v[p.path().filename().string()] = ObsahSouboru(p.path());
        return v;
    }

    // A table of `definice` with `pocet` records, every text field filled.
    void Vytvor(const fs::path& adresar, const std::string& nazev,
                const std::vector<DefinicePole>& definice, int pocet) const
    {
        fs::create_directories(adresar);
        Tabulka t;
        t.Svaz(adresar, nazev);
        ASSERT_TRUE(t.Vytvor(definice));
        t.Otevri();
        for (int i = 0; i < pocet; ++i) {
            t.Vloz();
            for (const auto& p : definice)
                if (p.typ == TypPole::Text || p.typ == TypPole::Memo)
                    t.PoleJmenem(p.nazev).NastavText(nazev + " " + std::to_string(i)
                                                     + std::string(60, 'x'));
            t.Uloz();
        }
    }

    // Opening through a cursor and through a joint change both fail naming `jmena`, and
    // change nothing in the directory.
    void Odmitne(const fs::path& adresar, const std::string& nazev,
                 const std::vector<std::string>& jmena) const
    {
        const auto pred = Stav(adresar);
        const auto over = [&](const std::function<void()>& otevri) {
            try {
                otevri();
                ADD_FAILURE() << "a damaged table was opened";
            } catch (const ChybaTabulky& e) {
                const std::string zprava = e.what();
                EXPECT_NE(zprava.find("Tabulku „" + nazev + ".DB“ nelze otevřít: "),
                          std::string::npos)
                    << zprava;
                for (const auto& jmeno : jmena)
                    EXPECT_NE(zprava.find(jmeno), std::string::npos) << zprava;
            }
            EXPECT_EQ(Stav(adresar), pred) << "the files are left as found";
        };
        over([&] {
            Tabulka t;
            t.Svaz(adresar, nazev);
            t.Otevri();
        });
        over([&] { SpolecnaZmena zmena(adresar, {nazev}); });
    }

    int PocetZaznamu(const fs::path& adresar, const std::string& nazev) const
    {
        Tabulka t;
        t.Svaz(adresar, nazev);
        t.Otevri();
        return t.PocetZaznamu();
    }
};

TEST_F(CelistvostTest, TabulkaZkracenaOKusStrankySeOdmitne)
{
    Vytvor(adresar_, "Profily", DefiniceProfily(), 300);
    const std::string cela = ObsahSouboru(adresar_ / "Profily.DB");
    ASSERT_EQ(cela.size() % 4096, 0u);
    const struct {
        std::size_t odriznout;
        const char* zprava;
    } pripady[] = {
        {1, "soubor je zkrácen nebo poškozen (jeho délka"},
        {100, "není násobkem velikosti stránky 4096 B"},
        {4095, "soubor je zkrácen nebo poškozen"},
        {4096, "soubor je poškozen"},  // whole pages: the engine itself sees the header disagree
    };
    for (const auto& pripad : pripady) {
        SCOPED_TRACE(pripad.odriznout);
        ZapisSoubor(adresar_ / "Profily.DB", cela.substr(0, cela.size() - pripad.odriznout));
        Odmitne(adresar_, "Profily", {pripad.zprava});
    }
    ZapisSoubor(adresar_ / "Profily.DB", cela);
    EXPECT_EQ(PocetZaznamu(adresar_, "Profily"), 300);
}

// A journal left by a crash of another copy of the table (a learner restored the file from a
// backup) would be rolled into it. The table's own journal is still rolled back.
TEST_F(CelistvostTest, CiziDenikUKazdeTabulkySeOdmitneVlastniSeVrati)
{
    for (const auto& [nazev, definice] :
         {std::pair {"Profily", DefiniceProfily()}, std::pair {"Vysledky", DefiniceVysledky()},
          std::pair {"Protokoly", DefiniceProtokoly()},
          std::pair {"Statistika", DefiniceStatistika()}}) {
        SCOPED_TRACE(nazev);
        const fs::path nase = adresar_ / nazev / "nase";
        const fs::path cizi = adresar_ / nazev / "cizi";
        Vytvor(nase, nazev, definice, 40);
        Vytvor(cizi, nazev, definice, 3);
        const fs::path soubor = cizi / (std::string(nazev) + ".DB");
        // A program killed in the middle of a large write of the other copy: its journal is
        // on disk, some of its pages are in the file.
        const pid_t pid = fork();
        if (pid == 0) {
            SQLite::Database db(soubor.string(), SQLite::OPEN_READWRITE);
            db.exec("PRAGMA cache_size=2; BEGIN IMMEDIATE");
            const std::string pole = Uvozovky(definice.front().nazev);
            for (int i = 0; i < 200; ++i)
                db.exec("INSERT INTO zaznamy (" + pole + ") VALUES (hex(randomblob(600)))");
            db.exec("UPDATE zaznamy SET " + pole + " = hex(randomblob(600))");
            ::kill(::getpid(), SIGKILL);
        }
        int stav = 0;
        waitpid(pid, &stav, 0);
        ASSERT_TRUE(fs::exists(soubor.string() + "-journal"));
        ASSERT_NE(ObsahSouboru(soubor.string() + "-journal").substr(0, 8), std::string(8, '\0'))
            << "the journal is one the engine rolls back";
        fs::copy_file(soubor.string() + "-journal", nase / (std::string(nazev) + ".DB-journal"));

        Odmitne(nase, nazev, {std::string(nazev) + ".DB-journal", "k němu nepatří"});
        EXPECT_EQ(PocetZaznamu(cizi, nazev), 3) << "the own journal is rolled back";
        EXPECT_FALSE(fs::exists(soubor.string() + "-journal"));
        EXPECT_EQ(Stav(cizi).size(), 1u) << "the copy made for the check is gone";
    }
}

// A kill while a table is being created leaves its half-made file; the next start removes it,
// but not the file of a program creating a table right now.
TEST_F(CelistvostTest, PolovicniTabulkaZabitehoProgramuZmiziPriStartu)
{
    Vytvor(adresar_, "Profily", DefiniceProfily(), 2);
    const auto zacniVytvaret = [&](int signal[2]) {
        const pid_t pid = fork();
        if (pid == 0) {
            Tabulka t;
            t.Svaz(adresar_, "Vysledky");
            t.Vytvor(DefiniceVysledky(), [&](Tabulka& nova) {
                nova.Vloz();
                nova.PoleJmenem("Profil").NastavText("Jana");
                nova.Uloz();
                (void)!write(signal[1], "x", 1);
                ::pause();
            });
            _exit(0);
        }
        char z;
        EXPECT_EQ(read(signal[0], &z, 1), 1);
        return pid;
    };
    int signal[2];
    ASSERT_EQ(pipe(signal), 0);
    const pid_t zabity = zacniVytvaret(signal);
    ::kill(zabity, SIGKILL);
    waitpid(zabity, nullptr, 0);
    const auto poZabiti = Stav(adresar_);
    ASSERT_GE(poZabiti.size(), 2u) << "the killed program left its half-made table";
    const pid_t zivy = zacniVytvaret(signal);
    ZapisSoubor(adresar_ / ".Vysledky-Ab12Cd.DB.zaloha", "cizi");
    ZapisSoubor(adresar_ / "Vysledky-Ab12Cd.DB", "cizi");

    UklidDocasneTabulky(adresar_);
    auto zbyle = Stav(adresar_);
    for (const auto& [jmeno, obsah] : poZabiti)
        if (jmeno != "Profily.DB")
            EXPECT_EQ(zbyle.count(jmeno), 0u) << jmeno;
    EXPECT_EQ(zbyle.count("Profily.DB"), 1u);
    EXPECT_EQ(zbyle.count(".Vysledky-Ab12Cd.DB.zaloha"), 1u);
    EXPECT_EQ(zbyle.count("Vysledky-Ab12Cd.DB"), 1u);
    EXPECT_GE(zbyle.size(), 4u) << "the table being created stays";

    ::kill(zivy, SIGKILL);
    waitpid(zivy, nullptr, 0);
    UklidDocasneTabulky(adresar_);
    EXPECT_EQ(Stav(adresar_).size(), 3u) << "its half-made table (and journal) went too";
    EXPECT_EQ(PocetZaznamu(adresar_, "Profily"), 2);
}

// The engine's errors reach the learner in Czech; the rare ones by the code's name.
TEST_F(CelistvostTest, ChybyStrojeCesky)
{
    const std::vector<std::pair<int, std::string>> pripady {
        {SQLITE_BUSY, "tabulku právě používá jiný program, zkuste to prosím znovu"},
        {SQLITE_LOCKED, "tabulku právě používá jiný program, zkuste to prosím znovu"},
        {SQLITE_READONLY, "do souboru nelze zapisovat, je jen pro čtení"},
        {SQLITE_FULL, "na disku není dost místa"},
        {SQLITE_IOERR_WRITE, "chyba čtení nebo zápisu na disku"},
        {SQLITE_NOTADB, "soubor není databází"},
        {SQLITE_CORRUPT, "soubor je poškozen"},
        {SQLITE_CANTOPEN, "soubor nelze otevřít"},
        {SQLITE_CONSTRAINT_TRIGGER, "chyba databáze (SQLITE_CONSTRAINT)"},
        {SQLITE_TOOBIG, "chyba databáze (SQLITE_TOOBIG)"},
    };
    for (const auto& [kod, text] : pripady)
        EXPECT_EQ(PopisChyby(SQLite::Exception("attempt to write a readonly database", kod)), text);

    // As met: a table written by hand to be read-only.
    Vytvor(adresar_, "Vysledky", DefiniceVysledky(), 1);
    fs::permissions(adresar_ / "Vysledky.DB", fs::perms::owner_read);
    SQLite::Database db((adresar_ / "Vysledky.DB").string(), SQLite::OPEN_READONLY);
    try {
        db.exec("DELETE FROM zaznamy");
        ADD_FAILURE() << "wrote into a read-only file";
    } catch (const SQLite::Exception& e) {
        EXPECT_EQ(PopisChyby(e), "do souboru nelze zapisovat, je jen pro čtení");
    }
}

}  // namespace
