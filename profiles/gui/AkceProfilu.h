#pragma once

#include "base/Nastaveni.h"

#include <string>
#include <vector>

class ProfilovySklad;
class QWidget;

// The profile actions of the main window's menus. Table errors are shown as error messages and
// end the action.

// Runs the profile manager over `hlavni`. True when a profile was chosen: n.aktivniProfil then
// holds it and the caller loads it with sklad.NacistProfil. False: the learner ends the program.
// `precteneProfily`, when given, is the list the caller has just read from sklad: the manager
// shows it instead of reading the table again.
bool SpustitManazerProfilu(QWidget* hlavni, ProfilovySklad& sklad, Nastaveni& n,
                           const std::vector<std::string>* precteneProfily = nullptr);

// Asks for a new name of the active profile and renames it with its result records, then
// reloads the profile into n. Empty names, "Default" and other profiles' names are refused with
// a message, and the window opens again holding the typed name; Storno changes nothing. True
// when renamed; the caller then refreshes its indicators.
bool PrejmenovatAktivniProfil(QWidget* hlavni, ProfilovySklad& sklad, Nastaveni& n);

// Asks twice for a new password of the active profile and stores it.
void ZmenitHesloAktivnihoProfilu(QWidget* hlavni, ProfilovySklad& sklad, const Nastaveni& n);

// The settings dialog; true when confirmed, n then holds the changed settings.
bool OtevritNastaveni(QWidget* hlavni, Nastaveni& n);
