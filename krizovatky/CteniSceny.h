#pragma once

#include "krizovatky/Krizovatka.h"

#include <string>

// Reads a scene of data/situace/NNN.yaml into the solver's plain form. On a fault returns false and
// sets `chyba` to "<file>:<line>: what is wrong".
bool NactiKScenu(const std::string& soubor, KScena* scena, std::string* chyba);

// The same for a scene given as text; `soubor` names it in the faults.
bool CtiKScenu(const std::string& text, const std::string& soubor, KScena* scena,
               std::string* chyba);
