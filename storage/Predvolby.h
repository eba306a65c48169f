#pragma once

#include <filesystem>
#include <string>

// The per-profile preferences (table Predvolby of the working directory): one text value per
// profile and key. A profile's rename and delete carry its preferences with its other records.
// Storage errors propagate as ChybaTabulky.

// The stored value, or `vychozi` when the table or the value is missing.
std::string NactiPredvolbu(const std::filesystem::path& adresar, const std::string& profil,
                           const std::string& klic, const std::string& vychozi = {});

// Stores the value (replacing the old one); creates the table, owner-only, when missing.
void UlozPredvolbu(const std::filesystem::path& adresar, const std::string& profil,
                   const std::string& klic, const std::string& hodnota);
