#pragma once

#include "base/Nastaveni.h"

#include <array>
#include <string>
#include <vector>

class Banka;
class Hodiny;

// The state of a practice or exam run. The main window owns one instance for the whole program;
// the evaluation window and the results list read and write it.
struct StavBehu {
    int celkem = 0;  // run total
    int zbyva = 0;  // questions not yet shown
    int startOtazka = 1;  // position across the switched-on categories, sequential order only
    std::vector<int> otazky;  // run question list: numbers shown so far, or the numbers to retry
    std::vector<int> spatne;  // wrong-answer list, in answer order
    std::vector<int> napovedy;  // hint-used list, in order
    int uspesnost = 0;  // success percentage
    bool opakovani = false;  // retry run: ask the run question list in its order
    std::vector<int> poradi;  // a practice of one's mistakes: the questions in the order to ask
    bool cekaNaOdpoved = false;  // a question is shown and awaits confirmation or the hint
    int cisloOtazky = 0;  // question on display
    std::string spravneOdpovedi;  // its SPRÁVNĚ letters
    std::string skupinaOtazky;  // its Skupina letters
    std::array<bool, 4> oznaceno {};  // the learner's marks on it, A..D
    // The verdict of the evaluated answer while it shows (until the feedback's time runs out).
    enum class Verdikt { Zadny, Spravne, Spatne } verdikt = Verdikt::Zadny;

    int PocetSpatnych() const { return static_cast<int>(spatne.size()); }
    int PocetNapoved() const { return static_cast<int>(napovedy.size()); }
    int PocetSpravnych() const { return celkem - PocetSpatnych() - PocetNapoved(); }
};

// A retry run started from a stored result record: it runs under the record's licence group and
// stores the record's categories; the group active before is restored when it ends.
struct StavOpakovaniZaznamu {
    bool priznak = false;
    std::string ulozenaSkupina;
    std::string kategorie;
};

// Questions of the switched-on categories that fit the licence group by the range filter.
// 0 means that no run can start.
int PocetDostupnych(const Banka& banka, const Nastaveni& nastaveni);

// Number of the start-th question (from 1) counted across the switched-on categories by the
// range filter; 0 when there are fewer.
int NajdiPrvniOtazku(const Banka& banka, const Nastaveni& nastaveni, int start);

// Fills the run from the length and start chosen in the run-parameter dialog: a run list of
// `delka` zeros, total and remaining := delka, and in sequential order the first question.
void PripravBeh(StavBehu& beh, const Banka& banka, const Nastaveni& nastaveni, int delka,
                int start);

// Fills the run of a practice of one's mistakes: `delka` questions taken from `poradi` in its
// order instead of the walk; otherwise as PripravBeh.
void PripravBehZPoradi(StavBehu& beh, std::vector<int> poradi, int delka);

// Start of a practice or exam mode: nothing answered yet; sequential order goes on from just
// before the first question. A retry run is one when it comes from a stored record.
void ZacniBeh(StavBehu& beh, const StavOpakovaniZaznamu& zaznam);

// End of the mode however it ends: the lists go, the retry-run flag follows the record retry.
void UkonciBeh(StavBehu& beh, const StavOpakovaniZaznamu& zaznam);

// The walk's choice of the next question for position total - remaining, without changing the
// run: in sequential order the next accepted number after the current one, in random order an
// accepted number drawn from a generator seeded with the clock's milliseconds since UTC midnight
// and not among the run list's entries up to that position. A candidate is accepted when its
// category is switched on, it exists and it fits the group by the walk's test. 0 when the walk
// is exhausted: sequential order reached 757, or random order has tried every number 1..757.
int VyberOtazku(const StavBehu& beh, const Banka& banka, const Nastaveni& nastaveni,
                const Hodiny& hodiny);

// Takes the next question of the run: the retry list's next entry (withdrawn numbers are dropped
// from the run), otherwise the fixed order's entry at that position, otherwise VyberOtazku's
// choice, stored in the run list. Sets the current number with its letters, makes the answer
// pending and lowers the remaining count. Returns the number, or 0 when nothing is left to ask; the
// run then ends with the questions asked so far (total := those shown), and the caller evaluates it
// as if its last question had been answered (or, with total 0, ends the mode).
int DalsiOtazka(StavBehu& beh, const Banka& banka, const Nastaveni& nastaveni,
                const Hodiny& hodiny);

// What an answer mark shows after evaluation.
enum class Znacka {
    Skryta,  // not marked and not correct
    Ano,  // marked and correct: keeps the yes picture
    Ne,  // marked but wrong
    Chyba,  // correct but not marked
};

struct VysledekOdpovedi {
    std::array<Znacka, 4> znacky {};  // answers A..D
    bool spravne = false;
};

// Success percentage of the answers evaluated so far: correct ÷ (answered − hinted).
int SpocitejUspesnost(const StavBehu& beh);

// The question on display becomes n (browse mode, or the run's next question): its letters,
// no marks.
void NastavAktualni(StavBehu& beh, const Banka& banka, int cislo);

// A click or key on answer i (0..3 for A..D) of the pending question toggles its mark; false
// when no answer is pending.
bool PrepniOdpoved(StavBehu& beh, int i);

// Evaluates the pending answer given which of A..D are marked (the learner's marks, `oznaceno`):
// the marks' outcome, the wrong list, the success percentage and the verdict. The caller makes sure
// at least one answer is marked.
VysledekOdpovedi VyhodnotOdpoved(StavBehu& beh, const std::array<bool, 4>& oznaceno);

// The practice hint: when an answer is pending, records it in the hint-used list and ends the
// question without evaluation (the caller shows the correct answers). False when nothing is
// pending.
bool PouzijNapovedu(StavBehu& beh);

// Retry hand-off of the evaluation window: the run list becomes the wrong-answer list, followed
// in practice by the hint-used list; total and remaining := its length; counts, lists and
// percentage cleared; the run continues as a retry run.
void PripravOpakovani(StavBehu& beh, bool zkouska);

// Closing an evaluation without retry or ending a mode early: a record retry gives the licence
// group back.
void ZrusOpakovaniZaznamu(Nastaveni& nastaveni, StavOpakovaniZaznamu& zaznam);
