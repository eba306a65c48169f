#include "test/OdhadUspechu.h"

#include "base/Nahoda.h"
#include "questions/Banka.h"
#include "questions/Kategorie.h"
#include "test/SlozeniTestu.h"

#include <algorithm>
#include <tuple>
#include <cmath>
#include <map>
#include <random>

bool SestavApriorniOdhad(const Banka& banka, const StatistikaProfilu& statistika,
                         ApriorniOdhad& odhad)
{
    odhad = ApriorniOdhad{};
    auto& dobre = odhad.dobre;
    auto& celkem = odhad.celkem;
    long& vseDobre = odhad.vseDobre;
    long& vseCelkem = odhad.vseCelkem;
    for (const auto& [cislo, z] : statistika) {
        const int k = KategorieCisla(cislo);
        if (k < 1 || !banka.OtazkaExistuje(cislo) || z.polozeno <= 0)
            continue;
        dobre[static_cast<std::size_t>(k - 1)] += z.spravne;
        celkem[static_cast<std::size_t>(k - 1)] += z.polozeno;
        vseDobre += z.spravne;
        vseCelkem += z.polozeno;
    }
    return vseCelkem > 0;
}

double SanceListu(const std::array<double, 25>& sance, int minimum)
{
    // Distribution of the points over the positions answered so far.
    std::array<double, 66> body{};
    body[0] = 1.0;
    int nejvic = 0;
    for (std::size_t i = 0; i < sance.size(); ++i) {
        const int b = PositionPoints[i];
        for (int s = nejvic; s >= 0; --s) {
            const double p = body[static_cast<std::size_t>(s)];
            body[static_cast<std::size_t>(s + b)] += p * sance[i];
            body[static_cast<std::size_t>(s)] = p * (1.0 - sance[i]);
        }
        nejvic += b;
    }
    double vysledek = 0;
    for (int s = std::max(minimum, 0); s <= nejvic; ++s)
        vysledek += body[static_cast<std::size_t>(s)];
    return vysledek;
}

namespace {

// A draw from Beta(a, b); a side with no weight fixes the chance at 0 or 1.
double Beta(double a, double b, std::mt19937& g)
{
    if (b <= 0)
        return 1.0;
    if (a <= 0)
        return 0.0;
    const double x = std::gamma_distribution<double>(a, 1.0)(g);
    const double y = std::gamma_distribution<double>(b, 1.0)(g);
    return x + y > 0 ? x / (x + y) : a / (a + b);
}

}  // namespace

std::array<double, 7> LosujPrumeryKategorii(const ApriorniOdhad& odhad, std::mt19937& g)
{
    std::array<double, 7> prumer{};
    for (std::size_t k = 0; k < 7; ++k) {
        const bool vlastni = odhad.celkem[k] > 0;
        const long d = vlastni ? odhad.dobre[k] : odhad.vseDobre;
        const long c = vlastni ? odhad.celkem[k] : odhad.vseCelkem;
        prumer[k] = Beta(double(d) + 1.0, double(c - d) + 1.0, g);
    }
    return prumer;
}

std::pair<double, double> Pasmo95(std::vector<double> podily)
{
    std::sort(podily.begin(), podily.end());
    const auto percentil = [&](double q) {
        const double poloha = q * double(podily.size() - 1);
        const auto i = static_cast<std::size_t>(poloha);
        const double zbytek = poloha - double(i);
        return i + 1 < podily.size() ? podily[i] * (1 - zbytek) + podily[i + 1] * zbytek : podily[i];
    };
    return {percentil(0.025), percentil(0.975)};
}

double LosujSanciOtazky(double prumer, const StatistikaProfilu& statistika, int cislo,
                        std::mt19937& g)
{
    double a = ApriorniOdhad::kSilaPrioru * prumer;
    double b = ApriorniOdhad::kSilaPrioru * (1.0 - prumer);
    if (const auto it = statistika.find(cislo); it != statistika.end()) {
        a += it->second.spravne;
        b += it->second.polozeno - it->second.spravne;
    }
    return Beta(a, b, g);
}

OdhadUspechu OdhadniUspech(const Banka& banka, std::string_view skupina,
                           const StatistikaProfilu& statistika, std::uint32_t seed,
                           const ParametryOdhadu& parametry)
{
    OdhadUspechu vysledek;
    ApriorniOdhad prior;
    if (!SestavApriorniOdhad(banka, statistika, prior) || parametry.listu <= 0 ||
        parametry.opakovani <= 0)
        return vysledek;

    Nahoda nahoda(seed);
    std::vector<std::array<int, kPocetPozic>> listy;
    listy.reserve(static_cast<std::size_t>(parametry.listu));
    for (int i = 0; i < parametry.listu; ++i) {
        const SlozenyTest test = ComposeTest(banka, skupina, nahoda);
        if (!test.uplny)
            return vysledek;  // the bank cannot fill a sheet for the group
        std::array<int, kPocetPozic> cisla{};
        for (std::size_t j = 0; j < cisla.size(); ++j)
            cisla[j] = test.pozice[j].cislo;
        listy.push_back(cisla);
    }

    // How often each question stands at each position over the composed sheets: a position's
    // chance of a right answer is the mean chance of the questions it draws.
    std::vector<std::vector<std::pair<int, int>>> naPozici(kPocetPozic);  // (number, sheets)
    for (std::size_t j = 0; j < static_cast<std::size_t>(kPocetPozic); ++j) {
        std::map<int, int> pocty;
        for (const auto& list : listy)
            ++pocty[list[j]];
        naPozici[j].assign(pocty.begin(), pocty.end());
    }

    const int minimum = PassMinimum(skupina);
    std::mt19937 g(seed);
    std::array<double, kNejvyssiCislo + 1> sance{};
    std::vector<double> podily;
    long uspechu = 0;
    for (int r = 0; r < parametry.opakovani; ++r) {
        const std::array<double, 7> prumer = LosujPrumeryKategorii(prior, g);
        for (const Otazka& o : banka.Vse()) {
            const int k = KategorieCisla(o.cislo);
            if (k < 1)
                continue;
            sance[static_cast<std::size_t>(o.cislo)] =
                LosujSanciOtazky(prumer[static_cast<std::size_t>(k - 1)], statistika, o.cislo, g);
        }
        // The exact chance of passing under this draw, by the distribution of points over the
        // positions; as a count of the sheets, like the shares of the band.
        std::array<double, kPocetPozic> pozice{};
        for (std::size_t j = 0; j < pozice.size(); ++j) {
            double soucet = 0;
            for (const auto& [cislo, kolikrat] : naPozici[j])
                soucet += sance[static_cast<std::size_t>(cislo)] * kolikrat;
            pozice[j] = soucet / double(listy.size());
        }
        const double presne = SanceListu(pozice, minimum);
        const long prosloVeDraze = std::lround(presne * double(listy.size()));
        uspechu += prosloVeDraze;
        podily.push_back(double(prosloVeDraze) / double(listy.size()));
    }
    vysledek.lzeOdhadnout = true;
    vysledek.prosloListu = uspechu;
    vysledek.listuCelkem = static_cast<long>(listy.size()) * parametry.opakovani;
    vysledek.pravdepodobnost =
        double(uspechu) / (double(listy.size()) * double(parametry.opakovani));
    std::tie(vysledek.dolni, vysledek.horni) = Pasmo95(std::move(podily));
    return vysledek;
}
