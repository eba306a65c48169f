#pragma once

#include "storage/DatumCas.h"

#include <cstdint>

// Where the program takes the time from: the local date and time for stored records and the
// milliseconds since UTC midnight that seed the random generator. Tests use RucniHodiny.
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

class RucniHodiny : public Hodiny {
public:
    DatumCas mistni{2026, 1, 1, 12, 0, 0, 0};
    std::uint32_t msUtc = 0;

    DatumCas Mistni() const override { return mistni; }
    std::uint32_t MsOdPulnociUtc() const override { return msUtc; }
};

// The clock every window uses; tests may replace it for the whole program.
Hodiny& AktualniHodiny();
void NastavHodiny(Hodiny* hodiny);  // nullptr restores the system clock
