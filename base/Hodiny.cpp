#include "base/Hodiny.h"

#include <chrono>
#include <ctime>

DatumCas SystemoveHodiny::Mistni() const
{
    using namespace std::chrono;
    const auto ted = system_clock::now();
    const std::time_t t = system_clock::to_time_t(ted);
    std::tm m {};
    localtime_r(&t, &m);
    const int ms =
        static_cast<int>(duration_cast<milliseconds>(ted.time_since_epoch()).count() % 1000);
    return DatumCas {m.tm_year + 1900, m.tm_mon + 1, m.tm_mday, m.tm_hour, m.tm_min, m.tm_sec, ms};
}

std::uint32_t SystemoveHodiny::MsOdPulnociUtc() const
{
    using namespace std::chrono;
    const auto ms = duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count();
    return static_cast<std::uint32_t>(ms % (24LL * 60 * 60 * 1000));
}

namespace {
SystemoveHodiny systemove;
Hodiny* aktualni = &systemove;
}  // namespace

Hodiny& AktualniHodiny() { return *aktualni; }

void NastavHodiny(Hodiny* hodiny) { aktualni = hodiny ? hodiny : &systemove; }
