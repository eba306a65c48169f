#pragma once

#include "questions/Statistika.h"

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

class Banka;

// The chance of passing a test in today's exam format (at least 43 of 50 points), estimated from
// the learner's history with the same per-question Beta posteriors as the points-test estimate.
struct OdhadPlatny {
    bool lzeOdhadnout = false;
    double pravdepodobnost = 0;  // mean over the parameter draws, 0..1
    double dolni = 0, horni = 0;  // the 95 % band: 2.5th and 97.5th percentile of the draws
};

// For one draw of the chances: the exact probability of at least `minimum` points when each
// section draws its count uniformly without repeats from its questions (`sance[s]` are the
// chances of section s + 1's questions) and each question is answered right with its chance.
double SanceTestuPlatny(const std::array<std::vector<double>, 7>& sance, int minimum);

// The questions today's format can ask the licence group, by section (index s for section s + 1):
// those with a section in `oblasti`, a category, and fit for the format. Empty when a section has
// fewer questions than the format asks of it.
std::array<std::vector<int>, 7> KandidatiPlatny(const Banka& banka, const std::vector<int>& oblasti,
                                                std::string_view skupina);

// Draws every question's chance from its posterior `opakovani` times and evaluates each draw
// exactly. Nothing can be estimated without a right or wrong answer in the history or when a
// section has too few questions for the group. The same seed gives the same result.
OdhadPlatny OdhadniUspechPlatny(const Banka& banka, const std::vector<int>& oblasti,
                                std::string_view skupina, const StatistikaProfilu& statistika,
                                std::uint32_t seed, int opakovani = 100);
