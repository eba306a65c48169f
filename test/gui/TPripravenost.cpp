#include "test/gui/TPripravenost.h"

#include "ui/Dialogy.h"
#include "ui/Grafy.h"

#include <QDateEdit>
#include <QDateTime>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include <cmath>

namespace {

constexpr int kDrazu = 100;  // parameter draws of the estimates
constexpr int kDrazuKrivky = 10;  // of the curves and the plan's simulated days

QString Procento(double podil)
{
    return QString::number(static_cast<int>(std::nearbyint(podil * 100)));
}

// A chance above zero never reads as 0 %: a beginner's chance is small, not nil.
QString Sance(double podil)
{
    return podil > 0 && std::nearbyint(podil * 100) == 0 ? QStringLiteral("méně než 1 %")
                                                         : Procento(podil) + QStringLiteral(" %");
}

QString Datum(const DatumCas& d)
{
    return QStringLiteral("%1. %2. %3").arg(d.den).arg(d.mesic).arg(d.rok);
}

QString SPasmem(const OdhadPlatny& o)
{
    return QStringLiteral("%1 (pásmo nejistoty %2 až %3 %)")
        .arg(Sance(o.pravdepodobnost), Procento(o.dolni), Procento(o.horni));
}

QDateTime Okamzik(const DatumCas& d)
{
    return QDateTime(QDate(d.rok, d.mesic, d.den), QTime(12, 0));
}

// "1 novou otázku", "2 nové otázky", "5 nových otázek".
QString NovychOtazek(int n)
{
    return n == 1 ? QStringLiteral("1 novou otázku")
                  : QString::number(n)
            + (n >= 2 && n <= 4 ? QStringLiteral(" nové otázky")
                                : QStringLiteral(" nových otázek"));
}

}  // namespace

TPripravenost::TPripravenost(const Banka& banka, const std::vector<int>& oblasti,
                             std::string_view skupina, VstupPripravenosti vstup, std::uint32_t seed,
                             QWidget* rodic)
    : QWidget(rodic), vstup_(std::move(vstup)), skupina_(skupina)
{
    setObjectName(QStringLiteral("TPripravenost"));
    setAccessibleName(QStringLiteral("Připravenost na zkoušku"));
    formaty_ = PripravFormaty(banka, oblasti, skupina, seed);
    model_ = SestavModelUcenice(vstup_.odpovedi);
    drazy_ = LosujUcenice(model_, kDrazu, seed);
    dnes_ = OdhadniNaDen(formaty_, vstup_.pamet, drazy_, vstup_.dnes);
    datum_ = NactiDatumZkousky(vstup_.adresar, vstup_.profil);

    auto* popisek = new QLabel(QStringLiteral("&Datum zkoušky:"), this);
    deDatumZkousky_ = new QDateEdit(this);
    deDatumZkousky_->setObjectName(QStringLiteral("deDatumZkousky"));
    deDatumZkousky_->setAccessibleName(QStringLiteral("Datum zkoušky"));
    deDatumZkousky_->setDisplayFormat(QStringLiteral("d. M. yyyy"));
    deDatumZkousky_->setCalendarPopup(true);
    const DatumCas navrh = datum_ ? *datum_ : PosunDne(vstup_.dnes, 30);
    deDatumZkousky_->setDate(QDate(navrh.rok, navrh.mesic, navrh.den));
    popisek->setBuddy(deDatumZkousky_);
    btnNastavitDatum_ = new QPushButton(QStringLiteral("&Nastavit"), this);
    btnNastavitDatum_->setObjectName(QStringLiteral("btnNastavitDatum"));
    btnZrusitDatum_ = new QPushButton(QStringLiteral("Zr&ušit datum"), this);
    btnZrusitDatum_->setObjectName(QStringLiteral("btnZrusitDatum"));
    connect(btnNastavitDatum_, &QPushButton::clicked, this, &TPripravenost::NastavDatum);
    connect(btnZrusitDatum_, &QPushButton::clicked, this, &TPripravenost::ZrusDatum);

    QFont tucne = font();
    tucne.setBold(true);
    const auto stitek = [&](const char* jmeno, bool tucny) {
        auto* l = new QLabel(this);
        l->setObjectName(QLatin1String(jmeno));
        l->setWordWrap(true);
        if (tucny)
            l->setFont(tucne);
        return l;
    };
    lbSancePlatny_ = stitek("lbSancePlatny", true);
    lbSanceBody_ = stitek("lbSanceBody", true);
    lbVysvetleniOdhadu_ = stitek("lbVysvetleniOdhadu", false);
    lbPlan_ = stitek("lbPlan", false);

    // A beginner learns why the number is low and the band wide; everyone what the band means.
    const long prvnich = model_.vsePrvniCelkem;
    if (prvnich < 50)
        lbVysvetleniOdhadu_->setText(
            QStringLiteral("Zatím znáte málo otázek (viděli jste %1): u neviděných program počítá "
                           "s tím, že napoprvé "
                           "odpovíte správně asi na 55 % jako většina začátečníků, proto je šance "
                           "nízká a pásmo široké.")
                .arg(prvnich));
    else
        lbVysvetleniOdhadu_->setText(QStringLiteral(
            "U viděných otázek odhad vychází z toho, jak rychle zapomínáte, u neviděných z vašich "
            "prvních odpovědí "
            "v kategorii; skutečná šance leží v pásmu s pravděpodobností asi 95 %."));

    grafPripravenosti_ = NovyGraf(this);
    grafPripravenosti_->setObjectName(QStringLiteral("grafPripravenosti"));
    grafPripravenosti_->setAccessibleName(QStringLiteral("Graf šance na složení zkoušky"));
    grafPripravenosti_->setMinimumSize(380, 230);

    auto* radekData = new QHBoxLayout;
    radekData->addWidget(popisek);
    radekData->addWidget(deDatumZkousky_);
    radekData->addWidget(btnNastavitDatum_);
    radekData->addWidget(btnZrusitDatum_);
    radekData->addStretch(1);
    auto* texty = new QVBoxLayout;
    texty->addLayout(radekData);
    texty->addWidget(lbSancePlatny_);
    texty->addWidget(lbSanceBody_);
    texty->addWidget(lbVysvetleniOdhadu_);
    texty->addWidget(lbPlan_);
    texty->addStretch(1);
    auto* vse = new QHBoxLayout(this);
    vse->setContentsMargins(0, 0, 0, 0);
    vse->addLayout(texty, 3);
    vse->addWidget(grafPripravenosti_, 2);
    Ukaz(false);
    QTimer::singleShot(0, this, [this] {
        drazyKrivky_ = VyberDrazy(formaty_, vstup_.pamet, drazy_, vstup_.dnes, kDrazuKrivky);
        minule_ = MinulyPrubeh(formaty_, vstup_.odpovedi, drazyKrivky_, vstup_.dnes);
        hotovo_ = true;
        Ukaz(true);
    });
}

void TPripravenost::NastavDatum()
{
    const QDate d = deDatumZkousky_->date();
    const DatumCas datum {d.year(), d.month(), d.day()};
    ChraneneTabulky(this, [&] {
        UlozDatumZkousky(vstup_.adresar, vstup_.profil, datum);
        datum_ = datum;
        Ukaz(hotovo_);
    });
}

void TPripravenost::ZrusDatum()
{
    ChraneneTabulky(this, [&] {
        UlozDatumZkousky(vstup_.adresar, vstup_.profil, std::nullopt);
        datum_.reset();
        Ukaz(hotovo_);
    });
}

void TPripravenost::Ukaz(bool vse)
{
    const long long dnu = datum_ ? DnuMezi(vstup_.dnes, *datum_) : 0;
    vDenZkousky_ = {};
    plan_ = {};
    if (dnu > 0 && vse) {
        DatumCas chvile = *datum_;
        chvile.hodina = 9;
        vDenZkousky_ = OdhadniNaDen(formaty_, vstup_.pamet, drazy_, chvile);
        ParametryPlanu parametry;
        parametry.seed = 1;
        plan_ =
            Naplanuj(formaty_, vstup_.pamet, model_, drazyKrivky_, vstup_.dnes, *datum_, parametry);
    }
    btnZrusitDatum_->setEnabled(datum_.has_value());

    const auto radek = [&](const QString& nazev, const OdhadPlatny& dnes,
                           const OdhadPlatny& pozdeji, const QString& nelze) {
        if (!dnes.lzeOdhadnout)
            return nelze;
        QString text = QStringLiteral("%1: dnes %2").arg(nazev, SPasmem(dnes));
        if (pozdeji.lzeOdhadnout)
            text += QStringLiteral(", v den zkoušky %1 bez dalšího učení %2")
                        .arg(Datum(*datum_), SPasmem(pozdeji));
        return text + QLatin1Char('.');
    };
    lbSancePlatny_->setText(
        radek(QStringLiteral("Šance na složení testu podle platných pravidel"), dnes_.platny,
              vDenZkousky_.platny,
              QStringLiteral("Šanci na složení testu podle platných pravidel nelze odhadnout: "
                             "chybí tabulka oblastí otázek.")));
    lbSanceBody_->setText(
        radek(QStringLiteral("Šance na složení testu na body (skupina %1)")
                  .arg(QString::fromStdString(skupina_)),
              dnes_.body, vDenZkousky_.body,
              QStringLiteral("Šanci na složení testu na body nelze odhadnout: v databázi otázek "
                             "není dost otázek pro skupinu.")));

    const QString doba = model_.medianMs > 0
        ? QStringLiteral("podle vaší obvyklé doby odpovědi %1 s")
              .arg((model_.medianMs + 500) / 1000)
        : QStringLiteral("počítáno %1 s na otázku, dokud program nezná vaše časy")
              .arg(ModelUcenice::kVychoziMs / 1000);
    if (!datum_)
        lbPlan_->setText(
            QStringLiteral("Zadejte datum zkoušky a program spočítá, kolik se máte denně učit."));
    else if (!vse)
        lbPlan_->setText(QStringLiteral("Počítám plán do zkoušky…"));
    else if (dnu == 0)
        lbPlan_->setText(QStringLiteral("Zkouška je dnes; plán učení už není potřeba."));
    else if (dnu < 0)
        lbPlan_->setText(QStringLiteral("Datum zkoušky %1 už nastalo; zadejte další termín.")
                             .arg(Datum(*datum_)));
    else if (!plan_.lzePlanovat)
        lbPlan_->setText(
            QStringLiteral("Plán nelze spočítat, protože šanci na složení nelze odhadnout."));
    else if (plan_.dosahne)
        lbPlan_->setText(
            QStringLiteral(
                "Plán do zkoušky: denně %1 a průměrně %2 opakování (nejvíc %3), "
                "asi %4 min denně (%5). V den zkoušky tak bude šance asi %6 % (cíl 95 %).")
                .arg(NovychOtazek(plan_.novychDenne))
                .arg(plan_.prumerOpakovani)
                .arg(plan_.nejvicOpakovani)
                .arg(plan_.minutDenne)
                .arg(doba, Procento(plan_.sanceVDenZkousky)));
    else
        lbPlan_->setText(
            QStringLiteral(
                "Šance 95 % do zkoušky nedosáhnete: i když se všechny zbývající otázky "
                "naučíte hned dnes a pak budete denně opakovat (průměrně %1, asi %2 min, %3), "
                "bude šance v den zkoušky asi %4 %. Zvažte pozdější termín.")
                .arg(plan_.prumerOpakovani)
                .arg(plan_.minutDenne)
                .arg(doba, Procento(plan_.sanceVDenZkousky)));

    // The chart: the past days, today, and the plan's days up to the exam.
    PopisGrafu popis;
    popis.titulek = QStringLiteral("Šance na složení zkoušky");
    RadaGrafu minule {QStringLiteral("Odhad v minulých dnech")};
    for (const BodKrivky& b : minule_)
        minule.body.append({double(Okamzik(b.den).toMSecsSinceEpoch()), b.sance * 100});
    // Today's point from the same draws as the curves, so that they join.
    const OdhadNaDen dnesKrivky = OdhadniNaDen(formaty_, vstup_.pamet, drazyKrivky_, vstup_.dnes);
    const OdhadPlatny& hlavni = formaty_.LzePlatny() ? dnesKrivky.platny : dnesKrivky.body;
    if (hlavni.lzeOdhadnout)
        minule.body.append(
            {double(Okamzik(vstup_.dnes).toMSecsSinceEpoch()), hlavni.pravdepodobnost * 100});
    popis.rady.append(minule);
    if (plan_.lzePlanovat) {
        RadaGrafu planovane {QStringLiteral("Plán do zkoušky")};
        if (hlavni.lzeOdhadnout)
            planovane.body.append(
                {double(Okamzik(vstup_.dnes).toMSecsSinceEpoch()), hlavni.pravdepodobnost * 100});
        for (std::size_t i = 0; i + 2 < plan_.dny.size();
             ++i)  // each day's end, then the exam's morning
            planovane.body.append(
                {double(Okamzik(PosunDne(plan_.dny[i].den, 1)).toMSecsSinceEpoch()),
                 plan_.dny[i].sance * 100});
        planovane.body.append({double(Okamzik(plan_.dny.back().den).toMSecsSinceEpoch()),
                               plan_.dny.back().sance * 100});
        popis.rady.append(planovane);
    }
    const DatumCas od = minule_.empty() ? vstup_.dnes : minule_.front().den;
    const DatumCas po = plan_.lzePlanovat ? *datum_ : PosunDne(vstup_.dnes, 1);
    popis.osaX.datum = true;
    popis.osaX.format = QStringLiteral("d. M.");
    popis.osaX.znacek = 5;
    popis.osaX.od = double(Okamzik(od).toMSecsSinceEpoch());
    popis.osaX.po = double(Okamzik(po).toMSecsSinceEpoch());
    popis.osaY.od = 0;
    popis.osaY.po = 100;
    popis.osaY.format = QStringLiteral("%d %");
    UkazGraf(grafPripravenosti_, popis);
}
