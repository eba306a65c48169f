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
    odhad = ApriorniOdhad {};
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
    std::array<double, 66> body {};
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

double LosujBeta(double a, double b, std::mt19937& g)
{
    if (b <= 0)
        return 1.0;
    if (a <= 0)
        return 0.0;
    const double x = std::gamma_distribution<double>(a, 1.0)(g);
    const double y = std::gamma_distribution<double>(b, 1.0)(g);
    return x + y > 0 ? x / (x + y) : a / (a + b);
}

std::array<double, 7> LosujPrumeryKategorii(const ApriorniOdhad& odhad, std::mt19937& g)
{
    std::array<double, 7> prumer {};
    for (std::size_t k = 0; k < 7; ++k) {
        const bool vlastni = odhad.celkem[k] > 0;
        const long d = vlastni ? odhad.dobre[k] : odhad.vseDobre;
        const long c = vlastni ? odhad.celkem[k] : odhad.vseCelkem;
        prumer[k] = LosujBeta(double(d) + 1.0, double(c - d) + 1.0, g);
    }
    return prumer;
}

std::vector<std::vector<std::pair<int, int>>>
PoziceListu(const Banka& banka, std::string_view skupina, std::uint32_t seed, int listu)
{
    Nahoda nahoda(seed);
    std::vector<std::map<int, int>> pocty(kPocetPozic);
    for (int i = 0; i < listu; ++i) {
        const SlozenyTest test = ComposeTest(banka, skupina, nahoda);
        if (!test.uplny)
            return {};
        for (std::size_t j = 0; j < pocty.size(); ++j)
            ++pocty[j][test.pozice[j].cislo];
    }
    // A position's chance of a right answer is the mean chance of the questions it draws.
    std::vector<std::vector<std::pair<int, int>>> naPozici(kPocetPozic);
    for (std::size_t j = 0; j < pocty.size(); ++j)
        naPozici[j].assign(pocty[j].begin(), pocty[j].end());
    return naPozici;
}

std::pair<double, double> Pasmo95(std::vector<double> podily)
{
    std::sort(podily.begin(), podily.end());
    const auto percentil = [&](double q) {
        const double poloha = q * double(podily.size() - 1);
        const auto i = static_cast<std::size_t>(poloha);
        const double zbytek = poloha - double(i);
        return i + 1 < podily.size() ? podily[i] * (1 - zbytek) + podily[i + 1] * zbytek
                                     : podily[i];
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
    return LosujBeta(a, b, g);
}

OdhadUspechu OdhadniUspech(const Banka& banka, std::string_view skupina,
                           const StatistikaProfilu& statistika, std::uint32_t seed,
                           const ParametryOdhadu& parametry)
{
    OdhadUspechu vysledek;
    ApriorniOdhad prior;
    if (!SestavApriorniOdhad(banka, statistika, prior) || parametry.listu <= 0
        || parametry.opakovani <= 0)
        return vysledek;

    const auto naPozici = PoziceListu(banka, skupina, seed, parametry.listu);
    if (naPozici.empty())
        return vysledek;  // the bank cannot fill a sheet for the group
    const std::size_t listu = static_cast<std::size_t>(parametry.listu);

    const int minimum = PassMinimum(skupina);
    std::mt19937 g(seed);
    std::array<double, kNejvyssiCislo + 1> sance {};
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
        std::array<double, kPocetPozic> pozice {};
        for (std::size_t j = 0; j < pozice.size(); ++j) {
            double soucet = 0;
            for (const auto& [cislo, kolikrat] : naPozici[j])
                soucet += sance[static_cast<std::size_t>(cislo)] * kolikrat;
            pozice[j] = soucet / double(listu);
        }
        const double presne = SanceListu(pozice, minimum);
        const long prosloVeDraze = std::lround(presne * double(listu));
        uspechu += prosloVeDraze;
        podily.push_back(double(prosloVeDraze) / double(listu));
    }
    vysledek.lzeOdhadnout = true;
    vysledek.prosloListu = uspechu;
    vysledek.listuCelkem = static_cast<long>(listu) * parametry.opakovani;
    vysledek.pravdepodobnost = double(uspechu) / (double(listu) * double(parametry.opakovani));
    std::tie(vysledek.dolni, vysledek.horni) = Pasmo95(std::move(podily));
    return vysledek;
}
