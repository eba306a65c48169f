#pragma once

#include <array>
#include <string>

// The current settings of the running program: loaded from the active profile's record at
// sign-in, changed by the settings dialog and the "Konfigurace" menu, saved only on request.
// The status-bar switch and the question order live in the main window as the check marks of
// their menu items; the two fields here carry them to and from the profile record.
struct Nastaveni {
    std::string aktivniProfil;
    std::string skupina = "B";
    std::array<bool, 7> kategorie {true, true, true, true, true, true, true};
    std::array<bool, 3> protokoly {true, true, true};  // practice, exam, points test
    bool stavovyRadek = true;
    bool postupnyVyber = true;

    bool NejakaKategorie() const
    {
        for (bool k : kategorie)
            if (k)
                return true;
        return false;
    }
};
