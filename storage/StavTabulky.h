#pragma once

// Inside of the table layer, shared by the cursor, the field access and the schema code.

#include "base/Utf8.h"
#include "storage/FiltrTextu.h"
#include "storage/Tabulka.h"

#include <SQLiteCpp/Database.h>
#include <SQLiteCpp/Statement.h>

#include <cstdint>
#include <exception>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// On disk a table is an SQLite database holding two tables: zk_pole describes the fields (name,
// type, width, position) and zaznamy holds the records, one column per field, in rowid order.
inline constexpr const char* kTabulkaPoli = "zk_pole";
inline constexpr const char* kTabulkaZaznamu = "zaznamy";

std::string Uvozovky(const std::string& identifikator);
// The engine's error in Czech: the common result codes translated, the rest by the code's name.
std::string PopisChyby(const std::exception& chyba);
// Field names match ignoring the case of ASCII letters.
bool StejneJmeno(std::string_view a, std::string_view b);

// Every connection: double-quoted strings are names only, never text literals; a lock is waited
// for CekaniNaZamek() (two seconds in the program).
void NastavSpojeni(SQLite::Database& db);
// What must hold before the engine touches the file: a regular file that is not in WAL mode and
// has no write-ahead log beside it, unless both are the program's own (RezimLogu.h); a file as long
// as its header says (not cut short); a journal of an unfinished write beside it only when rolling
// it back (tried on a copy first) gives an intact table of the same file, otherwise both are left
// as found. Throws ChybaTabulky naming the file (and the journal).
void KontrolaPredOtevrenim(const std::filesystem::path& soubor, const std::string& jmenoSouboru);
// The field definitions of the table in `schema` of the connection, checked against the columns
// of the records (names, order, types); a mismatch names the file and the field.
std::vector<DefinicePole> OverTabulku(SQLite::Database& db, const std::string& schema,
                                      const std::string& jmenoSouboru);

struct Tabulka::Stav {
    std::filesystem::path adresar;
    std::string nazev;

    std::vector<DefinicePole> definice;
    std::vector<DefinicePole> vypocitana;
    VypocetFunkce vypocet;

    FiltrFunkce filtrFunkce;
    std::string filtrText;
    std::optional<std::vector<FiltrTextu>> filtr;
    bool filtrovano = false;

    // The statements are declared after the connection so that they are finalized first.
    std::unique_ptr<SQLite::Database> db;
    bool jenCteni = false;
    bool davka = false;  // an explicit transaction collects the posts
    std::unique_ptr<SQLite::Statement> dotazRadek;  // the stored fields of one rowid
    // The next page of visible rowids after a rowid (keyset paging): its last two parameters
    // are the rowid to continue after and the page length (-1 for the rest). Empty while a
    // filter callback is on: the visible records are then found all at once.
    std::unique_ptr<SQLite::Statement> dotazStranka;
    int parametrStranky = 1;
    // Prepared on the first post of their kind, kept while the table is open.
    std::unique_ptr<SQLite::Statement> dotazVloz;
    std::unique_ptr<SQLite::Statement> dotazUprav;

    // Rowids of the visible records found so far, in natural order; the rest are found a page at
    // a time as the cursor reaches them (vseNacteno once the last page is in).
    std::vector<std::int64_t> viditelne;
    bool vseNacteno = true;
    std::int64_t posledniNacteny = 0;  // the rowid the next page continues after
    std::size_t pozice = 0;
    std::vector<HodnotaPole> radek;  // current record, or the buffer while inserting/editing

    enum class Rezim { Prochazeni, Vkladani, Upravy } rezim = Rezim::Prochazeni;

    std::string JmenoSouboru() const { return nazev + ".DB"; }
    std::filesystem::path Soubor() const { return adresar / JmenoSouboru(); }

    [[noreturn]] void Chyba(const std::string& co) const
    {
        throw ChybaTabulky("Tabulka „" + JmenoSouboru() + "“: " + co);
    }

    void MusiBytOtevrena() const
    {
        if (!db)
            Chyba("tabulka není otevřena");
    }

    const DefinicePole& Definice(int pozice) const
    {
        const int pocetUlozenych = static_cast<int>(definice.size());
        return pozice < pocetUlozenych ? definice[pozice] : vypocitana[pozice - pocetUlozenych];
    }

    std::string SeznamSloupcu() const;
    int NajdiPole(std::string_view jmeno) const;

    // Values and fields.
    // Text as a value of the field's type; `oriznout` cuts text to the field width. `rowid`
    // (when not negative) names the stored record the text comes from, for the message.
    HodnotaPole ZTextu(const DefinicePole& p, std::string_view text, bool oriznout,
                       std::int64_t rowid = -1) const;
    // A stored value of record `rowid`; one that does not fit the field's type names the record.
    HodnotaPole ZeSloupce(const DefinicePole& p, const SQLite::Column& sloupec,
                          std::int64_t rowid) const;
    void Navaz(SQLite::Statement& dotaz, int index, const DefinicePole& p,
               const HodnotaPole& h) const;
    // Calculated fields can be written at any time; stored ones only while inserting or editing.
    void MuzeZapsat(int pozice) const;

    // The cursor.
    void VyprazdniRadek() { radek.assign(definice.size() + vypocitana.size(), std::monostate {}); }
    void Vypocitej(Tabulka& t)
    {
        if (vypocet)
            vypocet(t);
    }
    void NactiAktualni(Tabulka& t);
    // After a failed post: the cursor shows the stored record again, the change is gone.
    void ZahodRadek(Tabulka& t);
    bool FiltrTextuAktivni() const { return filtrovano && filtr.has_value(); }
    bool FiltrFunkceAktivni() const { return filtrovano && static_cast<bool>(filtrFunkce); }
    std::vector<std::pair<int, HodnotaPole>> HodnotyFiltru() const;
    void Prepocitej(Tabulka& t);
    void PrepocitejSurove(Tabulka& t);
    // Finds up to `kolik` more visible records (0: all the rest); answers how many. Engine
    // errors pass through.
    std::size_t NactiStranku(std::size_t kolik);
    // Finds visible records until `index` is among them or none is left.
    void NactiDo(std::size_t index);
    // The same with engine errors as ChybaTabulky.
    void NactiDoChranene(std::size_t index);
    bool ProjdeFiltrem(Tabulka& t);
};
