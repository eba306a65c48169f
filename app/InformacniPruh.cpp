#include "app/InformacniPruh.h"

#include "ui/Obrazky.h"
#include "ui/Jazyk.h"
#include "ui/TextUtf8.h"
#include "ui/Vzhled.h"

#include <QFrame>
#include <QLabel>
#include <QPixmap>

#include <algorithm>
#include <initializer_list>
#include <utility>

namespace {

constexpr int kSirkaPruhu = 632;
constexpr int kOdsazeniTextu = 8;  // the least gap between two texts of the strip

void NastavText(QLabel* popisek, const QString& text)
{
    popisek->setText(text);
    popisek->adjustSize();
}

}  // namespace

InformacniPruh::InformacniPruh(QWidget* rodic, const std::filesystem::path& adresar)
    : adresar_(adresar)
{
    pPomoc = new QFrame(rodic);
    pPomoc->setObjectName(QStringLiteral("pPomoc"));
    pPomoc->setFrameShape(QFrame::Panel);
    pPomoc->setFrameShadow(QFrame::Raised);
    ObarviPozadi(pPomoc, Plocha::Okno);
    pPomoc->hide();

    auto popisek = [this](QLabel*& cil, const char* jmeno, const QString& text, int x, int y) {
        cil = new QLabel(text, pPomoc);
        cil->setObjectName(QString::fromLatin1(jmeno));
        cil->move(x, y);
        cil->adjustSize();
    };
    // The marks' pictures are read when the strip is first shown (ZobrazZnacky).
    auto ikona = [&](QLabel*& cil, const char* jmeno, int y) {
        cil = new QLabel(pPomoc);
        cil->setObjectName(QString::fromLatin1(jmeno));
        cil->setGeometry(40, y, 18, 18);
    };

    popisek(lbInfo, "lbInfo", QStringLiteral("Info:"), 10, 8);
    ikona(imgInfoYes, "imgInfoYes", 6);
    ikona(imgInfoNo, "imgInfoNo", 26);
    ikona(imgInfoNic, "imgInfoNic", 46);
    popisek(lbAno, "lbAno", QStringLiteral("Správná odpověď"), 60, 8);
    popisek(lbNe, "lbNe", QStringLiteral("Špatná odpověď"), 60, 28);
    popisek(lbNic, "lbNic", QStringLiteral("Ignorovaná správná odpověď"), 60, 48);
    popisek(lbJakNaTo, "lbJakNaTo",
            QStringLiteral("Levým tlačítkem vyberte správné odpovědi a pravým potvrďte"), 212, 4);
    popisek(lbKonecRezimu, "lbKonecRezimu", TextUtf8(Pravidla(RezimBehu::Prohlizeni).konecRezimu),
            212, 19);
    popisek(lbNapoveda, "lbNapoveda",
            QStringLiteral("Pro pomoc stiskněte \"Označ správnou odpověď\""), 212, 35);
    popisek(lbUzivatel, "lbUzivatel", QStringLiteral("Aktivní profil uživatele: "), 212, 52);
    popisek(lbSkupina, "lbSkupina", QStringLiteral("Skupina:"), 384, 52);
    popisek(lbCelkemOtazek, "lbCelkemOtazek", QStringLiteral("Celkem otázek:"), 520, 8);
    popisek(lbZbyvaOtazek, "lbZbyvaOtazek", QStringLiteral("Zbývá:"), 559, 28);
    popisek(lbUspesnost, "lbUspesnost", QStringLiteral("Úspěšnost: 0%"), 539, 48);

    auto cara = [this](QFrame*& cil, const char* jmeno, int x) {
        cil = new QFrame(pPomoc);
        cil->setObjectName(QString::fromLatin1(jmeno));
        cil->setFrameShape(QFrame::VLine);
        cil->setFrameShadow(QFrame::Sunken);
        cil->setGeometry(x, 4, 2, kVyska - 8);
    };
    cara(Cara1, "Cara1", 205);
    cara(Cara2, "Cara2", 514);

    // A screen reader reads the labels by their texts; the pictures and lines get names.
    pPomoc->setAccessibleName(QStringLiteral("Informace o režimu"));
    imgInfoYes->setAccessibleName(QStringLiteral("Značka: Správná odpověď"));
    imgInfoNo->setAccessibleName(QStringLiteral("Značka: Špatná odpověď"));
    imgInfoNic->setAccessibleName(QStringLiteral("Značka: Ignorovaná správná odpověď"));
    for (QFrame* c : {Cara1, Cara2})
        c->setAccessibleName(QStringLiteral("Oddělovač"));
}

void InformacniPruh::ZobrazZnacky()
{
    if (znackyNacteny_)
        return;
    znackyNacteny_ = true;
    const std::pair<QLabel*, const char*> znacky[] = {
        {imgInfoYes, "yes.jpg"}, {imgInfoNo, "no.jpg"}, {imgInfoNic, "mistake.jpg"}};
    for (const auto& [obraz, soubor] : znacky)
        obraz->setPixmap(
            ObrazekProMeritko(QString::fromStdString((adresar_ / "grafika" / soubor).string()),
                              obraz->devicePixelRatioF()));
}

void InformacniPruh::NastavRezim(RezimBehu rezim, bool zapnout, const Nastaveni& nastaveni)
{
    if (zapnout)
        ZobrazZnacky();
    pPomoc->setVisible(zapnout);
    const QString uzivatel = QStringLiteral("Aktivní profil uživatele: ")
        + QString::fromStdString(nastaveni.aktivniProfil);
    NastavText(lbUzivatel, uzivatel);
    NastavText(lbSkupina, QStringLiteral("Skupina: ") + QString::fromStdString(nastaveni.skupina));
    NastavText(lbKonecRezimu, TextUtf8(Pravidla(rezim).konecRezimu));

    const bool prohlizeni = rezim == RezimBehu::Prohlizeni;
    // Browse shows only the legend of the yes mark, how to end it and the profile.
    lbNe->setEnabled(!(prohlizeni && zapnout));
    lbNic->setEnabled(!(prohlizeni && zapnout));
    const bool pocitadla = prohlizeni ? !zapnout : zapnout;
    for (QWidget* w : std::initializer_list<QWidget*> {Cara1, Cara2, lbCelkemOtazek, lbZbyvaOtazek,
                                                       lbUspesnost, lbJakNaTo, lbSkupina})
        w->setVisible(pocitadla);
    lbNapoveda->setVisible(prohlizeni ? !zapnout : Pravidla(rezim).napoveda && zapnout);

    // A long name is cut where the next text or the strip's end begins; the tooltip has it whole.
    if (prohlizeni && zapnout) {
        lbKonecRezimu->move(284, 17);
        ZkracenyText(lbUzivatel, uzivatel, kSirkaPruhu - kOdsazeniTextu - 212);
        lbUzivatel->adjustSize();
        lbUzivatel->move(
            std::max(212, lbKonecRezimu->x() + (lbKonecRezimu->width() - lbUzivatel->width()) / 2),
            40);
        return;
    }
    ZkracenyText(lbUzivatel, uzivatel,
                 (prohlizeni ? kSirkaPruhu - kOdsazeniTextu : 384 - kOdsazeniTextu) - 212);
    lbUzivatel->adjustSize();
    // A running exam spreads its three lines over the space of the missing hint line.
    const bool zkouska = rezim == RezimBehu::Zkouseni && zapnout;
    lbKonecRezimu->move(212, zkouska ? 28 : 19);
    lbUzivatel->move(212, zkouska ? 48 : 52);
    if (!prohlizeni) {
        lbSkupina->move(384, zkouska ? 48 : 52);
        lbJakNaTo->move(212, zkouska ? 8 : 4);
    }
}

void InformacniPruh::Celkem(int pocet)
{
    NastavText(lbCelkemOtazek, QStringLiteral("Celkem otázek: %1").arg(pocet));
}

void InformacniPruh::Zbyva(int pocet)
{
    NastavText(lbZbyvaOtazek, QStringLiteral("Zbývá: %1").arg(pocet));
}

void InformacniPruh::Uspesnost(int procent)
{
    NastavText(lbUspesnost, QStringLiteral("Úspěšnost: %1%").arg(procent));
}

void InformacniPruh::Umisti(const QRect& kde) { pPomoc->setGeometry(kde); }
