#pragma once

#include "base/DatumCas.h"

#include <cstdint>

// Where the program takes the time from: the local date and time for stored records and the
// milliseconds since UTC midnight that seed the random generator. Tests drive a clock set by hand
// (testsupport/RucniHodiny.h).
class Hodiny {
public:
    virtual ~Hodiny() = default;
    virtual DatumCas Mistni() const = 0;
    virtual std::uint32_t MsOdPulnociUtc() const = 0;
};

class SystemoveHodiny : public Hodiny {
public:
    DatumCas Mistni() const override;
    std::uint32_t MsOdPulnociUtc() const override;
};

// The clock every window uses; tests may replace it for the whole program.
Hodiny& AktualniHodiny();
void NastavHodiny(Hodiny* hodiny);  // nullptr restores the system clock
