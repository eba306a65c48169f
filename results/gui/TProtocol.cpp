#include "results/gui/TProtocol.h"

#include "questions/Relace.h"
#include "results/OpakovaniZaznamu.h"
#include "results/ZaznamVysledku.h"
#include "results/gui/TDetail.h"
#include "storage/FiltrTextu.h"
#include "storage/Tabulka.h"
#include "ui/Centrovani.h"
#include "ui/ModelTabulky.h"
#include "ui/Zpravy.h"

#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>

#include <exception>

namespace {

constexpr int kSirka = 600;
constexpr int kVyska = 380;

std::vector<ModelTabulky::Sloupec> SloupceSeznamu()
{
    const Qt::Alignment stred = Qt::AlignCenter;
    // Hidden columns too are read out by a screen reader: they carry Czech titles.
    auto skryty = [](const char* pole, const QString& titulek) {
        return ModelTabulky::Sloupec {
            QLatin1String(pole), {}, titulek, 64, Qt::AlignLeft | Qt::AlignVCenter, true};
    };
    return {
        {QStringLiteral("Datum"), {}, QStringLiteral("Datum vystavení"), 92, stred},
        {QStringLiteral("Cas"), {}, QStringLiteral("Čas"), 68, stred},
        {QStringLiteral("Skupina"), {}, QStringLiteral("Skupina"), 56, stred},
        {QStringLiteral("PocetOtazek"), {}, QStringLiteral("Počet otázek"), 76, stred},
        {QStringLiteral("Spatne"), {}, QStringLiteral("Špatné odpovědi"), 92, stred},
        {QStringLiteral("SNapovedou"), {}, QStringLiteral("Použití nápovědy"), 100, stred},
        {QStringLiteral("Uspech"), {}, QStringLiteral("Úspěšnost"), 70, stred},
        skryty("Uspesnost", QStringLiteral("Úspěšnost v procentech")),
        skryty("TypTestu", QStringLiteral("Typ testu")),
        skryty("Kategorie", QStringLiteral("Kategorie")),
        skryty("SpatneCisla", QStringLiteral("Čísla špatně zodpovězených otázek")),
        skryty("SNapovedouCisla", QStringLiteral("Čísla otázek s nápovědou")),
    };
}

}  // namespace

TProtocol::TProtocol(std::filesystem::path adresar, bool zkouska, const Banka& banka,
                     Relace& relace, QWidget* rodic)
    : QDialog(rodic,
              Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                  | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      zkouska_(zkouska), banka_(banka), relace_(relace), table1_(std::make_unique<Tabulka>()),
      vybrany_(std::make_unique<VybranyVysledek>())
{
    setObjectName(QStringLiteral("TProtocol"));
    setWindowTitle(QStringLiteral("Seznam výsledků ")
                   + (zkouska_ ? QStringLiteral("zkoušení,   Uživatel: ")
                               : QStringLiteral("procvičování,   Uživatel: "))
                   + QString::fromStdString(relace_.nastaveni.aktivniProfil));

    // The profile's records of the list's type, selected in SQL through the table's profile
    // index; the grid then reads only the rows it shows.
    table1_->Svaz(adresar, "Vysledky");
    const std::string typ(zkouska_ ? kTypZkouseni : kTypProcvicovani);
    table1_->NastavFiltrText(FiltrProfilu(relace_.nastaveni.aktivniProfil) + " AND "
                             + FiltrRovnosti("TypTestu", typ));
    table1_->NastavVypocitanaPole({{"Uspech", TypPole::Text, 5}}, &TProtocol::Table1CalcFields);
    table1_->Filtrovat(true);
    table1_->Otevri();

    model_ = std::make_unique<ModelTabulky>(*table1_, SloupceSeznamu());
    VytvorOvladaci();
    UkazAktualni();
    PovolTlacitka();
}

TProtocol::~TProtocol()
{
    // The view lets go of the model before the model goes.
    DBGrid1->setModel(nullptr);
}

void TProtocol::VytvorOvladaci()
{
    DBGrid1 = new QTableView(this);
    DBGrid1->setObjectName(QStringLiteral("DBGrid1"));
    DBGrid1->setAccessibleName(QStringLiteral("Seznam výsledků"));
    DBGrid1->setGeometry(8, 8, kSirka - 16, 320);
    DBGrid1->setModel(model_.get());
    model_->NastavSloupcePohledu(*DBGrid1);
    DBGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    DBGrid1->setSelectionBehavior(QAbstractItemView::SelectRows);
    DBGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    DBGrid1->setWordWrap(false);
    DBGrid1->setCornerButtonEnabled(false);
    DBGrid1->horizontalHeader()->setHighlightSections(false);
    DBGrid1->horizontalHeader()->setSectionsMovable(false);
    // Fixed row heights: the grid never asks for rows it does not show.
    DBGrid1->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    DBGrid1->verticalHeader()->setDefaultSectionSize(18);
    DBGrid1->verticalHeader()->hide();
    // The chosen row stays marked while the focus is on a button.
    QPalette paleta = DBGrid1->palette();
    paleta.setColor(QPalette::Inactive, QPalette::Highlight,
                    paleta.color(QPalette::Active, QPalette::Highlight));
    paleta.setColor(QPalette::Inactive, QPalette::HighlightedText,
                    paleta.color(QPalette::Active, QPalette::HighlightedText));
    DBGrid1->setPalette(paleta);
    connect(DBGrid1->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& aktualni) { model_->NastavAktualni(aktualni.row()); });
    connect(
        model_.get(), &ModelTabulky::ChybaCteni, this,
        [this](const QString& zprava) { Zpravy::Chyba(this, zprava); }, Qt::QueuedConnection);

    auto tlacitko = [this](QPushButton*& b, const char* jmeno, const QString& text, int x,
                           int sirka) {
        b = new QPushButton(text, this);
        b->setObjectName(QLatin1String(jmeno));
        b->setGeometry(x, kVyska - 8 - 25 - 10, sirka, 25);
    };
    tlacitko(btnOK, "btnOK", QStringLiteral("&OK"), 8, 100);
    tlacitko(btnPodrobnosti, "btnPodrobnosti", QStringLiteral("&Podrobnosti"), 116, 110);
    tlacitko(btnVymazat, "btnVymazat", QStringLiteral("Vymazat &záznam"), 234, 120);
    tlacitko(btnVymazatVse, "btnVymazatVse", QStringLiteral("&Vymazat vše"), 362, 110);
    btnOK->setDefault(true);
    connect(btnOK, &QPushButton::clicked, this, [this] { done(Zavrit); });
    connect(btnPodrobnosti, &QPushButton::clicked, this, &TProtocol::btnPodrobnostiClick);
    connect(btnVymazat, &QPushButton::clicked, this, &TProtocol::btnVymazatClick);
    connect(btnVymazatVse, &QPushButton::clicked, this, &TProtocol::btnVymazatVseClick);

    setFixedSize(kSirka, kVyska);
}

void TProtocol::Table1CalcFields(Tabulka& t)
{
    t.PoleJmenem("Uspech").NastavText(t.PoleJmenem("Uspesnost").JakoText() + "%");
}

void TProtocol::PovolTlacitka()
{
    const bool nejake = model_->rowCount() > 0;
    for (QPushButton* b : {btnPodrobnosti, btnVymazat, btnVymazatVse})
        b->setEnabled(nejake);
}

void TProtocol::UkazAktualni()
{
    const int radek = model_->Aktualni();
    if (radek < 0)
        return;
    DBGrid1->selectionModel()->setCurrentIndex(
        model_->index(radek, 0), QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

void TProtocol::btnPodrobnostiClick()
{
    if (model_->Aktualni() < 0)
        return;
    try {
        *vybrany_ = CtiVybranyVysledek(model_->KurzorNaAktualnim());
    } catch (const std::exception& chyba) {
        Zpravy::Chyba(this, QString::fromStdString(chyba.what()));
        return;
    }
    TDetail detail(*vybrany_, banka_, relace_, this);
    const QLocale jazyk = model_->Jazyk();
    detail.setWindowTitle(QString::fromStdString(vybrany_->typ) + QStringLiteral(" - ")
                          + ModelTabulky::TextData(vybrany_->datum, jazyk) + QStringLiteral(", ")
                          + ModelTabulky::TextCasu(vybrany_->cas, jazyk));
    detail.NastavZkouseni(zkouska_);
    VycentrujNad(&detail, this);
    detail.exec();
    if (relace_.opakovaniZaznamu.priznak)
        done(Opakovat);
}

void TProtocol::btnVymazatClick()
{
    try {
        model_->SmazAktualni();
    } catch (const std::exception& chyba) {
        Zpravy::Chyba(this, QString::fromStdString(chyba.what()));
    }
    UkazAktualni();
    PovolTlacitka();
}

void TProtocol::btnVymazatVseClick()
{
    if (!Zpravy::Otazka(this, QStringLiteral("Opravdu chcete smazat všechny záznamy?")))
        return;
    try {
        model_->SmazVse();
    } catch (const std::exception& chyba) {
        Zpravy::Chyba(this, QString::fromStdString(chyba.what()));
    }
    UkazAktualni();
    PovolTlacitka();
}
