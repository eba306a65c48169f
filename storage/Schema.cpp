#include "storage/StavTabulky.h"

#include <SQLiteCpp/Exception.h>
#include <SQLiteCpp/Transaction.h>
#include <sqlite3.h>

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
    case TypPole::Text: return "Text";
    case TypPole::Cele: return "Cele";
    case TypPole::Datum: return "Datum";
    case TypPole::Cas: return "Cas";
    case TypPole::DatumACas: return "DatumACas";
    case TypPole::Memo: return "Memo";
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

void NastavSpojeni(SQLite::Database& db)
{
    // A double-quoted name that is not a column would otherwise read as a text literal.
    sqlite3_db_config(db.getHandle(), SQLITE_DBCONFIG_DQS_DML, 0, nullptr);
    sqlite3_db_config(db.getHandle(), SQLITE_DBCONFIG_DQS_DDL, 0, nullptr);
    db.setBusyTimeout(2000);
}

void KontrolaPredOtevrenim(const fs::path& soubor, const std::string& jmenoSouboru)
{
    std::error_code ec;
    if (!fs::is_regular_file(soubor, ec))
        throw ChybaOtevreni(jmenoSouboru,
                            fs::exists(soubor, ec) ? "není to soubor" : "soubor neexistuje");
    // The engine would check a write-ahead log into the file (or delete the log) before anything
    // could be verified; the program's tables never have one.
    if (fs::exists(soubor.string() + "-wal", ec))
        throw ChybaOtevreni(jmenoSouboru, "vedle souboru leží cizí soubor „" + jmenoSouboru +
                                              "-wal“, soubor není tabulkou programu");
    char hlavicka[20] = {};
    std::ifstream vstup(soubor, std::ios::binary);
    vstup.read(hlavicka, sizeof hlavicka);
    if (vstup.gcount() == sizeof hlavicka && std::memcmp(hlavicka, "SQLite format 3", 16) == 0 &&
        (hlavicka[18] == 2 || hlavicka[19] == 2))
        throw ChybaOtevreni(jmenoSouboru,
                            "soubor je v režimu WAL, není tabulkou programu");
}

std::vector<DefinicePole> OverTabulku(SQLite::Database& db, const std::string& schema,
                                      const std::string& jmenoSouboru)
{
    const auto chyba = [&](const std::string& co) { return ChybaOtevreni(jmenoSouboru, co); };
    SQLite::Statement kontrola(db, "SELECT count(*) FROM " + schema +
                                       ".sqlite_master WHERE type = 'table' AND name IN ('" +
                                       kTabulkaPoli + "', '" + kTabulkaZaznamu + "')");
    kontrola.executeStep();
    if (kontrola.getColumn(0).getInt() != 2)
        throw chyba("soubor není tabulkou programu");

    std::vector<DefinicePole> definice;
    SQLite::Statement dotaz(db, "SELECT pozice, nazev, typ, delka FROM " + schema + "." +
                                    kTabulkaPoli + " ORDER BY pozice");
    while (dotaz.executeStep()) {
        const auto typ = TypZNazvu(dotaz.getColumn(2).getString());
        if (dotaz.getColumn(0).getInt64() != static_cast<std::int64_t>(definice.size()) || !typ ||
            dotaz.getColumn(1).getString().empty() ||
            (*typ == TypPole::Text && !(dotaz.getColumn(3).isInteger() &&
                                        dotaz.getColumn(3).getInt64() > 0 &&
                                        dotaz.getColumn(3).getInt64() <= 1000000)))
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
            throw chyba("sloupec „" + UkazkaHodnoty(sloupce[i].first) +
                        "“ záznamů chybí v popisu polí");
        const DefinicePole& p = definice[i];
        const std::string pole = "pole „" + UkazkaHodnoty(p.nazev) + "“ ";
        if (!maSloupec(p.nazev))
            throw chyba(pole + "v záznamech chybí");
        if (i >= sloupce.size() || sloupce[i].first != p.nazev)
            throw chyba(pole + "je v záznamech na jiném místě než v popisu polí");
        if (sloupce[i].second != TypSloupce(p.typ))
            throw chyba(pole + "má v záznamech typ „" + UkazkaHodnoty(sloupce[i].second) +
                        "“ místo " + TypSloupce(p.typ));
    }
    return definice;
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
    const std::string docasnyNazev = "." + s.nazev + "-XXXXXX";
    std::string docasny = (s.adresar / (docasnyNazev + ".DB")).string();
    const int fd = ::mkstemps(docasny.data(), 3);
    if (fd < 0)
        s.Chyba(std::string("tabulku nelze vytvořit: ") + std::strerror(errno));
    ::close(fd);
    const auto uklid = [&] {
        std::error_code ignoruj;
        fs::remove(docasny, ignoruj);
        fs::remove(docasny + "-journal", ignoruj);
    };
    try {
        {
            SQLite::Database db(docasny, SQLite::OPEN_READWRITE);
            NastavSpojeni(db);
            db.exec("PRAGMA synchronous=FULL");
            SQLite::Transaction transakce(db);
            db.exec(std::string("CREATE TABLE ") + kTabulkaPoli +
                    " (pozice INTEGER PRIMARY KEY, nazev TEXT NOT NULL, typ TEXT NOT NULL,"
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
                    db.exec("CREATE INDEX zk_podle_" + std::to_string(i) + " ON " +
                            kTabulkaZaznamu + " (" + Uvozovky(pole[i].nazev) + ")");
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
        s.Chyba(std::string("tabulku nelze vytvořit: ") + e.what());
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

void Tabulka::Otevri()
{
    Zavri();
    auto& s = *s_;
    if (s.nazev.empty())
        throw ChybaTabulky("Tabulka nemá jméno");
    const fs::path soubor = Soubor();
    const std::string jmeno = s.JmenoSouboru();
    KontrolaPredOtevrenim(soubor, jmeno);
    try {
        // Without OPEN_CREATE a missing file is never created; a write-protected file opens
        // read-only. With the rollback journal reading writes nothing, so a read-only or full
        // disk still gives every committed record.
        s.db = std::make_unique<SQLite::Database>(soubor.string(), SQLite::OPEN_READWRITE);
        NastavSpojeni(*s.db);
        s.definice = OverTabulku(*s.db, "main", jmeno);
        s.jenCteni = sqlite3_db_readonly(s.db->getHandle(), "main") == 1;
        s.db->exec("PRAGMA synchronous=FULL");
        s.dotazRadek = std::make_unique<SQLite::Statement>(
            *s.db, "SELECT " + s.SeznamSloupcu() + " FROM " + kTabulkaZaznamu +
                       " WHERE rowid = ?");
        s.PrepocitejSurove(*this);
    } catch (const SQLite::Exception& e) {
        Zavri();
        throw ChybaOtevreni(jmeno, e.what());
    } catch (...) {
        Zavri();
        throw;
    }
}
