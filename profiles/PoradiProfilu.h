#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

// The order in which the profile manager lists the profiles (Czech alphabetical order), kept in
// the working directory as `PoradiProfilu.txt` so that a start with the profiles unchanged lists
// them without opening a collator (opening one costs every start 0.2 ms and 1.8 MiB of resident
// memory). The file is derived data only: a missing, unreadable, damaged or stale one (its names
// not exactly those listed, or made under another `klic`) is passed over and the list is sorted
// afresh. `klic` names what made the order (the collating library and its version).

// The file's name in the working directory.
inline constexpr const char* kSouborPoradiProfilu = "PoradiProfilu.txt";

// The names of `jmena` in the kept order, when the file holds exactly these names (each as often)
// under `klic`; otherwise nothing.
std::optional<std::vector<std::string>> NactiPoradiProfilu(const std::filesystem::path& adresar,
                                                           const std::vector<std::string>& jmena,
                                                           const std::string& klic);

// Keeps `serazena` under `klic`: written whole to a temporary file beside the kept one and put in
// its place by a rename, so that the file is always one whole order. Any failure leaves the file
// as it was (or absent) and is not reported: the list is right either way. A temporary file left
// by a killed program is removed here.
void UlozPoradiProfilu(const std::filesystem::path& adresar,
                       const std::vector<std::string>& serazena, const std::string& klic);
