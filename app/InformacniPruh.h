#pragma once

#include "questions/Relace.h"

#include <filesystem>

class QFrame;
class QLabel;
class QRect;
class QWidget;

// The information strip below the question panel: the legend of the answer marks, how to end
// the mode, the profile and group, and in practice and exam the counters. Its lines stand where
// the running mode wants them.
class InformacniPruh {
public:
    static constexpr int kVyska = 70;

    // The strip's pictures are resolved against the working directory `adresar`; they are read
    // when the strip is first shown, as the start-up window does not show it.
    InformacniPruh(QWidget* rodic, const std::filesystem::path& adresar);

    // Shows or hides the strip for `rezim` with the lines and positions of that mode.
    void NastavRezim(RezimBehu rezim, bool zapnout, const Nastaveni& nastaveni);

    void Celkem(int pocet);
    void Zbyva(int pocet);
    void Uspesnost(int procent);
    // Places the strip (pPomoc) in its parent.
    void Umisti(const QRect& kde);

private:
    QFrame* pPomoc = nullptr;
    QLabel *lbInfo = nullptr, *imgInfoYes = nullptr, *lbAno = nullptr, *imgInfoNo = nullptr,
           *lbNe = nullptr, *imgInfoNic = nullptr, *lbNic = nullptr, *lbJakNaTo = nullptr,
           *lbKonecRezimu = nullptr, *lbNapoveda = nullptr, *lbUzivatel = nullptr,
           *lbSkupina = nullptr, *lbCelkemOtazek = nullptr, *lbZbyvaOtazek = nullptr,
           *lbUspesnost = nullptr;
    QFrame *Cara1 = nullptr, *Cara2 = nullptr;

private:
    void ZobrazZnacky();

    std::filesystem::path adresar_;
    bool znackyNacteny_ = false;
};
