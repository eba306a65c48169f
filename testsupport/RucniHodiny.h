#pragma once

#include "base/Hodiny.h"

// A clock that tests set by hand: countdowns, stored dates and random draws become exact.
class RucniHodiny : public Hodiny {
public:
    DatumCas mistni {2026, 1, 1, 12, 0, 0, 0};
    std::uint32_t msUtc = 0;

    DatumCas Mistni() const override { return mistni; }
    std::uint32_t MsOdPulnociUtc() const override { return msUtc; }
};
