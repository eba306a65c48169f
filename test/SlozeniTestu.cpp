#include "test/SlozeniTestu.h"

#include "base/Nahoda.h"
#include "questions/Banka.h"
#include "questions/Kategorie.h"

#include <algorithm>
#include <utility>
#include <vector>

int PassMinimum(std::string_view skupina)
{
    if (skupina.empty())
        return 65;
    switch (skupina.front()) {
    case 'A':
        return skupina == "A" ? 56 : skupina == "A1" ? 52 : 50;
    case 'B':
        return skupina == "B" ? 56 : 54;
    case 'C':
        return 59;
    case 'D':
        return 61;
    case 'T':
        return 54;
    default:
        return 65;
    }
}

const std::array<ZdrojPozice, 6>& ZdrojePozic()
{
    static const std::array<ZdrojPozice, 6> zdroje {{
        {1, 10, 1, 420},
        {11, 14, 421, 55},
        {15, 16, 476, 145, 501, 580},
        {17, 21, 621, 100},
        {22, 22, 501, 80},
        {23, 25, 721, 37},
    }};
    return zdroje;
}

namespace {

bool VMezere(const ZdrojPozice& z, int cislo)
{
    return z.vynechatOd != 0 && z.vynechatOd <= cislo && cislo <= z.vynechatDo;
}

std::string ChybaZdroje(const ZdrojPozice& z, std::string_view skupina)
{
    std::vector<int> kategorie;
    for (int c = z.zaklad; c < z.zaklad + z.rozsah; ++c) {
        const int k = KategorieCisla(c);
        if (!VMezere(z, c) && std::find(kategorie.begin(), kategorie.end(), k) == kategorie.end())
            kategorie.push_back(k);
    }
    std::string text = "Databáze otázek neobsahuje dostatek otázek ";
    text += kategorie.size() == 1 ? "kategorie " : "kategorií ";
    for (std::size_t i = 0; i < kategorie.size(); ++i) {
        if (i > 0)
            text += " a ";
        text += "„";
        text += NazvyKategorii()[static_cast<std::size_t>(kategorie[i] - 1)];
        text += "“";
    }
    text += " pro skupinu ";
    text += skupina;
    text += ", test nelze sestavit.";
    return text;
}

}  // namespace

SlozenyTest ComposeTest(const Banka& banka, std::string_view skupina, Nahoda& nahoda)
{
    SlozenyTest test;
    const auto& zdroje = ZdrojePozic();
    for (std::size_t iz = 0; iz < zdroje.size(); ++iz) {
        const ZdrojPozice& z = zdroje[iz];
        std::vector<bool> nabidnuto(static_cast<std::size_t>(z.rozsah), false);
        int pocetNabidnutych = 0;
        int mimoMezeru = 0;
        for (int c = z.zaklad; c < z.zaklad + z.rozsah; ++c)
            mimoMezeru += VMezere(z, c) ? 0 : 1;
        for (int k = z.prvniPozice; k <= z.posledniPozice; ++k) {
            for (;;) {
                if (pocetNabidnutych == mimoMezeru) {
                    test.vycerpanyZdroj = static_cast<int>(iz);
                    test.chyba = ChybaZdroje(z, skupina);
                    return test;
                }
                int kandidat;
                do
                    kandidat = z.zaklad
                        + static_cast<int>(nahoda.Pod(static_cast<std::uint32_t>(z.rozsah)));
                while (VMezere(z, kandidat));
                const auto i = static_cast<std::size_t>(kandidat - z.zaklad);
                if (!nabidnuto[i]) {
                    nabidnuto[i] = true;
                    ++pocetNabidnutych;
                }
                bool obsazeno = false;
                for (int j = 1; j < k && !obsazeno; ++j)
                    obsazeno = test.pozice[static_cast<std::size_t>(j - 1)].cislo == kandidat;
                if (obsazeno)
                    continue;
                const Otazka* otazka = banka.Najdi(kandidat);
                if (!otazka || !PasujeDoRozsahu(otazka->skupina, skupina))
                    continue;
                TestPosition& p = test.pozice[static_cast<std::size_t>(k - 1)];
                p.cislo = kandidat;
                p.spravne = otazka->spravne;
                break;
            }
        }
    }
    // Passes over the neighbouring pairs until none swaps, as the sheet has always been sorted.
    for (bool prohozeno = true; prohozeno;) {
        prohozeno = false;
        for (std::size_t i = 0; i + 1 < 10; ++i)
            if (test.pozice[i + 1].cislo < test.pozice[i].cislo) {
                std::swap(test.pozice[i], test.pozice[i + 1]);
                prohozeno = true;
            }
    }
    test.uplny = true;
    return test;
}

SlozenyTest ComposeTest(const Banka& banka, std::string_view skupina, std::uint32_t seed)
{
    Nahoda nahoda(seed);
    return ComposeTest(banka, skupina, nahoda);
}
