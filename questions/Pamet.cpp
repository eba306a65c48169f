#include "questions/Pamet.h"

#include "base/Nahoda.h"
#include "questions/Kategorie.h"

#include <algorithm>
#include <cmath>
#include <tuple>

namespace {

constexpr double kNejmensiStabilita = 0.001;
constexpr int kNejdelsiInterval = 36500;

// Days since 1970-01-01 of a proleptic Gregorian date.
long long CisloDne(const DatumCas& d)
{
    const int r = d.rok - (d.mesic <= 2 ? 1 : 0);
    const int era = (r >= 0 ? r : r - 399) / 400;
    const int roku = r - era * 400;
    const int m = d.mesic + (d.mesic > 2 ? -3 : 9);
    const int dnuRoku = (153 * m + 2) / 5 + d.den - 1;
    const int dnuEry = roku * 365 + roku / 4 - roku / 100 + dnuRoku;
    return static_cast<long long>(era) * 146097 + dnuEry - 719468;
}

DatumCas DatumZCisla(long long cislo)
{
    cislo += 719468;
    const long long era = (cislo >= 0 ? cislo : cislo - 146096) / 146097;
    const long long dnuEry = cislo - era * 146097;
    const long long roku = (dnuEry - dnuEry / 1460 + dnuEry / 36524 - dnuEry / 146096) / 365;
    const long long dnuRoku = dnuEry - (365 * roku + roku / 4 - roku / 100);
    const long long m = (5 * dnuRoku + 2) / 153;
    DatumCas d;
    d.den = static_cast<int>(dnuRoku - (153 * m + 2) / 5 + 1);
    d.mesic = static_cast<int>(m < 10 ? m + 3 : m - 9);
    d.rok = static_cast<int>(roku + era * 400 + (d.mesic <= 2 ? 1 : 0));
    return d;
}

double DnyMezi(const DatumCas& od, const DatumCas& do_)
{
    const double sekundy = (do_.hodina - od.hodina) * 3600.0 + (do_.minuta - od.minuta) * 60.0
        + (do_.sekunda - od.sekunda) + (do_.milisekunda - od.milisekunda) / 1000.0;
    return static_cast<double>(CisloDne(do_) - CisloDne(od)) + sekundy / 86400.0;
}

double Faktor(const ParametryFsrs& w) { return std::pow(0.9, -1.0 / w[20]) - 1.0; }

double Omez(double d) { return std::clamp(d, 1.0, 10.0); }

double PocatecniObtiznost(int g, const ParametryFsrs& w)
{
    return w[4] - std::exp(w[5] * (g - 1)) + 1.0;
}

double DalsiObtiznost(double d, int g, const ParametryFsrs& w)
{
    const double zmena = -w[6] * (g - 3);
    const double tlumena = d + zmena * (10.0 - d) / 9.0;
    return Omez(w[7] * PocatecniObtiznost(4, w) + (1.0 - w[7]) * tlumena);
}

double StabilitaPoVybaveni(double d, double s, double r, int g, const ParametryFsrs& w)
{
    const double prirazka = g == 2 ? w[15] : g == 4 ? w[16] : 1.0;
    return s
        * (1.0
           + std::exp(w[8]) * (11.0 - d) * std::pow(s, -w[9]) * (std::exp(w[10] * (1.0 - r)) - 1.0)
               * prirazka);
}

double StabilitaPoZapomenuti(double d, double s, double r, const ParametryFsrs& w)
{
    const double nova = w[11] * std::pow(d, -w[12]) * (std::pow(s + 1.0, w[13]) - 1.0)
        * std::exp(w[14] * (1.0 - r));
    return std::min(nova, s / std::exp(w[17] * w[18]));
}

double StabilitaTyzDen(double s, int g, const ParametryFsrs& w)
{
    double narust = std::exp(w[17] * (g - 3 + w[18])) * std::pow(s, -w[19]);
    if (g >= 3)
        narust = std::max(narust, 1.0);
    return s * narust;
}

}  // namespace

Hodnoceni HodnoceniOdpovedi(VysledekPokusu vysledek)
{
    return vysledek == VysledekPokusu::Spravne ? Hodnoceni::Dobre : Hodnoceni::Znovu;
}

StavPameti PoOdpovedi(const StavPameti& stav, Hodnoceni hodnoceni, const DatumCas& kdy,
                      const ParametryFsrs& w)
{
    const int g = static_cast<int>(hodnoceni);
    StavPameti novy;
    novy.videna = true;
    novy.posledni = kdy;
    if (!stav.videna) {
        novy.stabilita = std::max(w[g - 1], kNejmensiStabilita);
        novy.obtiznost = Omez(PocatecniObtiznost(g, w));
        return novy;
    }
    const long long dny = std::max(0LL, CisloDne(kdy) - CisloDne(stav.posledni));
    double s;
    if (dny == 0) {
        s = StabilitaTyzDen(stav.stabilita, g, w);
    } else {
        const double r = Vybaveni(stav.stabilita, static_cast<double>(dny), w);
        s = g == 1 ? StabilitaPoZapomenuti(stav.obtiznost, stav.stabilita, r, w)
                   : StabilitaPoVybaveni(stav.obtiznost, stav.stabilita, r, g, w);
    }
    novy.stabilita = std::max(s, kNejmensiStabilita);
    novy.obtiznost = DalsiObtiznost(stav.obtiznost, g, w);
    return novy;
}

StavPameti PametZeStatistiky(const ZaznamStatistiky& z, const ParametryFsrs& w)
{
    const int spravne = std::max(0, z.spravne);
    const int rada = std::clamp(z.radaSpravnych, 0, spravne);
    int selhani = std::max(0, z.spatne) + std::max(0, z.napoveda);
    // A failure last keeps one failure for the end (the run is then empty).
    const bool selhaniNaposledy =
        z.naposledy != VysledekPokusu::Spravne && selhani > 0 && rada == 0;
    if (selhaniNaposledy)
        --selhani;
    StavPameti stav;
    const auto odpovez = [&](Hodnoceni g, int kolik) {
        for (int i = 0; i < kolik; ++i)
            stav = PoOdpovedi(stav, g, z.posledni, w);
    };
    odpovez(Hodnoceni::Znovu, selhani);
    odpovez(Hodnoceni::Dobre, spravne - rada);
    if (selhaniNaposledy)
        odpovez(Hodnoceni::Znovu, 1);
    odpovez(Hodnoceni::Dobre, rada);
    return stav;
}

void DoplnPametZeStatistiky(PametProfilu& pamet, const StatistikaProfilu& statistika,
                            const ParametryFsrs& w)
{
    for (const auto& [cislo, z] : statistika) {
        if (pamet.count(cislo))
            continue;
        StavPameti s = PametZeStatistiky(z, w);
        if (s.videna)
            pamet.emplace(cislo, s);
    }
}

double Vybaveni(double stabilita, double dny, const ParametryFsrs& w)
{
    const double t = std::max(dny, 0.0);
    return std::pow(1.0 + Faktor(w) * t / std::max(stabilita, kNejmensiStabilita), -w[20]);
}

double Vybaveni(const StavPameti& stav, const DatumCas& kdy, const ParametryFsrs& w)
{
    if (!stav.videna)
        return 0.0;
    return Vybaveni(stav.stabilita, DnyMezi(stav.posledni, kdy), w);
}

double Interval(double stabilita, double retence, const ParametryFsrs& w)
{
    return stabilita / Faktor(w) * (std::pow(retence, -1.0 / w[20]) - 1.0);
}

int IntervalDni(double stabilita, double retence, const ParametryFsrs& w)
{
    const double i = Interval(stabilita, retence, w);
    if (!(i < kNejdelsiInterval))
        return kNejdelsiInterval;
    return std::max(1, static_cast<int>(std::lround(i)));
}

DatumCas Splatnost(const StavPameti& stav, double retence, const ParametryFsrs& w)
{
    return DatumZCisla(CisloDne(stav.posledni) + IntervalDni(stav.stabilita, retence, w));
}

std::vector<int> PoradiOpakovani(const PametProfilu& pamet, const DatumCas& dnes, double retence,
                                 const ParametryFsrs& w)
{
    struct Splatna {
        long long poSplatnosti;
        double vybaveni;
        int cislo;
    };
    const long long den = CisloDne(dnes);
    std::vector<Splatna> splatne;
    for (const auto& [cislo, stav] : pamet) {
        if (!stav.videna)
            continue;
        const long long po =
            den - CisloDne(stav.posledni) - IntervalDni(stav.stabilita, retence, w);
        if (po >= 0)
            splatne.push_back({po, Vybaveni(stav, dnes, w), cislo});
    }
    std::sort(splatne.begin(), splatne.end(), [](const Splatna& a, const Splatna& b) {
        return std::tie(b.poSplatnosti, a.vybaveni, a.cislo)
            < std::tie(a.poSplatnosti, b.vybaveni, b.cislo);
    });
    std::vector<int> poradi;
    poradi.reserve(splatne.size());
    for (const Splatna& s : splatne)
        poradi.push_back(s.cislo);
    return poradi;
}

std::vector<int> PoradiNovych(const std::vector<int>& nevidene, std::uint32_t seed)
{
    Nahoda nahoda(seed);
    std::map<int, std::vector<int>> podleKategorie;
    for (int cislo : nevidene)
        podleKategorie[KategorieCisla(cislo)].push_back(cislo);

    // The categories' order for equal places, then each category shuffled (Fisher-Yates).
    std::vector<int> kategorie;
    for (const auto& [k, cisla] : podleKategorie)
        kategorie.push_back(k);
    for (std::size_t i = kategorie.size(); i > 1; --i)
        std::swap(kategorie[i - 1], kategorie[nahoda.Pod(static_cast<std::uint32_t>(i))]);
    std::map<int, int> poradiKategorie;
    for (std::size_t i = 0; i < kategorie.size(); ++i)
        poradiKategorie[kategorie[i]] = static_cast<int>(i);

    struct Misto {
        long long citatel;  // (2k + 1) over 2n, compared by cross-multiplication
        long long jmenovatel;
        int poradiKategorie;
        int cislo;
    };
    std::vector<Misto> mista;
    mista.reserve(nevidene.size());
    for (auto& [k, cisla] : podleKategorie) {
        for (std::size_t i = cisla.size(); i > 1; --i)
            std::swap(cisla[i - 1], cisla[nahoda.Pod(static_cast<std::uint32_t>(i))]);
        const long long n = static_cast<long long>(cisla.size());
        for (long long i = 0; i < n; ++i)
            mista.push_back(
                {2 * i + 1, 2 * n, poradiKategorie[k], cisla[static_cast<std::size_t>(i)]});
    }
    std::sort(mista.begin(), mista.end(), [](const Misto& a, const Misto& b) {
        const long long vlevo = a.citatel * b.jmenovatel;
        const long long vpravo = b.citatel * a.jmenovatel;
        if (vlevo != vpravo)
            return vlevo < vpravo;
        return a.poradiKategorie < b.poradiKategorie;
    });
    std::vector<int> poradi;
    poradi.reserve(mista.size());
    for (const Misto& m : mista)
        poradi.push_back(m.cislo);
    return poradi;
}
