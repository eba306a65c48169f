#pragma once

#include "questions/Statistika.h"

#include <array>
#include <cstdint>
#include <random>
#include <string_view>
#include <utility>
#include <vector>

class Banka;

// The chance of a right answer to each question, estimated from a learner's history: per
// category a Beta prior of strength kSilaPrioru centred on the learner's average in that
// category (all categories together where it has no answer yet), updated by the question's right
// answers and its wrong and hinted ones. The average itself is uncertain: each simulation round
// draws it from Beta(right + 1, other + 1) of the category's answers.
struct ApriorniOdhad {
    static constexpr double kSilaPrioru = 10.0;
    std::array<long, 7> dobre {}, celkem {};  // answers per category 1..7 (right, all)
    long vseDobre = 0, vseCelkem = 0;
};

// A draw from Beta(a, b); a side with no weight fixes the chance at 0 or 1.
double LosujBeta(double a, double b, std::mt19937& g);

// One draw of the prior's centres: per category its average from Beta(right + 1, other + 1) of
// the category's answers (of all answers where the category has none).
std::array<double, 7> LosujPrumeryKategorii(const ApriorniOdhad& odhad, std::mt19937& g);
// One draw of question `cislo`'s chance: the prior of strength kSilaPrioru centred on `prumer`,
// updated by the question's own answers in `statistika`.
double LosujSanciOtazky(double prumer, const StatistikaProfilu& statistika, int cislo,
                        std::mt19937& g);

// False when the history holds no answer to a question of the bank: nothing can be estimated.
bool SestavApriorniOdhad(const Banka& banka, const StatistikaProfilu& statistika,
                         ApriorniOdhad& odhad);

struct OdhadUspechu {
    bool lzeOdhadnout = false;
    double pravdepodobnost = 0;  // P(points >= pass minimum), 0..1
    double dolni = 0, horni = 0;  // the 95 % band
    long prosloListu = 0, listuCelkem = 0;  // the estimate as a ratio of sheets
};

// The 95 % band of the per-draw shares: their 2.5th and 97.5th percentiles, linearly
// interpolated. `podily` must not be empty.
std::pair<double, double> Pasmo95(std::vector<double> podily);

struct ParametryOdhadu {
    int listu = 500;  // sheets drawn as the points test draws them
    int opakovani = 100;  // draws of every question's chance from its Beta posterior
};

// Estimates the chance of passing the points test of the licence group. The sheets are composed
// by ComposeTest from a generator seeded with `seed`; they give each position the questions it
// draws and how often. For each of `opakovani` draws of every question's chance from its
// posterior, a position's chance is the mean over its questions, and the chance of reaching
// PassMinimum follows exactly from the distribution of points (SanceListu), expressed as a count
// of the `listu` sheets. The estimate is the share over all draws; the band runs from the 2.5th
// to the 97.5th percentile of the per-draw shares. The same seed gives the same result.
OdhadUspechu OdhadniUspech(const Banka& banka, std::string_view skupina,
                           const StatistikaProfilu& statistika, std::uint32_t seed,
                           const ParametryOdhadu& parametry = {});

// How often each question stands at each position over `listu` sheets composed by ComposeTest
// from a generator seeded with `seed`: per position (index 0 is position 1) its (number, sheets).
// Empty when the bank cannot fill a sheet for the group.
std::vector<std::vector<std::pair<int, int>>>
PoziceListu(const Banka& banka, std::string_view skupina, std::uint32_t seed, int listu);

// The exact chance of passing one composed sheet when each position is answered right with the
// given chance (index 0 is position 1).
double SanceListu(const std::array<double, 25>& sance, int minimum);
