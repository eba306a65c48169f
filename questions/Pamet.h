#pragma once

#include "base/DatumCas.h"
#include "questions/Statistika.h"

#include <array>
#include <cstdint>
#include <map>
#include <vector>

// The memory model of one learner: per question a stability and a difficulty, updated by each
// evaluated answer with the FSRS-6 formulas (Free Spaced Repetition Scheduler, version 6, as
// published by open-spaced-repetition in "The Algorithm", FSRS-6 section).
//
//   R(t, S)  = (1 + F * t / S)^(-w20),  F = 0.9^(-1 / w20) - 1       chance of recall after t days
//   I(r, S)  = S / F * (r^(-1 / w20) - 1)                             days until recall falls to r
//   S0(G)    = w[G-1]                                                 first answer
//   D0(G)    = w4 - e^(w5 * (G - 1)) + 1, within [1, 10]             first answer
//   D'       = D - w6 * (G - 3) * (10 - D) / 9                        linear damping
//   D''      = w7 * D0(4) + (1 - w7) * D', within [1, 10]            mean reversion; D0(4) is
//                                                                     the formula's raw value
//   S'r      = S * (1 + e^w8 * (11 - D) * S^(-w9) * (e^(w10 * (1 - R)) - 1)
//                       * (w15 if G = Hard) * (w16 if G = Easy))      recalled, a later day
//   S'f      = min(w11 * D^(-w12) * ((S + 1)^w13 - 1) * e^(w14 * (1 - R)),
//                  S / e^(w17 * w18))                                 forgotten, a later day
//   S'same   = S * e^(w17 * (G - 3 + w18)) * S^(-w19), the factor
//              at least 1 for Good and Easy                           again on the same day
//
// Days are calendar days: an answer on the same date as the previous one is a same-day review,
// otherwise t is the whole number of days between the two dates. Stability stays at least
// 0.001 days.
using ParametryFsrs = std::array<double, 21>;

// The published FSRS-6 default parameters w0..w20 (also the defaults of the reference
// scheduler and optimiser of that version).
inline constexpr ParametryFsrs kVychoziParametryFsrs {
    0.212,  1.2931, 2.3065, 8.2956, 6.4133, 0.8334, 3.0194, 0.001,  1.8722, 0.1666, 0.796,
    1.4835, 0.0614, 0.2629, 1.6483, 0.6014, 1.8729, 0.5425, 0.0912, 0.0658, 0.1542};

// The four grades of the model, numbered as in the formulas (G).
enum class Hodnoceni { Znovu = 1, Tezke = 2, Dobre = 3, Snadne = 4 };

// A wrong or hinted answer is Again (Znovu), a right one Good (Dobre). A right answer is never
// graded Easy from its speed: how long an answer takes follows mostly from the length of the
// question and its picture, and a quick right click on one of three answers may be a guess, so
// speed says little about recall here; Easy would multiply the gain in stability by w16 (about
// 1.9) and lower the difficulty, and an overrated memory is the costly mistake before an exam.
// The default parameters were also fitted to grades chosen by learners, not inferred from time.
Hodnoceni HodnoceniOdpovedi(VysledekPokusu vysledek);

// The memory of one question. A question never answered has no memory yet (`videna` false).
struct StavPameti {
    bool videna = false;
    double stabilita = 0;  // days until the chance of recall falls to 90 %
    double obtiznost = 0;  // 1 (easiest) .. 10
    DatumCas posledni;  // date and time of the last answer

    bool operator==(const StavPameti&) const = default;
};

// A profile's memory by question number.
using PametProfilu = std::map<int, StavPameti>;

// The state after one more answer graded `g` at `kdy`. An answer dated before the last one (a
// clock set back) counts as given on the same day.
StavPameti PoOdpovedi(const StavPameti& stav, Hodnoceni g, const DatumCas& kdy,
                      const ParametryFsrs& w = kVychoziParametryFsrs);

// The memory of a question answered before its memory was kept, derived from its Statistika
// record alone (unseen when it counts no answer). The record keeps the counts, not the days of the
// answers, so they are replayed as all given on the day of the last answer, at its time: on one
// day the model hardly moves the stability, so a long run of right answers is not taken for
// knowledge kept over weeks. The order tells the least that is certain and rates the memory no
// higher than the truth could: the wrong and hinted answers come first (a first failure gives
// the lowest starting stability), then the right answers outside the final run, then the last
// answer: the final run of right answers, or one wrong or hinted answer when that was the last.
// The same record always gives the same state.
StavPameti PametZeStatistiky(const ZaznamStatistiky& z,
                             const ParametryFsrs& w = kVychoziParametryFsrs);

// Completes `pamet` with the memory derived by PametZeStatistiky for every question that has a
// Statistika record with answers but no memory state; stored states stay as they are.
void DoplnPametZeStatistiky(PametProfilu& pamet, const StatistikaProfilu& statistika,
                            const ParametryFsrs& w = kVychoziParametryFsrs);

// The chance of recall after `dny` days (fractional; negative counts as 0) at stability `s`.
double Vybaveni(double stabilita, double dny, const ParametryFsrs& w = kVychoziParametryFsrs);

// The chance of recall of the question at the moment `kdy`, counting the time since the last
// answer to the second. A question never answered has no chance of recall from memory: 0.
double Vybaveni(const StavPameti& stav, const DatumCas& kdy,
                const ParametryFsrs& w = kVychoziParametryFsrs);

// The days (fractional) after which the chance of recall falls to `retence` (0 < retence < 1).
double Interval(double stabilita, double retence, const ParametryFsrs& w = kVychoziParametryFsrs);

// The review interval in whole days: I rounded, at least 1 and at most 36500.
int IntervalDni(double stabilita, double retence, const ParametryFsrs& w = kVychoziParametryFsrs);

// The date (time zero) on which an answered question falls due at the desired retention: the
// date of its last answer plus IntervalDni.
DatumCas Splatnost(const StavPameti& stav, double retence,
                   const ParametryFsrs& w = kVychoziParametryFsrs);

// The answered questions due on the date of `dnes` at the desired retention, most overdue first:
// by days past their due date, then by the lower chance of recall at `dnes`, then by number.
std::vector<int> PoradiOpakovani(const PametProfilu& pamet, const DatumCas& dnes, double retence,
                                 const ParametryFsrs& w = kVychoziParametryFsrs);

// The given unseen questions in an order that spreads the categories: each category is shuffled
// by the program's generator seeded with `seed`, and its k-th of n questions takes the place
// (k + 1/2) / n of the run, so every beginning of the run holds each category in proportion to
// its size. Equal places go by an order of the categories drawn from the same seed.
std::vector<int> PoradiNovych(const std::vector<int>& nevidene, std::uint32_t seed);
