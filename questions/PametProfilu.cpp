#include "questions/PametProfilu.h"

#include "questions/Banka.h"
#include "questions/Kategorie.h"
#include "storage/Predvolby.h"
#include "storage/SpolecnaZmena.h"
#include "storage/Tabulka.h"
#include "storage/ZapisStatistiky.h"

#include <sys/stat.h>
#include <time.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <map>
#include <set>
#include <stdexcept>
#include <tuple>

namespace fs = std::filesystem;

namespace {

const std::string kKlicUkladani = "UkladatHistorii";
const std::string kKlicLimitu = "NovychDenne";

constexpr std::array<std::pair<RezimOdpovedi, const char*>, 6> kKodyRezimu {{
    {RezimOdpovedi::Procvicovani, "Procvicovani"},
    {RezimOdpovedi::Zkouseni, "Zkouseni"},
    {RezimOdpovedi::Oprava, "Oprava"},
    {RezimOdpovedi::TestNaBody, "TestNaBody"},
    {RezimOdpovedi::TestPlatny, "TestPlatny"},
    {RezimOdpovedi::Opakovani, "Opakovani"},
}};

bool Dostupna(const Otazka& o, const Nastaveni& n)
{
    const int k = KategorieCisla(o.cislo);
    return k >= 1 && n.kategorie[static_cast<std::size_t>(k - 1)]
        && PasujeDoVyberu(o.skupina, n.skupina);
}

bool Videna(int cislo, const PametProfilu& pamet, const StatistikaProfilu& statistika)
{
    const auto p = pamet.find(cislo);
    if (p != pamet.end() && p->second.videna)
        return true;
    const auto s = statistika.find(cislo);
    return s != statistika.end() && s->second.polozeno > 0;
}

// The due questions among the available ones, most overdue first.
std::vector<int> SplatneDostupne(const std::set<int>& dostupne, const PametProfilu& pamet,
                                 const DatumCas& dnes)
{
    std::vector<int> splatne;
    for (int c : PoradiOpakovani(pamet, dnes, kPozadovanaRetence))
        if (dostupne.count(c))
            splatne.push_back(c);
    return splatne;
}

}  // namespace

const char* KodRezimu(RezimOdpovedi rezim)
{
    for (const auto& [r, kod] : kKodyRezimu)
        if (r == rezim)
            return kod;
    return "";
}

namespace {

// The switch as last read, with the preferences file as it was then (device, inode, size and
// modification time): every answer asks for it, and the file changes rarely.
struct PrectenySpinac {
    bool existuje = false;
    dev_t zarizeni = 0;
    ino_t uzel = 0;
    off_t velikost = 0;
    timespec zmena {};
    bool hodnota = true;
};

std::map<std::pair<fs::path, std::string>, PrectenySpinac>& PrecteneSpinace()
{
    static std::map<std::pair<fs::path, std::string>, PrectenySpinac> mapa;
    return mapa;
}

PrectenySpinac StavSouboru(const fs::path& soubor)
{
    PrectenySpinac s;
    struct stat info { };
    if (::stat(soubor.c_str(), &info) == 0) {
        s.existuje = true;
        s.zarizeni = info.st_dev;
        s.uzel = info.st_ino;
        s.velikost = info.st_size;
        s.zmena = info.st_mtim;
    }
    return s;
}

bool StejnySoubor(const PrectenySpinac& a, const PrectenySpinac& b)
{
    return a.existuje == b.existuje && a.zarizeni == b.zarizeni && a.uzel == b.uzel
        && a.velikost == b.velikost && a.zmena.tv_sec == b.zmena.tv_sec
        && a.zmena.tv_nsec == b.zmena.tv_nsec;
}

}  // namespace

bool UkladatHistorii(const fs::path& adresar, const std::string& profil)
{
    PrectenySpinac nyni = StavSouboru(adresar / "Predvolby.DB");
    auto& mapa = PrecteneSpinace();
    const auto it = mapa.find({adresar, profil});
    if (it != mapa.end() && StejnySoubor(it->second, nyni))
        return it->second.hodnota;
    nyni.hodnota = NactiPredvolbu(adresar, profil, kKlicUkladani, "1") != "0";
    // Kept only when the file did not change while it was read and its last change is more than
    // two seconds old: a change within the same tick of the file system's clock leaves the time
    // as it was, so a recent file is read again next time.
    timespec ted {};
    clock_gettime(CLOCK_REALTIME, &ted);
    if (StejnySoubor(nyni, StavSouboru(adresar / "Predvolby.DB"))
        && (!nyni.existuje || ted.tv_sec - nyni.zmena.tv_sec > 2))
        mapa[{adresar, profil}] = nyni;
    return nyni.hodnota;
}

void NastavUkladaniHistorie(const fs::path& adresar, const std::string& profil, bool zapnuto)
{
    PrecteneSpinace().erase({adresar, profil});
    UlozPredvolbu(adresar, profil, kKlicUkladani, zapnuto ? "1" : "0");
}

int LimitNovych(const fs::path& adresar, const std::string& profil)
{
    const std::string text = NactiPredvolbu(adresar, profil, kKlicLimitu);
    try {
        std::size_t konec = 0;
        const int n = std::stoi(text, &konec);
        if (konec == text.size() && n >= 0)
            return n;
    } catch (const std::exception&) {
    }
    return kVychoziLimitNovych;
}

void NastavLimitNovych(const fs::path& adresar, const std::string& profil, int limit)
{
    UlozPredvolbu(adresar, profil, kKlicLimitu, std::to_string(std::max(0, limit)));
}

bool ZapisOdpovedi(const fs::path& adresar, const std::string& profil,
                   const std::vector<Odpoved>& odpovedi)
{
    if (odpovedi.empty() || !UkladatHistorii(adresar, profil))
        return false;
    // Statistika: what the answers make of an empty record is what they add to a stored one.
    std::map<int, ZaznamStatistiky> podleCisla;
    std::vector<RadekOdpovedi> radky;
    radky.reserve(odpovedi.size());
    for (const Odpoved& o : odpovedi) {
        DatumCas kdy = o.kdy;
        kdy.milisekunda = 0;
        PripoctiPokus(podleCisla[o.cislo], o.vysledek, kdy);
        radky.push_back(
            {o.cislo, kdy, KodRezimu(o.rezim), o.zvolene, ZnakVysledku(o.vysledek), o.casMs});
    }
    std::vector<PrirustekStatistiky> prirustky;
    for (const auto& [cislo, z] : podleCisla)
        prirustky.push_back({cislo, z.polozeno, z.spravne, z.spatne, z.napoveda,
                             z.spravne == z.polozeno, z.radaSpravnych, z.posledni,
                             ZnakVysledku(z.naposledy)});
    PripisUceni(adresar, profil, prirustky, radky,
                [](const RadekOdpovedi& r, const std::optional<UlozenaPamet>& stara,
                   const std::optional<UlozenaStatistika>& zaznam) {
                    StavPameti stav;
                    if (stara) {
                        stav.videna = true;
                        stav.stabilita = stara->stabilita;
                        stav.obtiznost = stara->obtiznost;
                        stav.posledni = stara->posledni;
                    } else if (zaznam) {
                        ZaznamStatistiky z;
                        z.cislo = r.cislo;
                        z.polozeno = zaznam->polozeno;
                        z.spravne = zaznam->spravne;
                        z.spatne = zaznam->spatne;
                        z.napoveda = zaznam->napoveda;
                        z.radaSpravnych = zaznam->rada;
                        z.posledni = zaznam->posledni;
                        z.naposledy = VysledekZeZnaku(zaznam->naposledy);
                        stav = PametZeStatistiky(z);
                    }
                    const StavPameti nova =
                        PoOdpovedi(stav, HodnoceniOdpovedi(VysledekZeZnaku(r.vysledek)), r.kdy);
                    return UlozenaPamet {nova.stabilita, nova.obtiznost, nova.posledni,
                                         stara ? stara->prvni : r.kdy};
                });
    return true;
}

PametProfilu NactiPametProfilu(const fs::path& adresar, const std::string& profil)
{
    return NactiPametProfilu(adresar, profil, NactiStatistiku(adresar, profil));
}

PametProfilu NactiPametProfilu(const fs::path& adresar, const std::string& profil,
                               const StatistikaProfilu& statistika)
{
    PametProfilu pamet;
    Tabulka t;
    if (!OtevriZaznamyProfilu(t, adresar, "PametOtazek", profil)) {
        DoplnPametZeStatistiky(pamet, statistika);
        return pamet;
    }
    for (t.Prvni(); !t.Konec(); t.Dalsi()) {
        StavPameti s;
        s.videna = true;
        s.stabilita = CisloZTextu(t.PoleJmenem("Stabilita").JakoText());
        s.obtiznost = CisloZTextu(t.PoleJmenem("Obtiznost").JakoText());
        s.posledni = t.PoleJmenem("Posledni").JakoDatumCas();
        pamet[t.PoleJmenem("Cislo").JakoCele()] = s;
    }
    DoplnPametZeStatistiky(pamet, statistika);
    return pamet;
}

std::vector<Odpoved> NactiOdpovedi(const fs::path& adresar, const std::string& profil)
{
    std::vector<Odpoved> log;
    for (const RadekOdpovedi& r : CtiOdpovedi(adresar, profil)) {
        Odpoved o;
        o.cislo = r.cislo;
        o.kdy = r.kdy;
        for (const auto& [rezim, kod] : kKodyRezimu)
            if (r.rezim == kod)
                o.rezim = rezim;
        o.zvolene = r.zvolene;
        o.vysledek = VysledekZeZnaku(r.vysledek);
        o.casMs = r.casMs;
        log.push_back(std::move(o));
    }
    return log;
}

int NovychDne(const fs::path& adresar, const std::string& profil, const DatumCas& dnes)
{
    Tabulka t;
    if (!OtevriZaznamyProfilu(t, adresar, "PametOtazek", profil))
        return 0;
    int pocet = 0;
    for (t.Prvni(); !t.Konec(); t.Dalsi()) {
        const DatumCas prvni = t.PoleJmenem("Prvni").JakoDatumCas();
        pocet += prvni.rok == dnes.rok && prvni.mesic == dnes.mesic && prvni.den == dnes.den;
    }
    return pocet;
}

void SmazHistorii(const fs::path& adresar, const std::string& profil)
{
    std::vector<std::string> tabulky;
    for (const char* nazev : {"Statistika", "Odpovedi", "PametOtazek", "Testy"}) {
        Tabulka t;
        t.Svaz(adresar, nazev);
        if (t.Existuje())
            tabulky.push_back(nazev);
    }
    if (tabulky.empty())
        return;
    SpolecnaZmena zmena(adresar, tabulky);
    for (const std::string& nazev : tabulky)
        if (zmena.Obsahuje(nazev))
            zmena.Smaz(nazev, "Profil", profil);
    zmena.Potvrd();
}

std::vector<Zamena> NejcastejsiZameny(const std::vector<Odpoved>& odpovedi, const Banka& banka,
                                      std::size_t nejvic)
{
    std::map<std::pair<int, std::string>, int> pocty;
    for (const Odpoved& o : odpovedi)
        if (o.vysledek == VysledekPokusu::Spatne && !o.zvolene.empty())
            ++pocty[{o.cislo, o.zvolene}];
    std::vector<Zamena> zameny;
    for (const auto& [klic, n] : pocty)
        if (n >= 2 && banka.OtazkaExistuje(klic.first))
            zameny.push_back({klic.first, klic.second, n});
    std::stable_sort(zameny.begin(), zameny.end(),
                     [](const Zamena& a, const Zamena& b) { return a.kolikrat > b.kolikrat; });
    if (zameny.size() > nejvic)
        zameny.resize(nejvic);
    return zameny;
}

std::string TextZameny(const Zamena& z)
{
    static const std::array<const char*, 11> kSlova {
        "",         "jednou",   "dvakrát", "třikrát",   "čtyřikrát", "pětkrát",
        "šestkrát", "sedmkrát", "osmkrát", "devětkrát", "desetkrát"};
    const std::string kolikrat = z.kolikrat >= 0 && z.kolikrat < static_cast<int>(kSlova.size())
        ? kSlova[static_cast<std::size_t>(z.kolikrat)]
        : std::to_string(z.kolikrat) + "krát";
    std::string pismena;
    for (std::size_t i = 0; i < z.zvolene.size(); ++i) {
        if (i > 0)
            pismena += i + 1 == z.zvolene.size() ? " a " : ", ";
        pismena += static_cast<char>(std::tolower(static_cast<unsigned char>(z.zvolene[i])));
        pismena += ')';
    }
    return "Otázka " + std::to_string(z.cislo) + ": " + kolikrat + " jste zvolil " + pismena;
}

std::vector<int> OpakovaniDne::Poradi() const
{
    std::vector<int> p = splatne;
    p.insert(p.end(), nove.begin(), nove.end());
    return p;
}

namespace {

// The numbers the learner's settings offer, and of those the ones never answered (in number order).
struct KVyberu {
    std::set<int> dostupne;
    std::vector<int> nevidene;
};

KVyberu OtazkyKVyberu(const Banka& banka, const Nastaveni& nastaveni, const PametProfilu& pamet,
                      const StatistikaProfilu& statistika)
{
    KVyberu k;
    for (const Otazka& o : banka.Vse())
        if (Dostupna(o, nastaveni)) {
            k.dostupne.insert(o.cislo);
            if (!Videna(o.cislo, pamet, statistika))
                k.nevidene.push_back(o.cislo);
        }
    return k;
}

}  // namespace

OpakovaniDne PripravOpakovaniDne(const Banka& banka, const Nastaveni& nastaveni,
                                 const PametProfilu& pamet, const StatistikaProfilu& statistika,
                                 const DatumCas& dnes, int novych, std::uint32_t seed)
{
    const auto [dostupne, nevidene] = OtazkyKVyberu(banka, nastaveni, pamet, statistika);
    OpakovaniDne vysledek;
    vysledek.splatne = SplatneDostupne(dostupne, pamet, dnes);
    vysledek.nove = PoradiNovych(nevidene, seed);
    if (vysledek.nove.size() > static_cast<std::size_t>(std::max(0, novych)))
        vysledek.nove.resize(static_cast<std::size_t>(std::max(0, novych)));
    return vysledek;
}

std::string TextOpakovani(const OpakovaniDne& o)
{
    return "K opakování: " + std::to_string(o.splatne.size())
        + ", nových: " + std::to_string(o.nove.size());
}

ProcvicovaniChyb PripravProcvicovaniChyb(const Banka& banka, const Nastaveni& nastaveni,
                                         const StatistikaProfilu& statistika,
                                         const PametProfilu& pamet, const DatumCas& dnes,
                                         std::uint32_t seed)
{
    // The mistakes: PoradiProcvicovaniChyb puts them first.
    ProcvicovaniChyb vysledek;
    std::set<int> zarazene;
    for (int c : PoradiProcvicovaniChyb(banka, nastaveni, statistika)) {
        const auto it = statistika.find(c);
        if (it == statistika.end() || it->second.polozeno == 0
            || it->second.naposledy != VysledekPokusu::Spatne)
            break;
        vysledek.poradi.push_back(c);
        zarazene.insert(c);
    }
    vysledek.chyb = static_cast<int>(vysledek.poradi.size());

    const auto [dostupne, nevidene] = OtazkyKVyberu(banka, nastaveni, pamet, statistika);
    const auto pridej = [&](int c) {
        if (zarazene.insert(c).second)
            vysledek.poradi.push_back(c);
    };
    for (int c : SplatneDostupne(dostupne, pamet, dnes))
        pridej(c);
    for (int c : PoradiNovych(nevidene, seed))
        pridej(c);
    // The rest: the lowest chance of recall first (none for a question without memory).
    std::vector<std::pair<double, int>> zbytek;
    for (int c : dostupne)
        if (!zarazene.count(c)) {
            const auto it = pamet.find(c);
            zbytek.emplace_back(it == pamet.end() ? 0.0 : Vybaveni(it->second, dnes), c);
        }
    std::sort(zbytek.begin(), zbytek.end());
    for (const auto& [r, c] : zbytek)
        pridej(c);
    return vysledek;
}

std::uint32_t SeedDne(const DatumCas& dnes)
{
    return static_cast<std::uint32_t>(dnes.rok * 10000 + dnes.mesic * 100 + dnes.den);
}
