#include "test/ZaznamPlatny.h"

#include "questions/Banka.h"
#include "storage/Definice.h"
#include "storage/SpolecnaZmena.h"
#include "storage/Tabulka.h"

#include <algorithm>
#include <sstream>

namespace {

const std::string kTesty = "Testy";

[[noreturn]] void Poskozeny(const ZaznamPlatny& z)
{
    throw ChybaTabulky("Záznam testu ze dne " + z.kdy.DatumIso() + " " + z.kdy.CasIso()
                       + " v tabulce „Testy.DB“ je poškozen.");
}

}  // namespace

ZaznamPlatny ZaznamZTestu(const std::vector<OtazkaPlatna>& otazky, const VysledekPlatny& vysledek,
                          const std::string& profil, const std::string& skupina,
                          const DatumCas& kdy, int delka)
{
    ZaznamPlatny z;
    z.profil = profil;
    z.kdy = kdy;
    z.kdy.milisekunda = 0;
    z.skupina = skupina;
    z.delka = delka;
    z.body = vysledek.body;
    z.splneno = vysledek.prosel;
    z.cisla = TextCisel(otazky);
    z.odpovedi = TextOdpovedi(otazky);
    z.poradi = TextPoradi(otazky);
    return z;
}

void ZapisTestPlatny(const std::filesystem::path& adresar, const ZaznamPlatny& z)
{
    Tabulka t;
    t.Svaz(adresar, kTesty);
    t.OtevriNeboVytvor(DefiniceTesty());
    t.Vloz();
    t.PoleJmenem("Profil").NastavText(z.profil);
    t.PoleJmenem("Datum").NastavDatumCas(DatumCas {z.kdy.rok, z.kdy.mesic, z.kdy.den});
    t.PoleJmenem("Cas").NastavDatumCas(
        DatumCas {0, 0, 0, z.kdy.hodina, z.kdy.minuta, z.kdy.sekunda});
    t.PoleJmenem("Skupina").NastavText(z.skupina);
    t.PoleJmenem("Delka").NastavCele(z.delka);
    t.PoleJmenem("Body").NastavCele(z.body);
    t.PoleJmenem("Splneno").NastavText(z.splneno ? "A" : "N");
    t.PoleJmenem("Cisla").NastavText(z.cisla);
    t.PoleJmenem("Odpovedi").NastavText(z.odpovedi);
    t.PoleJmenem("Poradi").NastavText(z.poradi);
    t.Uloz();
    t.Zavri();
}

std::vector<ZaznamPlatny> NactiTestyPlatny(const std::filesystem::path& adresar,
                                           const std::string& profil)
{
    std::vector<ZaznamPlatny> zaznamy;
    Tabulka t;
    if (!OtevriZaznamyProfilu(t, adresar, kTesty, profil))
        return zaznamy;
    for (t.Prvni(); !t.Konec(); t.Dalsi()) {
        ZaznamPlatny z;
        z.profil = t.PoleJmenem("Profil").JakoText();
        const DatumCas d = t.PoleJmenem("Datum").JakoDatumCas();
        const DatumCas c = t.PoleJmenem("Cas").JakoDatumCas();
        z.kdy = DatumCas {d.rok, d.mesic, d.den, c.hodina, c.minuta, c.sekunda};
        z.skupina = t.PoleJmenem("Skupina").JakoText();
        z.delka = t.PoleJmenem("Delka").JakoCele();
        z.body = t.PoleJmenem("Body").JakoCele();
        z.splneno = t.PoleJmenem("Splneno").JakoText() == "A";
        z.cisla = t.PoleJmenem("Cisla").JakoText();
        z.odpovedi = t.PoleJmenem("Odpovedi").JakoText();
        z.poradi = t.PoleJmenem("Poradi").JakoText();
        zaznamy.push_back(std::move(z));
    }
    return zaznamy;
}

void SmazTestPlatny(const std::filesystem::path& adresar, const std::string& profil, int index)
{
    Tabulka t;
    if (!OtevriZaznamyProfilu(t, adresar, kTesty, profil) || index < 0 || index >= t.PocetZaznamu())
        return;
    t.Posun(index);
    t.Smaz();
}

void SmazTestyPlatny(const std::filesystem::path& adresar, const std::string& profil)
{
    if (!std::filesystem::exists(adresar / (kTesty + ".DB")))
        return;
    SpolecnaZmena zmena(adresar, {kTesty});
    zmena.Smaz(kTesty, "Profil", profil);
    zmena.Potvrd();
}

std::vector<OtazkaPlatna> OtazkyZeZaznamu(const ZaznamPlatny& z, const Banka& banka,
                                          const std::vector<int>& oblasti)
{
    std::vector<int> cisla;
    {
        std::istringstream vstup(z.cisla);
        std::string kus;
        while (std::getline(vstup, kus, ',')) {
            try {
                cisla.push_back(std::stoi(kus));
            } catch (const std::exception&) {
                Poskozeny(z);
            }
        }
    }
    const auto n = cisla.size();
    if (n != kOtazekPlatny || z.odpovedi.size() != n || z.poradi.size() != 4 * n - 1)
        Poskozeny(z);
    std::vector<OtazkaPlatna> otazky;
    for (std::size_t i = 0; i < n; ++i) {
        OtazkaPlatna q;
        q.cislo = cisla[i];
        for (std::size_t m = 0; m < 3; ++m)
            q.poradi[m] = z.poradi[4 * i + m];
        std::array<char, 3> serazene = q.poradi;
        std::sort(serazene.begin(), serazene.end());
        const char volba = z.odpovedi[i];
        if (serazene != std::array<char, 3> {'A', 'B', 'C'}
            || (i + 1 < n && z.poradi[4 * i + 3] != ' ')
            || (volba != '-' && (volba < 'A' || volba > 'C')))
            Poskozeny(z);
        q.zvolena = volba == '-' ? 0 : volba;
        if (q.cislo >= 0 && static_cast<std::size_t>(q.cislo) < oblasti.size())
            q.oblast = oblasti[static_cast<std::size_t>(q.cislo)];
        if (q.oblast >= 1 && q.oblast <= kPocetOblasti)
            q.body = OblastiPlatny()[static_cast<std::size_t>(q.oblast - 1)].body;
        if (const Otazka* o = banka.Najdi(q.cislo); o && o->spravne.size() == 1)
            q.spravne = o->spravne[0];
        otazky.push_back(q);
    }
    return otazky;
}
