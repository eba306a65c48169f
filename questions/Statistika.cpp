#include "questions/Statistika.h"

#include "questions/Banka.h"
#include "questions/Kategorie.h"
#include "storage/Definice.h"
#include "storage/Tabulka.h"
#include "storage/ZapisStatistiky.h"

#include <algorithm>
#include <system_error>
#include <tuple>

namespace fs = std::filesystem;

namespace {

constexpr const char* kTabulka = "Statistika";

ZaznamStatistiky Cti(Tabulka& t)
{
    ZaznamStatistiky z;
    z.cislo = t.PoleJmenem("Cislo").JakoCele();
    z.polozeno = t.PoleJmenem("Polozeno").JakoCele();
    z.spravne = t.PoleJmenem("Spravne").JakoCele();
    z.spatne = t.PoleJmenem("Spatne").JakoCele();
    z.napoveda = t.PoleJmenem("Napoveda").JakoCele();
    z.radaSpravnych = t.PoleJmenem("RadaSpravnych").JakoCele();
    z.posledni = t.PoleJmenem("Posledni").JakoDatumCas();
    z.naposledy = VysledekZeZnaku(t.PoleJmenem("Naposledy").JakoText());
    return z;
}

}  // namespace

const char* ZnakVysledku(VysledekPokusu v)
{
    switch (v) {
    case VysledekPokusu::Spatne:
        return "C";
    case VysledekPokusu::Napoveda:
        return "N";
    default:
        return "S";
    }
}

VysledekPokusu VysledekZeZnaku(const std::string& s)
{
    if (s == "C")
        return VysledekPokusu::Spatne;
    if (s == "N")
        return VysledekPokusu::Napoveda;
    return VysledekPokusu::Spravne;
}

void PripoctiPokus(ZaznamStatistiky& z, VysledekPokusu vysledek, const DatumCas& kdy)
{
    ++z.polozeno;
    switch (vysledek) {
    case VysledekPokusu::Spravne:
        ++z.spravne;
        ++z.radaSpravnych;
        break;
    case VysledekPokusu::Spatne:
        ++z.spatne;
        z.radaSpravnych = 0;
        break;
    case VysledekPokusu::Napoveda:
        ++z.napoveda;
        z.radaSpravnych = 0;
        break;
    }
    z.posledni = kdy;
    z.naposledy = vysledek;
}

void ZapisPokusy(const fs::path& adresar, const std::string& profil,
                 const std::vector<Pokus>& pokusy, const DatumCas& kdy)
{
    // The answers by number, in their order; a number may come more than once.
    std::map<int, std::vector<VysledekPokusu>> podleCisla;
    for (const Pokus& p : pokusy)
        podleCisla[p.cislo].push_back(p.vysledek);
    std::vector<PrirustekStatistiky> prirustky;
    prirustky.reserve(podleCisla.size());
    for (const auto& [cislo, vysledky] : podleCisla) {
        // What the answers make of an empty record is what they add to a stored one; only the
        // run depends on the stored one, and only while every answer is right.
        ZaznamStatistiky z;
        for (VysledekPokusu v : vysledky)
            PripoctiPokus(z, v, kdy);
        PrirustekStatistiky p;
        p.cislo = cislo;
        p.polozeno = z.polozeno;
        p.spravne = z.spravne;
        p.spatne = z.spatne;
        p.napoveda = z.napoveda;
        p.radaPokracuje = z.spravne == z.polozeno;
        p.rada = z.radaSpravnych;
        p.posledni = z.posledni;
        p.naposledy = ZnakVysledku(z.naposledy);
        prirustky.push_back(p);
    }
    PripisStatistiku(adresar, profil, prirustky);
}

StatistikaProfilu NactiStatistiku(const fs::path& adresar, const std::string& profil)
{
    StatistikaProfilu vysledek;
    Tabulka t;
    if (!OtevriZaznamyProfilu(t, adresar, kTabulka, profil))
        return vysledek;
    // The profile's records in one query.
    t.ProjdiZaznamy([&vysledek](Tabulka& radek) {
        ZaznamStatistiky z = Cti(radek);
        const auto [it, novy] = vysledek.emplace(z.cislo, z);
        if (!novy) {
            // Two records of one question (left by an earlier version; merged on the next
            // write): the counts add up, the run and the last answer are the latest record's.
            ZaznamStatistiky& a = it->second;
            ZaznamStatistiky soucet = a.posledni <= z.posledni ? z : a;
            soucet.polozeno = a.polozeno + z.polozeno;
            soucet.spravne = a.spravne + z.spravne;
            soucet.spatne = a.spatne + z.spatne;
            soucet.napoveda = a.napoveda + z.napoveda;
            a = soucet;
        }
    });
    t.Zavri();
    return vysledek;
}

std::vector<int> PoradiProcvicovaniChyb(const Banka& banka, const Nastaveni& nastaveni,
                                        const StatistikaProfilu& statistika)
{
    // (group, key parts..., number): sorted ascending.
    using Klic = std::tuple<int, int, DatumCas, int>;
    std::vector<Klic> klice;
    const DatumCas zadny {};
    for (const Otazka& o : banka.Vse()) {
        const int k = KategorieCisla(o.cislo);
        if (k < 1 || !nastaveni.kategorie[static_cast<std::size_t>(k - 1)]
            || !PasujeDoVyberu(o.skupina, nastaveni.skupina))
            continue;
        const auto it = statistika.find(o.cislo);
        if (it == statistika.end() || it->second.polozeno == 0) {
            klice.emplace_back(1, 0, zadny, o.cislo);
            continue;
        }
        const ZaznamStatistiky& z = it->second;
        if (z.naposledy == VysledekPokusu::Spatne) {
            // Most recent first: the later date sorts first through its negated parts.
            const DatumCas d = z.posledni;
            const DatumCas obraceny {-d.rok,    -d.mesic,   -d.den,        -d.hodina,
                                     -d.minuta, -d.sekunda, -d.milisekunda};
            klice.emplace_back(0, 0, obraceny, o.cislo);
        } else if (!z.Zvladnuta()) {
            klice.emplace_back(2, z.radaSpravnych, z.posledni, o.cislo);
        } else {
            klice.emplace_back(3, 0, z.posledni, o.cislo);
        }
    }
    std::sort(klice.begin(), klice.end());
    std::vector<int> cisla;
    cisla.reserve(klice.size());
    for (const Klic& k : klice)
        cisla.push_back(std::get<3>(k));
    return cisla;
}
