#pragma once

#include "base/DatumCas.h"
#include "base/Nastaveni.h"
#include "test/HodnoceniTestu.h"
#include "test/SlozeniTestu.h"

#include <QDialog>

#include <array>
#include <filesystem>

class Banka;
class Hodiny;
class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QStatusBar;
class QTabWidget;
class QTableWidget;
class QTimer;
class StatickyText;

// The points test: 25 drawn questions on seven pages with a 30-minute countdown, then the
// result panel with the comparison of each position. Created for one test and destroyed after.
class TTestForm : public QDialog {
    Q_OBJECT
public:
    // The bank is the program's own copy in memory; the settings give the learner, the licence
    // group and the points-test protocol switch; pictures and Protokoly are resolved against
    // `adresar`; the clock seeds the draw and dates the test.
    TTestForm(const Banka& banka, const Nastaveni& nastaveni, std::filesystem::path adresar,
              const Hodiny& hodiny, QWidget* rodic = nullptr);
    ~TTestForm() override;

    // Fills the status bar and runs StartTest; the countdown runs once it returns true. False
    // when the bank cannot give a test (the error has been shown): the window must not open.
    bool FormCreate();
    bool StartTest();
    // Draws the 25 positions, seeded from the clock; false when the bank cannot fill them.
    bool ComposeTest();
    void FillSheet();
    void EvaluateTest();
    void ShowEvaluation();
    void ShowComparison();
    void ShowMarkers();

    const PoziceTestu& Pozice() const { return pozice_; }
    const VysledekTestu& Vysledek() const { return vysledek_; }
    bool Vyhodnoceno() const { return vyhodnoceno_; }
    // The countdown's seconds left, the test's start, and the position compared on the
    // evaluation panel.
    int ZbyvaSekund() const { return RemainingSeconds; }
    const DatumCas& Zacatek() const { return TestStart; }
    int VybranaPozice() const { return SelectedPosition; }

protected:
    void closeEvent(QCloseEvent* udalost) override;  // FormClose
    void reject() override;  // Esc closes through FormClose too
    bool eventFilter(QObject* objekt, QEvent* udalost) override;

private:
    void Timer1Timer();
    void btnVyhodnotitClick();
    void TabulkaSelectCell(int ACol, int ARow);

    int MinimumBodu = 0;  // PassMinimum of the group
    int RemainingSeconds = 0;
    DatumCas TestStart {};
    int SelectedPosition = 1;

    // Controls, named as the program knows them (also their object names).
    QTabWidget* pcTest = nullptr;
    std::array<QWidget*, 7> List {};
    std::array<QGroupBox*, kPocetPozic> gb {};
    std::array<StatickyText*, kPocetPozic> stO {};
    std::array<std::array<StatickyText*, 4>, kPocetPozic> stOdpoved {};  // stkA..stkD
    std::array<std::array<QCheckBox*, 4>, kPocetPozic> cbOdpoved {};  // cbkA..cbkD (cd1D)
    std::array<QLabel*, kPocetPozic> img {};  // only 17..21 and 23..25
    QPushButton *btnVyhodnotit = nullptr, *btnZrusit = nullptr;
    QStatusBar* StavRadek = nullptr;
    std::array<QLabel*, 4> panely {};
    QTimer* Timer1 = nullptr;

    QWidget* pVyhodnoceni = nullptr;
    QGroupBox *sgbProfil = nullptr, *sgbTest = nullptr, *SpatnaOtazka = nullptr;
    QLabel *lbProfil = nullptr, *lbSkupina = nullptr, *lbMaxPocBod = nullptr,
           *lbMinPocBod = nullptr, *lbMaxCas = nullptr, *lbCas = nullptr, *lbOdpovedi = nullptr,
           *lbDosBod = nullptr, *lbUspech = nullptr, *lbProtokol = nullptr, *lbNapoveda = nullptr,
           *Obrazek = nullptr;
    QPushButton* btnOK = nullptr;
    QTableWidget* Tabulka = nullptr;
    QWidget* pNapoveda = nullptr;
    StatickyText* Otazka = nullptr;
    std::array<StatickyText*, 4> Odpovedi {};  // A, B, C, D
    std::array<QLabel*, 4> lbPismena {}, imgZnacky {};
    StatickyText* Poznamka = nullptr;  // the compared question's note ("Vysvětlení po odpovědi")

    void VytvorPozici(int k);
    void VytvorVyhodnoceni();
    void st1AClick(int pozice, int pismeno);
    void cb1AClick();
    void WriteProtocol();
    // Shows the compared question's note below its answers (top `podOdpovedmi`), when the
    // learner wants notes after answers.
    void UmistiPoznamku(const std::string& text, int podOdpovedmi);
    // Adds every position to the learner's history of the questions.
    void WriteStatistics();
    QPixmap NactiObrazek(const std::string& relativni) const;

    const Banka& banka_;
    Nastaveni nastaveni_;
    std::filesystem::path adresar_;
    const Hodiny& hodiny_;
    PoziceTestu pozice_ {};
    VysledekTestu vysledek_;
    bool vyhodnoceno_ = false;
    bool vysvetleni_ = true;
    bool otazkaOtevrena_ = false;
    bool uplynuloPriOtazce_ = false;
    std::string chybaSlozeni_;
};
