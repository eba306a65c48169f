#pragma once

#include "base/Nastaveni.h"
#include "questions/PametProfilu.h"
#include "questions/Statistika.h"
#include "test/OdhadPlatny.h"
#include "test/OdhadUspechu.h"
#include "test/gui/TPripravenost.h"

#include <QDialog>

#include <cstdint>
#include <functional>
#include <vector>

class Banka;
class QLabel;
class QListWidget;
class QPushButton;
class QTableWidget;

// What the window shows from the memory model and the answer log: a question counts as mastered
// while its chance of recall at `dnes` is at least 90 %; the confusions are listed as given.
// `ukladani` false: the learner keeps no history, and the window says so.
struct UcebniPamet {
    PametProfilu pamet;
    DatumCas dnes;
    std::vector<Zamena> zameny;
    bool ukladani = true;
};

// "Statistika učení": per category the questions seen and mastered of those available for the
// licence group (table and bar chart), the 20 questions answered wrongly most often, and the
// estimated chances of passing a test in today's exam format (first: the exam the learner will
// sit) and the points test, each with its band. `oblasti` gives each number its section of
// today's exam (empty when the section table is missing: that estimate is then not made). Choosing
// a question closes the window and hands its number to `prohlizet` (browse mode on that question).
// Given `pripravenost`, the estimates come from the memory model instead, with the exam date, the
// plan and its chart (TPripravenost).
class TStatistikaUceni : public QDialog {
    Q_OBJECT
public:
    TStatistikaUceni(const Banka& banka, const Nastaveni& nastaveni,
                     const StatistikaProfilu& statistika, std::uint32_t seed,
                     std::function<void(int)> prohlizet, QWidget* rodic = nullptr,
                     const std::vector<int>& oblasti = {}, const UcebniPamet& ucebni = {},
                     const VstupPripravenosti* pripravenost = nullptr);

    const OdhadUspechu& Odhad() const { return odhad_; }
    const OdhadPlatny& OdhadDnesni() const { return odhadPlatny_; }
    const std::vector<int>& NejcastejiSpatne() const { return chyby_; }
    // The readiness part, shown when the window was given its input: whether its background
    // computation has finished, today's estimate and the plan (empty until it has).
    bool PripravenostHotova() const;
    const OdhadNaDen& DnesniPripravenost() const;
    const PlanUceni& PlanPripravenosti() const;

private:
    QTableWidget* tabKategorie = nullptr;
    QWidget* grafKategorii = nullptr;  // a chart view (ui/Grafy.h)
    QTableWidget* tabChyby = nullptr;
    QPushButton* btnProhlizet = nullptr;
    QPushButton* btnZavrit = nullptr;
    QLabel* lbOdhadPlatny = nullptr;
    QLabel* lbOdhad = nullptr;
    QLabel* lbVysvetleni = nullptr;
    TPripravenost* pPripravenost = nullptr;
    QListWidget* lstZameny = nullptr;
    QLabel* lbHistorie = nullptr;

    void btnProhlizetClick();
    // Opens browse mode on the question of the chosen confusion.
    void lstZamenyClick();

    std::function<void(int)> prohlizet_;
    OdhadUspechu odhad_;
    OdhadPlatny odhadPlatny_;
    std::vector<int> chyby_;
    std::vector<Zamena> zameny_;
};
