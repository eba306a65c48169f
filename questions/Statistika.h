#pragma once

#include "base/DatumCas.h"
#include "base/Nastaveni.h"

#include <filesystem>
#include <map>
#include <string>
#include <vector>

class Banka;

// How one evaluated answer ended. A hint counts as asked, not right, and breaks the run of
// right answers.
enum class VysledekPokusu { Spravne, Spatne, Napoveda };

// The outcome as the tables store it: "S" right, "C" wrong, "N" hinted; any other text reads as
// right.
const char* ZnakVysledku(VysledekPokusu v);
VysledekPokusu VysledekZeZnaku(const std::string& s);

// One record of Statistika: a profile's history of one question.
struct ZaznamStatistiky {
    int cislo = 0;
    int polozeno = 0;
    int spravne = 0;
    int spatne = 0;
    int napoveda = 0;
    int radaSpravnych = 0;  // right answers in a row, up to the last answer
    DatumCas posledni;  // date and time of the last answer
    VysledekPokusu naposledy = VysledekPokusu::Spravne;

    bool Zvladnuta() const { return radaSpravnych >= 2; }
};

struct Pokus {
    int cislo = 0;
    VysledekPokusu vysledek = VysledekPokusu::Spravne;
};

// A question number's history, by number.
using StatistikaProfilu = std::map<int, ZaznamStatistiky>;

// The record after one more answer.
void PripoctiPokus(ZaznamStatistiky& z, VysledekPokusu vysledek, const DatumCas& kdy);

// Adds the answers to the profile's records in Statistika of `adresar` in one write: every
// record is either left as it was or carries all of them. The table is created (owner-only) when
// missing. Storage errors propagate as ChybaTabulky.
void ZapisPokusy(const std::filesystem::path& adresar, const std::string& profil,
                 const std::vector<Pokus>& pokusy, const DatumCas& kdy);

// The profile's records; empty when the table is missing. Numbers that have left the bank are
// kept; the callers ignore them while the bank lacks the number.
StatistikaProfilu NactiStatistiku(const std::filesystem::path& adresar, const std::string& profil);

// The questions of a practice of one's mistakes: every question of the switched-on categories
// that fits the licence group by the walk's test, in this order: answered wrongly last time
// (most recent first), never asked (by number), asked but not mastered (fewest right in a row,
// then least recently asked), mastered (least recently asked first). Ties go by number.
std::vector<int> PoradiProcvicovaniChyb(const Banka& banka, const Nastaveni& nastaveni,
                                        const StatistikaProfilu& statistika);
