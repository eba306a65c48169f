#pragma once

#include "questions/Beh.h"

#include <QFrame>
#include <QPointer>
#include <QString>

#include <array>
#include <filesystem>
#include <set>
#include <string>

class Banka;
class OknoObrazku;
class PanelHledani;
struct Otazka;
class StatickyText;
class QLabel;
class QLineEdit;
class QToolButton;
class QKeyEvent;
class QWidget;

// The white question panel of the main window (object name "pOtazky"): question number, text,
// the four answers with their letters and marks, the picture, the note, the browse panel and the
// feedback panel. It is a display: it shows what its owner gives it and reports the learner's
// input as signals (an answer clicked or keyed, a question chosen in browse mode, a right click);
// the owner changes the run's state and then tells the panel what to show.
class PanelOtazek : public QFrame {
    Q_OBJECT

public:
    // `adresar` is the working directory against which picture paths are resolved.
    PanelOtazek(const Banka& banka, std::filesystem::path adresar, QWidget* rodic);

    // Shows question n: number, texts laid out top to bottom, picture, note; the excluded-question
    // notice for a number without a record. In browse mode the correct answers get their marks.
    // It only draws: the owner has made n the run's current question first.
    void ZobrazOtazku(int n);
    // The note below the answers after an evaluated answer, in the colour readable in every look;
    // a question without a note shows nothing. SkryjVysvetleni hides it again outside browse mode.
    void ZobrazVysvetleni();
    void SkryjVysvetleni();
    // Shows exactly the marks given (the learner's marks of the pending answer).
    void ZobrazOznaceni(const std::array<bool, 4>& oznaceno);
    // The evaluated answer's marks over the learner's: the no picture on a wrong mark, the
    // mistake picture on a missed correct answer; a correct mark keeps its yes picture.
    void ZobrazVyhodnoceni(const std::array<Znacka, 4>& znacky);
    // Makes visible exactly the marks of the letters A..D found in `pismena` (the correct answers).
    void ZobrazSpravne(const std::string& pismena);
    // Loads one of the mark pictures ("yes.jpg", "no.jpg", "mistake.jpg" under grafika) into mark i
    // (0..3 for A..D), or into all four with i = -1.
    void NactiZnacku(int i, const QString& soubor);
    void SkryjZnacky();
    // Loads a mark picture into mark i (0..3) and shows it.
    void UkazZnacku(int i, const QString& soubor);
    // The feedback panel pSpravne: "Správně" or "Špatně" in its colour, over the question; hidden
    // again by SkryjVerdikt.
    void ZobrazVerdikt(bool spravne);
    void SkryjVerdikt();
    // Browse mode: shows or hides the browse box and the note.
    void NastavProhlizeni(bool zapnout);
    // Browse mode: shows question n (made current by the owner) with its number in the entry
    // (which gets the focus if `zamerit`).
    void ProhlizejOtazku(int n, bool zamerit = true);
    bool VProhlizeni() const;  // the browse panel is shown
    const QString& Titulek() const { return vyrazena_; }  // the excluded-question notice or empty

    // Browse mode: opens the search over the question (Ctrl+F); closing it returns to the entry.
    // PripravHledani, when browsing starts, builds the search's index in the background.
    void PripravHledani();
    void Hledat();
    void ZavriHledani();
    // The learner's flagged questions: the shown one carries the flag mark (in the browse box,
    // and beside the number in the other modes).
    void NastavOznacene(std::set<int> oznacene);
    bool Oznacena() const;  // the shown question is flagged
    // Opens the question's picture large in a window of its own (a click on it, or Z); nothing
    // when the question has no picture.
    void ZvetsiObrazek();

signals:
    // The right mouse button went down on the panel or one of the controls that pass it on (or
    // Enter or Space was pressed).
    void pravyKlik();
    // A left click on answer i (0..3 for A..D), its letter, or its key: the owner toggles the mark
    // of a pending answer and shows the marks.
    void klikNaOdpoved(int i);
    // Browse mode: the learner chose question n (Enter in the entry, the arrows, the pages, the
    // wheel, the search), already in the entry; the owner makes it current and shows it.
    void vybranaOtazka(int n);

protected:
    bool eventFilter(QObject* objekt, QEvent* udalost) override;
    void mousePressEvent(QMouseEvent* udalost) override;
    // Enter and Space act as the right mouse button; the answer keys as left clicks.
    void keyPressEvent(QKeyEvent* udalost) override;
    void paintEvent(QPaintEvent* udalost) override;

private:
    // Browse-mode handlers of the entry and its spin button.
    void eCisloOKeyDown(int klavesa);
    void sb1UpClick();
    void sb1DownClick();
    // PageUp and PageDown: ten at a time, under the arrows' rules, stopping at the bank's ends.
    void sb1Krok(int krok);
    bool JeCislo() const;
    // The answer keys: A..D (or 1..4) report the answer as a left click on it does (klikNaOdpoved).
    // Returns whether the key names an answer.
    bool KlavesaOdpovedi(QKeyEvent* udalost);

    // Controls, named as the program knows them.
    QLabel* lbCisloOtazky = nullptr;
    StatickyText* stOtazka = nullptr;
    std::array<QLabel*, 4> imgZnacky {};  // imgA..imgD
    std::array<QLabel*, 4> lbPismena {};  // lbA..lbD
    std::array<StatickyText*, 4> stOdpovedi {};  // stA..stD
    StatickyText* stPoznamka = nullptr;
    QLabel* imgObrazek = nullptr;
    QFrame* pProhlizeni = nullptr;
    QLabel* lbProhlizeni = nullptr;
    QLineEdit* eCisloO = nullptr;
    QWidget* sb1 = nullptr;  // up and down arrows
    QToolButton* sb1Nahoru = nullptr;
    QToolButton* sb1Dolu = nullptr;
    QLabel* pSpravne = nullptr;
    QLabel* lbOznacena = nullptr;  // the flag mark in the browse box
    QLabel* lbOznaceni = nullptr;  // the flag mark beside the number outside browse mode

    PanelHledani& Hledani();
    void VyplnOtazku(const Otazka& otazka);
    void UmistiText(StatickyText* text, const Otazka& otazka);
    void ZarovnejZnacky();
    void ObnovOznaceni();
    void ZobrazVyrazenou(bool normalni);
    // Refreshes the accessible names and descriptions of the question, answers and marks.
    void ObnovPristupnost();
    // The number in the entry; false (after the error box) when the entry holds no usable number.
    bool CisloZadani(long long& cislo);

    const Banka& banka_;
    std::filesystem::path adresar_;
    // The yes marks shown are the learner's marks of a pending answer (ZobrazOznaceni), not the
    // correct answers (an evaluation, the hint, browse mode).
    bool znackyUcastnika_ = false;
    int cislo_ = 0;  // the question drawn
    QString vyrazena_;  // the panel's caption: the excluded-question notice or empty
    std::array<QString, 4> obrazkyZnacek_;  // the picture file each mark holds
    int kolecko_ = 0;  // wheel turn on eCisloO not yet worth a step
    PanelHledani* pHledani_ = nullptr;
    std::set<int> oznacene_;
    QString obrazek_;  // the shown picture's file, empty when none
    QPointer<OknoObrazku> zvetseny_;
};
