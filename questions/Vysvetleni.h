#pragma once

#include <filesystem>
#include <string>

// The per-profile preference "Vysvětlení po odpovědi" (Predvolby, key "Vysvetleni"): whether the
// question's note shows after an evaluated answer. On unless the profile switched it off.
// Storage errors propagate as ChybaTabulky.
bool NactiVysvetleni(const std::filesystem::path& adresar, const std::string& profil);
void UlozVysvetleni(const std::filesystem::path& adresar, const std::string& profil, bool zapnuto);
