#include "test/HodnoceniTestu.h"

std::string OznacenaSada(const std::array<bool, 4>& zaskrtnuto)
{
    std::string sada;
    for (std::size_t i = 0; i < 4; ++i)
        if (zaskrtnuto[i])
            sada += static_cast<char>('A' + i);
    return sada;
}

VysledekTestu EvaluateTest(PoziceTestu& pozice,
                           const std::array<std::string, kPocetPozic>& oznacene, int minimum)
{
    VysledekTestu v;
    for (std::size_t i = 0; i < pozice.size(); ++i) {
        TestPosition& p = pozice[i];
        p.oznacene = oznacene[i];
        p.spatne = p.oznacene != p.spravne;
        if (p.spatne) {
            ++v.spatnych;
            v.spatnePozice.push_back(static_cast<int>(i) + 1);
        } else {
            v.body += PositionPoints[i];
        }
    }
    v.prosel = v.body >= minimum;
    return v;
}

namespace {

std::string DvaZnaky(int n)
{
    if (n <= 0)
        return "00";
    if (n < 10)
        return "0" + std::to_string(n);
    return std::to_string(n);
}

}  // namespace

std::string FormatMinSec(int sekundy)
{
    return DvaZnaky(sekundy / 60) + ":" + DvaZnaky(sekundy % 60);
}

std::string TextDelkyTestu(int uplynulo)
{
    const int m = uplynulo / 60;
    const int s = uplynulo % 60;
    const char* slovoS = s == 1 ? "sekunda"
        : (s >= 2 && s <= 4)    ? "sekundy"
        : s >= 5                ? "sekund"
                                : "";
    const char* slovoM = m == 1 ? "minuta" : (m >= 2 && m <= 4) ? "minuty" : m >= 5 ? "minut" : "";
    if (s == 0)
        return std::to_string(m) + " " + slovoM;
    if (m == 0)
        return std::to_string(s) + " " + slovoS;
    return std::to_string(m) + " " + slovoM + ", " + std::to_string(s) + " " + slovoS;
}

std::string SouhrnTestu(const VysledekTestu& v, int minimum, bool casVyprsel)
{
    std::string text;
    if (casVyprsel)
        text += "Čas vymezený pro test uplynul! - ";
    text += v.prosel ? "Test byl úspěšně vyřešen!" : "Test nebyl úspěšně vyřešen!";
    text += "\n - Dosáhli jste " + std::to_string(v.body)
        + " bodů z 65 možných, minimem pro složení testu bylo " + std::to_string(minimum) + " bodů";
    text += "\n - Počet špatných odpovědí byl: " + std::to_string(v.spatnych);
    if (v.spatnych != 0) {
        text += ", jejich čísla jsou ";
        for (std::size_t i = 0; i < v.spatnePozice.size(); ++i) {
            if (i > 0)
                text += ", ";
            text += std::to_string(v.spatnePozice[i]);
        }
    }
    text += "\nVíce se dozvíte z protokolu po stisku klávesy OK";
    return text;
}

std::string TitulekPorovnani(int pozice, int cislo)
{
    const int body = PositionPoints[static_cast<std::size_t>(pozice - 1)];
    return " " + std::to_string(pozice) + ". otázka (" + std::to_string(body)
        + (pozice == 15 || pozice == 16 ? " bod" : " body")
        + "); Skutečné číslo otázky: " + std::to_string(cislo) + " ";
}

std::array<Znacka, 4> ZnackyPorovnani(const std::string& oznacene, const std::string& spravne)
{
    std::array<Znacka, 4> znacky {};
    for (std::size_t i = 0; i < 4; ++i) {
        const char pismeno = static_cast<char>('A' + i);
        const bool oz = oznacene.find(pismeno) != std::string::npos;
        const bool sp = spravne.find(pismeno) != std::string::npos;
        znacky[i] = oz ? (sp ? Znacka::Ano : Znacka::Ne) : (sp ? Znacka::Chyba : Znacka::Skryta);
    }
    return znacky;
}

std::string TitulekPozice(int pozice)
{
    const int body = PositionPoints[static_cast<std::size_t>(pozice - 1)];
    return std::to_string(pozice) + ". otázka (" + std::to_string(body)
        + (body == 1 ? " bod)" : " body)");
}

ZaznamProtokolu ProtokolTestu(const PoziceTestu& pozice, const VysledekTestu& vysledek,
                              const std::string& profil, const std::string& skupina, int minimum,
                              const DatumCas& start, int uplynulo)
{
    ZaznamProtokolu z;
    z.profil = profil;
    z.datumACas = start;
    z.skupina = skupina;
    z.delkaTestu = FormatMinSec(uplynulo);
    z.spravne = vysledek.Spravnych();
    z.pocetBodu = vysledek.body;
    z.minPocetBodu = minimum;
    z.verdikt = std::string(vysledek.prosel ? kProsel : kNeprosel);
    for (std::size_t i = 0; i < pozice.size(); ++i) {
        z.body[i] = PositionPoints[i];
        z.odpoved[i] = pozice[i].oznacene;
        z.spravnaOdpoved[i] = pozice[i].spravne;
        z.skutCis[i] = pozice[i].cislo;
    }
    return z;
}
