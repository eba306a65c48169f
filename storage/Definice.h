#pragma once

#include "storage/Tabulka.h"

#include <vector>

// The fields of the program's tables, in their stored order.
std::vector<DefinicePole> DefiniceProfily();
std::vector<DefinicePole> DefiniceVysledky();
std::vector<DefinicePole> DefiniceProtokoly();
// The question bank, read by position: Číslo, OTÁZKA, A, B, C, D, SPRÁVNĚ, Skupina, OBRÁZEK,
// POZNÁMKA. Only the importer creates it.
std::vector<DefinicePole> DefiniceOtazky();
