#include "results/gui/TDetail.h"

#include "questions/Kategorie.h"
#include "results/OpakovaniZaznamu.h"
#include "ui/Jazyk.h"
#include "ui/ModelTabulky.h"
#include "ui/Zpravy.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

namespace {

constexpr int kSirka = 420;
constexpr int kVyska = 257;
constexpr int kRadekKategorie = 13;
constexpr int kMezeraTlacitek = 18;
constexpr int kSirkaZkouseni = 193;  // the exam's retry button, wider for its longer caption

QLabel* Popisek(QWidget* rodic, const char* jmeno, int x, int y, bool tucne = false)
{
    auto* l = new QLabel(rodic);
    l->setObjectName(QLatin1String(jmeno));
    l->move(x, y);
    if (tucne) {
        QFont f = l->font();
        f.setBold(true);
        l->setFont(f);
    }
    return l;
}

QFrame* Cara(QWidget* rodic, const char* jmeno, int x, int y, int sirka)
{
    auto* c = new QFrame(rodic);
    c->setObjectName(QLatin1String(jmeno));
    c->setFrameShape(QFrame::HLine);
    c->setFrameShadow(QFrame::Sunken);
    c->setGeometry(x, y, sirka, 2);
    return c;
}

void NastavText(QLabel* l, const QString& text)
{
    l->setText(text);
    l->adjustSize();
}

void Posun(QWidget* w, int o) { w->move(w->x(), w->y() + o); }

}  // namespace

TDetail::TDetail(const VybranyVysledek& zaznam, const Banka& banka, Relace& relace, QWidget* rodic)
    : QDialog(rodic,
              Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                  | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      zaznam_(std::make_unique<VybranyVysledek>(zaznam)), banka_(banka), relace_(relace)
{
    setObjectName(QStringLiteral("TDetail"));
    VytvorOvladaci();

    NastavText(lbProfil, QStringLiteral("Uživatel: ") + QString::fromStdString(zaznam_->profil));
    NastavText(lbSkupina, QStringLiteral("Skupina: ") + QString::fromStdString(zaznam_->skupina));
    NastavText(lbPocet, QStringLiteral("Počet otázek: %1").arg(zaznam_->pocetOtazek));
    NastavText(lbSpravne, QStringLiteral("Správných odpovědí: %1").arg(zaznam_->spravne));
    NastavText(lbSpatnych, QStringLiteral("Špatných odpovědí: %1").arg(zaznam_->spatne));
    NastavText(lbSNapovedou, QStringLiteral("Použití nápovědy: %1").arg(zaznam_->napovedy));
    NastavText(lbUspesnost, QStringLiteral("Úspěšnost: %1%").arg(zaznam_->uspesnost));

    btnZ1->setEnabled(zaznam_->spatne != 0);
    btnZ2->setEnabled(zaznam_->napovedy != 0);
    if (zaznam_->spatne != 0 || zaznam_->napovedy != 0) {
        btnPrezkouset->show();
        VycentrujTlacitka();
    }
    NastavKategorie();
}

TDetail::~TDetail() = default;

void TDetail::VytvorOvladaci()
{
    lbProfil = Popisek(this, "lbProfil", 16, 12, true);
    lbSkupina = Popisek(this, "lbSkupina", 300, 12, true);
    Bevel1 = Cara(this, "Bevel1", 8, 34, kSirka - 16);
    lbKategorie = Popisek(this, "lbKategorie", 16, 44, true);
    NastavText(lbKategorie, QStringLiteral("Kategorie, z nichž se skládal test:"));
    stKategorie = Popisek(this, "stKategorie", 16, 62);
    stKategorie->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    stKategorie->setGeometry(16, 62, kSirka - 32, kRadekKategorie);
    Bevel2 = Cara(this, "Bevel2", 8, 84, kSirka - 16);

    panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("panel"));
    panel->setFrameShape(QFrame::NoFrame);
    panel->setGeometry(8, 92, kSirka - 16, 118);
    lbPocet = Popisek(panel, "lbPocet", 8, 4, true);
    Bevel3 = Cara(panel, "Bevel3", 0, 24, panel->width());
    lbSpravne = Popisek(panel, "lbSpravne", 8, 32);
    lbSpatnych = Popisek(panel, "lbSpatnych", 8, 50);
    lbSNapovedou = Popisek(panel, "lbSNapovedou", 8, 68);
    Bevel4 = Cara(panel, "Bevel4", 0, 90, panel->width());
    lbUspesnost = Popisek(panel, "lbUspesnost", 8, 98, true);

    // Beside the wrong line and the hint line of the panel.
    btnZ1 = new QPushButton(QStringLiteral("Zobraz čísla otázek"), this);
    btnZ1->setObjectName(QStringLiteral("btnZ1"));
    btnZ1->setGeometry(kSirka - 8 - 150, panel->y() + 47, 150, 19);
    connect(btnZ1, &QPushButton::clicked, this, &TDetail::btnZ1Click);
    btnZ2 = new QPushButton(QStringLiteral("Zobraz čísla otázek"), this);
    btnZ2->setObjectName(QStringLiteral("btnZ2"));
    btnZ2->setGeometry(kSirka - 8 - 150, panel->y() + 65, 150, 19);
    connect(btnZ2, &QPushButton::clicked, this, &TDetail::btnZ2Click);
    // The two captions are the same; a screen reader tells them apart by their names.
    btnZ1->setAccessibleName(QStringLiteral("Zobraz čísla otázek se špatnou odpovědí"));
    btnZ2->setAccessibleName(QStringLiteral("Zobraz čísla otázek s nápovědou"));
    for (QPushButton* b : {btnZ1, btnZ2}) {
        QFont f = b->font();
        f.setPixelSize(10);
        b->setFont(f);
    }

    btnOK = new QPushButton(QStringLiteral("&OK"), this);
    btnOK->setObjectName(QStringLiteral("btnOK"));
    QFont tucne = btnOK->font();
    tucne.setBold(true);
    btnOK->setFont(tucne);
    btnOK->setDefault(true);
    btnOK->setGeometry((kSirka - 75) / 2, 220, 75, 25);
    connect(btnOK, &QPushButton::clicked, this, [this] { done(Zavrit); });

    btnPrezkouset = new QPushButton(QStringLiteral("&Procvičit nesprávně zodpovězené"), this);
    btnPrezkouset->setObjectName(QStringLiteral("btnPrezkouset"));
    btnPrezkouset->setGeometry(0, 220, 185, 25);
    btnPrezkouset->hide();
    connect(btnPrezkouset, &QPushButton::clicked, this, &TDetail::btnPrezkousetClick);

    setFixedSize(kSirka, kVyska);
}

void TDetail::VycentrujTlacitka()
{
    const int levy = (width() - btnOK->width() - kMezeraTlacitek - btnPrezkouset->width()) / 2;
    btnOK->move(levy, btnOK->y());
    btnPrezkouset->move(levy + btnOK->width() + kMezeraTlacitek, btnOK->y());
}

void TDetail::NastavKategorie()
{
    const auto& nazvy = NazvyKategorii();
    QString text;
    for (char z : zaznam_->kategorie) {
        if (z >= '1' && z <= '6')
            text += QString::fromUtf8(
                        nazvy[static_cast<std::size_t>(z - '1')].data(),
                        static_cast<qsizetype>(nazvy[static_cast<std::size_t>(z - '1')].size()))
                + QLatin1Char('\n');
        else if (z == '7')
            text += QString::fromUtf8(nazvy[6].data(), static_cast<qsizetype>(nazvy[6].size()));
    }
    stKategorie->setText(text);

    const int k = static_cast<int>(zaznam_->kategorie.size());
    const int posun = kRadekKategorie * (k - 1);
    stKategorie->resize(stKategorie->width(), kRadekKategorie * k);
    for (QWidget* w :
         {static_cast<QWidget*>(Bevel2), static_cast<QWidget*>(panel), static_cast<QWidget*>(btnZ1),
          static_cast<QWidget*>(btnZ2), static_cast<QWidget*>(btnOK)})
        Posun(w, posun);
    btnPrezkouset->move(btnPrezkouset->x(), btnOK->y());
    setFixedSize(width(), height() + posun);
}

void TDetail::btnZ1Click()
{
    Zpravy::Informace(this,
                      QStringLiteral("Špatně zodpovězené otázky: ")
                          + QString::fromStdString(zaznam_->spatneCisla));
}

void TDetail::btnZ2Click()
{
    Zpravy::Informace(this,
                      QStringLiteral("Otázky, u nichž byla použita nápověda: ")
                          + QString::fromStdString(zaznam_->napovedyCisla));
}

void TDetail::btnPrezkousetClick()
{
    switch (PripravOpakovaniVysledku(*zaznam_, banka_, relace_)) {
    case OpakovaniZaznamu::Spusteno:
        done(Opakovat);
        return;
    case OpakovaniZaznamu::PoskozenySeznam: {
        const QLocale jazyk = CeskeProstredi();
        Zpravy::Chyba(this,
                      QStringLiteral("Záznam z %1 %2 má poškozený seznam čísel otázek, "
                                     "opakování nelze spustit.")
                          .arg(ModelTabulky::TextData(zaznam_->datum, jazyk),
                               ModelTabulky::TextCasu(zaznam_->cas, jazyk)));
        return;
    }
    case OpakovaniZaznamu::ZadnaOtazka:
        Zpravy::Informace(this,
                          QStringLiteral("Žádná z otázek tohoto záznamu už v souboru otázek "
                                         "není, opakování nelze spustit."));
        return;
    }
}

void TDetail::NastavZkouseni(bool zkouska)
{
    if (zkouska) {
        lbSNapovedou->setEnabled(false);
        btnPrezkouset->setText(QStringLiteral("&Prozkoušet nesprávně zodpovězené"));
        // Only widened: the pair keeps the place its set-up gave it, so the button grows to the
        // right.
        btnPrezkouset->resize(kSirkaZkouseni, btnPrezkouset->height());
    } else {
        btnPrezkouset->setText(QStringLiteral("&Procvičit nesprávně zodpovězené"));
    }
}
