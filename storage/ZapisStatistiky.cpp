#include "storage/ZapisStatistiky.h"

#include "storage/Definice.h"
#include "storage/StavTabulky.h"

#include <SQLiteCpp/Exception.h>

#include <map>
#include <system_error>

#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

constexpr const char* kNazev = "Statistika";
constexpr const char* kJmenoSouboru = "Statistika.DB";
constexpr const char* kIndex = "zk_statistika_klic";

// An open connection to one Statistika file with its statement, valid while the file under the
// name is the one it opened and the process is the one that opened it.
struct Spojeni {
    pid_t proces = 0;
    dev_t zarizeni = 0;
    ino_t uzel = 0;
    std::unique_ptr<SQLite::Database> db;
    std::unique_ptr<SQLite::Statement> pripis;
    bool indexHotov = false;
};

std::map<fs::path, std::unique_ptr<Spojeni>>& Spojeni_()
{
    static std::map<fs::path, std::unique_ptr<Spojeni>> spojeni;
    return spojeni;
}

[[noreturn]] void Chyba(const std::string& co)
{
    throw ChybaTabulky(std::string("Tabulka „") + kJmenoSouboru + "“: " + co);
}

// Records sharing (Profil, Cislo) become one, then the key gets its unique index. Runs inside
// the write transaction, once per file.
void SlucAIndexuj(SQLite::Database& db)
{
    {
        SQLite::Statement je(db, std::string("SELECT count(*) FROM sqlite_master WHERE name = '") +
                                     kIndex + "'");
        je.executeStep();
        if (je.getColumn(0).getInt() != 0)
            return;
    }  // no statement may be pending while tables are dropped
    // The surviving record of a key is its latest answer (the latest time, then the latest
    // written); it takes the summed counts.
    db.exec(R"(
        CREATE TEMP TABLE zk_slouceni AS
        SELECT Profil, Cislo,
               (SELECT rowid FROM zaznamy AS z WHERE z.Profil IS d.Profil AND z.Cislo IS d.Cislo
                ORDER BY z.Posledni DESC, z.rowid DESC LIMIT 1) AS zustane,
               sum(Polozeno) AS polozeno, sum(Spravne) AS spravne, sum(Spatne) AS spatne,
               sum(Napoveda) AS napoveda
        FROM zaznamy AS d GROUP BY Profil, Cislo HAVING count(*) > 1;
        UPDATE zaznamy SET
            Polozeno = (SELECT polozeno FROM zk_slouceni WHERE zustane = zaznamy.rowid),
            Spravne = (SELECT spravne FROM zk_slouceni WHERE zustane = zaznamy.rowid),
            Spatne = (SELECT spatne FROM zk_slouceni WHERE zustane = zaznamy.rowid),
            Napoveda = (SELECT napoveda FROM zk_slouceni WHERE zustane = zaznamy.rowid)
        WHERE rowid IN (SELECT zustane FROM zk_slouceni);
        DELETE FROM zaznamy WHERE rowid IN (
            SELECT z.rowid FROM zaznamy AS z JOIN zk_slouceni AS s
            ON z.Profil IS s.Profil AND z.Cislo IS s.Cislo WHERE z.rowid <> s.zustane);
        DROP TABLE zk_slouceni;
    )");
    db.exec(std::string("CREATE UNIQUE INDEX ") + kIndex + " ON zaznamy (Profil, Cislo)");
}

Spojeni& Otevri(const fs::path& adresar)
{
    const fs::path soubor = adresar / kJmenoSouboru;
    auto& mapa = Spojeni_();
    auto& s = mapa[soubor];
    struct stat info {};
    if (s) {
        const bool platne = s->proces == ::getpid() && ::stat(soubor.c_str(), &info) == 0 &&
                            info.st_dev == s->zarizeni && info.st_ino == s->uzel;
        if (platne)
            return *s;
        if (s->proces != ::getpid()) {
            // A connection of the parent process must not be touched in a child, not even closed.
            s->pripis.release();
            s->db.release();
        }
        s.reset();
    }
    Tabulka tabulka;
    tabulka.Svaz(adresar, kNazev);
    if (!tabulka.Existuje()) {
        tabulka.Vytvor(DefiniceStatistika());
        std::error_code ec;
        fs::permissions(soubor, fs::perms::owner_read | fs::perms::owner_write,
                        fs::perm_options::replace, ec);
    }
    KontrolaPredOtevrenim(soubor, kJmenoSouboru);
    auto nove = std::make_unique<Spojeni>();
    try {
        nove->db = std::make_unique<SQLite::Database>(soubor.string(), SQLite::OPEN_READWRITE);
        NastavSpojeni(*nove->db);
        const auto definice = OverTabulku(*nove->db, "main", kJmenoSouboru);
        const auto ocekavane = DefiniceStatistika();
        bool shoda = definice.size() == ocekavane.size();
        for (std::size_t i = 0; shoda && i < definice.size(); ++i)
            shoda = definice[i].nazev == ocekavane[i].nazev && definice[i].typ == ocekavane[i].typ;
        if (!shoda)
            throw ChybaTabulky(std::string("Tabulku „") + kJmenoSouboru +
                               "“ nelze otevřít: pole neodpovídají tabulce statistiky");
        nove->db->exec("PRAGMA synchronous=FULL");
    } catch (const SQLite::Exception& e) {
        throw ChybaTabulky(std::string("Tabulku „") + kJmenoSouboru + "“ nelze otevřít: " +
                           PopisChyby(e));
    }
    if (::stat(soubor.c_str(), &info) != 0)
        Chyba("soubor zmizel");
    nove->proces = ::getpid();
    nove->zarizeni = info.st_dev;
    nove->uzel = info.st_ino;
    s = std::move(nove);
    return *s;
}

}  // namespace

void PripisStatistiku(const fs::path& adresar, const std::string& profil,
                      const std::vector<PrirustekStatistiky>& prirustky)
{
    if (prirustky.empty())
        return;
    Spojeni& s = Otevri(adresar);
    SQLite::Database& db = *s.db;
    bool zahajeno = false;
    try {
        db.exec("BEGIN IMMEDIATE");
        zahajeno = true;
        if (!s.indexHotov) {
            SlucAIndexuj(db);
            s.indexHotov = true;
        }
        if (!s.pripis)
            s.pripis = std::make_unique<SQLite::Statement>(db, R"(
                INSERT INTO zaznamy (Profil, Cislo, Polozeno, Spravne, Spatne, Napoveda,
                                     RadaSpravnych, Posledni, Naposledy)
                VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9)
                ON CONFLICT (Profil, Cislo) DO UPDATE SET
                    Polozeno = coalesce(Polozeno, 0) + excluded.Polozeno,
                    Spravne = coalesce(Spravne, 0) + excluded.Spravne,
                    Spatne = coalesce(Spatne, 0) + excluded.Spatne,
                    Napoveda = coalesce(Napoveda, 0) + excluded.Napoveda,
                    RadaSpravnych = CASE WHEN ?10 THEN coalesce(RadaSpravnych, 0) + excluded.RadaSpravnych
                                         ELSE excluded.RadaSpravnych END,
                    Posledni = excluded.Posledni,
                    Naposledy = excluded.Naposledy)");
        SQLite::Statement& p = *s.pripis;
        const std::string ulozenyProfil = OriznoutZnaky(profil, 30);
        for (const PrirustekStatistiky& z : prirustky) {
            p.reset();
            p.clearBindings();
            if (ulozenyProfil.empty())
                p.bind(1);
            else
                p.bind(1, ulozenyProfil);
            p.bind(2, z.cislo);
            p.bind(3, z.polozeno);
            p.bind(4, z.spravne);
            p.bind(5, z.spatne);
            p.bind(6, z.napoveda);
            p.bind(7, z.rada);
            DatumCas kdy = z.posledni;
            kdy.milisekunda = 0;
            p.bind(8, kdy.DatumCasIso());
            if (z.naposledy.empty())
                p.bind(9);
            else
                p.bind(9, z.naposledy);
            p.bind(10, z.radaPokracuje ? 1 : 0);
            p.exec();
        }
        p.reset();
        db.exec("COMMIT");
    } catch (...) {
        if (s.pripis)
            s.pripis->tryReset();
        if (zahajeno)
            db.tryExec("ROLLBACK");
        s.indexHotov = false;
        try {
            throw;
        } catch (const SQLite::Exception& e) {
            Chyba("záznamy nelze uložit: " + PopisChyby(e));
        }
    }
}

void ZavriSpojeniStatistiky()
{
    auto& mapa = Spojeni_();
    for (auto& [soubor, s] : mapa)
        if (s && s->proces != ::getpid()) {
            s->pripis.release();
            s->db.release();
        }
    mapa.clear();
}
