#pragma once

#include <filesystem>
#include <set>
#include <string>

// The questions a learner flagged (table Oznacene of the working directory, one record per
// profile and number; created owner-only on the first flag). A profile's rename and delete carry
// its flags with its other records. Storage errors propagate as ChybaTabulky.

// The profile's flagged numbers; none when the table is missing.
std::set<int> NactiOznacene(const std::filesystem::path& adresar, const std::string& profil);

// Flags question `cislo` for the profile, or removes its flag; returns whether it is flagged now.
bool PrepniOznaceni(const std::filesystem::path& adresar, const std::string& profil, int cislo);
