#pragma once

#include "base/DatumCas.h"

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

// What a batch of answers adds to one record of Statistika (a profile's history of a question).
struct PrirustekStatistiky {
    int cislo = 0;
    int polozeno = 0;
    int spravne = 0;
    int spatne = 0;
    int napoveda = 0;
    bool radaPokracuje = true;  // every answer right: the stored run goes on by `rada`
    int rada = 0;  // otherwise the new run
    DatumCas posledni;
    std::string naposledy;  // "S", "C" or "N"
};

// Adds the increments to the profile's records of Statistika in `adresar`, creating the table
// (owner-only) and missing records: one indexed statement per record, all in one write
// transaction under the write lock, so that every record carries all of them or none and two
// programs at once never make two records of one question. The connection and its statement
// stay open for the next call. The first write to a file gives it a unique index over (Profil,
// Cislo); records that an earlier version let share a key are merged then (counts summed, the run
// and the last answer from the latest one). Errors raise ChybaTabulky naming the file.
void PripisStatistiku(const std::filesystem::path& adresar, const std::string& profil,
                      const std::vector<PrirustekStatistiky>& prirustky);

// One record of the answer log (table Odpovedi).
struct RadekOdpovedi {
    int cislo = 0;
    DatumCas kdy;  // stored to the second
    std::string rezim;  // the mode's code
    std::string zvolene;  // the letters marked
    std::string vysledek;  // "S", "C" or "N"
    int casMs = 0;
};

// The stored memory state of one question (table PametOtazek).
struct UlozenaPamet {
    double stabilita = 0;
    double obtiznost = 0;
    DatumCas posledni;
    DatumCas prvni;  // the first answer
};

// A question's record of Statistika as stored before a write (the counts, the run of right
// answers, the last answer and its code "S", "C" or "N").
struct UlozenaStatistika {
    int polozeno = 0;
    int spravne = 0;
    int spatne = 0;
    int napoveda = 0;
    int rada = 0;
    DatumCas posledni;
    std::string naposledy;
};

// The state after the answer, from the stored one (none for a question never answered) and the
// question's Statistika record as it stood before this write (none when there was none), which
// tells what a question answered before its memory was kept has been through.
using PrepocetPameti =
    std::function<UlozenaPamet(const RadekOdpovedi&, const std::optional<UlozenaPamet>&,
                               const std::optional<UlozenaStatistika>&)>;

// Adds the increments to Statistika, the answers to the log Odpovedi and each answer's new
// memory state to PametOtazek (computed by `prepocet` from the stored state, in the answers'
// order) in one write transaction over the three files, as PripisStatistiku does: after an error
// every table holds all of it or none. The three tables keep a write-ahead log of their own while
// the connection is open (RezimLogu.h), synced to the disk in the background: after a kill each
// table holds whole answers, and an answer the kill cut between two file commits may be in
// Statistika only. Missing tables are created owner-only.
void PripisUceni(const std::filesystem::path& adresar, const std::string& profil,
                 const std::vector<PrirustekStatistiky>& prirustky,
                 const std::vector<RadekOdpovedi>& odpovedi, const PrepocetPameti& prepocet);

// The profile's records of the answer log in the order written (one indexed query); empty when
// the table is missing. A file that is not the log's table raises ChybaTabulky.
std::vector<RadekOdpovedi> CtiOdpovedi(const std::filesystem::path& adresar,
                                       const std::string& profil);

// Reads a stored double (the text PripisUceni writes); 0 for anything else.
double CisloZTextu(const std::string& text);

// Closes the connections kept open by PripisStatistiku, which ends their log sessions (before a
// change of several tables at once, or for a test that replaces the files).
void ZavriSpojeniStatistiky();

// Whether `nazev` is one of the tables PripisUceni writes (and keeps in a log while open).
bool TabulkaOdpovedi(const std::string& nazev);
