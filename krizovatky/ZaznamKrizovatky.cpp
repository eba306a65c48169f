#include "krizovatky/ZaznamKrizovatky.h"

#include "storage/Definice.h"
#include "storage/Tabulka.h"

namespace {

const std::string kKrizovatky = "Krizovatky";

bool Pismeno(const std::string& t, const char* dovolena, char* cil)
{
    if (t.size() != 1 || std::string(dovolena).find(t[0]) == std::string::npos)
        return false;
    *cil = t[0];
    return true;
}

}  // namespace

void ZapisKrizovatku(const std::filesystem::path& adresar, const ZaznamKrizovatky& z)
{
    Tabulka t;
    t.Svaz(adresar, kKrizovatky);
    t.OtevriNeboVytvor(DefiniceKrizovatky());
    t.Vloz();
    DatumCas kdy = z.kdy;
    kdy.milisekunda = 0;
    t.PoleJmenem("Profil").NastavText(z.profil);
    t.PoleJmenem("DatumACas").NastavDatumCas(kdy);
    t.PoleJmenem("Seed").NastavText(std::to_string(z.seed));
    t.PoleJmenem("Otazka").NastavText(std::string(1, z.otazka));
    t.PoleJmenem("Zvolena").NastavText(std::string(1, z.zvolena));
    t.PoleJmenem("Spravna").NastavText(std::string(1, z.spravna));
    t.Uloz();
    t.Zavri();
}

std::vector<ZaznamKrizovatky> NactiKrizovatky(const std::filesystem::path& adresar,
                                              const std::string& profil)
{
    std::vector<ZaznamKrizovatky> zaznamy;
    Tabulka t;
    if (!OtevriZaznamyProfilu(t, adresar, kKrizovatky, profil))
        return zaznamy;
    for (t.Prvni(); !t.Konec(); t.Dalsi()) {
        ZaznamKrizovatky z;
        z.profil = t.PoleJmenem("Profil").JakoText();
        z.kdy = t.PoleJmenem("DatumACas").JakoDatumCas();
        const std::string seed = t.PoleJmenem("Seed").JakoText();
        bool cele = !seed.empty() && seed.size() <= 10
            && seed.find_first_not_of("0123456789") == std::string::npos;
        const unsigned long long hodnota = cele ? std::stoull(seed) : 0;
        if (!cele || hodnota > 0xffffffffull
            || !Pismeno(t.PoleJmenem("Otazka").JakoText(), "PO", &z.otazka)
            || !Pismeno(t.PoleJmenem("Zvolena").JakoText(), "ABC", &z.zvolena)
            || !Pismeno(t.PoleJmenem("Spravna").JakoText(), "ABC", &z.spravna))
            throw ChybaTabulky("Záznam cvičení křižovatek ze dne " + z.kdy.DatumIso() + " "
                               + z.kdy.CasIso() + " v tabulce „Krizovatky.DB“ je poškozen.");
        z.seed = static_cast<std::uint32_t>(hodnota);
        zaznamy.push_back(std::move(z));
    }
    return zaznamy;
}
