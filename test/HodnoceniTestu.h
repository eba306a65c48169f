#pragma once

#include "base/DatumCas.h"
#include "questions/Beh.h"
#include "test/Protokol.h"
#include "test/SlozeniTestu.h"

#include <array>
#include <string>
#include <vector>

// The answer set of the ticked letters A..D, in that order ("BD" for b and d).
std::string OznacenaSada(const std::array<bool, 4>& zaskrtnuto);

struct VysledekTestu {
    int body = 0;  // 0..65
    int spatnych = 0;  // 0..25
    std::vector<int> spatnePozice;  // 1..25, ascending
    bool prosel = false;  // body >= minimum

    int Spravnych() const { return kPocetPozic - spatnych; }
};

// Scores the test all-or-nothing per position: a marked set equal to the correct one character
// for character earns the position's points. Stores each marked set and wrong flag.
VysledekTestu EvaluateTest(PoziceTestu& pozice,
                           const std::array<std::string, kPocetPozic>& oznacene, int minimum);

// Seconds as "mm:ss": 1800 gives "30:00", 65 gives "01:05".
std::string FormatMinSec(int sekundy);

// The elapsed time in Czech words: "1 minuta, 1 sekunda", "2 minuty, 5 sekund", "30 minut",
// and "0 " for no time at all.
std::string TextDelkyTestu(int uplynulo);

// The summary message after the evaluation, its lines joined by '\n'.
std::string SouhrnTestu(const VysledekTestu& vysledek, int minimum, bool casVyprsel);

// Caption of the comparison box: " 15. otázka (1 bod); Skutečné číslo otázky: 480 ".
std::string TitulekPorovnani(int pozice, int cislo);

// What the comparison shows beside each letter A..D: yes (ticked and correct), no (ticked but
// not correct), mistake (correct but not ticked) or nothing. Membership by character.
std::array<Znacka, 4> ZnackyPorovnani(const std::string& oznacene, const std::string& spravne);

// Caption of a position's box on the sheet: "1. otázka (3 body)", "15. otázka (1 bod)".
std::string TitulekPozice(int pozice);

// The Protokoly record of an evaluated test: `uplynulo` seconds of the countdown, started at
// `start`.
ZaznamProtokolu ProtokolTestu(const PoziceTestu& pozice, const VysledekTestu& vysledek,
                              const std::string& profil, const std::string& skupina, int minimum,
                              const DatumCas& start, int uplynulo);
