#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

class Banka;
class Nahoda;

inline constexpr int kPocetPozic = 25;
inline constexpr int kDelkaTestuSekund = 1800;

// Point value of positions 1..25 (index 0 is position 1); 65 in all.
inline constexpr std::array<int, kPocetPozic> PositionPoints {
    3, 3, 3, 3, 3, 3, 3, 3, 3, 3,  // 1..10
    2, 2, 2, 2,  // 11..14
    1, 1,  // 15, 16
    2, 2, 2, 2, 2,  // 17..21
    3,  // 22
    4, 4, 4,  // 23..25
};

// Minimum points to pass for a licence group: by the first letter, then by the whole code.
// A code that is no licence group gets 65, so that nothing passes by mistake.
int PassMinimum(std::string_view skupina);

// One position of a composed test.
struct TestPosition {
    int cislo = 0;  // Číslo of the drawn question
    std::string spravne;  // its SPRÁVNĚ, as stored
    std::string oznacene;  // the marked answer set, filled by the evaluation
    bool spatne = false;  // set by the evaluation
};

using PoziceTestu = std::array<TestPosition, kPocetPozic>;  // index 0 is position 1

// Where a position draws its candidates from: base + r(rozsah), redrawn while the candidate lies
// in vynechatOd..vynechatDo (an empty gap when vynechatOd is 0).
struct ZdrojPozice {
    int prvniPozice, posledniPozice;
    int zaklad, rozsah;
    int vynechatOd = 0, vynechatDo = 0;
};

// The six sources in position order: 1..10, 11..14, 15..16, 17..21, 22, 23..25.
const std::array<ZdrojPozice, 6>& ZdrojePozic();

struct SlozenyTest {
    bool uplny = false;
    PoziceTestu pozice {};
    // When not complete: the source that ran out and the Czech message naming its categories and
    // the licence group.
    int vycerpanyZdroj = -1;
    std::string chyba;
};

// Draws the 25 positions for the licence group from the bank with the generator as it stands
// (the caller seeds it): per position, candidates by the position's rule until one exists, fits
// the group by the range filter and is not yet in the test; then positions 1..10 are sorted by
// number. Every number a source has offered is remembered; once a source has offered all of its
// numbers without filling its positions, the composition stops incomplete instead of drawing on.
SlozenyTest ComposeTest(const Banka& banka, std::string_view skupina, Nahoda& nahoda);

// The generator's seed for a composition: milliseconds since midnight of the UTC time of day.
SlozenyTest ComposeTest(const Banka& banka, std::string_view skupina, std::uint32_t seed);
