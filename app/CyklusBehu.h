#pragma once

#include "questions/Relace.h"
#include "questions/Statistika.h"

#include <QObject>

#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>

class Banka;
class InformacniPruh;
class PanelOtazek;
class QTimer;
class QWidget;

// The cycle of a practice or exam run on the main window: a click or key on an answer toggles its
// mark in the run, a right click evaluates the marked answers and shows the feedback panel for
// 1.5 s (Timer1), the next right click moves on, and after the last question the evaluation window
// decides between a retry run and the end. The run's state is changed here first; the question
// panel only shows what it is then given.
class CyklusBehu : public QObject {
public:
    // `okno` opens the evaluation window; `ukonciRezim` switches the running mode off.
    CyklusBehu(Relace& relace, const Banka& banka, PanelOtazek& panel, InformacniPruh& pruh,
               std::filesystem::path adresar, QWidget* okno,
               std::function<void(RezimBehu)> ukonciRezim);

    // Start of the mode: nothing answered yet, then the first question.
    void Zacni();
    // End of the mode however it ends.
    void Ukonci();
    // The run about to start is "Opakování na dnes": its answers are logged so, until the mode
    // ends.
    void OznacOpakovaniDne() { opakovaniDne_ = true; }
    // The learner ends the run early: no feedback stays, a record retry gives its group back.
    void Prerus();

    void DalsiOtazka();
    // A click or key on answer i (0..3) of the panel: a pending answer's mark toggles in the run
    // and the panel shows the run's marks.
    void OznacOdpoved(int i);
    void PravyKlik();
    void Timer1Timer();
    // The practice hint: shows the correct answers of the pending question.
    void Napoveda();

    // Whether the note shows after an evaluated answer (the profile's "Vysvětlení po odpovědi");
    // the mode's rules decide where it may.
    void NastavVysvetleni(bool zapnuto) { vysvetleni_ = zapnuto; }

private:
    void UkazDalsiOtazku();
    void KonecBehu();
    void ZobrazVysledekOdpovedi(const VysledekOdpovedi& vysledek);
    // Adds the evaluated answer to the active profile's history; a storage error is shown and
    // the run goes on.
    void ZapisDoStatistiky(int cislo, VysledekPokusu vysledek, const std::array<bool, 4>& oznaceno);

    Relace& relace_;
    const Banka& banka_;
    PanelOtazek& panel_;
    InformacniPruh& pruh_;
    std::filesystem::path adresar_;
    QWidget* okno_;
    std::function<void(RezimBehu)> ukonciRezim_;
    bool vysvetleni_ = true;
    std::uint32_t zobrazeno_ = 0;  // the clock's milliseconds when the pending question showed
    bool opakovaniDne_ = false;
    QTimer* Timer1 = nullptr;  // the feedback's 1.5 s, found by its object name
};
