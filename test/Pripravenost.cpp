#include "test/Pripravenost.h"

#include "questions/Banka.h"
#include "questions/Kategorie.h"
#include "storage/Predvolby.h"
#include "test/OdhadUspechu.h"
#include "test/SlozeniTestu.h"
#include "test/TestPlatny.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <random>
#include <stdexcept>
#include <tuple>

namespace {

constexpr int kHodinaZkousky = 9;  // the exam day's chance is taken at 9 o'clock
constexpr int kHodinaUceni = 18;  // a planned day's answers are given at 18 o'clock
constexpr double kOdchylkaNasobku = 0.6;
// One factor m cannot capture every way a learner's memory differs from the model, and a
// learner's answers are not independent evidence of it; the evidence is therefore weighed as
// that of at most this many answers, which keeps the model's own error in the band.
constexpr double kNejvicDukazu = 100.0;

long long CisloDne(const DatumCas& d)
{
    using namespace std::chrono;
    return sys_days {year {d.rok} / month {static_cast<unsigned>(d.mesic)}
                     / day {static_cast<unsigned>(d.den)}}
        .time_since_epoch()
        .count();
}

double DnyPresne(const DatumCas& od, const DatumCas& do_)
{
    const double sekundy = (do_.hodina - od.hodina) * 3600.0 + (do_.minuta - od.minuta) * 60.0
        + (do_.sekunda - od.sekunda) + (do_.milisekunda - od.milisekunda) / 1000.0;
    return static_cast<double>(CisloDne(do_) - CisloDne(od)) + sekundy / 86400.0;
}

DatumCas VHodinu(const DatumCas& den, int hodina)
{
    DatumCas d {den.rok, den.mesic, den.den};
    d.hodina = hodina;
    return d;
}

std::vector<OdpovedUcenice> PodleCasu(std::vector<OdpovedUcenice> odpovedi)
{
    std::stable_sort(
        odpovedi.begin(), odpovedi.end(),
        [](const OdpovedUcenice& a, const OdpovedUcenice& b) { return a.kdy < b.kdy; });
    return odpovedi;
}

std::size_t IndexKategorie(int cislo)
{
    return static_cast<std::size_t>(std::clamp(KategorieCisla(cislo), 1, 7) - 1);
}

// The posterior mean of q per category.
std::array<double, 7> StredPrvni(const ModelUcenice& m)
{
    const double a0 = ModelUcenice::kPrvniPrumer * ModelUcenice::kPrvniSila;
    const double vse =
        (a0 + double(m.vsePrvniDobre)) / (ModelUcenice::kPrvniSila + double(m.vsePrvniCelkem));
    std::array<double, 7> q {};
    for (std::size_t k = 0; k < 7; ++k)
        q[k] = (ModelUcenice::kSilaKategorie * vse + double(m.prvniDobre[k]))
            / (ModelUcenice::kSilaKategorie + double(m.prvniCelkem[k]));
    return q;
}

std::vector<double> ApriorniVahy()
{
    std::vector<double> v;
    double soucet = 0;
    for (double x : MrizkaNasobku()) {
        v.push_back(std::exp(-0.5 * x * x / (kOdchylkaNasobku * kOdchylkaNasobku)));
        soucet += v.back();
    }
    for (double& x : v)
        x /= soucet;
    return v;
}

// A uniform number in [0, 1) fixed by the seed, the question and the day.
double Los(std::uint32_t seed, int cislo, long long den)
{
    std::uint64_t x = (std::uint64_t(seed) << 40)
        ^ (std::uint64_t(static_cast<unsigned>(cislo)) << 24) ^ static_cast<std::uint64_t>(den);
    x += 0x9e3779b97f4a7c15ULL;
    x = (x ^ (x >> 30)) * 0xbf58476d1ce4e5b9ULL;
    x = (x ^ (x >> 27)) * 0x94d049bb133111ebULL;
    x ^= x >> 31;
    return double(x >> 11) * 0x1.0p-53;
}

}  // namespace

long long DnuMezi(const DatumCas& od, const DatumCas& do_) { return CisloDne(do_) - CisloDne(od); }

DatumCas PosunDne(const DatumCas& datum, long long dnu)
{
    using namespace std::chrono;
    const year_month_day ymd {sys_days {days {CisloDne(datum) + dnu}}};
    DatumCas d = datum;
    d.rok = static_cast<int>(ymd.year());
    d.mesic = static_cast<int>(static_cast<unsigned>(ymd.month()));
    d.den = static_cast<int>(static_cast<unsigned>(ymd.day()));
    return d;
}

const std::vector<double>& MrizkaNasobku()
{
    static const std::vector<double> mrizka = [] {
        std::vector<double> m;
        for (int i = -15; i <= 15; ++i)
            m.push_back(0.1 * i);
        return m;
    }();
    return mrizka;
}

PametProfilu PametZOdpovedi(const std::vector<OdpovedUcenice>& odpovedi, const ParametryFsrs& w)
{
    PametProfilu pamet;
    for (const OdpovedUcenice& o : PodleCasu(odpovedi))
        pamet[o.cislo] = PoOdpovedi(pamet[o.cislo], HodnoceniOdpovedi(o.vysledek), o.kdy, w);
    return pamet;
}

ModelUcenice SestavModelUcenice(const std::vector<OdpovedUcenice>& odpovedi, const ParametryFsrs& w)
{
    ModelUcenice model;
    struct Opakovani {
        double stabilita, dny;
        std::size_t kategorie;
        bool spravne;
    };
    std::vector<Opakovani> opakovani;
    std::vector<int> casy;
    PametProfilu pamet;
    for (const OdpovedUcenice& o : PodleCasu(odpovedi)) {
        StavPameti& stav = pamet[o.cislo];
        const std::size_t k = IndexKategorie(o.cislo);
        const bool spravne = o.vysledek == VysledekPokusu::Spravne;
        if (!stav.videna) {
            model.prvniDobre[k] += spravne;
            ++model.prvniCelkem[k];
            model.vsePrvniDobre += spravne;
            ++model.vsePrvniCelkem;
        } else {
            opakovani.push_back(
                {stav.stabilita, std::max(0.0, DnyPresne(stav.posledni, o.kdy)), k, spravne});
        }
        if (o.ms > 0)
            casy.push_back(o.ms);
        stav = PoOdpovedi(stav, HodnoceniOdpovedi(o.vysledek), o.kdy, w);
    }
    if (!casy.empty()) {
        const auto stred = casy.begin() + static_cast<std::ptrdiff_t>(casy.size() / 2);
        std::nth_element(casy.begin(), stred, casy.end());
        model.medianMs = *stred;
    }

    // The posterior of log m on the grid, from the chance each repeated answer had.
    const std::array<double, 7> q = StredPrvni(model);
    const std::vector<double>& mrizka = MrizkaNasobku();
    std::vector<double> logVaha(mrizka.size());
    for (std::size_t i = 0; i < mrizka.size(); ++i)
        logVaha[i] = -0.5 * mrizka[i] * mrizka[i] / (kOdchylkaNasobku * kOdchylkaNasobku);
    for (std::size_t i = 0; i < mrizka.size(); ++i) {
        const double m = std::exp(mrizka[i]);
        double suma = 0;
        for (const Opakovani& o : opakovani) {
            const double r = Vybaveni(o.stabilita * m, o.dny, w);
            const double p = std::clamp(r + (1.0 - r) * q[o.kategorie], 1e-9, 1.0 - 1e-9);
            suma += std::log(o.spravne ? p : 1.0 - p);
        }
        logVaha[i] += suma * std::min(1.0, kNejvicDukazu / double(opakovani.size()));
    }
    const double nejvic = *std::max_element(logVaha.begin(), logVaha.end());
    double soucet = 0;
    for (double& v : logVaha) {
        v = std::exp(v - nejvic);
        soucet += v;
    }
    for (double& v : logVaha)
        v /= soucet;
    model.vaha = std::move(logVaha);
    return model;
}

std::vector<DrazUcenice> LosujUcenice(const ModelUcenice& model, int pocet, std::uint32_t seed)
{
    std::mt19937 g(seed);
    const std::vector<double> vaha = model.vaha.empty() ? ApriorniVahy() : model.vaha;
    std::discrete_distribution<std::size_t> bod(vaha.begin(), vaha.end());
    const double a0 = ModelUcenice::kPrvniPrumer * ModelUcenice::kPrvniSila;
    const double b0 = ModelUcenice::kPrvniSila - a0;
    std::vector<DrazUcenice> drazy;
    for (int i = 0; i < pocet; ++i) {
        DrazUcenice d;
        d.nasobek = std::exp(MrizkaNasobku()[bod(g)]);
        const double vse = LosujBeta(a0 + double(model.vsePrvniDobre),
                                     b0 + double(model.vsePrvniCelkem - model.vsePrvniDobre), g);
        for (std::size_t k = 0; k < 7; ++k)
            d.prvni[k] = LosujBeta(ModelUcenice::kSilaKategorie * vse + double(model.prvniDobre[k]),
                                   ModelUcenice::kSilaKategorie * (1.0 - vse)
                                       + double(model.prvniCelkem[k] - model.prvniDobre[k]),
                                   g);
        drazy.push_back(d);
    }
    return drazy;
}

DrazUcenice StredUcenice(const ModelUcenice& model)
{
    DrazUcenice d;
    d.nasobek = 0;
    const std::vector<double> vaha = model.vaha.empty() ? ApriorniVahy() : model.vaha;
    for (std::size_t i = 0; i < vaha.size(); ++i)
        d.nasobek += vaha[i] * std::exp(MrizkaNasobku()[i]);
    d.prvni = StredPrvni(model);
    return d;
}

double SanceOdpovedi(const StavPameti& stav, double prvni, double nasobek, const DatumCas& kdy,
                     const ParametryFsrs& w)
{
    if (!stav.videna)
        return prvni;
    const double r = Vybaveni(stav.stabilita * nasobek, DnyPresne(stav.posledni, kdy), w);
    return r + (1.0 - r) * prvni;
}

FormatyZkousky PripravFormaty(const Banka& banka, const std::vector<int>& oblasti,
                              std::string_view skupina, std::uint32_t seed, int listu)
{
    FormatyZkousky f;
    f.skupina = std::string(skupina);
    f.platny = KandidatiPlatny(banka, oblasti, skupina);
    f.body = PoziceListu(banka, skupina, seed, listu);
    f.listu = f.body.empty() ? 0 : listu;
    for (const auto& oblast : f.platny)
        f.cisla.insert(f.cisla.end(), oblast.begin(), oblast.end());
    for (const auto& pozice : f.body)
        for (const auto& [cislo, kolikrat] : pozice)
            f.cisla.push_back(cislo);
    std::sort(f.cisla.begin(), f.cisla.end());
    f.cisla.erase(std::unique(f.cisla.begin(), f.cisla.end()), f.cisla.end());
    return f;
}

SanceFormatu SanceZkousky(const FormatyZkousky& formaty, const std::vector<double>& sance)
{
    SanceFormatu v;
    if (formaty.LzePlatny()) {
        std::array<std::vector<double>, 7> podleOblasti;
        for (std::size_t s = 0; s < 7; ++s)
            for (int cislo : formaty.platny[s])
                podleOblasti[s].push_back(sance[static_cast<std::size_t>(cislo)]);
        v.platny = SanceTestuPlatny(podleOblasti, kMinimumPlatny);
    }
    if (formaty.LzeBody()) {
        std::array<double, kPocetPozic> pozice {};
        for (std::size_t j = 0; j < pozice.size(); ++j) {
            double soucet = 0;
            for (const auto& [cislo, kolikrat] : formaty.body[j])
                soucet += sance[static_cast<std::size_t>(cislo)] * kolikrat;
            pozice[j] = soucet / double(formaty.listu);
        }
        v.body = SanceListu(pozice, PassMinimum(formaty.skupina));
    }
    return v;
}

namespace {

// The memory of each number of the formats (an unseen state where the memory has none).
std::vector<StavPameti> StavyCisel(const FormatyZkousky& formaty, const PametProfilu& pamet)
{
    std::vector<StavPameti> stavy;
    stavy.reserve(formaty.cisla.size());
    for (int cislo : formaty.cisla) {
        const auto it = pamet.find(cislo);
        stavy.push_back(it == pamet.end() ? StavPameti {} : it->second);
    }
    return stavy;
}

// The chances of passing under one draw.
SanceFormatu SanceVDraze(const FormatyZkousky& formaty, const std::vector<StavPameti>& stavy,
                         const DrazUcenice& d, const DatumCas& kdy, const ParametryFsrs& w,
                         std::vector<double>& sance)
{
    sance.assign(static_cast<std::size_t>(kNejvyssiCislo + 1), 0.0);
    for (std::size_t i = 0; i < formaty.cisla.size(); ++i) {
        const int cislo = formaty.cisla[i];
        sance[static_cast<std::size_t>(cislo)] =
            SanceOdpovedi(stavy[i], d.prvni[IndexKategorie(cislo)], d.nasobek, kdy, w);
    }
    return SanceZkousky(formaty, sance);
}

double StredniSance(const FormatyZkousky& formaty, const std::vector<StavPameti>& stavy,
                    const std::vector<DrazUcenice>& drazy, const DatumCas& kdy,
                    const ParametryFsrs& w)
{
    std::vector<double> sance;
    double soucet = 0;
    for (const DrazUcenice& d : drazy) {
        const SanceFormatu s = SanceVDraze(formaty, stavy, d, kdy, w, sance);
        soucet += formaty.LzePlatny() ? s.platny : s.body;
    }
    return drazy.empty() ? 0.0 : soucet / double(drazy.size());
}

OdhadPlatny ZPodilu(std::vector<double> podily)
{
    OdhadPlatny o;
    o.lzeOdhadnout = true;
    double soucet = 0;
    for (double p : podily)
        soucet += p;
    o.pravdepodobnost = soucet / double(podily.size());
    std::tie(o.dolni, o.horni) = Pasmo95(std::move(podily));
    return o;
}

}  // namespace

OdhadNaDen OdhadniNaDen(const FormatyZkousky& formaty, const PametProfilu& pamet,
                        const std::vector<DrazUcenice>& drazy, const DatumCas& kdy,
                        const ParametryFsrs& w)
{
    OdhadNaDen odhad;
    if (drazy.empty())
        return odhad;
    const std::vector<StavPameti> stavy = StavyCisel(formaty, pamet);
    std::vector<double> platny, body, sance;
    for (const DrazUcenice& d : drazy) {
        const SanceFormatu s = SanceVDraze(formaty, stavy, d, kdy, w, sance);
        platny.push_back(s.platny);
        body.push_back(s.body);
    }
    if (formaty.LzePlatny())
        odhad.platny = ZPodilu(std::move(platny));
    if (formaty.LzeBody())
        odhad.body = ZPodilu(std::move(body));
    return odhad;
}

std::vector<DrazUcenice> VyberDrazy(const FormatyZkousky& formaty, const PametProfilu& pamet,
                                    const std::vector<DrazUcenice>& drazy, const DatumCas& kdy,
                                    int pocet, const ParametryFsrs& w)
{
    if (pocet <= 0 || drazy.empty() || static_cast<std::size_t>(pocet) >= drazy.size())
        return drazy;
    const std::vector<StavPameti> stavy = StavyCisel(formaty, pamet);
    std::vector<std::pair<double, std::size_t>> poradi;
    std::vector<double> sance;
    for (std::size_t i = 0; i < drazy.size(); ++i) {
        const SanceFormatu s = SanceVDraze(formaty, stavy, drazy[i], kdy, w, sance);
        poradi.emplace_back(formaty.LzePlatny() ? s.platny : s.body, i);
    }
    std::sort(poradi.begin(), poradi.end());
    std::vector<DrazUcenice> vyber;
    for (int k = 0; k < pocet; ++k)
        vyber.push_back(drazy[poradi[(2 * static_cast<std::size_t>(k) + 1) * drazy.size()
                                     / (2 * static_cast<std::size_t>(pocet))]
                                  .second]);
    return vyber;
}

std::vector<BodKrivky> MinulyPrubeh(const FormatyZkousky& formaty,
                                    const std::vector<OdpovedUcenice>& odpovedi,
                                    const std::vector<DrazUcenice>& drazy, const DatumCas& dnes,
                                    int dnu, const ParametryFsrs& w)
{
    std::vector<BodKrivky> prubeh;
    const std::vector<OdpovedUcenice> serazene = PodleCasu(odpovedi);
    if (serazene.empty() || (!formaty.LzePlatny() && !formaty.LzeBody()))
        return prubeh;
    long long den = std::max(DnuMezi(dnes, serazene.front().kdy), static_cast<long long>(-dnu));
    PametProfilu pamet;
    std::size_t i = 0;
    for (; den < 0; ++den) {
        const DatumCas konec = VHodinu(PosunDne(dnes, den + 1), 0);
        for (; i < serazene.size() && serazene[i].kdy < konec; ++i)
            pamet[serazene[i].cislo] =
                PoOdpovedi(pamet[serazene[i].cislo], HodnoceniOdpovedi(serazene[i].vysledek),
                           serazene[i].kdy, w);
        prubeh.push_back({VHodinu(PosunDne(dnes, den), 0),
                          StredniSance(formaty, StavyCisel(formaty, pamet), drazy, konec, w)});
    }
    return prubeh;
}

namespace {

struct Simulace {
    double sanceVDenZkousky = 0;
    std::vector<DenPlanu> dny;
};

}  // namespace

PlanUceni Naplanuj(const FormatyZkousky& formaty, const PametProfilu& pamet,
                   const ModelUcenice& model, const std::vector<DrazUcenice>& drazy,
                   const DatumCas& dnes, const DatumCas& zkouska, const ParametryPlanu& parametry,
                   const ParametryFsrs& w)
{
    PlanUceni plan;
    const long long dnu = DnuMezi(dnes, zkouska);
    if (dnu <= 0 || drazy.empty() || (!formaty.LzePlatny() && !formaty.LzeBody()))
        return plan;
    plan.lzePlanovat = true;

    // The learner the days are simulated with: the posterior means of m and q.
    const DrazUcenice stred = StredUcenice(model);
    const double nasobek = stred.nasobek;
    const std::array<double, 7>& prvni = stred.prvni;

    const std::vector<StavPameti> vychozi = StavyCisel(formaty, pamet);
    std::vector<int> nevidene;
    std::vector<std::size_t> indexCisla(static_cast<std::size_t>(kNejvyssiCislo + 1), 0);
    for (std::size_t i = 0; i < formaty.cisla.size(); ++i) {
        indexCisla[static_cast<std::size_t>(formaty.cisla[i])] = i;
        if (!vychozi[i].videna)
            nevidene.push_back(formaty.cisla[i]);
    }
    const std::vector<int> poradi = PoradiNovych(nevidene, parametry.seed);
    const long long dnesCislo = CisloDne(dnes);
    const DatumCas chvileZkousky = VHodinu(zkouska, kHodinaZkousky);

    const auto simuluj = [&](int novychDenne, bool zaznamenat) {
        Simulace sim;
        std::vector<StavPameti> stavy = vychozi;
        std::vector<long long> splatnost(stavy.size());
        for (std::size_t i = 0; i < stavy.size(); ++i)
            if (stavy[i].videna)
                splatnost[i] = CisloDne(stavy[i].posledni)
                    + IntervalDni(stavy[i].stabilita, parametry.retence, w);
        std::size_t dalsiNova = 0;
        for (long long d = 0; d < dnu; ++d) {
            const DatumCas kdy = d == 0 ? std::max(dnes, VHodinu(dnes, kHodinaUceni))
                                        : VHodinu(PosunDne(dnes, d), kHodinaUceni);
            DenPlanu den {VHodinu(PosunDne(dnes, d), 0)};
            const auto odpovez = [&](std::size_t i) {
                const int cislo = formaty.cisla[i];
                const double p =
                    SanceOdpovedi(stavy[i], prvni[IndexKategorie(cislo)], nasobek, kdy, w);
                const bool spravne = Los(parametry.seed, cislo, dnesCislo + d) < p;
                stavy[i] =
                    PoOdpovedi(stavy[i], spravne ? Hodnoceni::Dobre : Hodnoceni::Znovu, kdy, w);
                splatnost[i] =
                    dnesCislo + d + IntervalDni(stavy[i].stabilita, parametry.retence, w);
            };
            for (std::size_t i = 0; i < stavy.size(); ++i)
                if (stavy[i].videna && splatnost[i] <= dnesCislo + d) {
                    odpovez(i);
                    ++den.opakovani;
                }
            for (int n = 0; n < novychDenne && dalsiNova < poradi.size(); ++n, ++dalsiNova) {
                odpovez(indexCisla[static_cast<std::size_t>(poradi[dalsiNova])]);
                ++den.novych;
            }
            if (zaznamenat) {
                den.sance =
                    StredniSance(formaty, stavy, drazy, VHodinu(PosunDne(dnes, d + 1), 0), w);
                sim.dny.push_back(den);
            }
        }
        sim.sanceVDenZkousky = StredniSance(formaty, stavy, drazy, chvileZkousky, w);
        if (zaznamenat)
            sim.dny.push_back({VHodinu(zkouska, 0), 0, 0, sim.sanceVDenZkousky});
        return sim;
    };

    // The smallest daily number of new questions that reaches the target (more never hurts, so
    // halving the range finds it).
    int dole = 0, nahore = static_cast<int>(poradi.size());
    if (simuluj(nahore, false).sanceVDenZkousky >= parametry.cil) {
        plan.dosahne = true;
        while (dole < nahore) {
            const int stred = (dole + nahore) / 2;
            if (simuluj(stred, false).sanceVDenZkousky >= parametry.cil)
                nahore = stred;
            else
                dole = stred + 1;
        }
    }
    plan.novychDenne = nahore;
    const Simulace vysledek = simuluj(nahore, true);
    plan.dny = vysledek.dny;
    plan.sanceVDenZkousky = vysledek.sanceVDenZkousky;
    long opakovani = 0, novych = 0;
    for (const DenPlanu& d : plan.dny) {
        opakovani += d.opakovani;
        novych += d.novych;
        plan.nejvicOpakovani = std::max(plan.nejvicOpakovani, d.opakovani);
    }
    plan.prumerOpakovani = static_cast<int>(std::lround(double(opakovani) / double(dnu)));
    const double msDenne = double(opakovani + novych) / double(dnu) * model.MsNaOdpoved();
    plan.minutDenne = static_cast<int>(std::ceil(msDenne / 60000.0));
    return plan;
}

std::optional<DatumCas> NactiDatumZkousky(const std::filesystem::path& adresar,
                                          const std::string& profil)
{
    const std::string text = NactiPredvolbu(adresar, profil, "DatumZkousky");
    if (text.size() != 10)
        return std::nullopt;
    try {
        const DatumCas d = DatumCas::ZIso(text);
        using namespace std::chrono;
        if (!year_month_day {year {d.rok}, month {static_cast<unsigned>(d.mesic)},
                             day {static_cast<unsigned>(d.den)}}
                 .ok())
            return std::nullopt;
        return d;
    } catch (const std::invalid_argument&) {
        return std::nullopt;
    }
}

void UlozDatumZkousky(const std::filesystem::path& adresar, const std::string& profil,
                      const std::optional<DatumCas>& datum)
{
    UlozPredvolbu(adresar, profil, "DatumZkousky",
                  datum ? DatumCas {datum->rok, datum->mesic, datum->den}.DatumIso() : "");
}
