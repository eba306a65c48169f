#pragma once

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

// The whole of a file, byte for byte (empty when it cannot be read).
inline std::string ObsahSouboru(const std::filesystem::path& soubor)
{
    std::ifstream vstup(soubor, std::ios::binary);
    return {std::istreambuf_iterator<char>(vstup), std::istreambuf_iterator<char>()};
}

// Writes `obsah` as the whole of the file, byte for byte.
inline void ZapisSoubor(const std::filesystem::path& soubor, const std::string& obsah)
{
    std::ofstream vystup(soubor, std::ios::binary);
    vystup << obsah;
}
