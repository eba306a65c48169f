#pragma once

#include <array>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

class Banka;
class Nahoda;

// A practice test in the format of today's theory exam: 25 questions drawn by section, three
// answers of which exactly one is correct, 50 points, passed with 43.
inline constexpr int kOtazekPlatny = 25;
inline constexpr int kBoduPlatny = 50;
inline constexpr int kMinimumPlatny = 43;
inline constexpr int kDelkaPlatnySekund = 1800;
inline constexpr int kDelkaDyslexieSekund = 3600;  // for an applicant with certified dyslexia
inline constexpr int kPocetOblasti = 7;

// A section of the exam: how many questions it gives and what each is worth.
struct OblastPlatny {
    int cislo;  // 1..7, as the table oblasti numbers them
    std::string_view nazev;
    int pocet;
    int body;
};

// The seven sections in the order of the table, which is also the order of asking.
const std::array<OblastPlatny, kPocetOblasti>& OblastiPlatny();

// The section 1..7 of every question number (index = number, 0 for none), read from the
// read-only table oblasti (oblasti.DB) of `adresar`. A missing table, or a record whose number
// lies outside 1..757 or whose section outside 1..7, raises ChybaTabulky naming the file.
std::vector<int> NactiOblasti(const std::filesystem::path& adresar);

// One question of a composed test.
struct OtazkaPlatna {
    int cislo = 0;
    int oblast = 0;  // 1..7
    int body = 0;
    std::array<char, 3> poradi {'A', 'B', 'C'};  // bank letters in the order shown
    char spravne = 0;  // bank letter of the correct answer
    char zvolena = 0;  // bank letter chosen, 0 for none
    bool oznacena = false;  // flagged for a second look

    bool Zodpovezena() const { return zvolena != 0; }
    bool Spravne() const { return zvolena != 0 && zvolena == spravne; }
};

struct SlozenyPlatny {
    bool uplny = false;
    std::vector<OtazkaPlatna> otazky;
    int chybiOblast = 0;  // the section that ran short, when not complete
    std::string chyba;  // Czech message naming that section and the group
};

// Whether a question can be asked in this format for the licence group: it fits the group by the
// group-letter rule (group T as the points test takes it) and has exactly the three answers
// A, B, C with one of them correct.
bool VhodnaProPlatny(std::string_view skupinaOtazky, const std::string& a, const std::string& b,
                     const std::string& c, const std::string& d, std::string_view spravne,
                     std::string_view skupina);

// Draws each section's count without repeats from its suitable questions (sections in table
// order, questions of a section in draw order) and shuffles each question's three answers, all
// from `nahoda` as it stands. A section with too few questions ends the composition incomplete.
SlozenyPlatny SlozPlatnyTest(const Banka& banka, const std::vector<int>& oblasti,
                             std::string_view skupina, Nahoda& nahoda);

struct VysledekOblastiPlatny {
    int spravne = 0, polozeno = 0, body = 0, moznych = 0;
};

struct VysledekPlatny {
    int body = 0;
    bool prosel = false;  // body >= 43
    int nezodpovezeno = 0;
    std::array<VysledekOblastiPlatny, kPocetOblasti> oblasti {};
};

// Scores the test: a question chosen right earns its points, a wrong or missing choice none.
VysledekPlatny VyhodnotPlatny(const std::vector<OtazkaPlatna>& otazky);

// The running test without a window: the current question, choices, flags and moves.
class PrubehPlatny {
public:
    explicit PrubehPlatny(std::vector<OtazkaPlatna> otazky) : otazky_(std::move(otazky)) { }

    const std::vector<OtazkaPlatna>& Otazky() const { return otazky_; }
    int Aktualni() const { return aktualni_; }
    const OtazkaPlatna& AktualniOtazka() const
    {
        return otazky_[static_cast<std::size_t>(aktualni_)];
    }

    // Chooses the answer shown in place 0..2 of the current question (replacing the choice).
    void Zvol(int misto);
    void PrepniOznaceni();
    bool Jdi(int index);  // false when out of range; the current question stays
    bool Dalsi() { return Jdi(aktualni_ + 1); }
    bool Predchozi() { return Jdi(aktualni_ - 1); }
    int Nezodpovezeno() const;

private:
    std::vector<OtazkaPlatna> otazky_;
    int aktualni_ = 0;
};

// Text forms of the stored record: numbers joined by ", "; one letter per question ("-" for
// none); the shown orders as three letters each, joined by single spaces.
std::string TextCisel(const std::vector<OtazkaPlatna>& otazky);
std::string TextOdpovedi(const std::vector<OtazkaPlatna>& otazky);
std::string TextPoradi(const std::vector<OtazkaPlatna>& otazky);

// Seconds as "m:ss" for the countdown and the time used: 1800 gives "30:00", 65 gives "1:05".
std::string MinutySekundy(int sekundy);
