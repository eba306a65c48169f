#include "storage/ZapisStatistiky.h"

#include "storage/Definice.h"
#include "storage/RezimLogu.h"
#include "storage/StavTabulky.h"

#include <SQLiteCpp/Exception.h>

#include <charconv>
#include <map>
#include <system_error>

#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

constexpr const char* kNazev = "Statistika";
constexpr const char* kJmenoSouboru = "Statistika.DB";
constexpr const char* kIndex = "zk_statistika_klic";

// The tables that PripisUceni writes beside Statistika, attached to its connection.
struct Priloha {
    const char* nazev;
    const char* schema;
    std::vector<DefinicePole> (*definice)();
};
const Priloha kPrilohy[] = {{"Odpovedi", "odp", DefiniceOdpovedi},
                            {"PametOtazek", "pam", DefinicePametOtazek}};

struct Soubor {
    fs::path cesta;
    dev_t zarizeni = 0;
    ino_t uzel = 0;
};

// An open connection to one Statistika file with its statement, valid while the file under the
// name is the one it opened and the process is the one that opened it.
struct Spojeni {
    pid_t proces = 0;
    dev_t zarizeni = 0;
    ino_t uzel = 0;
    std::unique_ptr<SQLite::Database> db;
    std::unique_ptr<SQLite::Statement> pripis;
    bool indexHotov = false;
    // Attached by PripisUceni: the files as opened, the log's insert, the memory's read and write.
    std::vector<Soubor> prilohy;
    bool pripojeno = false;
    std::vector<fs::path> logy;  // the logs of the files that run in one, synced after a commit
    std::unique_ptr<SQLite::Statement> zapisOdpovedi;
    std::unique_ptr<SQLite::Statement> ctiPamet;
    std::unique_ptr<SQLite::Statement> zapisPamet;
    std::unique_ptr<SQLite::Statement> ctiStatistiku;
    bool indexPametiHotov = false;

    Spojeni() = default;
    Spojeni(const Spojeni&) = delete;
    Spojeni& operator=(const Spojeni&) = delete;
    ~Spojeni()
    {
        if (proces != ::getpid()) {
            UvolniVDitku();  // the parent's connection, in a child that ends
            return;
        }
        if (!db)
            return;
        zapisOdpovedi.reset();
        ctiPamet.reset();
        zapisPamet.reset();
        ctiStatistiku.reset();
        pripis.reset();
        for (const Priloha& p : kPrilohy)
            if (pripojeno)
                UkonciLog(*db, p.schema);
        UkonciLog(*db, "main");
    }

    void UvolniVDitku()
    {
        // A connection of the parent process must not be touched in a child, not even closed.
        zapisOdpovedi.release();
        ctiPamet.release();
        zapisPamet.release();
        ctiStatistiku.release();
        pripis.release();
        db.release();
    }
};

bool StejnySoubor(const Soubor& s)
{
    struct stat info { };
    return ::stat(s.cesta.c_str(), &info) == 0 && info.st_dev == s.zarizeni
        && info.st_ino == s.uzel;
}

// Creates the table, owner-only, when it is missing.
void VytvorChybejici(const fs::path& adresar, const char* nazev,
                     const std::vector<DefinicePole>& definice)
{
    Tabulka tabulka;
    tabulka.Svaz(adresar, nazev);
    tabulka.Vytvor(definice);  // false when it is there
}

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
        SQLite::Statement je(
            db, std::string("SELECT count(*) FROM sqlite_master WHERE name = '") + kIndex + "'");
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
    struct stat info { };
    if (s) {
        bool platne = s->proces == ::getpid() && ::stat(soubor.c_str(), &info) == 0
            && info.st_dev == s->zarizeni && info.st_ino == s->uzel;
        for (const Soubor& p : s->prilohy)
            platne = platne && StejnySoubor(p);
        if (platne)
            return *s;
        if (s->proces != ::getpid())
            s->UvolniVDitku();
        s.reset();
    }
    VytvorChybejici(adresar, kNazev, DefiniceStatistika());
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
            throw ChybaTabulky(std::string("Tabulku „") + kJmenoSouboru
                               + "“ nelze otevřít: pole neodpovídají tabulce statistiky");
        nove->db->exec("PRAGMA synchronous=FULL");
        if (ZacniLog(*nove->db, "main"))
            nove->logy.push_back(soubor.string() + "-wal");
    } catch (const SQLite::Exception& e) {
        throw ChybaTabulky(std::string("Tabulku „") + kJmenoSouboru
                           + "“ nelze otevřít: " + PopisChyby(e));
    }
    if (::stat(soubor.c_str(), &info) != 0)
        Chyba("soubor zmizel");
    nove->proces = ::getpid();
    nove->zarizeni = info.st_dev;
    nove->uzel = info.st_ino;
    s = std::move(nove);
    return *s;
}

// Attaches the log and the memory table to the connection (once per connection).
void PripojPrilohy(Spojeni& s, const fs::path& adresar)
{
    if (!s.prilohy.empty())
        return;
    std::vector<Soubor> soubory;
    for (const Priloha& p : kPrilohy) {
        VytvorChybejici(adresar, p.nazev, p.definice());
        const std::string jmeno = std::string(p.nazev) + ".DB";
        const fs::path cesta = adresar / jmeno;
        KontrolaPredOtevrenim(cesta, jmeno);
        try {
            SQLite::Statement pripoj(*s.db, std::string("ATTACH DATABASE ? AS ") + p.schema);
            pripoj.bind(1, cesta.string());
            pripoj.exec();
        } catch (const SQLite::Exception& e) {
            throw ChybaTabulky("Tabulku „" + jmeno + "“ nelze otevřít: " + PopisChyby(e));
        }
        const auto definice = OverTabulku(*s.db, p.schema, jmeno);
        const auto ocekavane = p.definice();
        bool shoda = definice.size() == ocekavane.size();
        for (std::size_t i = 0; shoda && i < definice.size(); ++i)
            shoda = definice[i].nazev == ocekavane[i].nazev && definice[i].typ == ocekavane[i].typ;
        if (!shoda) {
            s.db->tryExec(std::string("DETACH DATABASE ") + p.schema);
            throw ChybaTabulky("Tabulku „" + jmeno + "“ nelze otevřít: pole neodpovídají");
        }
        s.db->exec(std::string("PRAGMA ") + p.schema + ".synchronous=FULL");
        struct stat info { };
        if (::stat(cesta.c_str(), &info) != 0)
            throw ChybaTabulky("Tabulka „" + jmeno + "“: soubor zmizel");
        soubory.push_back({cesta, info.st_dev, info.st_ino});
    }
    // The log sessions begin when every table is attached and checked: a failed open has
    // changed none of them.
    s.pripojeno = true;
    for (const Priloha& p : kPrilohy)
        if (ZacniLog(*s.db, p.schema))
            s.logy.push_back(adresar / (std::string(p.nazev) + ".DB-wal"));
    s.prilohy = std::move(soubory);
}

std::string TextCisla(double x)
{
    char buf[32];
    const auto [konec, ec] = std::to_chars(buf, buf + sizeof buf, x);
    return ec == std::errc() ? std::string(buf, konec) : std::string("0");
}

// The statements of PripisStatistiku, run inside its transaction.
void PripisPrirustky(Spojeni& s, const std::string& ulozenyProfil,
                     const std::vector<PrirustekStatistiky>& prirustky)
{
    SQLite::Database& db = *s.db;
    if (!s.indexHotov) {
        SlucAIndexuj(db);
        s.indexHotov = true;
    }
    if (!s.pripis)
        s.pripis = std::make_unique<SQLite::Statement>(db, R"(
            INSERT INTO main.zaznamy (Profil, Cislo, Polozeno, Spravne, Spatne, Napoveda,
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
}

void BindProfil(SQLite::Statement& p, int index, const std::string& profil)
{
    if (profil.empty())
        p.bind(index);
    else
        p.bind(index, profil);
}

// The Statistika records of the answered questions as they stand now (before the increments).
std::map<int, UlozenaStatistika> CtiPredchoziStatistiku(Spojeni& s,
                                                        const std::string& ulozenyProfil,
                                                        const std::vector<RadekOdpovedi>& odpovedi)
{
    std::map<int, UlozenaStatistika> predchozi;
    if (odpovedi.empty())
        return predchozi;
    // Records an earlier version let share a key are merged first, so each question reads as one.
    if (!s.indexHotov) {
        SlucAIndexuj(*s.db);
        s.indexHotov = true;
    }
    if (!s.ctiStatistiku)
        s.ctiStatistiku = std::make_unique<SQLite::Statement>(*s.db, R"(
            SELECT Polozeno, Spravne, Spatne, Napoveda, RadaSpravnych, Posledni, Naposledy
            FROM main.zaznamy WHERE Profil IS ?1 AND Cislo = ?2)");
    SQLite::Statement& c = *s.ctiStatistiku;
    for (const RadekOdpovedi& o : odpovedi) {
        if (predchozi.count(o.cislo))
            continue;
        c.reset();
        c.clearBindings();
        BindProfil(c, 1, ulozenyProfil);
        c.bind(2, o.cislo);
        if (c.executeStep()) {
            UlozenaStatistika u;
            u.polozeno = c.getColumn(0).getInt();
            u.spravne = c.getColumn(1).getInt();
            u.spatne = c.getColumn(2).getInt();
            u.napoveda = c.getColumn(3).getInt();
            u.rada = c.getColumn(4).getInt();
            try {
                if (!c.getColumn(5).isNull())
                    u.posledni = DatumCas::ZIso(c.getColumn(5).getString());
            } catch (const std::invalid_argument&) {
            }
            u.naposledy = c.getColumn(6).getString();
            predchozi[o.cislo] = u;
        }
        c.reset();
    }
    return predchozi;
}

void PripisOdpovedi(Spojeni& s, const std::string& ulozenyProfil,
                    const std::vector<RadekOdpovedi>& odpovedi, const PrepocetPameti& prepocet,
                    const std::map<int, UlozenaStatistika>& predchozi)
{
    SQLite::Database& db = *s.db;
    if (!s.indexPametiHotov) {
        db.exec("CREATE UNIQUE INDEX IF NOT EXISTS pam.zk_pamet_klic ON zaznamy (Profil, Cislo)");
        s.indexPametiHotov = true;
    }
    if (!s.zapisOdpovedi)
        s.zapisOdpovedi = std::make_unique<SQLite::Statement>(db, R"(
            INSERT INTO odp.zaznamy (Profil, Cislo, Kdy, Rezim, Zvolene, Vysledek, CasMs)
            VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7))");
    if (!s.ctiPamet)
        s.ctiPamet = std::make_unique<SQLite::Statement>(db, R"(
            SELECT Stabilita, Obtiznost, Posledni, Prvni FROM pam.zaznamy
            WHERE Profil IS ?1 AND Cislo = ?2)");
    if (!s.zapisPamet)
        s.zapisPamet = std::make_unique<SQLite::Statement>(db, R"(
            INSERT INTO pam.zaznamy (Profil, Cislo, Stabilita, Obtiznost, Posledni, Prvni)
            VALUES (?1, ?2, ?3, ?4, ?5, ?6)
            ON CONFLICT (Profil, Cislo) DO UPDATE SET
                Stabilita = excluded.Stabilita, Obtiznost = excluded.Obtiznost,
                Posledni = excluded.Posledni, Prvni = coalesce(Prvni, excluded.Prvni))");
    const auto datum = [](const SQLite::Column& c) {
        try {
            return c.isNull() ? DatumCas {} : DatumCas::ZIso(c.getString());
        } catch (const std::invalid_argument&) {
            return DatumCas {};
        }
    };
    for (RadekOdpovedi o : odpovedi) {
        o.kdy.milisekunda = 0;
        SQLite::Statement& z = *s.zapisOdpovedi;
        z.reset();
        z.clearBindings();
        BindProfil(z, 1, ulozenyProfil);
        z.bind(2, o.cislo);
        z.bind(3, o.kdy.DatumCasIso());
        z.bind(4, o.rezim);
        z.bind(5, o.zvolene);
        z.bind(6, o.vysledek);
        z.bind(7, o.casMs);
        z.exec();
        z.reset();

        SQLite::Statement& c = *s.ctiPamet;
        c.reset();
        c.clearBindings();
        BindProfil(c, 1, ulozenyProfil);
        c.bind(2, o.cislo);
        std::optional<UlozenaPamet> stara;
        if (c.executeStep()) {
            UlozenaPamet u;
            u.stabilita = CisloZTextu(c.getColumn(0).getString());
            u.obtiznost = CisloZTextu(c.getColumn(1).getString());
            u.posledni = datum(c.getColumn(2));
            u.prvni = datum(c.getColumn(3));
            stara = u;
        }
        c.reset();
        const auto ps = predchozi.find(o.cislo);
        UlozenaPamet nova = prepocet(
            o, stara,
            ps == predchozi.end() ? std::nullopt : std::optional<UlozenaStatistika>(ps->second));
        nova.posledni.milisekunda = 0;
        nova.prvni.milisekunda = 0;
        SQLite::Statement& w = *s.zapisPamet;
        w.reset();
        w.clearBindings();
        BindProfil(w, 1, ulozenyProfil);
        w.bind(2, o.cislo);
        w.bind(3, TextCisla(nova.stabilita));
        w.bind(4, TextCisla(nova.obtiznost));
        w.bind(5, nova.posledni.DatumCasIso());
        w.bind(6, nova.prvni.DatumCasIso());
        w.exec();
        w.reset();
    }
}

// Runs `zapis` in one write transaction of the connection; any failure rolls it all back and
// raises ChybaTabulky.
template <typename F> void VTransakci(Spojeni& s, F&& zapis)
{
    // A log that could not be put on the disk is reported by the next write.
    if (const std::string chyba = ChybaSynchronizace(); !chyba.empty())
        Chyba("zápis na disk selhal: " + chyba);
    SQLite::Database& db = *s.db;
    bool zahajeno = false;
    try {
        db.exec("BEGIN IMMEDIATE");
        zahajeno = true;
        zapis();
        db.exec("COMMIT");
        SynchronizujLogy(s.logy);
    } catch (...) {
        for (auto* p : {s.pripis.get(), s.zapisOdpovedi.get(), s.ctiPamet.get(), s.zapisPamet.get(),
                        s.ctiStatistiku.get()})
            if (p)
                p->tryReset();
        if (zahajeno)
            db.tryExec("ROLLBACK");
        s.indexHotov = false;
        s.indexPametiHotov = false;
        try {
            throw;
        } catch (const SQLite::Exception& e) {
            Chyba("záznamy nelze uložit: " + PopisChyby(e));
        }
    }
}

}  // namespace

double CisloZTextu(const std::string& text)
{
    double x = 0;
    const auto [konec, ec] = std::from_chars(text.data(), text.data() + text.size(), x);
    return ec == std::errc() && konec == text.data() + text.size() ? x : 0;
}

void PripisUceni(const fs::path& adresar, const std::string& profil,
                 const std::vector<PrirustekStatistiky>& prirustky,
                 const std::vector<RadekOdpovedi>& odpovedi, const PrepocetPameti& prepocet)
{
    if (prirustky.empty() && odpovedi.empty())
        return;
    Spojeni& s = Otevri(adresar);
    try {
        PripojPrilohy(s, adresar);
    } catch (...) {
        // The connection may hold some of the files; the next call starts afresh.
        auto& mapa = Spojeni_();
        mapa.erase(adresar / kJmenoSouboru);
        throw;
    }
    const std::string ulozenyProfil = OriznoutZnaky(profil, 30);
    VTransakci(s, [&] {
        const auto predchozi = CtiPredchoziStatistiku(s, ulozenyProfil, odpovedi);
        PripisPrirustky(s, ulozenyProfil, prirustky);
        PripisOdpovedi(s, ulozenyProfil, odpovedi, prepocet, predchozi);
    });
}

std::vector<RadekOdpovedi> CtiOdpovedi(const fs::path& adresar, const std::string& profil)
{
    std::vector<RadekOdpovedi> log;
    const std::string jmeno = "Odpovedi.DB";
    const fs::path soubor = adresar / jmeno;
    std::error_code ec;
    if (!fs::exists(soubor, ec))
        return log;
    KontrolaPredOtevrenim(soubor, jmeno);
    try {
        SQLite::Database db(soubor.string(), SQLite::OPEN_READWRITE);
        NastavSpojeni(db);
        const auto definice = OverTabulku(db, "main", jmeno);
        const auto ocekavane = DefiniceOdpovedi();
        bool shoda = definice.size() == ocekavane.size();
        for (std::size_t i = 0; shoda && i < definice.size(); ++i)
            shoda = definice[i].nazev == ocekavane[i].nazev && definice[i].typ == ocekavane[i].typ;
        if (!shoda)
            throw ChybaTabulky("Tabulku „" + jmeno + "“ nelze otevřít: pole neodpovídají");
        SQLite::Statement dotaz(db, R"(
            SELECT Cislo, Kdy, Rezim, Zvolene, Vysledek, CasMs FROM zaznamy
            WHERE Profil IS ?1 ORDER BY rowid)");
        BindProfil(dotaz, 1, OriznoutZnaky(profil, 30));
        while (dotaz.executeStep()) {
            RadekOdpovedi r;
            r.cislo = dotaz.getColumn(0).getInt();
            try {
                r.kdy = DatumCas::ZIso(dotaz.getColumn(1).getString());
            } catch (const std::invalid_argument&) {
                throw ChybaTabulky("Tabulka „" + jmeno + "“: záznam otázky "
                                   + std::to_string(r.cislo) + " nemá platné datum");
            }
            r.rezim = dotaz.getColumn(2).getString();
            r.zvolene = dotaz.getColumn(3).getString();
            r.vysledek = dotaz.getColumn(4).getString();
            r.casMs = dotaz.getColumn(5).getInt();
            log.push_back(std::move(r));
        }
    } catch (const SQLite::Exception& e) {
        throw ChybaTabulky("Tabulku „" + jmeno + "“ nelze přečíst: " + PopisChyby(e));
    }
    return log;
}

void PripisStatistiku(const fs::path& adresar, const std::string& profil,
                      const std::vector<PrirustekStatistiky>& prirustky)
{
    if (prirustky.empty())
        return;
    Spojeni& s = Otevri(adresar);
    const std::string ulozenyProfil = OriznoutZnaky(profil, 30);
    VTransakci(s, [&] { PripisPrirustky(s, ulozenyProfil, prirustky); });
}

void ZavriSpojeniStatistiky()
{
    auto& mapa = Spojeni_();
    for (auto& [soubor, s] : mapa)
        if (s && s->proces != ::getpid())
            s->UvolniVDitku();
    mapa.clear();
}

bool TabulkaOdpovedi(const std::string& nazev)
{
    if (nazev == kNazev)
        return true;
    for (const Priloha& p : kPrilohy)
        if (nazev == p.nazev)
            return true;
    return false;
}
