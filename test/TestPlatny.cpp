#include "test/TestPlatny.h"

#include "base/Nahoda.h"
#include "questions/Banka.h"
#include "questions/Kategorie.h"
#include "storage/Definice.h"
#include "storage/Tabulka.h"

#include <algorithm>

const std::array<OblastPlatny, kPocetOblasti>& OblastiPlatny()
{
    static const std::array<OblastPlatny, kPocetOblasti> oblasti {{
        {1, "Pravidla provozu", 10, 2},
        {2, "Dopravní značky", 3, 1},
        {3, "Zásady bezpečné jízdy", 4, 2},
        {4, "Řešení dopravních situací", 3, 4},
        {5, "Podmínky provozu vozidel", 2, 1},
        {6, "Související předpisy", 2, 2},
        {7, "Zdravotnická příprava", 1, 1},
    }};
    return oblasti;
}

std::vector<int> NactiOblasti(const std::filesystem::path& adresar)
{
    Tabulka t;
    t.Svaz(adresar, "oblasti");
    if (!t.Existuje())
        throw ChybaTabulky("Tabulka oblastí otázek „oblasti.DB“ v pracovním adresáři chybí, "
                           "test podle platných pravidel nelze sestavit.");
    t.Otevri();
    std::vector<int> oblasti(kNejvyssiCislo + 1, 0);
    for (t.Prvni(); !t.Konec(); t.Dalsi()) {
        const int cislo = t.PoleNaPozici(0).JakoCele();
        const int oblast = t.PoleNaPozici(1).JakoCele();
        if (cislo < 1 || cislo > kNejvyssiCislo || oblast < 1 || oblast > kPocetOblasti)
            throw ChybaTabulky("Tabulka „oblasti.DB“ je poškozena: záznam otázky "
                               + std::to_string(cislo) + " s oblastí " + std::to_string(oblast)
                               + ".");
        oblasti[static_cast<std::size_t>(cislo)] = oblast;
    }
    return oblasti;
}

bool VhodnaProPlatny(std::string_view skupinaOtazky, const std::string& a, const std::string& b,
                     const std::string& c, const std::string& d, std::string_view spravne,
                     std::string_view skupina)
{
    return PasujeDoRozsahu(skupinaOtazky, skupina) && !a.empty() && !b.empty() && !c.empty()
        && d.empty() && spravne.size() == 1 && spravne[0] >= 'A' && spravne[0] <= 'C';
}

SlozenyPlatny SlozPlatnyTest(const Banka& banka, const std::vector<int>& oblasti,
                             std::string_view skupina, Nahoda& nahoda)
{
    SlozenyPlatny test;
    std::array<std::vector<const Otazka*>, kPocetOblasti> kandidati;
    for (const Otazka& o : banka.Vse()) {
        const auto i = static_cast<std::size_t>(o.cislo);
        const int oblast = i < oblasti.size() ? oblasti[i] : 0;
        if (oblast >= 1 && oblast <= kPocetOblasti
            && VhodnaProPlatny(o.skupina, o.a, o.b, o.c, o.d, o.spravne, skupina))
            kandidati[static_cast<std::size_t>(oblast - 1)].push_back(&o);
    }
    for (const OblastPlatny& oblast : OblastiPlatny()) {
        auto& k = kandidati[static_cast<std::size_t>(oblast.cislo - 1)];
        if (static_cast<int>(k.size()) < oblast.pocet) {
            test.otazky.clear();
            test.chybiOblast = oblast.cislo;
            test.chyba = "Databáze otázek neobsahuje dostatek otázek oblasti „"
                + std::string(oblast.nazev) + "“ pro skupinu " + std::string(skupina)
                + ", test nelze sestavit.";
            return test;
        }
        // A partial Fisher–Yates shuffle: the first `pocet` places are the draw, in draw order.
        for (int i = 0; i < oblast.pocet; ++i) {
            const auto zbyva = static_cast<std::uint32_t>(k.size()) - static_cast<std::uint32_t>(i);
            const std::size_t j = static_cast<std::size_t>(i) + nahoda.Pod(zbyva);
            std::swap(k[static_cast<std::size_t>(i)], k[j]);
            const Otazka& o = *k[static_cast<std::size_t>(i)];
            OtazkaPlatna q;
            q.cislo = o.cislo;
            q.oblast = oblast.cislo;
            q.body = oblast.body;
            q.spravne = o.spravne[0];
            for (int m = 2; m > 0; --m)
                std::swap(q.poradi[static_cast<std::size_t>(m)],
                          q.poradi[nahoda.Pod(static_cast<std::uint32_t>(m + 1))]);
            test.otazky.push_back(q);
        }
    }
    test.uplny = true;
    return test;
}

VysledekPlatny VyhodnotPlatny(const std::vector<OtazkaPlatna>& otazky)
{
    VysledekPlatny v;
    for (const OtazkaPlatna& q : otazky) {
        if (q.oblast < 1 || q.oblast > kPocetOblasti)
            continue;
        VysledekOblastiPlatny& o = v.oblasti[static_cast<std::size_t>(q.oblast - 1)];
        ++o.polozeno;
        o.moznych += q.body;
        if (q.Spravne()) {
            ++o.spravne;
            o.body += q.body;
            v.body += q.body;
        }
        v.nezodpovezeno += q.Zodpovezena() ? 0 : 1;
    }
    v.prosel = v.body >= kMinimumPlatny;
    return v;
}

void PrubehPlatny::Zvol(int misto)
{
    if (misto < 0 || misto > 2 || otazky_.empty())
        return;
    OtazkaPlatna& q = otazky_[static_cast<std::size_t>(aktualni_)];
    q.zvolena = q.poradi[static_cast<std::size_t>(misto)];
}

void PrubehPlatny::PrepniOznaceni()
{
    if (!otazky_.empty())
        otazky_[static_cast<std::size_t>(aktualni_)].oznacena ^= true;
}

bool PrubehPlatny::Jdi(int index)
{
    if (index < 0 || index >= static_cast<int>(otazky_.size()))
        return false;
    aktualni_ = index;
    return true;
}

int PrubehPlatny::Nezodpovezeno() const
{
    return static_cast<int>(std::count_if(otazky_.begin(), otazky_.end(),
                                          [](const OtazkaPlatna& q) { return !q.Zodpovezena(); }));
}

std::string TextCisel(const std::vector<OtazkaPlatna>& otazky)
{
    std::string s;
    for (const OtazkaPlatna& q : otazky)
        s += (s.empty() ? "" : ", ") + std::to_string(q.cislo);
    return s;
}

std::string TextOdpovedi(const std::vector<OtazkaPlatna>& otazky)
{
    std::string s;
    for (const OtazkaPlatna& q : otazky)
        s += q.zvolena ? q.zvolena : '-';
    return s;
}

std::string TextPoradi(const std::vector<OtazkaPlatna>& otazky)
{
    std::string s;
    for (const OtazkaPlatna& q : otazky) {
        if (!s.empty())
            s += ' ';
        s.append(q.poradi.begin(), q.poradi.end());
    }
    return s;
}

std::string MinutySekundy(int sekundy)
{
    sekundy = std::max(sekundy, 0);
    const int s = sekundy % 60;
    return std::to_string(sekundy / 60) + (s < 10 ? ":0" : ":") + std::to_string(s);
}
