#include "test/Protokol.h"

#include "storage/Definice.h"
#include "storage/Tabulka.h"

std::string ZakodujMemo(const std::array<std::string, kPocetPozicTestu>& polozky)
{
    std::string memo;
    for (const std::string& polozka : polozky) {
        memo += polozka;
        memo += ' ';
    }
    memo.pop_back();
    return memo;
}

std::string ZakodujMemo(const std::array<int, kPocetPozicTestu>& cisla)
{
    std::array<std::string, kPocetPozicTestu> polozky;
    for (std::size_t i = 0; i < cisla.size(); ++i)
        polozky[i] = std::to_string(cisla[i]);
    return ZakodujMemo(polozky);
}

std::array<std::string, kPocetPozicTestu> RozdelMemo(std::string_view memo)
{
    std::array<std::string, kPocetPozicTestu> polozky;
    for (std::size_t i = 0; i + 1 < polozky.size(); ++i) {
        const std::size_t mezera = memo.find(' ');
        if (mezera == std::string_view::npos) {
            polozky[i] = std::string(memo);
            return polozky;
        }
        polozky[i] = std::string(memo.substr(0, mezera));
        memo.remove_prefix(mezera + 1);
    }
    // The last item is whatever remains, spaces and all, so a damaged text loses nothing.
    polozky.back() = std::string(memo);
    return polozky;
}

void ZapisProtokol(const std::filesystem::path& adresar, const ZaznamProtokolu& zaznam)
{
    Tabulka protokoly;
    protokoly.Svaz(adresar, "Protokoly");
    protokoly.OtevriNeboVytvor(DefiniceProtokoly());
    protokoly.Vloz();
    protokoly.PoleJmenem("Profil").NastavText(zaznam.profil);
    protokoly.PoleJmenem("DatumACas").NastavDatumCas(zaznam.datumACas);
    protokoly.PoleJmenem("Skupina").NastavText(zaznam.skupina);
    protokoly.PoleJmenem("DelkaTestu").NastavText(zaznam.delkaTestu);
    protokoly.PoleJmenem("Spravne").NastavCele(zaznam.spravne);
    protokoly.PoleJmenem("PocetBodu").NastavCele(zaznam.pocetBodu);
    protokoly.PoleJmenem("MinPocetBodu").NastavCele(zaznam.minPocetBodu);
    protokoly.PoleJmenem("Verdikt").NastavText(zaznam.verdikt);
    protokoly.PoleJmenem("Body").NastavText(ZakodujMemo(zaznam.body));
    protokoly.PoleJmenem("Odpoved").NastavText(ZakodujMemo(zaznam.odpoved));
    protokoly.PoleJmenem("SpravnaOdpoved").NastavText(ZakodujMemo(zaznam.spravnaOdpoved));
    protokoly.PoleJmenem("SkutCis").NastavText(ZakodujMemo(zaznam.skutCis));
    protokoly.Uloz();
    protokoly.Zavri();
}

UlozenyProtokol CtiProtokol(Tabulka& protokoly)
{
    const auto text = [&](const char* pole) { return protokoly.PoleJmenem(pole).JakoText(); };
    const auto cele = [&](const char* pole) { return protokoly.PoleJmenem(pole).JakoCele(); };
    UlozenyProtokol z;
    z.profil = text("Profil");
    const HodnotaPole okamzik = protokoly.PoleJmenem("DatumACas").Hodnota();
    if (const auto* d = std::get_if<DatumCas>(&okamzik))
        z.datumACas = *d;
    z.skupina = text("Skupina");
    z.delkaTestu = text("DelkaTestu");
    z.verdikt = text("Verdikt");
    z.body = text("Body");
    z.odpoved = text("Odpoved");
    z.spravnaOdpoved = text("SpravnaOdpoved");
    z.skutCis = text("SkutCis");
    z.spravne = cele("Spravne");
    z.pocetBodu = cele("PocetBodu");
    z.minPocetBodu = cele("MinPocetBodu");
    return z;
}
