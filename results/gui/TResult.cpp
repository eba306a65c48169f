#include "results/gui/TResult.h"

#include "base/Hodiny.h"
#include "base/Nastaveni.h"
#include "questions/Beh.h"
#include "questions/Relace.h"
#include "results/ZaznamVysledku.h"
#include "ui/TextUtf8.h"
#include "ui/Vzhled.h"
#include "ui/Zpravy.h"

#include <QFont>
#include <QFrame>
#include <QLabel>
#include <QPushButton>

#include <exception>

namespace {

constexpr int kSirka = 360;
constexpr int kVyska = 256;
constexpr int kLevy = 16;

QLabel* Popisek(QWidget* rodic, const char* jmeno, int y)
{
    auto* l = new QLabel(rodic);
    l->setObjectName(QLatin1String(jmeno));
    l->move(kLevy, y);
    return l;
}

QFrame* Cara(QWidget* rodic, const char* jmeno, int y)
{
    auto* c = new QFrame(rodic);
    c->setObjectName(QLatin1String(jmeno));
    c->setFrameShape(QFrame::HLine);
    c->setFrameShadow(QFrame::Sunken);
    c->setGeometry(8, y, kSirka - 16, 2);
    return c;
}

void NastavText(QLabel* l, const QString& text)
{
    l->setText(text);
    l->adjustSize();
}

}  // namespace

ProtokolBehu UlozVysledekBehu(QWidget* nad, const StavBehu& beh, const Nastaveni& nastaveni,
                              const StavOpakovaniZaznamu& opakovani, bool zkouska,
                              const std::filesystem::path& adresar, const Hodiny& hodiny)
{
    const PravidlaRezimu& pravidla = Pravidla(RezimBehuZ(zkouska));
    if (!nastaveni.protokoly[static_cast<std::size_t>(pravidla.protokol)])
        return ProtokolBehu::Vypnut;
    // The evaluation window is not open yet: the question stands over the opener. Its Yes keeps
    // the record and No drops it, so Enter means Yes here.
    if (beh.opakovani
        && !Zpravy::Otazka(nad, QStringLiteral("Chcete vytvořit protokol i z této opravy?"),
                           Zpravy::Vychozi::Ano))
        return ProtokolBehu::OpravaNeulozena;
    try {
        ZapisVysledek(adresar, pravidla.typTestu, nastaveni, beh, opakovani, hodiny);
    } catch (const std::exception& chyba) {
        Zpravy::Chyba(nad, QString::fromStdString(chyba.what()));
        return ProtokolBehu::Nepodaril;
    }
    return ProtokolBehu::Vytvoren;
}

TResult::TResult(StavBehu& beh, Nastaveni& nastaveni, StavOpakovaniZaznamu& opakovani, bool zkouska,
                 ProtokolBehu protokol, QWidget* rodic)
    : QDialog(rodic,
              Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                  | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      beh_(beh), nastaveni_(nastaveni), opakovani_(opakovani), zkouska_(zkouska)
{
    setObjectName(QStringLiteral("TResult"));
    setWindowTitle(QStringLiteral("Vyhodnocení programu Zebrovka 2003"));
    setFixedSize(kSirka, kVyska);
    VytvorOvladaci();

    if (zkouska_) {
        lbSNapovedou->hide();
        // The three count lines spread over the space of the hidden hint line.
        lbPocet->move(kLevy, 98);
        lbSpravne->move(kLevy, 119);
        lbSpatne->move(kLevy, 141);
    }

    UkazProtokol(protokol);

    if (beh_.PocetSpatnych() == 0 && beh_.PocetNapoved() == 0)
        btnPrezkouset->setEnabled(false);

    lbTyp->adjustSize();
    lbTyp->move(kSirka / 2 - lbTyp->width() / 2, lbTyp->y());

    VyplnPopisky();
}

void TResult::VytvorOvladaci()
{
    lbTyp = new QLabel(TextUtf8(Pravidla(RezimBehuZ(zkouska_)).vyhodnoceni), this);
    lbTyp->setObjectName(QStringLiteral("lbTyp"));
    QFont nadpis = PismoOkna(20, true);
    nadpis.setUnderline(true);
    lbTyp->setFont(nadpis);
    ObarviText(lbTyp, Pismo::Spravne);
    lbTyp->move(0, 10);

    QFont tucne = font();
    tucne.setBold(true);

    lbUzivatel = Popisek(this, "lbUzivatel", 44);
    lbUzivatel->setFont(tucne);
    ObarviText(lbUzivatel, Pismo::Zvyraznene);
    Bevel1 = Cara(this, "Bevel1", 66);

    lbSkupina = Popisek(this, "lbSkupina", 77);
    lbPocet = Popisek(this, "lbPocet", 93);
    lbSpravne = Popisek(this, "lbSpravne", 109);
    lbSpatne = Popisek(this, "lbSpatne", 125);
    lbSNapovedou = Popisek(this, "lbSNapovedou", 141);
    Bevel2 = Cara(this, "Bevel2", 164);

    lbUspesnost = Popisek(this, "lbUspesnost", 172);
    lbUspesnost->setFont(tucne);
    ObarviText(lbUspesnost, Pismo::Zvyraznene);

    lbSoubor = new QLabel(
        QStringLiteral("Byl vytvořen protokol - přístupen je z menu Výsledky -> Protokol z..."),
        this);
    lbSoubor->setObjectName(QStringLiteral("lbSoubor"));
    lbSoubor->setFont(PismoOkna(10));
    ObarviText(lbSoubor, Pismo::Upozorneni);
    lbSoubor->setWordWrap(true);
    lbSoubor->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lbSoubor->setGeometry(kLevy, 194, kSirka - 2 * kLevy, 24);

    btnPrezkouset = new QPushButton(TextUtf8(Pravidla(RezimBehuZ(zkouska_)).prezkouset), this);
    btnPrezkouset->setObjectName(QStringLiteral("btnPrezkouset"));
    btnPrezkouset->setGeometry(8, 222, 224, 25);
    connect(btnPrezkouset, &QPushButton::clicked, this, &TResult::btnPrezkousetClick);

    btnOK = new QPushButton(QStringLiteral("&OK"), this);
    btnOK->setObjectName(QStringLiteral("btnOK"));
    btnOK->setDefault(true);
    btnOK->setGeometry(kSirka - 8 - 100, 222, 100, 25);
    connect(btnOK, &QPushButton::clicked, this, [this] { done(Zavrit); });
    // Enter closes the window: the focus starts on the default button, not on the retry.
    setTabOrder(btnOK, btnPrezkouset);
    btnOK->setFocus();
    for (QFrame* c : {Bevel1, Bevel2})
        c->setAccessibleName(QStringLiteral("Oddělovač"));
}

void TResult::UkazProtokol(ProtokolBehu protokol)
{
    switch (protokol) {
    case ProtokolBehu::Vytvoren:
        break;
    case ProtokolBehu::Vypnut:
        lbSoubor->setText(
            QStringLiteral("Nebyl vytvořen protokol - chcete-li ho vytvářet změňte nastavení"));
        break;
    case ProtokolBehu::OpravaNeulozena:
        lbSoubor->setText(TextUtf8(Pravidla(RezimBehuZ(zkouska_)).opravaNeulozena));
        break;
    case ProtokolBehu::Nepodaril:
        lbSoubor->setText(QStringLiteral("Protokol se nepodařilo vytvořit"));
        break;
    }
}

void TResult::VyplnPopisky()
{
    NastavText(lbUzivatel,
               QStringLiteral("Uživatel: ") + QString::fromStdString(nastaveni_.aktivniProfil));
    NastavText(lbSkupina, QStringLiteral("Skupina: ") + QString::fromStdString(nastaveni_.skupina));
    NastavText(lbPocet, QStringLiteral("Počet otázek: %1").arg(beh_.celkem));
    NastavText(lbSpravne, QStringLiteral("Správných odpovědí: %1").arg(beh_.PocetSpravnych()));
    NastavText(lbSpatne, QStringLiteral("Špatných odpovědí: %1").arg(beh_.PocetSpatnych()));
    NastavText(lbSNapovedou, QStringLiteral("Použití nápovědy: %1").arg(beh_.PocetNapoved()));
    NastavText(lbUspesnost, QStringLiteral("Úspěšnost: %1%").arg(beh_.uspesnost));
}

void TResult::btnPrezkousetClick()
{
    PripravOpakovani(beh_, zkouska_);
    done(Opakovat);
}

void TResult::done(int vysledek)
{
    if (vysledek != Opakovat) {
        ZrusOpakovaniZaznamu(nastaveni_, opakovani_);
        vysledek = Zavrit;
    }
    QDialog::done(vysledek);
}
