#include "profiles/PoradiProfilu.h"

#include "base/DocasneSoubory.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <system_error>

#include <unistd.h>

namespace fs = std::filesystem;

namespace {

constexpr const char* kHlavicka = "Zebrovka: pořadí profilů 1";
constexpr const char* kPredponaDocasne = ".PoradiProfilu-";
constexpr const char* kPriponaDocasne = ".tmp";
// More than the names of any profile table the program makes; a larger file is not ours.
constexpr std::uintmax_t kNejvetsi = 1 << 20;

// The lines of `text`, each ended by a line feed; none when the text does not end with one (a
// file cut short).
std::optional<std::vector<std::string>> Radky(const std::string& text)
{
    if (text.empty() || text.back() != '\n')
        return std::nullopt;
    std::vector<std::string> radky;
    std::size_t zacatek = 0;
    for (std::size_t konec; (konec = text.find('\n', zacatek)) != std::string::npos;
         zacatek = konec + 1)
        radky.emplace_back(text, zacatek, konec - zacatek);
    return radky;
}

}  // namespace

std::optional<std::vector<std::string>> NactiPoradiProfilu(const fs::path& adresar,
                                                           const std::vector<std::string>& jmena,
                                                           const std::string& klic)
{
    const fs::path soubor = adresar / kSouborPoradiProfilu;
    std::error_code ec;
    const std::uintmax_t velikost = fs::file_size(soubor, ec);
    if (ec || velikost > kNejvetsi)
        return std::nullopt;
    std::ifstream vstup(soubor, std::ios::binary);
    const std::string text {std::istreambuf_iterator<char>(vstup),
                            std::istreambuf_iterator<char>()};
    if (vstup.bad())
        return std::nullopt;
    auto radky = Radky(text);
    if (!radky || radky->size() < 2 || (*radky)[0] != kHlavicka || (*radky)[1] != klic)
        return std::nullopt;
    std::vector<std::string> poradi(std::make_move_iterator(radky->begin() + 2),
                                    std::make_move_iterator(radky->end()));
    std::vector<std::string> ulozena = poradi;
    std::vector<std::string> hledana = jmena;
    std::sort(ulozena.begin(), ulozena.end());
    std::sort(hledana.begin(), hledana.end());
    if (ulozena != hledana)
        return std::nullopt;
    return poradi;
}

void UlozPoradiProfilu(const fs::path& adresar, const std::vector<std::string>& serazena,
                       const std::string& klic)
{
    // A name with a line feed could not be read back as one line; such an order is not kept.
    for (const std::string& jmeno : serazena)
        if (jmeno.find('\n') != std::string::npos)
            return;
    if (klic.find('\n') != std::string::npos)
        return;
    std::string text = std::string(kHlavicka) + '\n' + klic + '\n';
    for (const std::string& jmeno : serazena)
        text += jmeno + '\n';

    UklidDocasne(adresar, kPredponaDocasne, kPriponaDocasne);
    std::string docasny;
    const int fd = VytvorDocasny(adresar, kPredponaDocasne, kPriponaDocasne, docasny);
    if (fd < 0)
        return;
    const bool zapsano = ZapisCely(fd, text);
    const bool zavreno = ::close(fd) == 0;
    const fs::path cil = adresar / kSouborPoradiProfilu;
    if (!zapsano || !zavreno || std::rename(docasny.c_str(), cil.c_str()) != 0)
        ::unlink(docasny.c_str());
}
