#include "test/gui/TSeznamTestu.h"

#include "storage/FiltrTextu.h"
#include "storage/Tabulka.h"
#include "test/Protokol.h"
#include "test/gui/TTestDetailForm.h"
#include "ui/Centrovani.h"
#include "ui/Dialogy.h"
#include "ui/ModelTabulky.h"
#include "ui/Zpravy.h"

#include <QHeaderView>
#include <QItemSelectionModel>
#include <QPushButton>
#include <QTableView>

namespace {

constexpr int kSirka = 392;
constexpr int kVyska = 296;
constexpr int kVyskaMrizky = 255;

QPushButton* Tlacitko(QWidget* rodic, const char* jmeno, const QString& text, int levy, int sirka)
{
    auto* b = new QPushButton(text, rodic);
    b->setObjectName(QLatin1String(jmeno));
    b->setGeometry(levy, kVyskaMrizky + 8, sirka, 25);
    return b;
}

}  // namespace

TSeznamTestu::TSeznamTestu(std::filesystem::path adresar, const std::string& profil, QWidget* rodic,
                           QLocale jazyk)
    : QDialog(rodic,
              Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                  | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      adresar_(std::move(adresar)), protokoly_(std::make_unique<Tabulka>())
{
    setObjectName(QStringLiteral("TSeznamTestu"));
    setWindowTitle(QStringLiteral("Seznam testů,   Uživatel: ") + QString::fromStdString(profil));
    setFixedSize(kSirka, kVyska);

    protokoly_->Svaz(adresar_, "Protokoly");
    protokoly_->Otevri();
    protokoly_->NastavFiltrText(FiltrProfilu(profil));
    protokoly_->Filtrovat(true);
    protokoly_->Zavri();
    protokoly_->Otevri();

    const Qt::Alignment naStred = Qt::AlignCenter;
    model_ = new ModelTabulky(
        *protokoly_,
        {
            {QStringLiteral("DatumACas"), {}, QStringLiteral("Datum a čas"), 118, naStred},
            {QStringLiteral("Skupina"), {}, QStringLiteral("Skupina"), 80, naStred},
            {QStringLiteral("PocetBodu"), {}, QStringLiteral("Počet bodů"), 90, naStred},
            {QStringLiteral("Verdikt"), {}, QStringLiteral("Verdikt"), 80, naStred},
        },
        this, std::move(jazyk));
    connect(
        model_, &ModelTabulky::ChybaCteni, this,
        [this](const QString& zprava) { Zpravy::Chyba(this, zprava); }, Qt::QueuedConnection);

    DBGrid1 = new QTableView(this);
    DBGrid1->setObjectName(QStringLiteral("DBGrid1"));
    DBGrid1->setAccessibleName(QStringLiteral("Seznam testů"));
    DBGrid1->setGeometry(0, 0, kSirka, kVyskaMrizky);
    DBGrid1->setModel(model_);
    DBGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    DBGrid1->setSelectionBehavior(QAbstractItemView::SelectRows);
    DBGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    DBGrid1->setShowGrid(true);
    DBGrid1->verticalHeader()->hide();
    DBGrid1->verticalHeader()->setDefaultSectionSize(DBGrid1->fontMetrics().height() + 4);
    DBGrid1->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    DBGrid1->horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
    DBGrid1->horizontalHeader()->setHighlightSections(false);
    DBGrid1->setWordWrap(false);
    model_->NastavSloupcePohledu(*DBGrid1);
    connect(DBGrid1->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& index) {
                if (index.isValid())
                    model_->NastavAktualni(index.row());
            });

    btnOK = Tlacitko(this, "btnOK", QStringLiteral("&OK"), 8, 75);
    btnDetail = Tlacitko(this, "btnDetail", QStringLiteral("&Protokol"), 89, 80);
    btnVymaz = Tlacitko(this, "btnVymaz", QStringLiteral("Vymaž &záznam"), 175, 110);
    btnVymazVse = Tlacitko(this, "btnVymazVse", QStringLiteral("&Vymaž vše"), 291, 93);
    btnOK->setDefault(true);
    connect(btnOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(btnDetail, &QPushButton::clicked, this, &TSeznamTestu::btnDetailClick);
    connect(btnVymaz, &QPushButton::clicked, this, &TSeznamTestu::btnVymazClick);
    connect(btnVymazVse, &QPushButton::clicked, this, &TSeznamTestu::btnVymazVseClick);

    ZobrazAktualni();
    PovolTlacitka();
}

TSeznamTestu::~TSeznamTestu()
{
    delete model_;
    model_ = nullptr;
    protokoly_->Zavri();
}

std::string TSeznamTestu::FiltrProfilu(const std::string& profil) { return ::FiltrProfilu(profil); }

void TSeznamTestu::ZobrazAktualni()
{
    const int radek = model_->Aktualni();
    if (radek >= 0)
        DBGrid1->setCurrentIndex(model_->index(radek, 0));
}

void TSeznamTestu::PovolTlacitka()
{
    const bool zaznamy = model_->rowCount() > 0;
    for (QPushButton* b : {btnDetail, btnVymaz, btnVymazVse})
        b->setEnabled(zaznamy);
}

void TSeznamTestu::btnDetailClick()
{
    if (model_->Aktualni() < 0)
        return;
    VstupZpravy vstup;
    bool precteno = false;
    ChraneneTabulky(this, [&] {
        const UlozenyProtokol z = CtiProtokol(model_->KurzorNaAktualnim());
        vstup.profil = z.profil;
        if (z.datumACas)
            vstup.datumACas =
                (ModelTabulky::TextData(*z.datumACas, model_->Jazyk()) + QLatin1Char(' ')
                 + ModelTabulky::TextCasu(*z.datumACas, model_->Jazyk()))
                    .toStdString();
        vstup.skupina = z.skupina;
        vstup.delkaTestu = z.delkaTestu;
        vstup.verdikt = z.verdikt;
        vstup.body = z.body;
        vstup.odpoved = z.odpoved;
        vstup.spravnaOdpoved = z.spravnaOdpoved;
        vstup.skutCis = z.skutCis;
        vstup.spravne = z.spravne;
        vstup.pocetBodu = z.pocetBodu;
        vstup.minPocetBodu = z.minPocetBodu;
        precteno = true;
    });
    if (!precteno)
        return;
    TTestDetailForm zprava(vstup, adresar_, this);
    VycentrujNad(&zprava, this);
    zprava.exec();
}

void TSeznamTestu::btnVymazClick()
{
    ChraneneTabulky(this, [this] { model_->SmazAktualni(); });
    ZobrazAktualni();
    PovolTlacitka();
}

void TSeznamTestu::btnVymazVseClick()
{
    if (!Zpravy::Otazka(this, QStringLiteral("Opravdu chcete smazat všechny záznamy?")))
        return;
    ChraneneTabulky(this, [this] { model_->SmazVse(); });
    ZobrazAktualni();
    PovolTlacitka();
}
