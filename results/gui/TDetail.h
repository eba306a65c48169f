#pragma once

#include <QDialog>

#include <memory>

class Banka;
class QFrame;
class QLabel;
class QPushButton;
struct Relace;
struct VybranyVysledek;

// The details of one stored practice or exam run: its categories, figures and the numbers of
// the wrong and hinted questions, with a retry run of those questions. The list that opens it
// sets its caption and, for an exam, greys the hint line and gives the retry button its exam
// caption. exec() answers Opakovat when a retry run was prepared in the session (the caller
// starts the mode), Zavrit otherwise.
class TDetail : public QDialog {
    Q_OBJECT

public:
    enum Odpoved { Zavrit = 1, Opakovat = 2 };

    TDetail(const VybranyVysledek& zaznam, const Banka& banka, Relace& relace,
            QWidget* rodic = nullptr);
    ~TDetail() override;

    // A record of an exam: no hints to show, and the retry button's caption (and width) of the
    // exam; otherwise the practice caption.
    void NastavZkouseni(bool zkouska);

private:
    void btnZ1Click();
    void btnZ2Click();
    void btnPrezkousetClick();

    QLabel* lbProfil = nullptr;
    QLabel* lbSkupina = nullptr;
    QFrame* Bevel1 = nullptr;
    QLabel* lbKategorie = nullptr;
    QLabel* stKategorie = nullptr;
    QFrame* Bevel2 = nullptr;
    QFrame* panel = nullptr;
    QLabel* lbPocet = nullptr;
    QFrame* Bevel3 = nullptr;
    QLabel* lbSpravne = nullptr;
    QLabel* lbSpatnych = nullptr;
    QLabel* lbSNapovedou = nullptr;
    QFrame* Bevel4 = nullptr;
    QLabel* lbUspesnost = nullptr;
    QPushButton* btnZ1 = nullptr;
    QPushButton* btnZ2 = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnPrezkouset = nullptr;

    void VytvorOvladaci();
    // Places btnOK and btnPrezkouset as a centred pair, by the retry button's designed width.
    void VycentrujTlacitka();
    void NastavKategorie();

    std::unique_ptr<VybranyVysledek> zaznam_;
    const Banka& banka_;
    Relace& relace_;
};
