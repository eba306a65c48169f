#pragma once

#include "base/Nastaveni.h"
#include "test/TestPlatny.h"
#include "test/ZaznamPlatny.h"

#include <QDialog>

#include <array>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <vector>

class Banka;
class Hodiny;

// "Test podle platných pravidel": a practice test in the format of today's exam, one question at
// a time with a strip of the 25 numbers and a countdown, then the verdict and a review of every
// question. The same window shows the review of a stored test. Its controls are private; tests
// reach them by object name.
class TTestPlatny : public QDialog {
    Q_OBJECT
public:
    // A new test for the learner and group of `nastaveni`; `oblasti` gives each number its
    // section (index = number). The clock runs the countdown and dates the record; the seed
    // decides the draw. Testy, Statistika and Predvolby are resolved against `adresar`.
    TTestPlatny(const Banka& banka, const std::vector<int>& oblasti, const Nastaveni& nastaveni,
                std::filesystem::path adresar, const Hodiny& hodiny, std::uint32_t seed,
                QWidget* rodic = nullptr);
    // The verdict and review of a stored test (damaged records raise ChybaTabulky).
    TTestPlatny(const Banka& banka, const std::vector<int>& oblasti, const ZaznamPlatny& zaznam,
                std::filesystem::path adresar, QWidget* rodic = nullptr);
    ~TTestPlatny() override;

    // Composes the test and shows the rules box; true once the learner has started the test and
    // the countdown runs. False after an error box or when the learner declined: the window must
    // not be opened.
    bool Zahaj();
    // One step of the countdown, as its timer calls it: reads the clock, shows the remaining
    // time and evaluates the test at 0:00 without asking.
    void Tik();

    bool Vyhodnoceno() const;
    const VysledekPlatny& Vysledek() const;

protected:
    void reject() override;
    void closeEvent(QCloseEvent* udalost) override;

private:
    struct Stav;
    std::unique_ptr<Stav> s_;
};
