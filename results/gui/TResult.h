#pragma once

#include "results/ZaznamVysledku.h"

#include <QDialog>

#include <filesystem>

class Hodiny;
class QFrame;
class QLabel;
class QPushButton;
struct Nastaveni;
struct StavBehu;
struct StavOpakovaniZaznamu;

// Stores the finished run in Vysledky when the mode's protocol switch is on, asking first over
// `nad` for a retry run; a storage error is shown over `nad` and nothing is written later.
// Answers how it came out, for the evaluation window to show.
ProtokolBehu UlozVysledekBehu(QWidget* nad, const StavBehu& beh, const Nastaveni& nastaveni,
                              const StavOpakovaniZaznamu& opakovani, bool zkouska,
                              const std::filesystem::path& adresar, const Hodiny& hodiny);

// The evaluation window of a finished practice or exam run. It shows the run and how its record
// came out (`protokol`, stored before the window is created), and it offers a retry run of the
// wrong (in practice also the hinted) questions. exec() answers Opakovat when the run goes on as a
// retry run, prepared in the run state, and Zavrit otherwise; closing without retry ends a record
// retry and gives the licence group back.
class TResult : public QDialog {
    Q_OBJECT

public:
    enum Odpoved { Zavrit = 1, Opakovat = 2 };

    TResult(StavBehu& beh, Nastaveni& nastaveni, StavOpakovaniZaznamu& opakovani, bool zkouska,
            ProtokolBehu protokol, QWidget* rodic = nullptr);

    void done(int vysledek) override;

private:
    QLabel* lbTyp = nullptr;
    QLabel* lbUzivatel = nullptr;
    QFrame* Bevel1 = nullptr;
    QLabel* lbSkupina = nullptr;
    QLabel* lbPocet = nullptr;
    QLabel* lbSpravne = nullptr;
    QLabel* lbSpatne = nullptr;
    QLabel* lbSNapovedou = nullptr;
    QFrame* Bevel2 = nullptr;
    QLabel* lbUspesnost = nullptr;
    QLabel* lbSoubor = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnPrezkouset = nullptr;
    void btnPrezkousetClick();

    void VytvorOvladaci();
    void UkazProtokol(ProtokolBehu protokol);
    void VyplnPopisky();

    StavBehu& beh_;
    Nastaveni& nastaveni_;
    StavOpakovaniZaznamu& opakovani_;
    bool zkouska_;
};
