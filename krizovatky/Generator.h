#pragma once

#include "krizovatky/Krizovatka.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

// New junction situations within what the solver decides: a random junction (3, 4 or 5 arms; with
// or without signs, lights, a tram, a police officer, pedestrians), 2 to 4 vehicles with their
// paths, a question with three answers (the solver's and two from typical mistakes) and the
// explanation from the solver's steps. A situation is kept only when the solver decides it, the
// vehicles do not all pass together, nobody waits and nobody blocks; everything is drawn by the
// scene generator of data/situace.

enum class DruhOtazky { Prvni, Poradi };

struct GenerovanaSituace {
    std::uint32_t seed = 0;
    KScena scena;
    Reseni reseni;
    DruhOtazky druh = DruhOtazky::Poradi;
    std::string otazka;
    std::array<std::string, 3> odpovedi;
    int spravna = 0;  // index into `odpovedi`
    std::array<std::string, 3> omyly;  // the mistake each wrong answer comes from; empty: none
                                       // named (the right answer, or an order merely changed)
    std::string vysvetleni;
};

// The situation of a seed (the same seed gives the same situation).
GenerovanaSituace GenerujSituaci(std::uint32_t seed);

// The scene in the form of data/situace/NNN.yaml.
std::string ScenaDoYaml(const KScena& scena);

// The scene turned counter-clockwise by `stupne` degrees (angles only; names stay).
KScena OtocScenu(const KScena& scena, double stupne);

// The scene seen in a mirror about the west-east axis: each angle a becomes -a, sideways shifts,
// arrows and indicators change sides. Left turns become right turns and the arm on one's right
// becomes the arm on one's left.
KScena ZrcadliScenu(const KScena& scena);

// The vehicles' steps of a solution (pedestrians left out, empty steps dropped).
std::vector<std::vector<std::string>> KrokyVozidel(const KScena& scena, const Reseni& reseni);
