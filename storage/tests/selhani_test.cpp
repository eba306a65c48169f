#include "storage/Definice.h"
#include "storage/RezimLogu.h"
#include "storage/SpolecnaZmena.h"
#include "storage/Tabulka.h"
#include "storage/ZapisStatistiky.h"
#include "storage/tests/Pomocne.h"
#include "testsupport/KratkeCekani.h"
#include "testsupport/Najednou.h"

#include <SQLiteCpp/Database.h>
#include <gtest/gtest.h>

#include <map>

#include <algorithm>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

// Faults of the table layer met on a user's machine: a failed write, a damaged or hand-edited
// file, a foreign file, two programs at once.
class SelhaniTest : public AdresarTest {
protected:
    fs::path Soubor(const std::string& tabulka) const { return adresar_ / (tabulka + ".DB"); }

    // Another program's connection to the table file.
    void Sql(const std::string& tabulka, const std::string& sql) const
    {
        SQLite::Database db(Soubor(tabulka).string(), SQLite::OPEN_READWRITE);
        db.exec(sql);
    }

    void VytvorVysledky(const std::vector<int>& pocty) const
    {
        Tabulka t;
        t.Svaz(adresar_, "Vysledky");
        t.Vytvor(DefiniceVysledky());
        t.Otevri();
        t.ZacniDavku();
        for (int pocet : pocty) {
            t.Vloz();
            t.PoleJmenem("Profil").NastavText("Jana");
            t.PoleJmenem("PocetOtazek").NastavCele(pocet);
            t.Uloz();
        }
        t.DokonciDavku();
    }

    std::vector<int> Pocty() const
    {
        Tabulka t;
        t.Svaz(adresar_, "Vysledky");
        t.Otevri();
        std::vector<int> v;
        for (t.Prvni(); !t.Konec(); t.Dalsi())
            v.push_back(t.PoleJmenem("PocetOtazek").JakoCele());
        return v;
    }

    // Every file of the directory with its bytes.
    std::map<std::string, std::string> Soubory() const
    {
        std::map<std::string, std::string> obsah;
        for (const auto& polozka : fs::directory_iterator(adresar_))
            obsah[polozka.path().filename().string()] = ObsahSouboru(polozka.path());
        return obsah;
    }

    // Opening must fail with a message naming the file and every piece of `casti`, and leave
    // every file of the directory as it was.
    void OtevreniSelze(const std::string& tabulka, const std::vector<std::string>& casti) const
    {
        const auto pred = Soubory();
        Tabulka t;
        t.Svaz(adresar_, tabulka);
        const std::string zprava = Zprava([&] { t.Otevri(); });
        EXPECT_NE(zprava.find("Tabulku „" + tabulka + ".DB“ nelze otevřít: "), std::string::npos)
            << zprava;
        for (const std::string& cast : casti)
            EXPECT_NE(zprava.find(cast), std::string::npos) << zprava;
        EXPECT_FALSE(t.JeOtevrena());
        EXPECT_EQ(Soubory(), pred);
    }

    // The message of the ChybaTabulky that `akce` raises; empty (and a failure) when none.
    static std::string Zprava(const std::function<void()>& akce)
    {
        try {
            akce();
        } catch (const ChybaTabulky& e) {
            return e.what();
        }
        ADD_FAILURE() << "no error";
        return {};
    }
};

// A post refused by the engine (a full disk here, a lock below) is reported, and no later move,
// filter change, insert, batch end or close writes it.
TEST_F(SelhaniTest, NeulozenyZaznamNezapiseZadnaPozdejsiOperace)
{
    const std::string plno = "CREATE TRIGGER plno_v BEFORE INSERT ON zaznamy BEGIN "
                             "SELECT RAISE(ABORT, 'database or disk is full'); END;"
                             "CREATE TRIGGER plno_u BEFORE UPDATE ON zaznamy BEGIN "
                             "SELECT RAISE(ABORT, 'database or disk is full'); END;";
    const std::string volno = "DROP TRIGGER plno_v; DROP TRIGGER plno_u";
    struct Pripad {
        const char* popis;
        bool uprava;  // edit the first record instead of inserting one
        std::function<void(Tabulka&)> potom;
    };
    const std::vector<Pripad> pripady {
        {"next", false, [](Tabulka& t) { t.Dalsi(); }},
        {"first after an edit", true, [](Tabulka& t) { t.Prvni(); }},
        {"move", true, [](Tabulka& t) { t.Posun(1); }},
        {"filter text", false, [](Tabulka& t) { t.NastavFiltrText("Profil = 'Jana'"); }},
        {"filter on", true, [](Tabulka& t) { t.Filtrovat(true); }},
        {"filter callback", false,
         [](Tabulka& t) { t.NastavFiltrFunkci([](Tabulka&) { return true; }); }},
        {"another insert", false,
         [](Tabulka& t) {
             t.Vloz();
             t.Zrus();
         }},
        {"batch end", false, [](Tabulka& t) { t.DokonciDavku(); }},
        {"close", true, [](Tabulka& t) { t.Zavri(); }},
    };
    for (const Pripad& pripad : pripady) {
        SCOPED_TRACE(pripad.popis);
        fs::remove(Soubor("Vysledky"));
        VytvorVysledky({10, 20});
        Tabulka t;
        t.Svaz(adresar_, "Vysledky");
        t.Otevri();
        Sql("Vysledky", plno);
        if (pripad.uprava)
            t.Uprav();
        else
            t.Vloz();
        t.PoleJmenem("PocetOtazek").NastavCele(99);
        EXPECT_NE(Zprava([&] {
                      t.Uloz();
                  }).find("záznam nelze uložit: chyba databáze (SQLITE_CONSTRAINT)"),
                  std::string::npos);
        EXPECT_FALSE(t.Upravuje());
        EXPECT_EQ(t.PoleJmenem("PocetOtazek").JakoCele(), 10) << "the stored record shows again";
        Sql("Vysledky", volno);
        pripad.potom(t);
        t.Zavri();
        EXPECT_EQ(Pocty(), (std::vector<int> {10, 20}));
    }
}

TEST_F(SelhaniTest, ZamcenouTabulkuNelzeZapsatAniPozdeji)
{
    EXPECT_EQ(CekaniNaZamek(), std::chrono::seconds(2))
        << "the program waits two seconds for a lock";
    KratkeCekaniNaZamek kratke;
    VytvorVysledky({10});
    Tabulka t;
    t.Svaz(adresar_, "Vysledky");
    t.Otevri();
    {
        SQLite::Database zamek(Soubor("Vysledky").string(), SQLite::OPEN_READWRITE);
        zamek.exec("BEGIN IMMEDIATE");
        t.Vloz();
        t.PoleJmenem("PocetOtazek").NastavCele(99);
        EXPECT_NE(Zprava([&] { t.Uloz(); }).find("tabulku právě používá jiný program"),
                  std::string::npos);
        zamek.exec("COMMIT");
    }
    t.Dalsi();
    t.Filtrovat(true);
    t.Zavri();
    EXPECT_EQ(Pocty(), (std::vector<int> {10}));
}

// A field description that disagrees with the real columns is refused on open, naming the file
// and the field; before, a missing column read as its own name.
TEST_F(SelhaniTest, OtevreniOveriPopisPoliProtiSloupcum)
{
    struct Pripad {
        const char* tabulka;
        std::vector<DefinicePole> definice;
        std::string sql;
        std::vector<std::string> casti;
    };
    const std::vector<Pripad> pripady {
        {"Profily",
         DefiniceProfily(),
         "ALTER TABLE zaznamy DROP COLUMN Heslo",
         {"pole „Heslo“ v záznamech chybí"}},
        {"otazky",
         DefiniceOtazky(),
         "ALTER TABLE zaznamy RENAME COLUMN \"OTÁZKA\" TO OTAZKA",
         {"pole „OTÁZKA“ v záznamech chybí"}},
        {"Profily",
         DefiniceProfily(),
         "UPDATE zk_pole SET nazev = CASE nazev WHEN 'Kategorie' THEN 'Skupina' ELSE 'Kategorie' "
         "END WHERE nazev IN ('Kategorie', 'Skupina')",
         {"pole „Skupina“ je v záznamech na jiném místě"}},
        {"Vysledky",
         DefiniceVysledky(),
         "UPDATE zk_pole SET typ = 'Text', delka = 5 "
         "WHERE nazev = 'Spatne'",
         {"pole „Spatne“ má v záznamech typ „INTEGER“ místo TEXT"}},
        {"Protokoly",
         DefiniceProtokoly(),
         "ALTER TABLE zaznamy ADD COLUMN Navic TEXT",
         {"sloupec „Navic“ záznamů chybí v popisu polí"}},
        {"Profily",
         DefiniceProfily(),
         "UPDATE zk_pole SET delka = 'x' WHERE nazev = 'Heslo'",
         {"popis polí je poškozen"}},
    };
    for (const Pripad& pripad : pripady) {
        SCOPED_TRACE(pripad.sql);
        fs::remove_all(adresar_);
        fs::create_directory(adresar_);
        Tabulka t;
        t.Svaz(adresar_, pripad.tabulka);
        t.Vytvor(pripad.definice);
        t.Otevri();
        t.Vloz();
        t.PoleNaPozici(0).NastavText("1");
        t.Uloz();
        t.Zavri();
        Sql(pripad.tabulka, pripad.sql);
        OtevreniSelze(pripad.tabulka, pripad.casti);
    }
}

// A whole number outside 32 bits is refused with the table, the field and the record named,
// instead of being cut to its low 32 bits.
TEST_F(SelhaniTest, CisloMimo32BituJeChybaZaznamu)
{
    for (const char* hodnota : {"4294967303", "-2147483649", "9223372036854775807"}) {
        SCOPED_TRACE(hodnota);
        fs::remove(Soubor("Vysledky"));
        VytvorVysledky({10, 20, 30});
        Sql("Vysledky",
            std::string("UPDATE zaznamy SET PocetOtazek = ") + hodnota + " WHERE rowid = 2");
        Tabulka t;
        t.Svaz(adresar_, "Vysledky");
        t.Otevri();
        EXPECT_EQ(t.PoleJmenem("PocetOtazek").JakoCele(), 10);
        const std::string zprava = Zprava([&] { t.Dalsi(); });
        EXPECT_NE(zprava.find("Tabulka „Vysledky.DB“: hodnota " + std::string(hodnota)
                              + " pole „PocetOtazek“ záznamu č. 2 je mimo rozsah"),
                  std::string::npos)
            << zprava;
        // A filter callback is offered no cut value either.
        Tabulka f;
        f.Svaz(adresar_, "Vysledky");
        f.NastavFiltrFunkci([](Tabulka& x) { return x.PoleJmenem("PocetOtazek").JakoCele() > 0; });
        f.Filtrovat(true);
        EXPECT_NE(Zprava([&] { f.Otevri(); }).find("záznamu č. 2"), std::string::npos);
    }
    // The extremes of 32 bits are ordinary values.
    fs::remove(Soubor("Vysledky"));
    VytvorVysledky({2147483647, -2147483647 - 1});
    EXPECT_EQ(Pocty(), (std::vector<int> {2147483647, -2147483647 - 1}));
}

// Messages quote only the start of a bad value, however long it is.
TEST_F(SelhaniTest, ZpravaCitujeJenZacatekHodnoty)
{
    const std::string dlouha(10 * 1024 * 1024, '7');
    const std::string text = "x" + dlouha;
    VytvorVysledky({10});
    struct Pripad {
        const char* popis;
        std::function<void(Tabulka&)> akce;
    };
    const std::vector<Pripad> pripady {
        {"stored text in a number field",
         [&](Tabulka& t) {
             Sql("Vysledky", "UPDATE zaznamy SET PocetOtazek = 'x" + dlouha + "'");
             t.Otevri();
         }},
        {"text read as a number",
         [&](Tabulka& t) {
             t.Otevri();
             t.Uprav();
             t.PoleJmenem("TypTestu").NastavText(text.substr(0, 15));
             t.Uloz();
             t.PoleJmenem("TypTestu").JakoCele();
         }},
        {"text written to a number field",
         [&](Tabulka& t) {
             t.Otevri();
             t.Uprav();
             t.PoleJmenem("PocetOtazek").NastavText(text);
         }},
        {"filter text", [&](Tabulka& t) { t.NastavFiltrText("Profil = '" + dlouha); }},
        {"filter value",
         [&](Tabulka& t) {
             t.NastavFiltrText("Spatne = " + text);
             t.Filtrovat(true);
             t.Otevri();
         }},
    };
    for (const Pripad& pripad : pripady) {
        SCOPED_TRACE(pripad.popis);
        Tabulka t;
        t.Svaz(adresar_, "Vysledky");
        const std::string zprava = Zprava([&] { pripad.akce(t); });
        EXPECT_NE(zprava.find("Vysledky.DB"), std::string::npos) << zprava.substr(0, 300);
        EXPECT_NE(zprava.find("…"), std::string::npos) << zprava.substr(0, 300);
        EXPECT_LT(zprava.size(), 300u) << zprava.substr(0, 300);
    }
}

// A foreign database in WAL mode, with its log beside it or without: the open fails and every
// file stays byte for byte as it was, no companion file is added.
TEST_F(SelhaniTest, NeuspesneOtevreniWalDatabazeNicNezmeni)
{
    const fs::path jinde = adresar_ / "jinde";
    fs::create_directory(jinde);
    {
        SQLite::Database cizi((jinde / "x.db").string(),
                              SQLite::OPEN_READWRITE | SQLite::OPEN_CREATE);
        cizi.exec("PRAGMA journal_mode=WAL; PRAGMA wal_autocheckpoint=0;"
                  "CREATE TABLE zk_pole (pozice, nazev, typ, delka);"
                  "CREATE TABLE zaznamy (Profil TEXT); INSERT INTO zaznamy VALUES ('x')");
        // Copied while the log still holds the records, as a crash would leave it.
        fs::copy_file(jinde / "x.db", Soubor("Profily"));
        fs::copy_file(jinde / "x.db-wal", adresar_ / "Profily.DB-wal");
    }
    fs::remove_all(jinde);
    OtevreniSelze("Profily", {"Profily.DB-wal"});

    // A table of the program's shape switched to WAL by hand, its log checked in.
    fs::remove_all(adresar_);
    fs::create_directory(adresar_);
    VytvorVysledky({10});
    Sql("Vysledky", "PRAGMA journal_mode=WAL");
    OtevreniSelze("Vysledky", {"režimu WAL"});
}

// The answer tables keep a log of their own while the program writes: a crash image (the file and
// its log as a kill leaves them) opens with every answer, a log paired with another state of the
// file or with another session is refused with both left as found, and a closed writer leaves
// the table whole in the rollback journal. A change of several tables needs the log ended.
TEST_F(SelhaniTest, LogOdpovediPatriJenSvemuSouboru)
{
    const auto zapis = [&](int cislo) {
        PrirustekStatistiky p;
        p.cislo = cislo;
        p.polozeno = p.spravne = p.rada = 1;
        p.naposledy = "S";
        PripisStatistiku(adresar_, "Eva", {p});
    };
    const fs::path soubor = Soubor("Statistika");
    const std::string log = soubor.string() + "-wal";
    const auto obraz = [&](const std::string& jmeno) {
        const fs::path cil = adresar_ / jmeno;
        fs::create_directory(cil);
        fs::copy_file(soubor, cil / "Statistika.DB");
        if (fs::exists(log))
            fs::copy_file(log, cil / "Statistika.DB-wal");
        return cil;
    };
    const auto rezimHlavicky = [](const fs::path& f) {
        const std::string b = ObsahSouboru(f);
        return b.size() < 20 ? -1 : int(b[18]) * 10 + int(b[19]);
    };

    zapis(1);
    ASSERT_TRUE(fs::exists(log));
    DokonciSynchronizaci();  // the log's sync in the background ends, and without a failure
    EXPECT_EQ(ChybaSynchronizace(), "");
    EXPECT_GT(fs::file_size(log), 4096u);  // the records are in the log, not yet in the file
    const fs::path prvni = obraz("prvni");
    ZavriSpojeniStatistiky();
    EXPECT_FALSE(fs::exists(log));
    EXPECT_EQ(rezimHlavicky(soubor), 11);  // back in the rollback journal
    const fs::path poZavreni = obraz("pozavreni");
    zapis(2);
    const fs::path druhy = obraz("druhy");

    struct Pripad {
        const char* popis;
        fs::path soubor, log;
        int zaznamu;  // -1: refused
    };
    const std::vector<Pripad> pripady {
        {"own crash image", prvni / "Statistika.DB", prvni / "Statistika.DB-wal", 1},
        {"own crash image of the second session", druhy / "Statistika.DB",
         druhy / "Statistika.DB-wal", 2},
        {"second session's log beside the file as the first session closed it",
         poZavreni / "Statistika.DB", druhy / "Statistika.DB-wal", -1},
        {"second session's log beside the first session's file", prvni / "Statistika.DB",
         druhy / "Statistika.DB-wal", -1},
        {"first session's log beside the second session's file", druhy / "Statistika.DB",
         prvni / "Statistika.DB-wal", -1},
    };
    for (const Pripad& p : pripady) {
        SCOPED_TRACE(p.popis);
        const fs::path dir = adresar_ / "zkouska";
        fs::remove_all(dir);
        fs::create_directory(dir);
        fs::copy_file(p.soubor, dir / "Statistika.DB");
        fs::copy_file(p.log, dir / "Statistika.DB-wal");
        const std::string predSoubor = ObsahSouboru(dir / "Statistika.DB");
        const std::string predLog = ObsahSouboru(dir / "Statistika.DB-wal");
        Tabulka t;
        t.Svaz(dir, "Statistika");
        if (p.zaznamu >= 0) {
            t.Otevri();
            EXPECT_EQ(t.PocetZaznamu(), p.zaznamu);
            continue;
        }
        try {
            t.Otevri();
            ADD_FAILURE() << "opened";
        } catch (const ChybaTabulky& e) {
            EXPECT_NE(std::string(e.what()).find("Statistika.DB-wal"), std::string::npos)
                << e.what();
        }
        EXPECT_EQ(ObsahSouboru(dir / "Statistika.DB"), predSoubor);
        EXPECT_EQ(ObsahSouboru(dir / "Statistika.DB-wal"), predLog);
    }

    // A program that writes answers and ends leaves its table whole, with no log beside it.
    {
        const fs::path jiny = adresar_ / "konec";
        fs::create_directory(jiny);
        const pid_t dite = fork();
        ASSERT_GE(dite, 0);
        if (dite == 0) {
            PrirustekStatistiky p;
            p.cislo = 7;
            p.polozeno = p.spatne = 1;
            p.naposledy = "C";
            PripisStatistiku(jiny, "Eva", {p});
            std::exit(fs::exists(jiny / "Statistika.DB-wal") ? 0 : 2);  // ends as a program does
        }
        int stav = 0;
        waitpid(dite, &stav, 0);
        ASSERT_TRUE(WIFEXITED(stav));
        EXPECT_EQ(WEXITSTATUS(stav), 0);  // the log was in use while it wrote
        EXPECT_FALSE(fs::exists(jiny / "Statistika.DB-wal"));
        EXPECT_EQ(rezimHlavicky(jiny / "Statistika.DB"), 11);
        Tabulka t;
        t.Svaz(jiny, "Statistika");
        t.Otevri();
        EXPECT_EQ(t.PocetZaznamu(), 1);
    }

    // Another program's connection keeps the log in use: a change across tables is refused
    // before it writes; once it is closed the change goes through the rollback journal.
    {
        SQLite::Database jiny(soubor.string(), SQLite::OPEN_READONLY);
        jiny.execAndGet("SELECT count(*) FROM zaznamy");
        try {
            SpolecnaZmena zmena(adresar_, {"Statistika"});
            ADD_FAILURE() << "the change began";
        } catch (const ChybaTabulky& e) {
            EXPECT_NE(std::string(e.what()).find("jiný program"), std::string::npos) << e.what();
        }
    }
    SpolecnaZmena zmena(adresar_, {"Statistika"});
    EXPECT_EQ(zmena.Smaz("Statistika", "Profil", "Eva"), 2);
    zmena.Potvrd();
    EXPECT_FALSE(fs::exists(log));
    EXPECT_EQ(rezimHlavicky(soubor), 11);
}

// Reading an intact table writes nothing, so a read-only disk and a full disk give every
// committed record. The reader runs as a child process under those limits.
TEST_F(SelhaniTest, CteniNaDiskuJenProCteniANaPlnemDisku)
{
    VytvorVysledky({10, 20, 30});
    const auto cti = [&](bool jenProCteni) {
        const pid_t pid = fork();
        if (pid == 0) {
            if (jenProCteni && geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0))
                _exit(3);
            // A file may not grow by a single byte: a full disk.
            const rlimit nic {0, 0};
            signal(SIGXFSZ, SIG_IGN);
            if (!jenProCteni && setrlimit(RLIMIT_FSIZE, &nic) != 0)
                _exit(3);
            try {
                _exit(Pocty() == std::vector<int> {10, 20, 30} ? 0 : 1);
            } catch (...) {
                _exit(2);
            }
        }
        int stav = 0;
        waitpid(pid, &stav, 0);
        return WIFEXITED(stav) ? WEXITSTATUS(stav) : -1;
    };
    const auto pred = Soubory();
    EXPECT_EQ(cti(false), 0) << "full disk";

    // Read-only: nobody may create a file in the directory (for root: run as nobody).
    if (geteuid() == 0) {
        fs::permissions(adresar_,
                        fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec
                            | fs::perms::others_read | fs::perms::others_exec);
        fs::permissions(Soubor("Vysledky"),
                        fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read
                            | fs::perms::others_read);
    } else {
        fs::permissions(adresar_, fs::perms::owner_read | fs::perms::owner_exec);
    }
    EXPECT_EQ(cti(true), 0) << "read-only disk";
    fs::permissions(adresar_, fs::perms::owner_all);
    EXPECT_EQ(Soubory(), pred);
}

// Two programs creating the same table at the same moment: both go on with one whole table,
// neither removes the other's.
TEST_F(SelhaniTest, DvaSoucasneVytvorenePouzijiJednuTabulku)
{
    for (int kolo = 0; kolo < 30; ++kolo) {
        SCOPED_TRACE(kolo);
        fs::remove(Soubor("Vysledky"));
        const auto kody = SpustNajednou(2, [&](int i) {
            Tabulka t;
            t.Svaz(adresar_, "Vysledky");
            if (!t.Existuje())
                t.Vytvor(DefiniceVysledky());
            t.Otevri();
            t.Vloz();
            t.PoleJmenem("PocetOtazek").NastavCele(i);
            t.Uloz();
            return 0;
        });
        EXPECT_EQ(kody, (std::vector<int> {0, 0}));
        auto pocty = Pocty();
        std::sort(pocty.begin(), pocty.end());
        ASSERT_EQ(pocty, (std::vector<int> {0, 1}));
        EXPECT_EQ(std::distance(fs::directory_iterator(adresar_), fs::directory_iterator()), 1)
            << "no half-made file is left";
    }
}

// The tables hold password hashes and a learner's results: only their owner may read them.
TEST_F(SelhaniTest, TabulkyMajiPravaJenProVlastnika)
{
    const mode_t puvodni = umask(022);
    for (const auto& [nazev, definice] :
         {std::pair {"Profily", DefiniceProfily()}, std::pair {"Vysledky", DefiniceVysledky()},
          std::pair {"Protokoly", DefiniceProtokoly()}}) {
        SCOPED_TRACE(nazev);
        Tabulka t;
        t.Svaz(adresar_, nazev);
        ASSERT_TRUE(t.Vytvor(definice));
        EXPECT_EQ(fs::status(t.Soubor()).permissions() & fs::perms::all,
                  fs::perms::owner_read | fs::perms::owner_write);
    }
    umask(puvodni);
}

}  // namespace
