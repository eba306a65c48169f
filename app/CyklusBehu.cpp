#include "app/CyklusBehu.h"

#include "app/InformacniPruh.h"
#include "base/Hodiny.h"
#include "questions/Banka.h"
#include "questions/PametProfilu.h"
#include "questions/gui/PanelOtazek.h"
#include "results/gui/TResult.h"
#include "ui/Centrovani.h"
#include "ui/Vzhled.h"
#include "ui/Zpravy.h"

#include <QLabel>
#include <QTimer>

namespace {

const QString kZadnaOtazka = QStringLiteral(
    "V tomto běhu nelze položit žádnou otázku: vybrané otázky jsou vyřazené nebo neodpovídají "
    "zvolené skupině a kategoriím.");

}  // namespace

CyklusBehu::CyklusBehu(Relace& relace, const Banka& banka, PanelOtazek& panel, InformacniPruh& pruh,
                       std::filesystem::path adresar, QWidget* okno,
                       std::function<void(RezimBehu)> ukonciRezim)
    : QObject(okno), relace_(relace), banka_(banka), panel_(panel), pruh_(pruh),
      adresar_(std::move(adresar)), okno_(okno), ukonciRezim_(std::move(ukonciRezim))
{
    Timer1 = new QTimer(okno);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setSingleShot(false);
    connect(Timer1, &QTimer::timeout, this, &CyklusBehu::Timer1Timer);
    connect(&panel_, &PanelOtazek::klikNaOdpoved, this, &CyklusBehu::OznacOdpoved);
}

void CyklusBehu::Zacni()
{
    ZacniBeh(relace_.beh, relace_.opakovaniZaznamu);
    pruh_.Uspesnost(0);
    DalsiOtazka();
    relace_.beh.spatne.clear();
    relace_.beh.napovedy.clear();
}

void CyklusBehu::Ukonci()
{
    panel_.SkryjVysvetleni();
    UkonciBeh(relace_.beh, relace_.opakovaniZaznamu);
    opakovaniDne_ = false;
}

void CyklusBehu::Prerus()
{
    Timer1->stop();
    relace_.beh.verdikt = StavBehu::Verdikt::Zadny;
    panel_.SkryjVerdikt();
    ZrusOpakovaniZaznamu(relace_.nastaveni, relace_.opakovaniZaznamu);
}

void CyklusBehu::DalsiOtazka()
{
    StavBehu& beh = relace_.beh;
    const int cislo = ::DalsiOtazka(beh, banka_, relace_.nastaveni, AktualniHodiny());
    // Both counters are written after the choice: a retry drops withdrawn numbers and a walk that
    // runs out shortens the run, and either lowers the total and the remaining count.
    pruh_.Celkem(beh.celkem);
    if (cislo == 0) {
        // The run ends with what was asked.
        beh.cekaNaOdpoved = false;
        pruh_.Zbyva(beh.zbyva);
        QTimer::singleShot(0, this, &CyklusBehu::KonecBehu);
        return;
    }
    // The count shown still includes the question about to be shown.
    pruh_.Zbyva(beh.zbyva + 1);
    panel_.ZobrazOtazku(cislo);
    zobrazeno_ = AktualniHodiny().MsOdPulnociUtc();
}

void CyklusBehu::OznacOdpoved(int i)
{
    if (PrepniOdpoved(relace_.beh, i))
        panel_.ZobrazOznaceni(relace_.beh.oznaceno);
}

void CyklusBehu::PravyKlik()
{
    const RezimBehu rezim = relace_.rezim;
    if (relace_.beh.verdikt != StavBehu::Verdikt::Zadny || rezim == RezimBehu::Zadny
        || rezim == RezimBehu::Prohlizeni)
        return;
    StavBehu& beh = relace_.beh;
    if (beh.cekaNaOdpoved) {
        const std::array<bool, 4> oznaceno = beh.oznaceno;
        if (oznaceno[0] || oznaceno[1] || oznaceno[2] || oznaceno[3]) {
            const VysledekOdpovedi vysledek = VyhodnotOdpoved(beh, oznaceno);
            ZobrazVysledekOdpovedi(vysledek);
            ZapisDoStatistiky(beh.cisloOtazky,
                              vysledek.spravne ? VysledekPokusu::Spravne : VysledekPokusu::Spatne,
                              oznaceno);
        }
        return;
    }
    if (beh.zbyva > 0) {
        UkazDalsiOtazku();
        return;
    }
    KonecBehu();
}

void CyklusBehu::UkazDalsiOtazku()
{
    // Marks go back to the unmarked yes picture; the next question then awaits its answer.
    panel_.NactiZnacku(-1, QStringLiteral("yes.jpg"));
    panel_.SkryjZnacky();
    panel_.SkryjVysvetleni();
    DalsiOtazka();
}

void CyklusBehu::KonecBehu()
{
    const RezimBehu rezim = relace_.rezim;
    if (rezim != RezimBehu::Procvicovani && rezim != RezimBehu::Zkouseni)
        return;
    if (relace_.beh.celkem == 0) {
        // Not one question could be asked: the mode ends and the learner is told why.
        ZrusOpakovaniZaznamu(relace_.nastaveni, relace_.opakovaniZaznamu);
        ukonciRezim_(rezim);
        Zpravy::Informace(okno_, kZadnaOtazka);
        return;
    }
    // The record is stored before the evaluation window opens; the window only shows it.
    const bool zkouska = rezim == RezimBehu::Zkouseni;
    const ProtokolBehu protokol =
        UlozVysledekBehu(okno_, relace_.beh, relace_.nastaveni, relace_.opakovaniZaznamu, zkouska,
                         adresar_, AktualniHodiny());
    TResult vysledek(relace_.beh, relace_.nastaveni, relace_.opakovaniZaznamu, zkouska, protokol,
                     okno_);
    VycentrujNad(&vysledek, okno_);
    if (vysledek.exec() == TResult::Opakovat) {
        pruh_.Uspesnost(0);
        pruh_.Celkem(relace_.beh.celkem);
        UkazDalsiOtazku();
    } else {
        ukonciRezim_(rezim);
    }
}

void CyklusBehu::ZobrazVysledekOdpovedi(const VysledekOdpovedi& vysledek)
{
    panel_.ZobrazVyhodnoceni(vysledek.znacky);
    if (vysvetleni_ && relace_.PravidlaBehu().vysvetleni)
        panel_.ZobrazVysvetleni();
    pruh_.Uspesnost(relace_.beh.uspesnost);
    panel_.ZobrazVerdikt(vysledek.spravne);
    Timer1->start(1500);
}

void CyklusBehu::Timer1Timer()
{
    relace_.beh.verdikt = StavBehu::Verdikt::Zadny;
    panel_.SkryjVerdikt();
    Timer1->stop();
}

void CyklusBehu::Napoveda()
{
    if (!relace_.PravidlaBehu().napoveda || !PouzijNapovedu(relace_.beh))
        return;
    const std::array<bool, 4> oznaceno = relace_.beh.oznaceno;  // the learner's, not the hint's
    panel_.NactiZnacku(-1, QStringLiteral("yes.jpg"));
    panel_.ZobrazSpravne(relace_.beh.spravneOdpovedi);
    ZapisDoStatistiky(relace_.beh.cisloOtazky, VysledekPokusu::Napoveda, oznaceno);
}

void CyklusBehu::ZapisDoStatistiky(int cislo, VysledekPokusu vysledek,
                                   const std::array<bool, 4>& oznaceno)
{
    const Hodiny& hodiny = AktualniHodiny();
    const StavBehu& beh = relace_.beh;
    Odpoved o;
    o.cislo = cislo;
    o.kdy = hodiny.Mistni();
    o.vysledek = vysledek;
    if (beh.opakovani)
        o.rezim = RezimOdpovedi::Oprava;
    else if (relace_.rezim == RezimBehu::Zkouseni)
        o.rezim = RezimOdpovedi::Zkouseni;
    else
        o.rezim = opakovaniDne_ ? RezimOdpovedi::Opakovani : RezimOdpovedi::Procvicovani;
    for (std::size_t i = 0; i < oznaceno.size(); ++i)
        if (oznaceno[i])
            o.zvolene += static_cast<char>('A' + i);
    // Milliseconds since UTC midnight: an answer across midnight wraps around.
    constexpr std::uint32_t kDen = 86'400'000;
    o.casMs = static_cast<int>((hodiny.MsOdPulnociUtc() + kDen - zobrazeno_ % kDen) % kDen);
    try {
        ZapisOdpovedi(adresar_, relace_.nastaveni.aktivniProfil, {o});
    } catch (const std::exception& chyba) {
        Zpravy::Chyba(okno_, QString::fromStdString(chyba.what()));
    }
}
