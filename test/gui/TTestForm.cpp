#include "test/gui/TTestForm.h"

#include "base/Hodiny.h"
#include "questions/PametProfilu.h"
#include "questions/Banka.h"
#include "questions/Vysvetleni.h"
#include "ui/Centrovani.h"
#include "ui/Jazyk.h"
#include "ui/MereniTextu.h"
#include "ui/Vzhled.h"
#include "ui/Zpravy.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPixmap>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionTabWidgetFrame>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTimer>

namespace {

constexpr int kSirkaOkna = 772;
constexpr int kVyskaOkna = 546;
constexpr int kVyskaVyhodnoceni = 580;
constexpr int kVyskaStrankovani = 497;
constexpr int kVyskaRadku = 16;
constexpr std::array<int, 7> kPrvniNaListu {1, 5, 9, 13, 17, 21, 24};

const QString kTitulekTestu = QStringLiteral("Test z předpisů o provozu na pozemních komunikacích");
const QString kTitulekVyhodnoceni =
    QStringLiteral("Vyhodnocení testu z předpisů o provozu na pozemních komunikacích");
const QString kNavrhPorovnani = QStringLiteral(" 1. otázka (3 body); Skutečné číslo otázky: ");
const QString kPismena = QStringLiteral("ABCD");

// The slot of a position: texts' widths and the picture place (empty where there is none).
struct Slot {
    int vyska, sirkaOtazky, sirkaOdpovedi;
    QRect misto;
};

Slot SlotPozice(int k)
{
    if (k >= 17 && k <= 21)
        return {115, 635, 605, QRect(646, 10, 96, 96)};
    if (k >= 23)
        return {200, 430, 400, QRect(442, 10, 300, 175)};
    return {115, 735, 705, QRect()};
}

int ListPozice(int k)
{
    int list = 0;
    while (list + 1 < static_cast<int>(kPrvniNaListu.size())
           && kPrvniNaListu[static_cast<std::size_t>(list + 1)] <= k)
        ++list;
    return list;
}

QFont PismoListu()
{
    QFont pismo(QStringLiteral("MS Sans Serif"));
    pismo.setPixelSize(11);
    return pismo;
}

QFont PismoOtazek()
{
    QFont pismo(QStringLiteral("MS Sans Serif"));
    pismo.setPixelSize(13);
    return pismo;
}

QLabel* Popisek(const QString& text, const char* jmeno, QWidget* rodic, int x, int y)
{
    auto* l = new QLabel(text, rodic);
    l->setObjectName(QLatin1String(jmeno));
    l->move(x, y);
    return l;
}

void Tucne(QWidget* w)
{
    QFont f = w->font();
    f.setBold(true);
    w->setFont(f);
}

StatickyText* Text(QWidget* rodic, const QString& jmeno, int x, int sirka, int pridavek)
{
    auto* t = new StatickyText(rodic);
    t->setObjectName(jmeno);
    t->setFont(PismoOtazek());
    t->move(x, 0);
    t->resize(sirka, 0);
    t->NastavRadkovani(kVyskaRadku, pridavek);
    return t;
}

// The page control, able to tell its pages' height before it is first shown (it lays its pages
// out only when visible).
class Strankovani : public QTabWidget {
public:
    using QTabWidget::QTabWidget;

    int VyskaStranky() const
    {
        QStyleOptionTabWidgetFrame volby;
        initStyleOption(&volby);
        return style()->subElementRect(QStyle::SE_TabWidgetTabContents, &volby, this).height();
    }
};

}  // namespace

TTestForm::TTestForm(const Banka& banka, const Nastaveni& nastaveni, std::filesystem::path adresar,
                     const Hodiny& hodiny, QWidget* rodic)
    : QDialog(rodic,
              Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                  | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      banka_(banka), nastaveni_(nastaveni), adresar_(std::move(adresar)), hodiny_(hodiny)
{
    setObjectName(QStringLiteral("TTestForm"));
    setWindowTitle(kTitulekTestu);
    setFont(PismoListu());
    setFixedSize(kSirkaOkna, kVyskaOkna);

    pcTest = new Strankovani(this);
    pcTest->setObjectName(QStringLiteral("pcTest"));
    pcTest->setGeometry(0, 0, kSirkaOkna, kVyskaStrankovani);
    for (std::size_t i = 0; i < List.size(); ++i) {
        const QString jmeno = QStringLiteral("List%1").arg(i + 1);
        auto* list = new QWidget;
        list->setObjectName(jmeno);
        ObarviPozadi(list, Plocha::Panel);
        pcTest->addTab(list, jmeno);
        list->setAccessibleName(QStringLiteral("Strana %1 testu").arg(i + 1));
        List[i] = list;
    }
    pcTest->setAccessibleName(QStringLiteral("Strany testu"));
    for (int k = 1; k <= kPocetPozic; ++k)
        VytvorPozici(k);

    btnVyhodnotit = new QPushButton(QStringLiteral("&Vyhodnotit test"), this);
    btnVyhodnotit->setObjectName(QStringLiteral("btnVyhodnotit"));
    btnVyhodnotit->setGeometry(232, 505, 145, 25);
    btnZrusit = new QPushButton(QStringLiteral("&Ukončit test"), this);
    btnZrusit->setObjectName(QStringLiteral("btnZrusit"));
    btnZrusit->setGeometry(395, 505, 145, 25);
    for (QPushButton* b : {btnVyhodnotit, btnZrusit})
        b->setAutoDefault(false);
    connect(btnVyhodnotit, &QPushButton::clicked, this, &TTestForm::btnVyhodnotitClick);
    connect(btnZrusit, &QPushButton::clicked, this, &QWidget::close);

    StavRadek = new QStatusBar(this);
    StavRadek->setObjectName(QStringLiteral("StavRadek"));
    StavRadek->setSizeGripEnabled(false);
    StavRadek->setGeometry(0, kVyskaOkna - 19, kSirkaOkna, 19);
    const std::array<QString, 4> texty {QStringLiteral("Uživatel: "), QStringLiteral("Skupina: "),
                                        QStringLiteral("Minimální potřeba bodů: "),
                                        QStringLiteral("Čas do konce: ")};
    for (std::size_t i = 0; i < panely.size(); ++i) {
        auto* panel = new QLabel(texty[i], StavRadek);
        panel->setObjectName(QStringLiteral("panel%1").arg(i));
        panel->setFrameShape(QFrame::Panel);
        panel->setFrameShadow(QFrame::Sunken);
        panel->setAlignment(Qt::AlignCenter);
        panel->setGeometry(static_cast<int>(i) * 193, 0, 193, 19);
        panely[i] = panel;
    }

    StavRadek->setAccessibleName(QStringLiteral("Stavový řádek"));
    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, &TTestForm::Timer1Timer);

    VytvorVyhodnoceni();
}

TTestForm::~TTestForm() = default;

void TTestForm::VytvorPozici(int k)
{
    const auto i = static_cast<std::size_t>(k - 1);
    const Slot slot = SlotPozice(k);
    auto* box = new QGroupBox(QString::fromStdString(TitulekPozice(k)),
                              List[static_cast<std::size_t>(ListPozice(k))]);
    box->setObjectName(QStringLiteral("gb%1").arg(k));
    box->setGeometry(8, 1, 750, slot.vyska);
    BilyRamecek(box);
    gb[i] = box;

    stO[i] = Text(box, QStringLiteral("st%1O").arg(k), 8, slot.sirkaOtazky, 2);
    stO[i]->move(8, 14);
    ObarviText(stO[i], Pismo::Otazka);
    for (std::size_t j = 0; j < 4; ++j) {
        const QChar pismeno = kPismena[static_cast<qsizetype>(j)];
        auto* text = Text(box, QStringLiteral("st%1").arg(k) + pismeno, 40, slot.sirkaOdpovedi, 2);
        text->setCursor(Qt::PointingHandCursor);
        text->installEventFilter(this);
        stOdpoved[i][j] = text;
        auto* cb = new QCheckBox(QString(pismeno.toLower()) + QLatin1Char(')'), box);
        cb->setObjectName(k == 1 && j == 3 ? QStringLiteral("cd1D")
                                           : QStringLiteral("cb%1").arg(k) + pismeno);
        cb->setGeometry(8, 0, 32, 16);
        connect(cb, &QCheckBox::clicked, this, &TTestForm::cb1AClick);
        cbOdpoved[i][j] = cb;
    }
    if (!slot.misto.isNull()) {
        auto* obrazek = new QLabel(box);
        obrazek->setObjectName(QStringLiteral("img%1").arg(k));
        obrazek->setGeometry(slot.misto);
        obrazek->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        img[i] = obrazek;
    }
}

void TTestForm::VytvorVyhodnoceni()
{
    pVyhodnoceni = new QWidget(this);
    pVyhodnoceni->setObjectName(QStringLiteral("pVyhodnoceni"));
    pVyhodnoceni->hide();
    pVyhodnoceni->setAccessibleName(QStringLiteral("Vyhodnocení testu"));

    sgbProfil = new QGroupBox(QStringLiteral("Vstupní parametry:"), pVyhodnoceni);
    sgbProfil->setObjectName(QStringLiteral("sgbProfil"));
    sgbProfil->setGeometry(16, 8, 360, 137);
    sgbTest = new QGroupBox(QStringLiteral("Vyhodnocení testu:"), pVyhodnoceni);
    sgbTest->setObjectName(QStringLiteral("sgbTest"));
    sgbTest->setGeometry(396, 8, 360, 137);
    for (QGroupBox* g : {sgbProfil, sgbTest}) {
        // Only the caption is bold; the labels inside keep the window's font.
        Tucne(g);
    }
    auto radek = [](int n) { return 24 + 21 * n; };
    lbProfil = Popisek(QStringLiteral("Řešitel testu: "), "lbProfil", sgbProfil, 12, radek(0));
    lbSkupina = Popisek(QStringLiteral("Skupina: "), "lbSkupina", sgbProfil, 12, radek(1));
    lbMaxPocBod = Popisek(QStringLiteral("Maximální možný počet bodů: 65"), "lbMaxPocBod",
                          sgbProfil, 12, radek(2));
    lbMinPocBod = Popisek(QStringLiteral("Minimální potřeba počtu bodů: "), "lbMinPocBod",
                          sgbProfil, 12, radek(3));
    lbMaxCas = Popisek(QStringLiteral("Maximální délka trvání testu: 30 minut"), "lbMaxCas",
                       sgbProfil, 12, radek(4));
    lbCas = Popisek(QStringLiteral("Celková doba trvání testu: "), "lbCas", sgbTest, 12, radek(0));
    lbOdpovedi = Popisek(QStringLiteral("Počet správných/špatných odpovědí: "), "lbOdpovedi",
                         sgbTest, 12, radek(1));
    lbDosBod = Popisek(QStringLiteral("Celkový počet dosažených bodů: "), "lbDosBod", sgbTest, 12,
                       radek(2));
    lbUspech = Popisek(QString(), "lbUspech", sgbTest, 12, radek(3));
    lbUspech->setAlignment(Qt::AlignCenter);
    lbProtokol =
        Popisek(QStringLiteral("Byl vytvořen protokol z testu - přístupný je z hlavního menu"),
                "lbProtokol", sgbTest, 12, radek(4));
    QFont obycejne = PismoListu();
    obycejne.setBold(false);
    for (QLabel* l : {lbProfil, lbSkupina, lbMaxPocBod, lbMinPocBod, lbMaxCas, lbCas, lbOdpovedi,
                      lbDosBod, lbUspech, lbProtokol}) {
        l->setFont(obycejne);
        l->resize(336, 17);
    }
    Tucne(lbUspech);
    // The note of a switched-off protocol is longer than a line: it wraps onto a second one, for
    // which the box has room below the last row.
    lbProtokol->setWordWrap(true);
    lbProtokol->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lbProtokol->resize(336, 27);

    lbNapoveda = Popisek(
        QStringLiteral("Po stisku čísla v tabulce dojde k zobrazení porovnání vašeho řešení dané "
                       "otázky se správným řešením"),
        "lbNapoveda", pVyhodnoceni, 16, 154);
    lbNapoveda->resize(640, 15);
    btnOK = new QPushButton(QStringLiteral("&OK"), pVyhodnoceni);
    btnOK->setObjectName(QStringLiteral("btnOK"));
    btnOK->setGeometry(672, 150, 85, 25);
    Tucne(btnOK);
    connect(btnOK, &QPushButton::clicked, this, &QWidget::close);

    Tabulka = new QTableWidget(4, 7, pVyhodnoceni);
    Tabulka->setObjectName(QStringLiteral("Tabulka"));
    Tabulka->horizontalHeader()->hide();
    Tabulka->verticalHeader()->hide();
    Tabulka->horizontalHeader()->setMinimumSectionSize(1);
    Tabulka->verticalHeader()->setMinimumSectionSize(1);
    for (int c = 0; c < 7; ++c)
        Tabulka->setColumnWidth(c, 70);
    for (int r = 0; r < 4; ++r)
        Tabulka->setRowHeight(r, 20);
    Tabulka->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Tabulka->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Tabulka->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Tabulka->setSelectionMode(QAbstractItemView::SingleSelection);
    Tabulka->setShowGrid(true);
    ObarviPozadi(Tabulka, Plocha::Panel);
    Tabulka->setAccessibleName(QStringLiteral("Pozice testu"));
    Tabulka->setAccessibleDescription(
        QStringLiteral("Výběr pozice zobrazí porovnání vašeho řešení se správným"));
    Tabulka->setGeometry(16, 174, 7 * 70 + 2 * Tabulka->frameWidth(),
                         4 * 20 + 2 * Tabulka->frameWidth());
    connect(Tabulka, &QTableWidget::currentCellChanged, this,
            [this](int radek, int sloupec, int, int) { TabulkaSelectCell(sloupec, radek); });

    pNapoveda = new QWidget(pVyhodnoceni);
    pNapoveda->setObjectName(QStringLiteral("pNapoveda"));
    pNapoveda->setGeometry(520, 174, 236, 82);
    pNapoveda->setAccessibleName(QStringLiteral("Vysvětlivky značek"));
    auto* info = Popisek(QStringLiteral("Info:"), "lbInfo", pNapoveda, 8, 2);
    Tucne(info);
    const std::array<const char*, 3> znacky {"yes.jpg", "no.jpg", "mistake.jpg"};
    const std::array<QString, 3> vyznamy {QStringLiteral("Správně označená otázka"),
                                          QStringLiteral("Špatně označená otázka"),
                                          QStringLiteral("Neoznačená správná otázka")};
    for (std::size_t i = 0; i < 3; ++i) {
        const int y = 20 + 20 * static_cast<int>(i);
        auto* obr = new QLabel(pNapoveda);
        obr->setObjectName(QStringLiteral("imgInfo%1").arg(i + 1));
        obr->setGeometry(8, y, 18, 18);
        obr->setPixmap(
            QPixmap(QString::fromStdString((adresar_ / "grafika" / znacky[i]).string())));
        obr->setAccessibleName(QStringLiteral("Značka: ") + vyznamy[i]);
        auto* popis = new QLabel(vyznamy[i], pNapoveda);
        popis->setObjectName(QStringLiteral("lbInfo%1").arg(i + 1));
        popis->setGeometry(32, y + 2, 200, 15);
    }

    SpatnaOtazka = new QGroupBox(kNavrhPorovnani, pVyhodnoceni);
    SpatnaOtazka->setObjectName(QStringLiteral("SpatnaOtazka"));
    SpatnaOtazka->setGeometry(16, kVyskaVyhodnoceni - 257 - 8, 741, 257);
    BilyRamecek(SpatnaOtazka);
    Otazka = Text(SpatnaOtazka, QStringLiteral("Otazka"), 8, 721, 6);
    Otazka->move(8, 18);
    ObarviText(Otazka, Pismo::Otazka);
    for (std::size_t j = 0; j < 4; ++j) {
        const QString pismeno = kPismena.mid(static_cast<qsizetype>(j), 1);
        Odpovedi[j] = Text(SpatnaOtazka, pismeno, 48, 681, 6);
        lbPismena[j] = Popisek(pismeno.toLower() + QLatin1Char(')'), "", SpatnaOtazka, 32, 0);
        lbPismena[j]->setObjectName(QStringLiteral("lb") + pismeno);
        lbPismena[j]->setFont(PismoOtazek());
        imgZnacky[j] = new QLabel(SpatnaOtazka);
        imgZnacky[j]->setObjectName(QStringLiteral("img") + pismeno);
        imgZnacky[j]->setGeometry(8, 0, 18, 18);
        imgZnacky[j]->hide();
    }
    // The compared question's note, in the band below its answers.
    Poznamka = Text(SpatnaOtazka, QStringLiteral("Poznamka"), 8, 721, 6);
    QFont kurziva = PismoOtazek();
    kurziva.setItalic(true);
    Poznamka->setFont(kurziva);
    ObarviText(Poznamka, Pismo::Vysvetleni);
    Poznamka->hide();
    Obrazek = new QLabel(SpatnaOtazka);
    Obrazek->setObjectName(QStringLiteral("Obrazek"));
    Obrazek->setGeometry(432, 18, 300, 175);
    Obrazek->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Obrazek->hide();
}

QPixmap TTestForm::NactiObrazek(const std::string& relativni) const
{
    QPixmap obrazek;
    if (!relativni.empty())
        obrazek.load(QString::fromStdString(CestaObrazku(adresar_, relativni).string()));
    return obrazek;
}

bool TTestForm::FormCreate()
{
    MinimumBodu = PassMinimum(nastaveni_.skupina);
    ZkracenyText(panely[0], panely[0]->text() + QString::fromStdString(nastaveni_.aktivniProfil),
                 panely[0]->contentsRect().width() - 4);
    panely[1]->setText(panely[1]->text() + QString::fromStdString(nastaveni_.skupina));
    panely[2]->setText(panely[2]->text() + QString::number(MinimumBodu));
    panely[3]->setText(panely[3]->text() + QStringLiteral("30:00"));
    if (!StartTest())
        return false;
    TestStart = hodiny_.Mistni();
    return true;
}

bool TTestForm::StartTest()
{
    if (!ComposeTest()) {
        Zpravy::Chyba(parentWidget(), QString::fromStdString(chybaSlozeni_));
        return false;
    }
    FillSheet();
    VycentrujNad(this, nullptr);
    Zpravy::Informace(
        this,
        QStringLiteral("Po stisknutí tlačítka OK začne plynout doba 30 minut, která je dostatečně "
                       "dlouhá pro vyřešení testu.\nV případě, že budete hotovi dřív, stiskněte "
                       "tlačítko \"Vyhodnotit test\"!"));
    RemainingSeconds = kDelkaTestuSekund;
    Timer1->start();
    return true;
}

bool TTestForm::ComposeTest()
{
    SlozenyTest test = ::ComposeTest(banka_, nastaveni_.skupina, hodiny_.MsOdPulnociUtc());
    chybaSlozeni_ = test.chyba;
    pozice_ = test.pozice;
    return test.uplny;
}

void TTestForm::FillSheet()
{
    auto vyskaStranky = [this] { return static_cast<Strankovani*>(pcTest)->VyskaStranky(); };
    for (int k = 1; k <= kPocetPozic; ++k) {
        const auto i = static_cast<std::size_t>(k - 1);
        const ::Otazka* otazka = banka_.Najdi(pozice_[i].cislo);
        static const ::Otazka prazdna;
        const ::Otazka& o = otazka ? *otazka : prazdna;
        const std::array<const std::string*, 5> texty {&o.otazka, &o.a, &o.b, &o.c, &o.d};
        StatickyText* predchozi = stO[i];
        predchozi->setText(QString::fromStdString(o.otazka));
        predchozi->setAccessibleName(QStringLiteral("Otázka: ") + predchozi->text());
        for (std::size_t j = 0; j < 4; ++j) {
            StatickyText* text = stOdpoved[i][j];
            text->setText(QString::fromStdString(*texty[j + 1]));
            // The box is read with its answer, its check state is the learner's choice.
            const QString jmeno = QStringLiteral("Odpověď ") + cbOdpoved[i][j]->text()
                + QLatin1Char(' ') + text->text();
            text->setAccessibleName(jmeno);
            cbOdpoved[i][j]->setAccessibleName(jmeno);
            text->move(text->x(), predchozi->y() + predchozi->height());
            cbOdpoved[i][j]->move(cbOdpoved[i][j]->x(), text->y() + 1);
            // A question with fewer answers offers no box for the missing ones.
            cbOdpoved[i][j]->setVisible(!texty[j + 1]->empty());
            predchozi = text;
        }
        if (img[i]) {
            img[i]->setPixmap(NactiObrazek(o.obrazek));
            img[i]->setAccessibleName(QStringLiteral("Obrázek k otázce"));
        }

        QGroupBox* box = gb[i];
        const int spodek = predchozi->y() + predchozi->height() + 6;
        box->resize(box->width(), img[i] ? std::max(spodek, SlotPozice(k).vyska) : spodek);
        if (std::find(kPrvniNaListu.begin(), kPrvniNaListu.end(), k) == kPrvniNaListu.end()) {
            const QGroupBox* nad = gb[i - 1];
            box->move(box->x(), nad->y() + nad->height() + 2);
        } else {
            box->move(box->x(), 1);
        }
        const bool posledniNaListu = k < kPocetPozic
            && std::find(kPrvniNaListu.begin(), kPrvniNaListu.end(), k + 1) != kPrvniNaListu.end();
        if (posledniNaListu) {
            const int prebytek = box->y() + box->height() + 4 - vyskaStranky();
            if (prebytek > 0) {
                setFixedSize(width(), height() + prebytek);
                pcTest->resize(pcTest->width(), pcTest->height() + prebytek);
                for (QWidget* w :
                     std::initializer_list<QWidget*> {btnVyhodnotit, btnZrusit, StavRadek})
                    w->move(w->x(), w->y() + prebytek);
            }
        }
    }
}

void TTestForm::Timer1Timer()
{
    if (!Timer1->isActive())
        return;
    --RemainingSeconds;
    panely[3]->setText(QStringLiteral("Čas do konce: ")
                       + QString::fromStdString(FormatMinSec(RemainingSeconds)));
    if (RemainingSeconds > 0)
        return;
    if (otazkaOtevrena_) {
        // The abandon question is answered No for the learner; FormClose then evaluates.
        Timer1->stop();
        uplynuloPriOtazce_ = true;
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()); box)
            box->done(QMessageBox::No);
        return;
    }
    btnVyhodnotitClick();
}

void TTestForm::closeEvent(QCloseEvent* udalost)
{
    if (Timer1->isActive() || uplynuloPriOtazce_) {
        otazkaOtevrena_ = true;
        const bool ano = Zpravy::Otazka(this, QStringLiteral("Opravdu chcete ukončit tento test?"));
        otazkaOtevrena_ = false;
        if (uplynuloPriOtazce_) {
            udalost->ignore();
            btnVyhodnotitClick();
            return;
        }
        if (!ano) {
            udalost->ignore();
            return;
        }
        Timer1->stop();
    }
    udalost->accept();
    QDialog::done(vyhodnoceno_ ? QDialog::Accepted : QDialog::Rejected);
}

void TTestForm::reject() { close(); }

bool TTestForm::eventFilter(QObject* objekt, QEvent* udalost)
{
    if (udalost->type() == QEvent::MouseButtonRelease
        && static_cast<QMouseEvent*>(udalost)->button() == Qt::LeftButton) {
        for (std::size_t i = 0; i < stOdpoved.size(); ++i)
            for (std::size_t j = 0; j < 4; ++j)
                if (stOdpoved[i][j] == objekt) {
                    st1AClick(static_cast<int>(i) + 1, static_cast<int>(j));
                    return true;
                }
    }
    return QDialog::eventFilter(objekt, udalost);
}

void TTestForm::st1AClick(int pozice, int pismeno)
{
    QCheckBox* cb =
        cbOdpoved[static_cast<std::size_t>(pozice - 1)][static_cast<std::size_t>(pismeno)];
    if (cb->isVisible() && cb->isEnabled())
        cb->click();
}

void TTestForm::cb1AClick() { pcTest->setFocus(); }

void TTestForm::btnVyhodnotitClick()
{
    if (vyhodnoceno_)
        return;
    vyhodnoceno_ = true;
    uplynuloPriOtazce_ = false;
    Timer1->stop();
    EvaluateTest();
    pcTest->hide();
    StavRadek->hide();
    btnVyhodnotit->setEnabled(false);
    btnZrusit->setEnabled(false);
    setFixedSize(width(), kVyskaVyhodnoceni);
    pVyhodnoceni->setGeometry(0, 0, width(), height());
    pVyhodnoceni->show();
    setWindowTitle(kTitulekVyhodnoceni);
    btnOK->setFocus();
}

void TTestForm::EvaluateTest()
{
    std::array<std::string, kPocetPozic> oznacene;
    for (std::size_t i = 0; i < oznacene.size(); ++i) {
        std::array<bool, 4> zaskrtnuto {};
        for (std::size_t j = 0; j < 4; ++j)
            zaskrtnuto[j] = cbOdpoved[i][j]->isChecked();
        oznacene[i] = OznacenaSada(zaskrtnuto);
    }
    vysledek_ = ::EvaluateTest(pozice_, oznacene, MinimumBodu);
    ShowEvaluation();
    Zpravy::Informace(
        this, QString::fromStdString(SouhrnTestu(vysledek_, MinimumBodu, RemainingSeconds == 0)));
    if (nastaveni_.protokoly[2])
        WriteProtocol();
    WriteStatistics();
}

void TTestForm::WriteStatistics()
{
    // The sheet shows every question at once: each answer takes an equal share of the test's time.
    const int casMs =
        (kDelkaTestuSekund - RemainingSeconds) * 1000 / static_cast<int>(pozice_.size());
    std::vector<Odpoved> odpovedi;
    const DatumCas kdy = hodiny_.Mistni();
    for (const TestPosition& p : pozice_)
        odpovedi.push_back({p.cislo, kdy, RezimOdpovedi::TestNaBody, p.oznacene,
                            p.spatne ? VysledekPokusu::Spatne : VysledekPokusu::Spravne, casMs});
    try {
        ZapisOdpovedi(adresar_, nastaveni_.aktivniProfil, odpovedi);
    } catch (const std::exception& chyba) {
        Zpravy::Chyba(this, QString::fromStdString(chyba.what()));
    }
}

void TTestForm::WriteProtocol()
{
    try {
        ZapisProtokol(adresar_,
                      ProtokolTestu(pozice_, vysledek_, nastaveni_.aktivniProfil,
                                    nastaveni_.skupina, MinimumBodu, TestStart,
                                    kDelkaTestuSekund - RemainingSeconds));
    } catch (const std::exception& chyba) {
        // The panel must not claim a protocol that was never stored.
        lbProtokol->setText(QStringLiteral("Protokol z testu se nepodařilo vytvořit!"));
        Zpravy::Chyba(this, QString::fromStdString(chyba.what()));
    }
}

void TTestForm::ShowEvaluation()
{
    lbProfil->setText(lbProfil->text() + QString::fromStdString(nastaveni_.aktivniProfil));
    lbSkupina->setText(lbSkupina->text() + QString::fromStdString(nastaveni_.skupina));
    lbMinPocBod->setText(lbMinPocBod->text() + QString::number(MinimumBodu));
    lbCas->setText(lbCas->text()
                   + QString::fromStdString(TextDelkyTestu(kDelkaTestuSekund - RemainingSeconds)));
    lbOdpovedi->setText(lbOdpovedi->text() + QString::number(vysledek_.Spravnych())
                        + QLatin1Char('/') + QString::number(vysledek_.spatnych));
    lbDosBod->setText(lbDosBod->text() + QString::number(vysledek_.body));
    lbUspech->setText(vysledek_.prosel ? QStringLiteral("Test byl úspěšně složen!")
                                       : QStringLiteral("Test nebyl úspěšně složen!"));
    ObarviText(lbUspech, vysledek_.prosel ? Pismo::Spravne : Pismo::Spatne);
    if (!nastaveni_.protokoly[2])
        lbProtokol->setText(
            QStringLiteral("Nebyl vytvořen protokol - chcete-li ho vytvářet, změňte nastavení!"));

    {
        const QSignalBlocker ticho(Tabulka);
        for (int n = 1; n <= kPocetPozic; ++n) {
            auto* bunka = new QTableWidgetItem(QString::number(n));
            Tabulka->setItem((n - 1) / 7, (n - 1) % 7, bunka);
        }
        Tabulka->setCurrentCell(0, 0);
    }
    try {
        vysvetleni_ = NactiVysvetleni(adresar_, nastaveni_.aktivniProfil);
    } catch (const std::exception&) {
        // Without the preferences table the note shows, as it does for a new profile.
    }
    SelectedPosition = 1;
    SpatnaOtazka->setTitle(kNavrhPorovnani + QString::number(pozice_[0].cislo) + QLatin1Char(' '));
    ShowComparison();
}

void TTestForm::TabulkaSelectCell(int ACol, int ARow)
{
    const QTableWidgetItem* bunka = Tabulka->item(ARow, ACol);
    if (!bunka || bunka->text().isEmpty() || bunka->text() == QString::number(SelectedPosition))
        return;
    const int k = bunka->text().toInt();
    SelectedPosition = k;
    SpatnaOtazka->setTitle(QString::fromStdString(
        TitulekPorovnani(k, pozice_[static_cast<std::size_t>(k - 1)].cislo)));
    if (k >= 17 && k <= 21)
        Obrazek->setGeometry(636, Obrazek->y(), 96, 96);
    else if (k >= 23)
        Obrazek->setGeometry(432, Obrazek->y(), 300, 175);
    Otazka->resize(721, Otazka->height());
    for (StatickyText* t : Odpovedi)
        t->resize(681, t->height());
    Obrazek->hide();
    if ((k >= 17 && k <= 21) || k >= 23) {
        Obrazek->show();
        Otazka->resize(Otazka->width() - Obrazek->width(), Otazka->height());
        for (StatickyText* t : Odpovedi)
            t->resize(t->width() - Obrazek->width(), t->height());
    }
    ShowComparison();
}

void TTestForm::ShowComparison()
{
    const TestPosition& p = pozice_[static_cast<std::size_t>(SelectedPosition - 1)];
    static const ::Otazka prazdna;
    const ::Otazka* nalezena = banka_.Najdi(p.cislo);
    const ::Otazka& o = nalezena ? *nalezena : prazdna;
    Otazka->setText(QString::fromStdString(o.otazka));
    const std::array<const std::string*, 4> odpovedi {&o.a, &o.b, &o.c, &o.d};
    StatickyText* predchozi = Otazka;
    for (std::size_t j = 0; j < 4; ++j) {
        Odpovedi[j]->setText(QString::fromStdString(*odpovedi[j]));
        const int y = predchozi->y() + predchozi->height() + 2;
        Odpovedi[j]->move(Odpovedi[j]->x(), y);
        lbPismena[j]->move(lbPismena[j]->x(), y);
        lbPismena[j]->setVisible(!odpovedi[j]->empty());
        imgZnacky[j]->move(imgZnacky[j]->x(), y - 1);
        predchozi = Odpovedi[j];
    }
    // A question without a picture leaves the place empty rather than showing the last one.
    Obrazek->setPixmap(NactiObrazek(o.obrazek));
    UmistiPoznamku(o.poznamka, predchozi->y() + predchozi->height());
    ShowMarkers();
}

void TTestForm::UmistiPoznamku(const std::string& text, int podOdpovedmi)
{
    const bool ukazat = vysvetleni_ && !text.empty();
    Poznamka->setVisible(ukazat);
    Poznamka->setText(QString::fromStdString(text));
    Poznamka->setAccessibleName(QStringLiteral("Poznámka"));
    Poznamka->setAccessibleDescription(Poznamka->text());
    if (!ukazat)
        return;
    // The full width below the picture; beside it when it would run out of the frame there.
    const int mezera = 8;
    const int spodekRamecku = SpatnaOtazka->height() - 6;
    const bool obrazek = !Obrazek->isHidden() && !Obrazek->pixmap().isNull();
    int horni = podOdpovedmi + mezera;
    if (obrazek)
        horni = std::max(horni, Obrazek->y() + Obrazek->height() + mezera);
    Poznamka->move(8, horni);
    Poznamka->Rozloz(721);
    if (obrazek && Poznamka->y() + Poznamka->height() > spodekRamecku) {
        Poznamka->move(8, podOdpovedmi + mezera);
        Poznamka->Rozloz(Obrazek->x() - 8 - mezera);
    }
}

void TTestForm::ShowMarkers()
{
    const TestPosition& p = pozice_[static_cast<std::size_t>(SelectedPosition - 1)];
    const std::array<Znacka, 4> znacky = ZnackyPorovnani(p.oznacene, p.spravne);
    for (std::size_t j = 0; j < 4; ++j) {
        const char* soubor = znacky[j] == Znacka::Ano ? "yes.jpg"
            : znacky[j] == Znacka::Ne                 ? "no.jpg"
                                                      : "mistake.jpg";
        imgZnacky[j]->setVisible(znacky[j] != Znacka::Skryta);
        if (znacky[j] != Znacka::Skryta)
            imgZnacky[j]->setPixmap(
                QPixmap(QString::fromStdString((adresar_ / "grafika" / soubor).string())));
        imgZnacky[j]->setProperty(
            "znacka", znacky[j] == Znacka::Skryta ? QString() : QString::fromLatin1(soubor));
        // The learner's choice and its verdict, for a screen reader.
        const bool zvolena =
            p.oznacene.find(kPismena[static_cast<qsizetype>(j)].toLatin1()) != std::string::npos;
        const bool spravna =
            p.spravne.find(kPismena[static_cast<qsizetype>(j)].toLatin1()) != std::string::npos;
        const QString stav = zvolena
            ? (spravna ? QStringLiteral("zvolená, správně") : QStringLiteral("zvolená, špatně"))
            : (spravna ? QStringLiteral("nezvolená správná odpověď") : QStringLiteral("nezvolená"));
        const QString jmeno = QStringLiteral("Odpověď ") + lbPismena[j]->text() + QLatin1Char(' ')
            + Odpovedi[j]->text();
        Odpovedi[j]->setAccessibleName(jmeno);
        Odpovedi[j]->setAccessibleDescription(stav);
        lbPismena[j]->setAccessibleName(QStringLiteral("Odpověď ") + lbPismena[j]->text());
        lbPismena[j]->setAccessibleDescription(stav);
        imgZnacky[j]->setAccessibleName(QStringLiteral("Značka odpovědi ") + lbPismena[j]->text());
        imgZnacky[j]->setAccessibleDescription(stav);
    }
    Otazka->setAccessibleName(QStringLiteral("Otázka: ") + Otazka->text());
    Obrazek->setAccessibleName(QStringLiteral("Obrázek k otázce"));
    SpatnaOtazka->setAccessibleDescription(p.spatne
                                               ? QStringLiteral("Odpověď na otázku je špatně")
                                               : QStringLiteral("Odpověď na otázku je správně"));
}
