#include "test/OdhadPlatny.h"

#include "questions/Banka.h"
#include "questions/Kategorie.h"
#include "test/OdhadUspechu.h"
#include "test/TestPlatny.h"

#include <algorithm>
#include <random>
#include <tuple>

namespace {

// The distribution of right answers among `k` questions drawn uniformly without repeats from
// those with chances `p`: the coefficients of x^k y^c in the product of (1 + x(1 - p) + x y p),
// divided by the number of draws. Kept as averages so that no count of subsets overflows.
std::vector<double> SpravnychZVyberu(const std::vector<double>& p, int k)
{
    const auto K = static_cast<std::size_t>(k);
    // f[j][c]: the mean over j-subsets of the questions so far of P(c right).
    std::vector<std::vector<double>> f(K + 1, std::vector<double>(K + 1, 0.0));
    f[0][0] = 1.0;
    for (std::size_t i = 0; i < p.size(); ++i) {
        const double n = double(i + 1);  // questions seen, this one included
        for (std::size_t j = std::min(K, i + 1); j >= 1; --j) {
            // A j-subset of the first i+1 questions leaves this one out with weight (n - j) / n.
            const double bez = (n - double(j)) / n, s = double(j) / n;
            for (std::size_t c = j; c + 1 > 0; --c) {
                const double sTouto =
                    f[j - 1][c] * (1.0 - p[i]) + (c > 0 ? f[j - 1][c - 1] * p[i] : 0.0);
                f[j][c] = f[j][c] * bez + sTouto * s;
                if (c == 0)
                    break;
            }
        }
    }
    return f[K];
}

}  // namespace

double SanceTestuPlatny(const std::array<std::vector<double>, 7>& sance, int minimum)
{
    std::vector<double> body(kBoduPlatny + 1, 0.0);
    body[0] = 1.0;
    int nejvic = 0;
    for (const OblastPlatny& o : OblastiPlatny()) {
        const auto& p = sance[static_cast<std::size_t>(o.cislo - 1)];
        if (static_cast<int>(p.size()) < o.pocet)
            return 0.0;
        const std::vector<double> spravnych = SpravnychZVyberu(p, o.pocet);
        std::vector<double> nove(body.size(), 0.0);
        for (int s = 0; s <= nejvic; ++s)
            for (int c = 0; c <= o.pocet; ++c)
                nove[static_cast<std::size_t>(s + c * o.body)] +=
                    body[static_cast<std::size_t>(s)] * spravnych[static_cast<std::size_t>(c)];
        body.swap(nove);
        nejvic += o.pocet * o.body;
    }
    double vysledek = 0;
    for (int s = std::max(minimum, 0); s <= nejvic; ++s)
        vysledek += body[static_cast<std::size_t>(s)];
    return std::min(vysledek, 1.0);
}

std::array<std::vector<int>, 7> KandidatiPlatny(const Banka& banka, const std::vector<int>& oblasti,
                                                std::string_view skupina)
{
    std::array<std::vector<int>, 7> kandidati;
    for (const Otazka& o : banka.Vse()) {
        const auto i = static_cast<std::size_t>(o.cislo);
        const int oblast = i < oblasti.size() ? oblasti[i] : 0;
        if (oblast >= 1 && oblast <= kPocetOblasti && KategorieCisla(o.cislo) >= 1
            && VhodnaProPlatny(o.skupina, o.a, o.b, o.c, o.d, o.spravne, skupina))
            kandidati[static_cast<std::size_t>(oblast - 1)].push_back(o.cislo);
    }
    for (const OblastPlatny& o : OblastiPlatny())
        if (static_cast<int>(kandidati[static_cast<std::size_t>(o.cislo - 1)].size()) < o.pocet)
            return {};
    return kandidati;
}

OdhadPlatny OdhadniUspechPlatny(const Banka& banka, const std::vector<int>& oblasti,
                                std::string_view skupina, const StatistikaProfilu& statistika,
                                std::uint32_t seed, int opakovani)
{
    OdhadPlatny vysledek;
    ApriorniOdhad prior;
    if (!SestavApriorniOdhad(banka, statistika, prior) || opakovani <= 0)
        return vysledek;

    const std::array<std::vector<int>, 7> kandidati = KandidatiPlatny(banka, oblasti, skupina);
    if (kandidati[0].empty())
        return vysledek;

    std::mt19937 g(seed);
    std::vector<double> podily;
    std::array<std::vector<double>, 7> sance;
    double soucet = 0;
    for (int r = 0; r < opakovani; ++r) {
        const std::array<double, 7> prumer = LosujPrumeryKategorii(prior, g);
        for (std::size_t s = 0; s < sance.size(); ++s) {
            sance[s].clear();
            for (const int cislo : kandidati[s]) {
                const auto k = static_cast<std::size_t>(KategorieCisla(cislo) - 1);
                sance[s].push_back(LosujSanciOtazky(prumer[k], statistika, cislo, g));
            }
        }
        const double p = SanceTestuPlatny(sance, kMinimumPlatny);
        soucet += p;
        podily.push_back(p);
    }
    vysledek.lzeOdhadnout = true;
    vysledek.pravdepodobnost = soucet / double(opakovani);
    std::tie(vysledek.dolni, vysledek.horni) = Pasmo95(std::move(podily));
    return vysledek;
}
