#include "questions/Beh.h"

#include "base/Hodiny.h"
#include "base/Nahoda.h"
#include "base/Procenta.h"
#include "questions/Banka.h"
#include "questions/Kategorie.h"

#include <algorithm>
#include <bitset>

namespace {

bool KategorieZapnuta(const Nastaveni& nastaveni, int cislo)
{
    const int k = KategorieCisla(cislo);
    return k >= 1 && nastaveni.kategorie[k - 1];
}

bool Prijata(const Banka& banka, const Nastaveni& nastaveni, int cislo)
{
    if (!KategorieZapnuta(nastaveni, cislo))
        return false;
    const Otazka* o = banka.Najdi(cislo);
    return o && PasujeDoVyberu(o->skupina, nastaveni.skupina);
}

int PoziceVBehu(const StavBehu& beh) { return beh.celkem - beh.zbyva; }

// The run ends after the questions shown so far, so that the evaluation counts only those.
void ZkratBeh(StavBehu& beh, int p)
{
    beh.otazky.resize(static_cast<std::size_t>(p));
    beh.celkem = p;
    beh.zbyva = 0;
}

}  // namespace

void NastavAktualni(StavBehu& beh, const Banka& banka, int cislo)
{
    beh.cisloOtazky = cislo;
    beh.oznaceno = {};
    if (const Otazka* o = banka.Najdi(cislo)) {
        beh.spravneOdpovedi = o->spravne;
        beh.skupinaOtazky = o->skupina;
    } else {
        beh.spravneOdpovedi.clear();
        beh.skupinaOtazky.clear();
    }
}

bool PrepniOdpoved(StavBehu& beh, int i)
{
    if (!beh.cekaNaOdpoved || i < 0 || i > 3)
        return false;
    beh.oznaceno[static_cast<std::size_t>(i)] = !beh.oznaceno[static_cast<std::size_t>(i)];
    return true;
}

int PocetDostupnych(const Banka& banka, const Nastaveni& nastaveni)
{
    int pocet = 0;
    for (int k = 1; k <= 7; ++k)
        if (nastaveni.kategorie[k - 1])
            pocet += banka.PocetVKategorii(k, nastaveni.skupina);
    return pocet;
}

int NajdiPrvniOtazku(const Banka& banka, const Nastaveni& nastaveni, int start)
{
    int s = start;
    for (int k = 1; k <= 7; ++k) {
        if (!nastaveni.kategorie[k - 1])
            continue;
        const std::vector<int> cisla = banka.CislaVKategorii(k, nastaveni.skupina);
        const int c = static_cast<int>(cisla.size());
        if (c < s) {
            s -= c;
            continue;
        }
        return s >= 1 ? cisla[static_cast<std::size_t>(s - 1)] : 0;
    }
    return 0;
}

void PripravBeh(StavBehu& beh, const Banka& banka, const Nastaveni& nastaveni, int delka, int start)
{
    beh.poradi.clear();
    beh.zbyva = delka;
    beh.startOtazka = start;
    beh.otazky.assign(static_cast<std::size_t>(delka), 0);
    beh.celkem = delka;
    if (nastaveni.postupnyVyber)
        beh.cisloOtazky = NajdiPrvniOtazku(banka, nastaveni, start);
}

void PripravBehZPoradi(StavBehu& beh, std::vector<int> poradi, int delka)
{
    delka = std::max(0, std::min(delka, static_cast<int>(poradi.size())));
    poradi.resize(static_cast<std::size_t>(delka));
    beh.poradi = std::move(poradi);
    beh.zbyva = delka;
    beh.startOtazka = 1;
    beh.otazky.assign(static_cast<std::size_t>(delka), 0);
    beh.celkem = delka;
}

void ZacniBeh(StavBehu& beh, const StavOpakovaniZaznamu& zaznam)
{
    beh.cekaNaOdpoved = true;
    beh.opakovani = zaznam.priznak;
    beh.spatne.clear();
    beh.napovedy.clear();
    beh.uspesnost = 0;
    beh.cisloOtazky -= 1;
    beh.oznaceno = {};
    beh.verdikt = StavBehu::Verdikt::Zadny;
}

void UkonciBeh(StavBehu& beh, const StavOpakovaniZaznamu& zaznam)
{
    beh.otazky.clear();
    beh.poradi.clear();
    beh.spatne.clear();
    beh.napovedy.clear();
    beh.cekaNaOdpoved = false;
    beh.oznaceno = {};
    beh.verdikt = StavBehu::Verdikt::Zadny;
    beh.opakovani = zaznam.priznak;
}

int VyberOtazku(const StavBehu& beh, const Banka& banka, const Nastaveni& nastaveni,
                const Hodiny& hodiny)
{
    if (nastaveni.postupnyVyber) {
        for (int i = beh.cisloOtazky + 1; i <= kNejvyssiCislo; ++i)
            if (i >= 1 && Prijata(banka, nastaveni, i))
                return i;
        return 0;
    }

    Nahoda nahoda(hodiny.MsOdPulnociUtc());
    const int p = PoziceVBehu(beh);
    std::bitset<kNejvyssiCislo + 1> uzVBehu;
    for (int j = 0; j <= p && j < static_cast<int>(beh.otazky.size()); ++j) {
        const int c = beh.otazky[static_cast<std::size_t>(j)];
        if (c >= 1 && c <= kNejvyssiCislo)
            uzVBehu.set(static_cast<std::size_t>(c));
    }
    // Draws repeat, so the walk gives up only once every number has come up at least once.
    std::bitset<kNejvyssiCislo + 1> zkousene;
    int pocetZkousenych = 0;
    while (pocetZkousenych < kNejvyssiCislo) {
        const int i = static_cast<int>(nahoda.Pod(kNejvyssiCislo)) + 1;
        if (!zkousene.test(static_cast<std::size_t>(i))) {
            zkousene.set(static_cast<std::size_t>(i));
            ++pocetZkousenych;
        }
        if (!uzVBehu.test(static_cast<std::size_t>(i)) && Prijata(banka, nastaveni, i))
            return i;
    }
    return 0;
}

int DalsiOtazka(StavBehu& beh, const Banka& banka, const Nastaveni& nastaveni, const Hodiny& hodiny)
{
    const int p = PoziceVBehu(beh);
    if (beh.zbyva <= 0 || p < 0 || p >= static_cast<int>(beh.otazky.size()))
        return 0;

    int cislo = 0;
    if (beh.opakovani) {
        // A stored record may name a number the bank no longer holds: it leaves the run.
        while (p < static_cast<int>(beh.otazky.size())
               && !banka.OtazkaExistuje(beh.otazky[static_cast<std::size_t>(p)])) {
            beh.otazky.erase(beh.otazky.begin() + p);
            --beh.celkem;
            --beh.zbyva;
        }
        if (beh.zbyva <= 0) {
            ZkratBeh(beh, p);
            return 0;
        }
        cislo = beh.otazky[static_cast<std::size_t>(p)];
    } else {
        cislo = beh.poradi.empty()                    ? VyberOtazku(beh, banka, nastaveni, hodiny)
            : p < static_cast<int>(beh.poradi.size()) ? beh.poradi[static_cast<std::size_t>(p)]
                                                      : 0;
        if (cislo == 0) {
            ZkratBeh(beh, p);
            return 0;
        }
        beh.otazky[static_cast<std::size_t>(p)] = cislo;
    }
    NastavAktualni(beh, banka, cislo);
    beh.cekaNaOdpoved = true;
    --beh.zbyva;
    return cislo;
}

int SpocitejUspesnost(const StavBehu& beh)
{
    const int zodpovezeno = beh.celkem - beh.zbyva;
    const int hodnoceno = zodpovezeno - beh.PocetNapoved();
    return ProcentoZaokrouhlene(hodnoceno - beh.PocetSpatnych(), hodnoceno);
}

VysledekOdpovedi VyhodnotOdpoved(StavBehu& beh, const std::array<bool, 4>& oznaceno)
{
    VysledekOdpovedi vysledek;
    vysledek.spravne = true;
    for (std::size_t x = 0; x < 4; ++x) {
        const bool jeSpravna =
            beh.spravneOdpovedi.find(static_cast<char>('A' + x)) != std::string::npos;
        if (jeSpravna && !oznaceno[x]) {
            vysledek.znacky[x] = Znacka::Chyba;
            vysledek.spravne = false;
        } else if (!jeSpravna && oznaceno[x]) {
            vysledek.znacky[x] = Znacka::Ne;
            vysledek.spravne = false;
        } else {
            vysledek.znacky[x] = oznaceno[x] ? Znacka::Ano : Znacka::Skryta;
        }
    }
    beh.cekaNaOdpoved = false;
    beh.verdikt = vysledek.spravne ? StavBehu::Verdikt::Spravne : StavBehu::Verdikt::Spatne;
    if (!vysledek.spravne)
        beh.spatne.push_back(beh.cisloOtazky);
    beh.uspesnost = SpocitejUspesnost(beh);
    return vysledek;
}

bool PouzijNapovedu(StavBehu& beh)
{
    if (!beh.cekaNaOdpoved)
        return false;
    beh.napovedy.push_back(beh.cisloOtazky);
    beh.cekaNaOdpoved = false;
    return true;
}

void PripravOpakovani(StavBehu& beh, bool zkouska)
{
    std::vector<int> seznam = beh.spatne;
    if (!zkouska && !beh.napovedy.empty())
        seznam.insert(seznam.end(), beh.napovedy.begin(), beh.napovedy.end());
    beh.otazky = std::move(seznam);
    beh.spatne.clear();
    beh.napovedy.clear();
    beh.celkem = static_cast<int>(beh.otazky.size());
    beh.zbyva = beh.celkem;
    beh.uspesnost = 0;
    beh.opakovani = true;
}

void ZrusOpakovaniZaznamu(Nastaveni& nastaveni, StavOpakovaniZaznamu& zaznam)
{
    if (zaznam.priznak)
        nastaveni.skupina = zaznam.ulozenaSkupina;
    zaznam.priznak = false;
}
