#pragma once

#include "base/DatumCas.h"
#include "base/Nastaveni.h"
#include "questions/Pamet.h"
#include "questions/Statistika.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

class Banka;

// The modes an answer is given in, as the answer log stores them.
enum class RezimOdpovedi { Procvicovani, Zkouseni, Oprava, TestNaBody, TestPlatny, Opakovani };

// One evaluated answer.
struct Odpoved {
    int cislo = 0;
    DatumCas kdy;  // stored to the second
    RezimOdpovedi rezim = RezimOdpovedi::Procvicovani;
    std::string zvolene;  // the bank letters marked ("AC"), empty for none
    VysledekPokusu vysledek = VysledekPokusu::Spravne;
    int casMs = 0;  // from showing the question to its evaluation (or the hint)

    bool operator==(const Odpoved&) const = default;
};

// The code of a mode in the log ("Procvicovani", "Zkouseni", "Oprava", "TestNaBody",
// "TestPlatny", "Opakovani").
const char* KodRezimu(RezimOdpovedi rezim);

// The per-profile switch "Ukládat historii učení" (preference, on unless stored off).
bool UkladatHistorii(const std::filesystem::path& adresar, const std::string& profil);
void NastavUkladaniHistorie(const std::filesystem::path& adresar, const std::string& profil,
                            bool zapnuto);

// The daily limit of new questions in "Opakování na dnes" (preference, 20 unless stored).
inline constexpr int kVychoziLimitNovych = 20;
int LimitNovych(const std::filesystem::path& adresar, const std::string& profil);
void NastavLimitNovych(const std::filesystem::path& adresar, const std::string& profil, int limit);

// Stores the answers of one evaluation when the profile keeps its history (otherwise writes
// nothing and returns false): each adds to Statistika, goes into the answer log Odpovedi and
// moves its question's memory state in PametOtazek by PoOdpovedi, all in one write (every table
// holds all of it or none). A question with a Statistika record but no stored state moves from
// the state PametZeStatistiky derives from that record, as NactiPametProfilu shows it. Storage
// errors propagate as ChybaTabulky.
bool ZapisOdpovedi(const std::filesystem::path& adresar, const std::string& profil,
                   const std::vector<Odpoved>& odpovedi);

// The profile's memory by question number: the stored states, completed for the questions
// answered before the memory was kept by the states DoplnPametZeStatistiky derives from
// `statistika` (the profile's records, as NactiStatistiku gives them). Reading writes nothing.
PametProfilu NactiPametProfilu(const std::filesystem::path& adresar, const std::string& profil,
                               const StatistikaProfilu& statistika);
// The same, reading the profile's Statistika itself.
PametProfilu NactiPametProfilu(const std::filesystem::path& adresar, const std::string& profil);

// The profile's answer log in the order written; empty when the table is missing.
std::vector<Odpoved> NactiOdpovedi(const std::filesystem::path& adresar, const std::string& profil);

// How many questions the profile answered for the first time on the date of `dnes`.
int NovychDne(const std::filesystem::path& adresar, const std::string& profil,
              const DatumCas& dnes);

// Erases the profile's learning history (Statistika, Odpovedi, PametOtazek, Testy) as one unit.
void SmazHistorii(const std::filesystem::path& adresar, const std::string& profil);

// A wrong answer a learner keeps choosing: the letters and how many times.
struct Zamena {
    int cislo = 0;
    std::string zvolene;
    int kolikrat = 0;

    bool operator==(const Zamena&) const = default;
};

// The wrong answers chosen, by question and letters, most repeated first (then by number and
// letters), at most `nejvic`; only those chosen at least twice, and only questions `banka` holds.
std::vector<Zamena> NejcastejsiZameny(const std::vector<Odpoved>& odpovedi, const Banka& banka,
                                      std::size_t nejvic = 20);

// "Otázka 245: třikrát jste zvolil b)" (letters in lower case, each followed by ")").
std::string TextZameny(const Zamena& z);

// The run of "Opakování na dnes": the due questions available to the settings, most overdue
// first, then unseen ones in the spread order (seeded with `seed`) up to `novych`.
struct OpakovaniDne {
    std::vector<int> splatne;
    std::vector<int> nove;

    std::vector<int> Poradi() const;
};
inline constexpr double kPozadovanaRetence = 0.9;
OpakovaniDne PripravOpakovaniDne(const Banka& banka, const Nastaveni& nastaveni,
                                 const PametProfilu& pamet, const StatistikaProfilu& statistika,
                                 const DatumCas& dnes, int novych, std::uint32_t seed);

// "K opakování: 37, nových: 20"
std::string TextOpakovani(const OpakovaniDne& o);

// The practice of one's mistakes: the questions answered wrongly last time (most recent first),
// then the due ones, the unseen ones in the spread order, and the rest (lowest chance of recall
// first). `chyb` tells how many mistakes lead the order.
struct ProcvicovaniChyb {
    int chyb = 0;
    std::vector<int> poradi;
};
ProcvicovaniChyb PripravProcvicovaniChyb(const Banka& banka, const Nastaveni& nastaveni,
                                         const StatistikaProfilu& statistika,
                                         const PametProfilu& pamet, const DatumCas& dnes,
                                         std::uint32_t seed);

// The seed of a day's spread order: the same all day, so the start box and the run agree.
std::uint32_t SeedDne(const DatumCas& dnes);
