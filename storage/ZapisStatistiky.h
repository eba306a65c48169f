#pragma once

#include "base/DatumCas.h"

#include <filesystem>
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
    int rada = 0;               // otherwise the new run
    DatumCas posledni;
    std::string naposledy;      // "S", "C" or "N"
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

// Closes the connections kept open by PripisStatistiku (for a test that replaces the files).
void ZavriSpojeniStatistiky();
