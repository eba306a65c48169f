#pragma once

#include "storage/Tabulka.h"

#include <vector>

// The fields of the tables the program creates, in their stored order.
std::vector<DefinicePole> DefiniceProfily();
std::vector<DefinicePole> DefiniceVysledky();
std::vector<DefinicePole> DefiniceProtokoly();
std::vector<DefinicePole> DefiniceStatistika();
