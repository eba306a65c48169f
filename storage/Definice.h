#pragma once

#include "storage/Tabulka.h"

#include <vector>

// The fields of the program's tables, in their stored order.
std::vector<DefinicePole> DefiniceProfily();
std::vector<DefinicePole> DefiniceVysledky();
std::vector<DefinicePole> DefiniceProtokoly();
std::vector<DefinicePole> DefiniceStatistika();
// The question bank, read by position: Číslo, OTÁZKA, A, B, C, D, SPRÁVNĚ, Skupina, OBRÁZEK,
// POZNÁMKA. Only the importer creates it.
std::vector<DefinicePole> DefiniceOtazky();
// The section of today's exam (1–7) of each question of the bank: Číslo, Oblast. Read-only,
// shipped beside the bank; only the importer creates it.
std::vector<DefinicePole> DefiniceOblasti();
// Tests in today's exam format, one record per evaluated test.
std::vector<DefinicePole> DefiniceTesty();
// The per-profile preferences: one value per profile and key.
std::vector<DefinicePole> DefinicePredvolby();
// The junction drill: one record per answered situation.
std::vector<DefinicePole> DefiniceKrizovatky();
// The questions a learner flagged to come back to: one record per profile and question number.
std::vector<DefinicePole> DefiniceOznacene();
// The answer log: one record per evaluated answer of any mode.
std::vector<DefinicePole> DefiniceOdpovedi();
// The memory state of each question a profile has answered (one record per profile and number).
std::vector<DefinicePole> DefinicePametOtazek();
