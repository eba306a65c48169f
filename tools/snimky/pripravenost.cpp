// Shows "Statistika učení" with the exam date, the plan and its chart for a made-up learner, for
// the help's screenshot and for looking at the window:
//   zk_snimek_pripravenosti <folder of otazky.DB and oblasti.DB> zacatecnik|dva-tydny [picture.png]
// "zacatecnik" has not answered yet and sits the exam in 30 days; "dva-tydny" has practised for
// 40 days (18 new questions a day and the due reviews, answering as the memory model says) and
// sits the exam in 14 days. With a picture the window is saved to it; otherwise it stays open.
#include "base/Nahoda.h"
#include "questions/Banka.h"
#include "test/Pripravenost.h"
#include "test/TestPlatny.h"
#include "test/gui/TStatistikaUceni.h"
#include "ui/Aplikace.h"

#include <QPixmap>
#include <QTemporaryDir>

#include <cstdio>
#include <cstring>

int main(int argc, char** argv)
{
    Aplikace aplikace(argc, argv);
    if (argc < 3) {
        std::fprintf(
            stderr,
            "použití: zk_snimek_pripravenosti <adresář> zacatecnik|dva-tydny [obrázek.png]\n");
        return 2;
    }
    const std::filesystem::path zdroj = argv[1];
    Banka banka;
    banka.Nacti(zdroj);
    const std::vector<int> oblasti = NactiOblasti(zdroj);
    const bool pokrocily = std::strcmp(argv[2], "dva-tydny") == 0;

    const DatumCas dnes {2026, 5, 4, 19, 30};
    std::vector<OdpovedUcenice> odpovedi;
    StatistikaProfilu statistika;
    if (pokrocily) {
        std::vector<int> vsechna;
        for (const Otazka& o : banka.Vse())
            vsechna.push_back(o.cislo);
        const std::vector<int> nove = PoradiNovych(vsechna, 5);
        PametProfilu pamet;
        Nahoda nahoda(17);
        std::size_t dalsi = 0;
        for (int den = -40; den < 0; ++den) {
            if (den % 7 == -3)
                continue;  // a day off a week
            DatumCas kdy = PosunDne(dnes, den);
            kdy.hodina = 18;
            const auto odpovez = [&](int cislo) {
                const double p = SanceOdpovedi(pamet[cislo], 0.6, 1.0, kdy);
                const bool spravne = nahoda.Pod(1000) < static_cast<std::uint32_t>(p * 1000);
                const VysledekPokusu v = spravne ? VysledekPokusu::Spravne : VysledekPokusu::Spatne;
                odpovedi.push_back({cislo, kdy, v, 9000 + static_cast<int>(nahoda.Pod(12000))});
                pamet[cislo] = PoOdpovedi(pamet[cislo], HodnoceniOdpovedi(v), kdy);
                PripoctiPokus(statistika[cislo], v, kdy);
                statistika[cislo].cislo = cislo;
                kdy.minuta = (kdy.minuta + 1) % 60;
            };
            for (int cislo : PoradiOpakovani(pamet, kdy, 0.9))
                odpovez(cislo);
            for (int n = 0; n < 18 && dalsi < nove.size(); ++n)
                odpovez(nove[dalsi++]);
        }
    }

    QTemporaryDir pracovni;
    const std::filesystem::path adresar = pracovni.path().toStdString();
    UlozDatumZkousky(adresar, "Jana", PosunDne(dnes, pokrocily ? 14 : 30));
    Nastaveni nastaveni;
    nastaveni.aktivniProfil = "Jana";
    const VstupPripravenosti vstup {adresar, "Jana", PametZOdpovedi(odpovedi), odpovedi, dnes};
    UcebniPamet ucebni;
    ucebni.pamet = vstup.pamet;
    ucebni.dnes = dnes;
    TStatistikaUceni okno(banka, nastaveni, statistika, 777, nullptr, nullptr, oblasti, ucebni,
                          &vstup);
    okno.show();
    if (argc > 3) {
        while (!okno.PripravenostHotova())
            aplikace.processEvents();
        aplikace.processEvents();
        return okno.grab().save(QString::fromLocal8Bit(argv[3])) ? 0 : 1;
    }
    return aplikace.exec();
}
