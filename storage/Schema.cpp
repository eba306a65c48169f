#include "storage/StavTabulky.h"

#include <SQLiteCpp/Exception.h>
#include <SQLiteCpp/Transaction.h>
#include <sqlite3.h>

#include <system_error>

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

}  // namespace

bool Tabulka::Existuje() const
{
    std::error_code chyba;
    return fs::exists(Soubor(), chyba);
}

void Tabulka::Vytvor(const std::vector<DefinicePole>& pole)
{
    auto& s = *s_;
    if (s.nazev.empty())
        throw ChybaTabulky("Tabulka nemá jméno");
    if (Existuje())
        s.Chyba("soubor už existuje, tabulku nelze vytvořit");
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

    const fs::path soubor = Soubor();
    try {
        SQLite::Database db(soubor.string(), SQLite::OPEN_READWRITE | SQLite::OPEN_CREATE);
        // WAL keeps a post to one fsync; the mode is stored in the file, so opening never
        // needs to write.
        db.exec("PRAGMA journal_mode=WAL");
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
            sloupce += Uvozovky(p.nazev) + (p.typ == TypPole::Cele ? " INTEGER" : " TEXT");
        }
        db.exec(std::string("CREATE TABLE ") + kTabulkaZaznamu + " (" + sloupce + ")");
        for (std::size_t i = 0; i < pole.size(); ++i)
            if (pole[i].indexovane)
                db.exec("CREATE INDEX zk_podle_" + std::to_string(i) + " ON " + kTabulkaZaznamu +
                        " (" + Uvozovky(pole[i].nazev) + ")");
        transakce.commit();
    } catch (const SQLite::Exception& e) {
        std::error_code ignoruj;
        for (const char* pripona : {"", "-wal", "-shm", "-journal"})
            fs::remove(fs::path(soubor.string() + pripona), ignoruj);
        s.Chyba(std::string("tabulku nelze vytvořit: ") + e.what());
    }
    s.definice = pole;
    for (auto& p : s.definice)
        if (p.typ != TypPole::Text)
            p.delka = 0;
}

namespace {

std::string UriSouboru(const fs::path& soubor)
{
    std::string uri = "file:";
    for (unsigned char z : fs::absolute(soubor).string()) {
        if (z == '%' || z == '?' || z == '#' || z < 0x20) {
            static const char hex[] = "0123456789ABCDEF";
            uri += '%';
            uri += hex[z >> 4];
            uri += hex[z & 15];
        } else {
            uri += static_cast<char>(z);
        }
    }
    return uri + "?immutable=1";
}

// Reads the field definitions; nothing is written, so a foreign file stays as it was.
std::vector<DefinicePole> NactiDefinice(SQLite::Database& db, const std::string& jmenoSouboru)
{
    SQLite::Statement kontrola(
        db, std::string("SELECT count(*) FROM sqlite_master WHERE type = 'table' AND name IN ('") +
                kTabulkaPoli + "', '" + kTabulkaZaznamu + "')");
    kontrola.executeStep();
    const auto chyba = [&](const std::string& co) {
        return ChybaTabulky("Tabulku „" + jmenoSouboru + "“ nelze otevřít: " + co);
    };
    if (kontrola.getColumn(0).getInt() != 2)
        throw chyba("soubor není tabulkou programu");
    std::vector<DefinicePole> definice;
    SQLite::Statement dotaz(db, std::string("SELECT pozice, nazev, typ, delka FROM ") +
                                    kTabulkaPoli + " ORDER BY pozice");
    while (dotaz.executeStep()) {
        const auto typ = TypZNazvu(dotaz.getColumn(2).getString());
        if (dotaz.getColumn(0).getInt() != static_cast<int>(definice.size()) || !typ)
            throw chyba("popis polí je poškozen");
        definice.push_back({dotaz.getColumn(1).getString(), *typ, dotaz.getColumn(3).getInt()});
    }
    if (definice.empty())
        throw chyba("popis polí je poškozen");
    return definice;
}

}  // namespace

void Tabulka::Otevri()
{
    Zavri();
    auto& s = *s_;
    if (s.nazev.empty())
        throw ChybaTabulky("Tabulka nemá jméno");
    const fs::path soubor = Soubor();
    const std::string jmeno = s.JmenoSouboru();
    const auto chyba = [&](const std::string& co) {
        return ChybaTabulky("Tabulku „" + jmeno + "“ nelze otevřít: " + co);
    };
    std::error_code ec;
    if (!fs::is_regular_file(soubor, ec))
        throw chyba(fs::exists(soubor, ec) ? "není to soubor" : "soubor neexistuje");

    std::vector<DefinicePole> definice;
    try {
        // Without OPEN_CREATE a missing file is never created; a write-protected file opens
        // read-only.
        s.db = std::make_unique<SQLite::Database>(soubor.string(), SQLite::OPEN_READWRITE, 2000);
        try {
            definice = NactiDefinice(*s.db, jmeno);
        } catch (const SQLite::Exception& e) {
            // A WAL file in a write-protected directory cannot get its shared-memory file;
            // it is read as an immutable file instead.
            if (!sqlite3_db_readonly(s.db->getHandle(), "main") &&
                e.getErrorCode() != SQLITE_CANTOPEN)
                throw;
            s.db.reset();
            s.db = std::make_unique<SQLite::Database>(
                UriSouboru(soubor), SQLite::OPEN_READONLY | SQLite::OPEN_URI, 2000);
            definice = NactiDefinice(*s.db, jmeno);
        }
        s.jenCteni = sqlite3_db_readonly(s.db->getHandle(), "main") == 1;
        s.db->exec("PRAGMA synchronous=FULL");
        s.definice = std::move(definice);
        s.dotazRadek = std::make_unique<SQLite::Statement>(
            *s.db, "SELECT " + s.SeznamSloupcu() + " FROM " + kTabulkaZaznamu +
                       " WHERE rowid = ?");
    } catch (const SQLite::Exception& e) {
        s.dotazRadek.reset();
        s.db.reset();
        throw chyba(e.what());
    } catch (const ChybaTabulky&) {
        s.dotazRadek.reset();
        s.db.reset();
        throw;
    }
    try {
        s.PrepocitejSurove(*this);
    } catch (const SQLite::Exception& e) {
        Zavri();
        throw chyba(e.what());
    } catch (const ChybaTabulky&) {
        Zavri();
        throw;
    }
}
