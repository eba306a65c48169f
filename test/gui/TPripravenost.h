#pragma once

#include "test/Pripravenost.h"

#include <QWidget>

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class Banka;
class QDateEdit;
class QLabel;
class QPushButton;

// What the readiness part of "Statistika učení" is computed from: the profile's memory and its
// answers, the moment the window opens, and where the exam date is kept.
struct VstupPripravenosti {
    std::filesystem::path adresar;
    std::string profil;
    PametProfilu pamet;
    std::vector<OdpovedUcenice> odpovedi;
    DatumCas dnes;
};

// The chance of passing today's exam format and the points test today and on the exam date if
// the learner stops practising, each with its band; the daily plan that reaches 95 % on the exam
// date; a chart of the chance over the past days and along the plan. The exam date ("Datum
// zkoušky") is entered here and stored in the profile's preferences.
class TPripravenost : public QWidget {
    Q_OBJECT
public:
    TPripravenost(const Banka& banka, const std::vector<int>& oblasti, std::string_view skupina,
                  VstupPripravenosti vstup, std::uint32_t seed, QWidget* rodic = nullptr);

    const OdhadNaDen& Dnes() const { return dnes_; }
    const OdhadNaDen& VDenZkousky() const { return vDenZkousky_; }
    const PlanUceni& Plan() const { return plan_; }
    const std::optional<DatumCas>& DatumZkousky() const { return datum_; }
    // The exam day's estimate, the past days and the plan follow once the window shows.
    bool Hotovo() const { return hotovo_; }

private:
    void
    Ukaz(bool vse);  // the texts and the chart for the exam date in datum_; `vse` with the plan
    void NastavDatum();
    void ZrusDatum();

    VstupPripravenosti vstup_;
    FormatyZkousky formaty_;
    ModelUcenice model_;
    std::vector<DrazUcenice> drazy_, drazyKrivky_;
    std::vector<BodKrivky> minule_;
    std::optional<DatumCas> datum_;
    OdhadNaDen dnes_, vDenZkousky_;
    PlanUceni plan_;
    std::string skupina_;
    bool hotovo_ = false;

    QDateEdit* deDatumZkousky_ = nullptr;
    QPushButton* btnNastavitDatum_ = nullptr;
    QPushButton* btnZrusitDatum_ = nullptr;
    QLabel* lbSancePlatny_ = nullptr;
    QLabel* lbSanceBody_ = nullptr;
    QLabel* lbVysvetleniOdhadu_ = nullptr;
    QLabel* lbPlan_ = nullptr;
    QWidget* grafPripravenosti_ = nullptr;  // a chart view (ui/Grafy.h)
};
