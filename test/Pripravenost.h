#pragma once

#include "base/DatumCas.h"
#include "questions/Pamet.h"
#include "questions/Statistika.h"
#include "test/OdhadPlatny.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

class Banka;

// Readiness for the exam from the memory model: the chance of a right answer to each question on
// a given date, the chance of passing both exam formats on that date with its band, the chance
// over the past days, and a daily plan that reaches a target chance on the exam date.
//
// The chance of a right answer to a question at a moment is
//     P = R + (1 - R) * q
// where R is the chance of recall from the question's memory (FSRS, questions/Pamet.h) with its
// stability multiplied by the learner's own factor m, and q is the chance of getting it right
// without remembering it: the learner's chance of a right first answer in the question's
// category. A question never answered has R = 0, so P = q.
//
// Neither m nor q is known exactly; both are learnt from the learner's answers:
// - q: a first-time learner answers about 55 % of the questions right (one in three by guessing
//   among three answers, more from common sense and everyday traffic). This prior, of the
//   strength of 10 answers (a beginner's q lies between about 25 and 85 %), is updated by all of
//   the learner's first answers; each category's q is then centred on that with the strength of 10
//   answers and updated by the category's own first answers.
// - m: log m has a normal prior (mean 0, deviation 0.6) on a grid; each answer to a question
//   answered before updates it by the chance the model gave that answer, all of them together
//   weighed as at most 100 answers (the model's own error stays in the band).
// Each draw of (m, q) gives every question its chance, and the chance of passing follows exactly
// from the dynamic programme over points; the band is the 2.5th to 97.5th percentile of the
// draws (Pasmo95).

// One evaluated answer as the answer log keeps it.
struct OdpovedUcenice {
    int cislo = 0;
    DatumCas kdy;
    VysledekPokusu vysledek = VysledekPokusu::Spravne;
    int ms = 0;  // time taken to answer, 0 when unknown
};

// What a learner's answers say beyond the memory of each question.
struct ModelUcenice {
    static constexpr double kPrvniPrumer = 0.55;  // a first-time learner's right first answers
    static constexpr double kPrvniSila = 10.0;
    static constexpr double kSilaKategorie = 10.0;
    static constexpr int kVychoziMs = 20000;  // time per answer before any is measured

    std::array<long, 7> prvniDobre {}, prvniCelkem {};  // first answers per category 1..7
    long vsePrvniDobre = 0, vsePrvniCelkem = 0;
    std::vector<double> vaha;  // posterior weight per point of MrizkaNasobku(), summing to 1
    int medianMs = 0;  // the median time of the answers with a measured time, 0 for none

    int MsNaOdpoved() const { return medianMs > 0 ? medianMs : kVychoziMs; }
};

// The grid of log m.
const std::vector<double>& MrizkaNasobku();

// Replays the answers (in time order) with the model's parameters `w` and learns m and q.
ModelUcenice SestavModelUcenice(const std::vector<OdpovedUcenice>& odpovedi,
                                const ParametryFsrs& w = kVychoziParametryFsrs);

// The memory after all the answers (in time order).
PametProfilu PametZOdpovedi(const std::vector<OdpovedUcenice>& odpovedi,
                            const ParametryFsrs& w = kVychoziParametryFsrs);

// One draw of the learner: the stability multiplier and q per category 1..7.
struct DrazUcenice {
    double nasobek = 1;
    std::array<double, 7> prvni {};
};

// `pocet` draws from the posterior; the same seed gives the same draws.
std::vector<DrazUcenice> LosujUcenice(const ModelUcenice& model, int pocet, std::uint32_t seed);

// The posterior means of m and q.
DrazUcenice StredUcenice(const ModelUcenice& model);

// The chance of a right answer at `kdy`.
double SanceOdpovedi(const StavPameti& stav, double prvni, double nasobek, const DatumCas& kdy,
                     const ParametryFsrs& w = kVychoziParametryFsrs);

// The two exam formats for one licence group, composed once.
struct FormatyZkousky {
    std::string skupina;
    std::array<std::vector<int>, 7> platny;  // today's format: numbers by section
    std::vector<std::vector<std::pair<int, int>>> body;  // the points sheet: (number, sheets)
    int listu = 0;
    std::vector<int> cisla;  // every number either format can ask, ascending

    bool LzePlatny() const { return !platny[0].empty(); }
    bool LzeBody() const { return !body.empty(); }
};

FormatyZkousky PripravFormaty(const Banka& banka, const std::vector<int>& oblasti,
                              std::string_view skupina, std::uint32_t seed, int listu = 500);

// The exact chances of passing each format when question n is answered right with sance[n].
struct SanceFormatu {
    double platny = 0, body = 0;
};
SanceFormatu SanceZkousky(const FormatyZkousky& formaty, const std::vector<double>& sance);

// The chance of passing both formats at `kdy`: the mean over the draws and the band.
struct OdhadNaDen {
    OdhadPlatny platny, body;
};
OdhadNaDen OdhadniNaDen(const FormatyZkousky& formaty, const PametProfilu& pamet,
                        const std::vector<DrazUcenice>& drazy, const DatumCas& kdy,
                        const ParametryFsrs& w = kVychoziParametryFsrs);

// `pocet` of the draws for the curves and the plan, which evaluate many days: the draws ordered by
// their chance of passing at `kdy` (today's format where it can be estimated), every k-th from
// the middle of its stratum, so that their mean follows the mean over all the draws.
std::vector<DrazUcenice> VyberDrazy(const FormatyZkousky& formaty, const PametProfilu& pamet,
                                    const std::vector<DrazUcenice>& drazy, const DatumCas& kdy,
                                    int pocet, const ParametryFsrs& w = kVychoziParametryFsrs);

// The mean chance of passing (today's format where it can be estimated, else the points sheet) at
// the end of each of the last `dnu` days before today, from the memory the answers before that
// moment give; days before the first answer are left out.
struct BodKrivky {
    DatumCas den;  // date, time zero
    double sance = 0;
};
std::vector<BodKrivky> MinulyPrubeh(const FormatyZkousky& formaty,
                                    const std::vector<OdpovedUcenice>& odpovedi,
                                    const std::vector<DrazUcenice>& drazy, const DatumCas& dnes,
                                    int dnu = 60, const ParametryFsrs& w = kVychoziParametryFsrs);

// A daily plan up to the exam. Each day from today to the day before the exam the learner
// answers the questions due at `retence` (as "Opakování na dnes" schedules them), then
// `novychDenne` new ones in the spread order, until none is left. The days are simulated with the
// memory model and the learner's own m and q (their posterior means); the outcome of each answer
// is drawn from its chance by a generator fixed per question and day, so plans that differ only
// in the number of new questions meet the same luck. The chance on each day is the mean over the
// draws. The plan is the smallest number of new questions a day whose chance on the exam day
// reaches `cil`; when none does, every unseen question is taken on the first day.
struct ParametryPlanu {
    double cil = 0.95;
    double retence = 0.9;
    std::uint32_t seed = 1;
};
struct DenPlanu {
    DatumCas den;
    int opakovani = 0, novych = 0;
    double sance = 0;  // at the end of the day; on the exam day, at its start
};
struct PlanUceni {
    bool lzePlanovat = false;  // the exam lies after today and a format can be estimated
    bool dosahne = false;  // the chance on the exam day reaches the target
    int novychDenne = 0;
    int prumerOpakovani = 0, nejvicOpakovani = 0;  // answers due a day: mean (rounded), most
    int minutDenne = 0;  // mean answers a day times the time per answer
    double sanceVDenZkousky = 0;
    std::vector<DenPlanu> dny;  // today .. the exam day
};
PlanUceni Naplanuj(const FormatyZkousky& formaty, const PametProfilu& pamet,
                   const ModelUcenice& model, const std::vector<DrazUcenice>& drazy,
                   const DatumCas& dnes, const DatumCas& zkouska,
                   const ParametryPlanu& parametry = {},
                   const ParametryFsrs& w = kVychoziParametryFsrs);

// Whole days from the date of `od` to the date of `do_`, and a date shifted by days.
long long DnuMezi(const DatumCas& od, const DatumCas& do_);
DatumCas PosunDne(const DatumCas& datum, long long dnu);

// The exam date of a profile (preference "DatumZkousky"); none when unset or not a date.
std::optional<DatumCas> NactiDatumZkousky(const std::filesystem::path& adresar,
                                          const std::string& profil);
// Stores the date (none clears it). Storage errors propagate as ChybaTabulky.
void UlozDatumZkousky(const std::filesystem::path& adresar, const std::string& profil,
                      const std::optional<DatumCas>& datum);
