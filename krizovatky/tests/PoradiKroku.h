#pragma once

#include "krizovatky/Krizovatka.h"

#include <string>

// "C;B;A" for the steps of a solution; a waiting step is marked "!", a deadlock "?".
inline std::string Poradi(const Reseni& r)
{
    std::string t;
    for (const Krok& k : r.kroky)
        t += (t.empty() ? "" : ";")
            + std::string(k.druh == DruhKroku::Ceka            ? "!"
                              : k.druh == DruhKroku::Blokovani ? "?"
                                                               : "")
            + SpojStitky(k.stitky);
    return t;
}
