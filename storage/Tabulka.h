#pragma once

#include "base/DatumCas.h"

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

enum class TypPole { Text, Cele, Datum, Cas, DatumACas, Memo };

struct DefinicePole {
    std::string nazev;
    TypPole typ = TypPole::Text;
    int delka = 0;  // maximum length in characters, for Text only
    bool indexovane = false;  // the table keeps an index on the field, for filters over it
};

// Removes the half-made tables `.<name>-XXXXXX.DB` of `adresar` that a program killed while
// creating a table left behind; one another program is creating right now stays. For the start.
void UklidDocasneTabulky(const std::filesystem::path& adresar);

// Every failure of the table layer: a missing or unreadable file, a bad field name, a misuse of
// the cursor. what() is the message shown to the learner and names the file where there is one.
// How long an operation waits for a lock another connection holds before it fails: two seconds
// unless set otherwise (tests set a short wait). Applies to connections opened afterwards.
void NastavCekaniNaZamek(std::chrono::milliseconds cekani);
std::chrono::milliseconds CekaniNaZamek();

class ChybaTabulky : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

using HodnotaPole = std::variant<std::monostate, std::string, std::int32_t, DatumCas>;

// The start of a value as messages quote it: a whole value may be megabytes long.
std::string UkazkaHodnoty(std::string_view hodnota);

class Tabulka;

// A field of the cursor's current record (or of the record being edited or inserted).
class Pole {
public:
    Pole(Tabulka& tabulka, int pozice) : tabulka_(&tabulka), pozice_(pozice) { }

    const std::string& Nazev() const;
    TypPole Typ() const;
    int Delka() const;
    int Pozice() const { return pozice_; }

    bool JePrazdne() const;  // no value stored (NULL)
    std::string JakoText() const;  // integers in decimal, dates in ISO form, empty for NULL
    std::int32_t JakoCele() const;  // text is parsed; NULL gives 0
    DatumCas JakoDatumCas() const;  // NULL gives a zero value
    HodnotaPole Hodnota() const;

    // Writing needs the cursor in insert or edit state. Text is cut to the field's width in
    // characters (UTF-8 aware).
    void NastavText(std::string_view text);
    void NastavCele(std::int32_t cislo);
    void NastavDatumCas(const DatumCas& hodnota);
    void Vymaz();

private:
    Tabulka* tabulka_;
    int pozice_;
};

// A cursor over one table. Table N lives in the file N.DB of its directory (an SQLite database).
// Natural order is insertion order. All reads and writes go through the current record.
class Tabulka {
public:
    using FiltrFunkce = std::function<bool(Tabulka&)>;
    using VypocetFunkce = std::function<void(Tabulka&)>;
    using NaplneniFunkce = std::function<void(Tabulka&)>;

    Tabulka();
    ~Tabulka();
    Tabulka(const Tabulka&) = delete;
    Tabulka& operator=(const Tabulka&) = delete;

    // Binds the cursor to table `nazev` in `adresar`; an empty directory means the working
    // directory. Closes the cursor first when it is open.
    void Svaz(const std::filesystem::path& adresar, const std::string& nazev);
    const std::string& NazevTabulky() const;
    std::filesystem::path Soubor() const;  // <adresar>/<nazev>.DB

    bool Existuje() const;  // the table's file is present
    // Creates the table with its fields in this order, owner-only, together with the records that
    // `naplnit` inserts (through an open cursor of its own). The file appears whole or not at
    // all. False, with nothing changed, when the table exists already or appears meanwhile
    // (another program created it): that table is then the one to use.
    bool Vytvor(const std::vector<DefinicePole>& pole, const NaplneniFunkce& naplnit = {});

    // Opening puts the cursor on the first visible record. A file that is not a table of ours
    // (field description and columns disagree, a WAL database) raises ChybaTabulky naming the
    // file; a failed open leaves the file and its companions as they were.
    void Otevri();
    // Opens the table, creating it first (empty, owner-only, by Vytvor) when it is missing: the
    // one open-or-create step of every writer of records.
    void OtevriNeboVytvor(const std::vector<DefinicePole>& pole);
    void Zavri();
    bool JeOtevrena() const;

    // Filtering. While filtering is on, a record is visible when the filter text (if any)
    // admits it and the callback (if any) accepts it. Switching filtering on, or reopening,
    // recomputes the visible records, records posted meanwhile included.
    void NastavFiltrFunkci(FiltrFunkce funkce);
    // Two forms only: "Profil = '<name>'" (inner quotes doubled) and "Viditelny = 1". The value
    // is compared as a bound parameter, never pasted into SQL. An empty text removes it.
    void NastavFiltrText(const std::string& text);
    void Filtrovat(bool zapnuto);
    bool Filtrovano() const;

    // Visible records are found a page at a time as the cursor reaches them, so that opening a
    // large table costs no more than its first records. Records posted by other cursors after
    // the first page may therefore show up among later pages.
    int PocetZaznamu() const;  // visible records (finds them all)
    int PocetNalezenych() const;  // visible records found so far
    bool VseNalezeno() const;  // no visible record is left to find
    // Finds up to `kolik` more visible records, for a grid that shows more; answers how many.
    int NajdiDalsi(int kolik);
    void Prvni();
    void Dalsi();
    void Posun(int o);  // moves by o visible records, clamped to the first and last
    bool Konec() const;  // past the last visible record, or none visible
    bool Prazdna() const;  // no visible record
    int Poradi() const;  // index of the current visible record, from 0

    // Reads every visible record in natural order with one query, for readers of a whole table:
    // `funkce` is called with the cursor showing each record in turn and reads its fields (the
    // calculated ones included); it must not move the cursor or write. Afterwards the cursor
    // shows its current record again.
    void ProjdiZaznamy(const std::function<void(Tabulka&)>& funkce);

    int PocetPoli() const;  // stored fields followed by calculated ones
    Pole PoleJmenem(std::string_view nazev);  // throws ChybaTabulky for an unknown name
    Pole PoleNaPozici(int pozice);
    const std::vector<DefinicePole>& Definice() const;  // stored fields, in table order

    // Insert starts a new record (placed at the end of natural order); Uprav edits the current
    // one. Uloz (post) writes it durably: every cursor opened later sees it. Zrus drops the
    // pending change. After posting an insert the cursor stands on the new record when it is
    // visible, otherwise where it stood. An edited record stays visible until the visible
    // records are recomputed. Moving the cursor or changing the filter posts a pending change.
    // A post that fails drops its change (the cursor shows the stored record again), so no later
    // operation can write it.
    void Vloz();
    void Uprav();
    void Uloz();
    void Zrus();
    bool Upravuje() const;  // in insert or edit state
    // Removes the current record; the cursor moves to the next visible record.
    void Smaz();

    // Bulk loading (imports, benchmarks): the posts between these two calls become durable
    // together at DokonciDavku, in one write instead of one per post. Closing the cursor first,
    // or a commit that fails, drops them all.
    void ZacniDavku();
    void DokonciDavku();

    // Display-only fields, filled by the callback whenever a record becomes current.
    void NastavVypocitanaPole(std::vector<DefinicePole> pole, VypocetFunkce funkce);

private:
    friend class Pole;
    struct Stav;
    std::unique_ptr<Stav> s_;
};

// Binds `t` to the table `nazev` of `adresar` and opens the records of `profil`, selected in SQL
// on the profile index; false, with nothing opened, when the table is missing.
bool OtevriZaznamyProfilu(Tabulka& t, const std::filesystem::path& adresar,
                          const std::string& nazev, const std::string& profil);
// The same for a writer: the table is created (with `pole`) when it is missing.
void OtevriNeboVytvorZaznamyProfilu(Tabulka& t, const std::filesystem::path& adresar,
                                    const std::string& nazev, const std::string& profil,
                                    const std::vector<DefinicePole>& pole);
