#include "storage/StavTabulky.h"

#include "storage/RezimLogu.h"

#include <SQLiteCpp/Exception.h>
#include <SQLiteCpp/Transaction.h>
#include <sqlite3.h>

#include "base/DocasneSoubory.h"

#include <array>
#include <atomic>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <system_error>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

const char* NazevTypu(TypPole typ)
{
    switch (typ) {
    case TypPole::Text:
        return "Text";
    case TypPole::Cele:
        return "Cele";
    case TypPole::Datum:
        return "Datum";
    case TypPole::Cas:
        return "Cas";
    case TypPole::DatumACas:
        return "DatumACas";
    case TypPole::Memo:
        return "Memo";
    }
    return "";
}

std::optional<TypPole> TypZNazvu(const std::string& nazev)
{
    for (TypPole t : {TypPole::Text, TypPole::Cele, TypPole::Datum, TypPole::Cas,
                      TypPole::DatumACas, TypPole::Memo})
        if (nazev == NazevTypu(t))
            return t;
    return std::nullopt;
}

const char* TypSloupce(TypPole typ) { return typ == TypPole::Cele ? "INTEGER" : "TEXT"; }

ChybaTabulky ChybaOtevreni(const std::string& jmenoSouboru, const std::string& co)
{
    return ChybaTabulky("Tabulku „" + jmenoSouboru + "“ nelze otevřít: " + co);
}

const char* NazevKodu(int kod)
{
    static constexpr std::array<const char*, 29> kNazvy {
        "SQLITE_OK",       "SQLITE_ERROR",     "SQLITE_INTERNAL", "SQLITE_PERM",
        "SQLITE_ABORT",    "SQLITE_BUSY",      "SQLITE_LOCKED",   "SQLITE_NOMEM",
        "SQLITE_READONLY", "SQLITE_INTERRUPT", "SQLITE_IOERR",    "SQLITE_CORRUPT",
        "SQLITE_NOTFOUND", "SQLITE_FULL",      "SQLITE_CANTOPEN", "SQLITE_PROTOCOL",
        "SQLITE_EMPTY",    "SQLITE_SCHEMA",    "SQLITE_TOOBIG",   "SQLITE_CONSTRAINT",
        "SQLITE_MISMATCH", "SQLITE_MISUSE",    "SQLITE_NOLFS",    "SQLITE_AUTH",
        "SQLITE_FORMAT",   "SQLITE_RANGE",     "SQLITE_NOTADB",   "SQLITE_NOTICE",
        "SQLITE_WARNING"};
    return kod >= 0 && kod < static_cast<int>(kNazvy.size()) ? kNazvy[static_cast<std::size_t>(kod)]
                                                             : nullptr;
}

// The first 100 bytes of a database file and its length, read through the engine's own file
// handle of connection `db` (a descriptor of our own, once closed, would drop the engine's locks).
struct Hlavicka {
    std::int64_t delka = 0;
    std::array<unsigned char, 100> bajty {};
    bool cela = false;  // the file holds a whole header

    std::uint32_t Cislo(int kde) const
    {
        return (std::uint32_t {bajty[kde]} << 24) | (std::uint32_t {bajty[kde + 1]} << 16)
            | (std::uint32_t {bajty[kde + 2]} << 8) | std::uint32_t {bajty[kde + 3]};
    }
    std::int64_t VelikostStranky() const
    {
        const std::int64_t v = (std::int64_t {bajty[16]} << 8) | bajty[17];
        return v == 1 ? 65536 : v;
    }
    std::uint32_t Citac() const { return Cislo(24); }
    // The page count the header states, when it is valid (written by the same commit).
    std::optional<std::uint32_t> PocetStranek() const
    {
        if (Cislo(28) == 0 || Cislo(92) != Citac())
            return std::nullopt;
        return Cislo(28);
    }
};

Hlavicka CtiHlavicku(SQLite::Database& db)
{
    Hlavicka h;
    sqlite3_file* soubor = nullptr;
    if (sqlite3_file_control(db.getHandle(), "main", SQLITE_FCNTL_FILE_POINTER, &soubor)
            != SQLITE_OK
        || soubor == nullptr || soubor->pMethods == nullptr)
        return h;
    sqlite3_int64 delka = 0;
    if (soubor->pMethods->xFileSize(soubor, &delka) != SQLITE_OK)
        return h;
    h.delka = delka;
    h.cela = delka >= 100 && soubor->pMethods->xRead(soubor, h.bajty.data(), 100, 0) == SQLITE_OK;
    return h;
}

// A table cut short reads as whole to the engine when the cut falls inside the last page.
void KontrolaDelky(const Hlavicka& h, const std::string& jmenoSouboru)
{
    if (h.delka == 0 || !h.cela)
        return;  // an empty file; a shorter one is not a database at all
    const std::int64_t stranka = h.VelikostStranky();
    if (stranka < 512 || stranka > 65536 || (stranka & (stranka - 1)) != 0)
        return;  // the engine refuses such a header itself
    if (h.delka % stranka != 0)
        throw ChybaOtevreni(jmenoSouboru,
                            "soubor je zkrácen nebo poškozen (jeho délka " + std::to_string(h.delka)
                                + " B není násobkem velikosti stránky " + std::to_string(stranka)
                                + " B)");
    if (const auto pocet = h.PocetStranek(); pocet && h.delka < *pocet * stranka)
        throw ChybaOtevreni(jmenoSouboru,
                            "soubor je zkrácen (má " + std::to_string(h.delka)
                                + " B, podle hlavičky má mít " + std::to_string(*pocet * stranka)
                                + " B)");
}

std::string CelySoubor(const fs::path& soubor)
{
    std::ifstream vstup(soubor, std::ios::binary);
    std::string obsah {std::istreambuf_iterator<char>(vstup), std::istreambuf_iterator<char>()};
    if (vstup.bad())
        throw std::system_error(EIO, std::generic_category());
    return obsah;
}

// A journal of an unfinished write lies beside the table. It is rolled back on a copy first; the
// real file is rolled back (by the engine, on the next open) only when the copy comes out as an
// intact table of ours whose header continues the file's own (the journal belongs to this file,
// not to another one restored over it). Otherwise both files stay exactly as they are.
void OverDenik(const fs::path& soubor, const std::string& jmenoSouboru)
{
    const std::string denik = jmenoSouboru + "-journal";
    const auto odmitni = [&](const std::string& proc) {
        return ChybaOtevreni(jmenoSouboru,
                             "vedle souboru leží deník nedokončeného zápisu „" + denik
                                 + "“, který k němu nepatří nebo je poškozen (" + proc
                                 + "); oba soubory zůstaly beze změny");
    };
    std::string kopie;
    const fs::path adresar = soubor.parent_path();
    const std::string nazev = soubor.stem().string();
    const int fd = VytvorDocasny(adresar, "." + nazev + "-", ".DB", kopie);
    if (fd < 0)
        throw ChybaOtevreni(jmenoSouboru,
                            std::string("kopii pro kontrolu deníku „") + denik
                                + "“ nelze vytvořit: " + std::strerror(errno));
    const auto uklid = [&] {
        std::error_code ignoruj;
        fs::remove(kopie + "-journal", ignoruj);
        fs::remove(kopie, ignoruj);
        ::close(fd);
    };
    try {
        const std::string obsah = CelySoubor(soubor);
        if (!ZapisCely(fd, obsah))
            throw std::system_error(errno, std::generic_category());
        const std::string zurnal = CelySoubor(soubor.string() + "-journal");
        {
            std::ofstream vystup(kopie + "-journal", std::ios::binary);
            vystup.write(zurnal.data(), static_cast<std::streamsize>(zurnal.size()));
            if (!vystup.flush())
                throw std::system_error(EIO, std::generic_category());
        }
        Hlavicka pred;
        pred.delka = static_cast<std::int64_t>(obsah.size());
        pred.cela = obsah.size() >= 100;
        if (pred.cela)
            std::memcpy(pred.bajty.data(), obsah.data(), 100);

        SQLite::Database db(kopie, SQLite::OPEN_READWRITE);
        NastavSpojeni(db);
        OverTabulku(db, "main", jmenoSouboru);  // the first read rolls the journal back
        SQLite::Statement kontrola(db, "PRAGMA integrity_check");
        if (!kontrola.executeStep() || kontrola.getColumn(0).getString() != "ok")
            throw odmitni("po vrácení zápisu není tabulka celá");
        kontrola.reset();
        const Hlavicka po = CtiHlavicku(db);
        KontrolaDelky(po, jmenoSouboru);
        // Every write transaction raises the header's change counter by one when it commits,
        // so the file shows the journal's counter, or one more when the crash came after page
        // one was written. An unwritten page one must also state the size the journal restores.
        if (pred.cela && po.cela) {
            const bool stejny = pred.Citac() == po.Citac();
            const auto pocet = pred.PocetStranek();
            const bool svuj = pred.Citac() == po.Citac() + 1
                || (stejny && (!pocet || std::int64_t {*pocet} * po.VelikostStranky() == po.delka));
            if (!svuj)
                throw odmitni("patří k jinému stavu souboru");
        }
    } catch (const ChybaTabulky& e) {
        uklid();
        const std::string zprava = e.what();
        if (zprava.find(denik) != std::string::npos)
            throw;
        throw odmitni(zprava.substr(zprava.find(": ") + 2));
    } catch (const SQLite::Exception& e) {
        uklid();
        throw odmitni(PopisChyby(e));
    } catch (const std::system_error& e) {
        uklid();
        throw ChybaOtevreni(jmenoSouboru,
                            "deník nedokončeného zápisu „" + denik
                                + "“ nelze zkontrolovat: " + std::strerror(e.code().value()));
    }
    uklid();
}

// Makes a new file reach the disk together with its name.
void SynchronizujAdresar(const fs::path& adresar)
{
    const int fd = ::open(adresar.empty() ? "." : adresar.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

}  // namespace

std::string PopisChyby(const std::exception& chyba)
{
    const auto* e = dynamic_cast<const SQLite::Exception*>(&chyba);
    if (e == nullptr)
        return chyba.what();
    const int kod = e->getErrorCode() & 0xff;
    switch (kod) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return "tabulku právě používá jiný program, zkuste to prosím znovu";
    case SQLITE_READONLY:
        return "do souboru nelze zapisovat, je jen pro čtení";
    case SQLITE_FULL:
        return "na disku není dost místa";
    case SQLITE_IOERR:
        return "chyba čtení nebo zápisu na disku";
    case SQLITE_NOTADB:
        return "soubor není databází";
    case SQLITE_CORRUPT:
        return "soubor je poškozen";
    case SQLITE_CANTOPEN:
        return "soubor nelze otevřít";
    default:
        break;
    }
    if (e->getErrorCode() < 0 || NazevKodu(kod) == nullptr)
        return std::string("chyba databáze (") + e->what() + ")";
    return std::string("chyba databáze (") + NazevKodu(kod) + ")";
}

namespace {
std::atomic<int> cekaniNaZamekMs {2000};
}  // namespace

void NastavCekaniNaZamek(std::chrono::milliseconds cekani)
{
    cekaniNaZamekMs = static_cast<int>(cekani.count());
}

std::chrono::milliseconds CekaniNaZamek()
{
    return std::chrono::milliseconds(cekaniNaZamekMs.load());
}

void NastavSpojeni(SQLite::Database& db)
{
    // A double-quoted name that is not a column would otherwise read as a text literal.
    sqlite3_db_config(db.getHandle(), SQLITE_DBCONFIG_DQS_DML, 0, nullptr);
    sqlite3_db_config(db.getHandle(), SQLITE_DBCONFIG_DQS_DDL, 0, nullptr);
    db.setBusyTimeout(cekaniNaZamekMs.load());
    // A checkpoint would restart a table's write-ahead log, whose first frame shows whose it is;
    // the log is checked into the file when its last user closes it.
    sqlite3_wal_autocheckpoint(db.getHandle(), 0);
}

namespace {

// The checks of KontrolaPredOtevrenim that read no more than the file's first bytes.
void KontrolaSouboru(const fs::path& soubor, const std::string& jmenoSouboru)
{
    std::error_code ec;
    if (!fs::is_regular_file(soubor, ec))
        throw ChybaOtevreni(jmenoSouboru,
                            fs::exists(soubor, ec) ? "není to soubor" : "soubor neexistuje");
    // The engine would check a write-ahead log into the file (or delete the log) before anything
    // could be verified: only the log of the program's own session with this very file passes.
    if (fs::exists(soubor.string() + "-wal", ec) && !LogPatriTabulce(soubor))
        throw ChybaOtevreni(jmenoSouboru,
                            "vedle souboru leží cizí soubor „" + jmenoSouboru
                                + "-wal“, soubor není tabulkou programu");
    char hlavicka[20] = {};
    std::ifstream vstup(soubor, std::ios::binary);
    vstup.read(hlavicka, sizeof hlavicka);
    if (vstup.gcount() == sizeof hlavicka && std::memcmp(hlavicka, "SQLite format 3", 16) == 0
        && (hlavicka[18] == 2 || hlavicka[19] == 2) && !TabulkaSeZnackouLogu(soubor))
        throw ChybaOtevreni(jmenoSouboru, "soubor je v režimu WAL, není tabulkou programu");
}

// The length and a journal beside the file, through a read-only connection of its own.
void KontrolaSondou(const fs::path& soubor, const std::string& jmenoSouboru)
{
    // A read-only connection reads nothing into the file: the engine reports a journal that
    // would need rolling back instead of rolling it back.
    bool denik = false;
    try {
        SQLite::Database sonda(soubor.string(), SQLite::OPEN_READONLY);
        NastavSpojeni(sonda);
        sonda.exec("BEGIN");
        try {
            SQLite::Statement cteni(sonda, "SELECT count(*) FROM sqlite_master");
            cteni.executeStep();
        } catch (const SQLite::Exception& e) {
            if (e.getExtendedErrorCode() != SQLITE_READONLY_ROLLBACK)
                throw;
            denik = true;
        }
        // Within the read transaction no commit can be half-way through the file.
        if (!denik)
            KontrolaDelky(CtiHlavicku(sonda), jmenoSouboru);
        sonda.tryExec("ROLLBACK");
    } catch (const SQLite::Exception& e) {
        throw ChybaOtevreni(jmenoSouboru, PopisChyby(e));
    }
    if (denik)
        OverDenik(soubor, jmenoSouboru);
}

}  // namespace

void KontrolaPredOtevrenim(const fs::path& soubor, const std::string& jmenoSouboru)
{
    KontrolaSouboru(soubor, jmenoSouboru);
    KontrolaSondou(soubor, jmenoSouboru);
}

std::vector<DefinicePole> OverTabulku(SQLite::Database& db, const std::string& schema,
                                      const std::string& jmenoSouboru)
{
    const auto chyba = [&](const std::string& co) { return ChybaOtevreni(jmenoSouboru, co); };
    SQLite::Statement kontrola(db,
                               "SELECT count(*) FROM " + schema
                                   + ".sqlite_master WHERE type = 'table' AND name IN ('"
                                   + kTabulkaPoli + "', '" + kTabulkaZaznamu + "')");
    kontrola.executeStep();
    if (kontrola.getColumn(0).getInt() != 2)
        throw chyba("soubor není tabulkou programu");

    std::vector<DefinicePole> definice;
    SQLite::Statement dotaz(db,
                            "SELECT pozice, nazev, typ, delka FROM " + schema + "." + kTabulkaPoli
                                + " ORDER BY pozice");
    while (dotaz.executeStep()) {
        const auto typ = TypZNazvu(dotaz.getColumn(2).getString());
        if (dotaz.getColumn(0).getInt64() != static_cast<std::int64_t>(definice.size()) || !typ
            || dotaz.getColumn(1).getString().empty()
            || (*typ == TypPole::Text
                && !(dotaz.getColumn(3).isInteger() && dotaz.getColumn(3).getInt64() > 0
                     && dotaz.getColumn(3).getInt64() <= 1000000)))
            throw chyba("popis polí je poškozen");
        definice.push_back({dotaz.getColumn(1).getString(), *typ, dotaz.getColumn(3).getInt()});
    }
    if (definice.empty())
        throw chyba("popis polí je poškozen");

    // The description must match the columns the records really have: name, order and type.
    std::vector<std::pair<std::string, std::string>> sloupce;  // name, declared type
    SQLite::Statement info(db, "PRAGMA " + schema + ".table_info(" + kTabulkaZaznamu + ")");
    while (info.executeStep())
        sloupce.emplace_back(info.getColumn(1).getString(), info.getColumn(2).getString());
    const auto maSloupec = [&](const std::string& jmeno) {
        for (const auto& s : sloupce)
            if (s.first == jmeno)
                return true;
        return false;
    };
    for (std::size_t i = 0; i < definice.size() || i < sloupce.size(); ++i) {
        if (i >= definice.size())
            throw chyba("sloupec „" + UkazkaHodnoty(sloupce[i].first)
                        + "“ záznamů chybí v popisu polí");
        const DefinicePole& p = definice[i];
        const std::string pole = "pole „" + UkazkaHodnoty(p.nazev) + "“ ";
        if (!maSloupec(p.nazev))
            throw chyba(pole + "v záznamech chybí");
        if (i >= sloupce.size() || sloupce[i].first != p.nazev)
            throw chyba(pole + "je v záznamech na jiném místě než v popisu polí");
        if (sloupce[i].second != TypSloupce(p.typ))
            throw chyba(pole + "má v záznamech typ „" + UkazkaHodnoty(sloupce[i].second)
                        + "“ místo " + TypSloupce(p.typ));
    }
    return definice;
}

void UklidDocasneTabulky(const fs::path& adresar)
{
    std::error_code ec;
    fs::directory_iterator it(adresar.empty() ? fs::path(".") : adresar, ec);
    for (; !ec && it != fs::directory_iterator(); it.increment(ec)) {
        const std::string jmeno = it->path().filename().string();
        // .<name>-XXXXXX.DB
        const std::size_t pomlcka = jmeno.size() >= 11 ? jmeno.size() - 10 : 0;
        if (pomlcka < 2 || jmeno[0] != '.' || jmeno[pomlcka] != '-'
            || !JeDocasnyNazev(jmeno.substr(pomlcka), "-", ".DB"))
            continue;
        OdstranOpusteny(adresar / jmeno);
    }
}

bool Tabulka::Existuje() const
{
    std::error_code chyba;
    return fs::exists(Soubor(), chyba);
}

bool Tabulka::Vytvor(const std::vector<DefinicePole>& pole, const NaplneniFunkce& naplnit)
{
    auto& s = *s_;
    if (s.nazev.empty())
        throw ChybaTabulky("Tabulka nemá jméno");
    if (pole.empty())
        s.Chyba("tabulka musí mít aspoň jedno pole");
    for (std::size_t i = 0; i < pole.size(); ++i) {
        if (pole[i].nazev.empty())
            s.Chyba("pole bez jména");
        if (pole[i].typ == TypPole::Text && pole[i].delka <= 0)
            s.Chyba("textové pole „" + pole[i].nazev + "“ musí mít kladnou délku");
        for (std::size_t j = 0; j < i; ++j)
            if (StejneJmeno(pole[i].nazev, pole[j].nazev))
                s.Chyba("pole „" + pole[i].nazev + "“ je uvedeno dvakrát");
    }
    Zavri();
    if (Existuje())
        return false;

    // The table is built whole under a name of its own and linked into place only when complete,
    // so a second program creating it at the same moment finds either nothing or a whole table.
    // mkstemps makes the file readable and writable by its owner only; the engine gives its
    // journals the same permissions.
    // The file stays locked (flock) while it is made, so that a start-up clean-up of files left
    // by a killed program passes it by.
    std::string docasny;
    const int fd = VytvorDocasny(s.adresar, "." + s.nazev + "-", ".DB", docasny);
    if (fd < 0)
        s.Chyba(std::string("tabulku nelze vytvořit: ") + std::strerror(errno));
    const auto uklid = [&] {
        std::error_code ignoruj;
        fs::remove(docasny, ignoruj);
        fs::remove(docasny + "-journal", ignoruj);
        ::close(fd);
    };
    try {
        {
            SQLite::Database db(docasny, SQLite::OPEN_READWRITE);
            NastavSpojeni(db);
            db.exec("PRAGMA synchronous=FULL");
            SQLite::Transaction transakce(db);
            db.exec(std::string("CREATE TABLE ") + kTabulkaPoli
                    + " (pozice INTEGER PRIMARY KEY, nazev TEXT NOT NULL, typ TEXT NOT NULL,"
                      " delka INTEGER NOT NULL)");
            SQLite::Statement vlozPole(
                db, std::string("INSERT INTO ") + kTabulkaPoli + " VALUES (?, ?, ?, ?)");
            std::string sloupce;
            for (std::size_t i = 0; i < pole.size(); ++i) {
                const auto& p = pole[i];
                const int delka = p.typ == TypPole::Text ? p.delka : 0;
                vlozPole.bind(1, static_cast<int>(i));
                vlozPole.bind(2, p.nazev);
                vlozPole.bind(3, NazevTypu(p.typ));
                vlozPole.bind(4, delka);
                vlozPole.exec();
                vlozPole.reset();
                if (!sloupce.empty())
                    sloupce += ", ";
                sloupce += Uvozovky(p.nazev) + " " + TypSloupce(p.typ);
            }
            db.exec(std::string("CREATE TABLE ") + kTabulkaZaznamu + " (" + sloupce + ")");
            for (std::size_t i = 0; i < pole.size(); ++i)
                if (pole[i].indexovane)
                    db.exec("CREATE INDEX zk_podle_" + std::to_string(i) + " ON " + kTabulkaZaznamu
                            + " (" + Uvozovky(pole[i].nazev) + ")");
            transakce.commit();
        }
        if (naplnit) {
            Tabulka nova;
            nova.Svaz(s.adresar, fs::path(docasny).stem().string());
            nova.Otevri();
            nova.ZacniDavku();
            naplnit(nova);
            nova.DokonciDavku();
        }
    } catch (const SQLite::Exception& e) {
        uklid();
        s.Chyba(std::string("tabulku nelze vytvořit: ") + PopisChyby(e));
    } catch (...) {
        uklid();
        throw;
    }
    const int vysledek = ::link(docasny.c_str(), Soubor().c_str());
    const int chyba = errno;
    uklid();
    if (vysledek != 0 && chyba == EEXIST)
        return false;  // made meanwhile by another program: that one is used
    if (vysledek != 0)
        s.Chyba(std::string("tabulku nelze vytvořit: ") + std::strerror(chyba));
    SynchronizujAdresar(s.adresar);
    return true;
}

void Tabulka::OtevriNeboVytvor(const std::vector<DefinicePole>& pole)
{
    Vytvor(pole);  // false, changing nothing, when the table is there
    Otevri();
}

void Tabulka::Otevri()
{
    Zavri();
    auto& s = *s_;
    if (s.nazev.empty())
        throw ChybaTabulky("Tabulka nemá jméno");
    const fs::path soubor = Soubor();
    const std::string jmeno = s.JmenoSouboru();
    // With no journal beside the file nothing can wait to be rolled back, and the table's own
    // connection checks the length below; otherwise a connection of its own looks first.
    KontrolaSouboru(soubor, jmeno);
    std::error_code ec;
    const bool denik = fs::exists(soubor.string() + "-journal", ec) || ec;
    if (denik)
        KontrolaSondou(soubor, jmeno);
    try {
        // Without OPEN_CREATE a missing file is never created; a write-protected file opens
        // read-only. With the rollback journal reading writes nothing, so a read-only or full
        // disk still gives every committed record.
        s.db = std::make_unique<SQLite::Database>(soubor.string(), SQLite::OPEN_READWRITE);
        NastavSpojeni(*s.db);
        if (!denik) {
            // Within the read transaction no commit can be half-way through the file.
            s.db->exec("BEGIN");
            SQLite::Statement cteni(*s.db, "SELECT count(*) FROM sqlite_master");
            cteni.executeStep();
            KontrolaDelky(CtiHlavicku(*s.db), jmeno);
            cteni.reset();
        }
        s.definice = OverTabulku(*s.db, "main", jmeno);
        if (!denik)
            s.db->exec("COMMIT");
        s.jenCteni = sqlite3_db_readonly(s.db->getHandle(), "main") == 1;
        s.db->exec("PRAGMA synchronous=FULL");
        s.dotazRadek = std::make_unique<SQLite::Statement>(
            *s.db, "SELECT " + s.SeznamSloupcu() + " FROM " + kTabulkaZaznamu + " WHERE rowid = ?");
        s.PrepocitejSurove(*this);
    } catch (const SQLite::Exception& e) {
        Zavri();
        throw ChybaOtevreni(jmeno, PopisChyby(e));
    } catch (...) {
        Zavri();
        throw;
    }
}
