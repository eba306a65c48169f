#include "app/SlozkaDat.h"

#include <system_error>

namespace fs = std::filesystem;

namespace {

std::string Duvod(const std::string& co, const fs::path& cesta, const std::error_code& chyba)
{
    return co + " „" + cesta.string() + "“: " + chyba.message();
}

bool Zastarala(const fs::path& zdroj, const fs::path& cil, const fs::path& slozka)
{
    std::error_code chyba;
    const fs::file_status stav = fs::status(cil, chyba);
    if (!fs::exists(stav))
        return true;
    if (!fs::is_regular_file(stav))
        throw ChybaPripravy(slozka,
                            "Na místě souboru „" + cil.string() + "“ je něco jiného než soubor.");
    const auto casZdroje = fs::last_write_time(zdroj, chyba);
    if (chyba)
        throw ChybaPripravy(slozka, Duvod("Nelze zjistit čas souboru", zdroj, chyba));
    const auto casCile = fs::last_write_time(cil, chyba);
    if (chyba)
        throw ChybaPripravy(slozka, Duvod("Nelze zjistit čas souboru", cil, chyba));
    return casCile < casZdroje;
}

void Zkopiruj(const fs::path& zdroj, const fs::path& cil, const fs::path& slozka)
{
    if (!Zastarala(zdroj, cil, slozka))
        return;
    fs::path docasny = cil;
    docasny += ".novy";
    std::error_code chyba;
    fs::copy_file(zdroj, docasny, fs::copy_options::overwrite_existing, chyba);
    if (!chyba)
        fs::last_write_time(docasny, fs::last_write_time(zdroj, chyba), chyba);
    if (!chyba)
        fs::rename(docasny, cil, chyba);
    if (chyba) {
        std::error_code ignoruj;
        fs::remove(docasny, ignoruj);
        throw ChybaPripravy(slozka,
                            Duvod("Nelze zkopírovat soubor", zdroj, chyba) + " (cíl „"
                                + cil.string() + "“)");
    }
}

void VytvorSlozku(const fs::path& cesta, const fs::path& slozka)
{
    std::error_code chyba;
    fs::create_directories(cesta, chyba);
    if (chyba)
        throw ChybaPripravy(slozka, Duvod("Nelze vytvořit složku", cesta, chyba));
    if (!fs::is_directory(cesta, chyba))
        throw ChybaPripravy(slozka, "Na místě složky „" + cesta.string() + "“ je soubor.");
}

}  // namespace

std::optional<fs::path> NainstalovanaData(const fs::path& adresarProgramu,
                                          const fs::path& relativne)
{
    std::error_code chyba;
    for (const fs::path& kandidat :
         {(adresarProgramu / relativne).lexically_normal(), adresarProgramu})
        if (fs::is_regular_file(kandidat / kSouboryBanky[0], chyba))
            return kandidat;
    return std::nullopt;
}

void PripravSlozkuDat(const fs::path& zdroj, const fs::path& cil)
{
    VytvorSlozku(cil, cil);
    std::error_code chyba;
    for (const char* soubor : kSouboryBanky)
        if (fs::is_regular_file(zdroj / soubor, chyba))
            Zkopiruj(zdroj / soubor, cil / soubor, cil);

    const fs::path obrazky = zdroj / kSlozkaObrazku;
    if (!fs::is_directory(obrazky, chyba))
        return;
    VytvorSlozku(cil / kSlozkaObrazku, cil);
    fs::recursive_directory_iterator it(obrazky, chyba);
    for (const fs::recursive_directory_iterator konec; !chyba && it != konec; it.increment(chyba)) {
        const fs::path cesta = cil / kSlozkaObrazku / it->path().lexically_relative(obrazky);
        if (it->is_directory(chyba))
            VytvorSlozku(cesta, cil);
        else if (it->is_regular_file(chyba))
            Zkopiruj(it->path(), cesta, cil);
    }
    if (chyba)
        throw ChybaPripravy(cil, Duvod("Nelze přečíst složku", obrazky, chyba));
}
