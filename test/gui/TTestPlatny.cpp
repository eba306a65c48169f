#include "test/gui/TTestPlatny.h"

#include "base/Hodiny.h"
#include "base/Nahoda.h"
#include "questions/Banka.h"
#include "questions/PametProfilu.h"
#include "storage/Predvolby.h"
#include "storage/Tabulka.h"
#include "ui/Centrovani.h"
#include "ui/TlacitkoOdpovedi.h"
#include "ui/Zpravy.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHash>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPixmap>
#include <QPushButton>
#include <QShortcut>
#include <QStackedWidget>
#include <QStyle>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

#include <functional>

namespace {

const QString kTitulek = QStringLiteral("Test podle platných pravidel");
const char* const kKlicDyslexie = "TestPlatny.Dyslexie";
const QString kPismena = QStringLiteral("ABC");

QString Q(const std::string& s) { return QString::fromStdString(s); }
QString Q(std::string_view s)
{
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

QFont Pismo(int pixelu, bool tucne = false)
{
    QFont f;
    f.setPixelSize(pixelu);
    f.setBold(tucne);
    return f;
}

QString TextBodu(int n)
{
    return QString::number(n)
        + (n == 1                 ? QStringLiteral(" bod")
               : n >= 2 && n <= 4 ? QStringLiteral(" body")
                                  : QStringLiteral(" bodů"));
}

QString DatumCesky(const DatumCas& d)
{
    return QStringLiteral("%1. %2. %3 %4:%5")
        .arg(d.den)
        .arg(d.mesic)
        .arg(d.rok)
        .arg(d.hodina)
        .arg(d.minuta, 2, 10, QLatin1Char('0'));
}

// The window's look: calm colours, large targets; states of the strip and answers by property.
const QString kStyl = QStringLiteral(
    "QDialog#TTestPlatny { background: #f4f6f8; }"
    "QLabel#lbOtazka { color: #17202a; }"
    "QPushButton[cislo=\"1\"] { min-width: 40px; max-width: 40px; min-height: 34px; max-height: "
    "34px;"
    "  background: white; border: 1px solid #9aa5b1; border-radius: 5px; color: #17202a; }"
    "QPushButton[cislo=\"1\"][zodpovezena=\"1\"] { background: #cfe0f5; }"
    "QPushButton[cislo=\"1\"][oznacena=\"1\"] { border: 3px solid #d97b00; }"
    "QPushButton[cislo=\"1\"][aktualni=\"1\"] { background: #1f4e8c; color: white; font-weight: "
    "bold; }"
    "QPushButton[odpoved=\"1\"] { background: white; border: 2px solid #c3ccd6; border-radius: 8px;"
    "  text-align: left; padding: 10px; }"
    "QPushButton[odpoved=\"1\"]:focus { border-color: #6c8ebf; }"
    "QPushButton[odpoved=\"1\"]:checked { background: #dcebff; border: 3px solid #1f4e8c; }"
    "QLabel#lbCas { color: #1f4e8c; }");

// The window's surfaces are light: under a dark palette (a dark desktop or look) its controls
// take light surfaces with dark texts, so that no light text lands on them.
void SvetlaPaleta(QWidget* okno)
{
    QPalette p = okno->palette();
    if (p.color(QPalette::Window).lightness() >= 128)
        return;
    for (QPalette::ColorGroup g : {QPalette::Active, QPalette::Inactive}) {
        p.setColor(g, QPalette::Window, QColor(0xf4, 0xf6, 0xf8));
        for (QPalette::ColorRole r : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
            p.setColor(g, r, Qt::black);
        p.setColor(g, QPalette::Base, Qt::white);
        p.setColor(g, QPalette::Button, QColor(0xef, 0xef, 0xef));
    }
    for (QPalette::ColorRole r : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        p.setColor(QPalette::Disabled, r, QColor(0x5f, 0x6b, 0x76));
    okno->setPalette(p);
}

void Prestyluj(QWidget* w)
{
    w->style()->unpolish(w);
    w->style()->polish(w);
}

// A picture scaled to fill its place, from the original pixels each time the place changes.
class ObrazekMista : public QLabel {
public:
    explicit ObrazekMista(QWidget* rodic) : QLabel(rodic)
    {
        setAlignment(Qt::AlignTop | Qt::AlignHCenter);
        setMinimumSize(1, 1);
        setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    }
    void Nastav(const QPixmap& p)
    {
        puvodni_ = p;
        Prekresli();
    }
    bool Prazdny() const { return puvodni_.isNull(); }

protected:
    void resizeEvent(QResizeEvent* e) override
    {
        QLabel::resizeEvent(e);
        Prekresli();
    }

private:
    void Prekresli()
    {
        if (puvodni_.isNull()) {
            clear();
            return;
        }
        // Scaled pictures are kept per place size, so moving between questions rescales nothing.
        const qreal dpr = devicePixelRatioF();
        const QSize cil = size() * dpr;
        if (cil != velikost_) {
            zmensene_.clear();
            velikost_ = cil;
        }
        auto it = zmensene_.find(puvodni_.cacheKey());
        if (it == zmensene_.end()) {
            QPixmap p = puvodni_.scaled(cil, Qt::KeepAspectRatio, Qt::SmoothTransformation);
            p.setDevicePixelRatio(dpr);
            it = zmensene_.insert(puvodni_.cacheKey(), p);
        }
        setPixmap(*it);
    }
    QPixmap puvodni_;
    QSize velikost_;
    QHash<qint64, QPixmap> zmensene_;
};

QTableWidgetItem* Bunka(const QString& text, bool naStred = true)
{
    auto* b = new QTableWidgetItem(text);
    b->setFlags(Qt::ItemIsEnabled);
    if (naStred)
        b->setTextAlignment(Qt::AlignCenter);
    return b;
}

}  // namespace

struct TTestPlatny::Stav {
    TTestPlatny* okno;
    const Banka& banka;
    std::vector<int> oblasti;
    Nastaveni nastaveni;
    std::filesystem::path adresar;
    const Hodiny* hodiny = nullptr;
    std::uint32_t seed = 0;

    std::unique_ptr<PrubehPlatny> prubeh;
    VysledekPlatny vysledek;
    bool vyhodnoceno = false;
    bool ukonceno = false;  // left without evaluation
    bool casVyprsel = false;
    int limit = kDelkaPlatnySekund;
    std::uint32_t startMs = 0;
    DatumCas start;
    int delka = 0;
    QHash<int, QPixmap> obrazky;

    QStackedWidget* strany = nullptr;
    // The test page.
    QLabel *lbPozice = nullptr, *lbOblast = nullptr, *lbCas = nullptr, *lbOtazka = nullptr;
    std::array<QPushButton*, kOtazekPlatny> cisla {};
    std::array<QString, kOtazekPlatny> stavCisel;
    ObrazekMista* imgObrazek = nullptr;
    std::array<TlacitkoOdpovedi*, 3> odpovedi {};
    QPushButton *btnPredchozi = nullptr, *btnDalsi = nullptr, *btnOznacit = nullptr,
                *btnVyhodnotit = nullptr;
    std::vector<QShortcut*> zkratky;
    QTimer* casovac = nullptr;
    // The verdict and review page.
    QLabel *lbVerdikt = nullptr, *lbBody = nullptr, *lbCasTestu = nullptr, *lbZaznam = nullptr;
    QTableWidget* tabOblasti = nullptr;
    QCheckBox* cbJenChyby = nullptr;
    QListWidget* lstOtazky = nullptr;
    QLabel *lbRevOtazka = nullptr, *lbRevPoznamka = nullptr;
    ObrazekMista* imgRevObrazek = nullptr;
    std::array<QLabel*, 3> lbRevOdpovedi {};
    QPushButton* btnZavrit = nullptr;

    Stav(TTestPlatny* o, const Banka& b, std::vector<int> obl)
        : okno(o), banka(b), oblasti(std::move(obl))
    {
    }

    const Otazka* OtazkaBanky(int cislo) const { return banka.Najdi(cislo); }

    QPixmap NactiObrazek(int cislo)
    {
        if (auto it = obrazky.constFind(cislo); it != obrazky.constEnd())
            return *it;
        QPixmap p;
        if (const Otazka* o = OtazkaBanky(cislo); o && !o->obrazek.empty())
            p.load(Q(CestaObrazku(adresar, o->obrazek).string()));
        obrazky.insert(cislo, p);
        return p;
    }

    QString TextOdpovedi(const Otazka* o, char pismeno) const
    {
        if (!o)
            return {};
        return Q(pismeno == 'A' ? o->a : pismeno == 'B' ? o->b : o->c);
    }

    void VytvorTest();
    void VytvorVysledek();
    void UkazOtazku();
    void ObnovCislo(int i);
    void Zvol(int misto);
    void Jdi(int index);
    void Oznac();
    void Vyhodnotit();
    void Vyhodnot();
    void UkazVysledek(int body, bool prosel, int delka, int limitTestu);
    void NaplnRevizi();
    bool Aktivni() const { return prubeh && !vyhodnoceno && !ukonceno; }
    void UkazRevizi(int index);
    int Uplynulo() const;
};

void TTestPlatny::Stav::VytvorTest()
{
    auto* strana = new QWidget;
    strana->setObjectName(QStringLiteral("stranaTest"));
    auto* svisle = new QVBoxLayout(strana);
    svisle->setContentsMargins(24, 18, 24, 18);
    svisle->setSpacing(14);

    auto* hlava = new QHBoxLayout;
    lbPozice = new QLabel(strana);
    lbPozice->setObjectName(QStringLiteral("lbPozice"));
    lbPozice->setFont(Pismo(18, true));
    lbOblast = new QLabel(strana);
    lbOblast->setObjectName(QStringLiteral("lbOblast"));
    lbOblast->setFont(Pismo(15));
    lbCas = new QLabel(strana);
    lbCas->setObjectName(QStringLiteral("lbCas"));
    lbCas->setFont(Pismo(22, true));
    hlava->addWidget(lbPozice);
    hlava->addSpacing(16);
    hlava->addWidget(lbOblast);
    hlava->addStretch(1);
    hlava->addWidget(lbCas);
    svisle->addLayout(hlava);

    auto* pas = new QHBoxLayout;
    pas->setSpacing(5);
    for (int i = 0; i < kOtazekPlatny; ++i) {
        auto* b = new QPushButton(QString::number(i + 1), strana);
        b->setObjectName(QStringLiteral("btnCislo%1").arg(i + 1));
        b->setProperty("cislo", QStringLiteral("1"));
        b->setAutoDefault(false);
        b->setFocusPolicy(Qt::NoFocus);
        QObject::connect(b, &QPushButton::clicked, okno, [this, i] { Jdi(i); });
        cisla[static_cast<std::size_t>(i)] = b;
        pas->addWidget(b);
    }
    pas->addStretch(1);
    svisle->addLayout(pas);

    auto* telo = new QHBoxLayout;
    telo->setSpacing(24);
    auto* levy = new QVBoxLayout;
    levy->setSpacing(12);
    lbOtazka = new QLabel(strana);
    lbOtazka->setObjectName(QStringLiteral("lbOtazka"));
    lbOtazka->setWordWrap(true);
    lbOtazka->setFont(Pismo(22, true));
    lbOtazka->setTextInteractionFlags(Qt::NoTextInteraction);
    levy->addWidget(lbOtazka);
    levy->addSpacing(6);
    for (int m = 0; m < 3; ++m) {
        auto* b = new TlacitkoOdpovedi(m, {18, 14, 14}, strana);
        b->setCheckable(true);
        b->setCursor(Qt::PointingHandCursor);
        QObject::connect(b, &QPushButton::clicked, okno, [this, m] { Zvol(m); });
        odpovedi[static_cast<std::size_t>(m)] = b;
        levy->addWidget(b);
    }
    levy->addStretch(1);
    imgObrazek = new ObrazekMista(strana);
    imgObrazek->setObjectName(QStringLiteral("imgObrazek"));
    imgObrazek->setMinimumSize(420, 300);
    telo->addLayout(levy, 1);
    telo->addWidget(imgObrazek, 1);
    svisle->addLayout(telo, 1);

    auto* dole = new QHBoxLayout;
    auto tlacitko = [&](QPushButton*& b, const char* jmeno, const QString& text) {
        b = new QPushButton(text, strana);
        b->setObjectName(QLatin1String(jmeno));
        b->setAutoDefault(false);
        b->setMinimumHeight(40);
        b->setFont(Pismo(15));
    };
    tlacitko(btnPredchozi, "btnPredchozi", QStringLiteral("← Předchozí"));
    tlacitko(btnOznacit, "btnOznacit", QStringLiteral("Označit"));
    tlacitko(btnDalsi, "btnDalsi", QStringLiteral("Další →"));
    tlacitko(btnVyhodnotit, "btnVyhodnotit", QStringLiteral("Vyhodnotit"));
    btnOznacit->setCheckable(true);
    btnPredchozi->setToolTip(QStringLiteral("Předchozí otázka (šipka vlevo, PageUp)"));
    btnDalsi->setToolTip(QStringLiteral("Další otázka (šipka vpravo, PageDown)"));
    btnOznacit->setToolTip(QStringLiteral("Označí otázku k druhému pohledu (Ctrl+M)"));
    btnVyhodnotit->setToolTip(QStringLiteral("Vyhodnotí test (Ctrl+Enter)"));
    QObject::connect(btnPredchozi, &QPushButton::clicked, okno,
                     [this] { Jdi(prubeh->Aktualni() - 1); });
    QObject::connect(btnDalsi, &QPushButton::clicked, okno,
                     [this] { Jdi(prubeh->Aktualni() + 1); });
    QObject::connect(btnOznacit, &QPushButton::clicked, okno, [this] { Oznac(); });
    QObject::connect(btnVyhodnotit, &QPushButton::clicked, okno, [this] { Vyhodnotit(); });
    dole->addWidget(btnPredchozi);
    dole->addWidget(btnOznacit);
    dole->addWidget(btnDalsi);
    dole->addStretch(1);
    dole->addWidget(btnVyhodnotit);
    svisle->addLayout(dole);

    auto zkratka = [&](const QKeySequence& klavesa, std::function<void()> akce) {
        auto* z = new QShortcut(klavesa, okno);
        z->setAutoRepeat(false);
        QObject::connect(z, &QShortcut::activated, okno, std::move(akce));
        zkratky.push_back(z);
    };
    for (int m = 0; m < 3; ++m) {
        zkratka(QKeySequence(Qt::Key_A + m), [this, m] { Zvol(m); });
        zkratka(QKeySequence(Qt::Key_1 + m), [this, m] { Zvol(m); });
    }
    for (int k : {Qt::Key_Right, Qt::Key_PageDown})
        zkratka(QKeySequence(k), [this] { Jdi(prubeh->Aktualni() + 1); });
    for (int k : {Qt::Key_Left, Qt::Key_PageUp})
        zkratka(QKeySequence(k), [this] { Jdi(prubeh->Aktualni() - 1); });
    zkratka(QKeySequence(Qt::CTRL | Qt::Key_M), [this] { Oznac(); });
    for (int k : {Qt::Key_Return, Qt::Key_Enter})
        zkratka(QKeySequence(Qt::CTRL | k), [this] { Vyhodnotit(); });

    strany->addWidget(strana);
}

void TTestPlatny::Stav::VytvorVysledek()
{
    auto* strana = new QWidget;
    strana->setObjectName(QStringLiteral("stranaVysledek"));
    auto* svisle = new QVBoxLayout(strana);
    svisle->setContentsMargins(24, 18, 24, 18);
    svisle->setSpacing(10);

    auto* hlava = new QHBoxLayout;
    auto* souhrn = new QVBoxLayout;
    lbVerdikt = new QLabel(strana);
    lbVerdikt->setObjectName(QStringLiteral("lbVerdikt"));
    lbVerdikt->setFont(Pismo(34, true));
    lbBody = new QLabel(strana);
    lbBody->setObjectName(QStringLiteral("lbBody"));
    lbBody->setFont(Pismo(18));
    lbCasTestu = new QLabel(strana);
    lbCasTestu->setObjectName(QStringLiteral("lbCasTestu"));
    lbCasTestu->setFont(Pismo(15));
    lbZaznam = new QLabel(strana);
    lbZaznam->setObjectName(QStringLiteral("lbZaznam"));
    lbZaznam->setFont(Pismo(13));
    souhrn->addWidget(lbVerdikt);
    souhrn->addWidget(lbBody);
    souhrn->addWidget(lbCasTestu);
    souhrn->addWidget(lbZaznam);
    souhrn->addStretch(1);
    tabOblasti = new QTableWidget(kPocetOblasti, 3, strana);
    tabOblasti->setObjectName(QStringLiteral("tabOblasti"));
    tabOblasti->setAccessibleName(QStringLiteral("Výsledek podle oblastí"));
    tabOblasti->setHorizontalHeaderLabels({QStringLiteral("Oblast"),
                                           QStringLiteral("Správně / položeno"),
                                           QStringLiteral("Body / možných")});
    tabOblasti->verticalHeader()->hide();
    tabOblasti->setFocusPolicy(Qt::NoFocus);
    tabOblasti->setSelectionMode(QAbstractItemView::NoSelection);
    tabOblasti->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    tabOblasti->setMinimumWidth(560);
    tabOblasti->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    hlava->addLayout(souhrn, 1);
    hlava->addWidget(tabOblasti, 1);
    svisle->addLayout(hlava);

    auto* revize = new QHBoxLayout;
    auto* vlevo = new QVBoxLayout;
    cbJenChyby = new QCheckBox(QStringLiteral("Jen chyby"), strana);
    cbJenChyby->setObjectName(QStringLiteral("cbJenChyby"));
    lstOtazky = new QListWidget(strana);
    lstOtazky->setObjectName(QStringLiteral("lstOtazky"));
    lstOtazky->setAccessibleName(QStringLiteral("Otázky testu"));
    lstOtazky->setFixedWidth(230);
    lstOtazky->setFont(Pismo(14));
    vlevo->addWidget(cbJenChyby);
    vlevo->addWidget(lstOtazky, 1);
    auto* detail = new QVBoxLayout;
    lbRevOtazka = new QLabel(strana);
    lbRevOtazka->setObjectName(QStringLiteral("lbRevOtazka"));
    lbRevOtazka->setWordWrap(true);
    lbRevOtazka->setFont(Pismo(18, true));
    detail->addWidget(lbRevOtazka);
    for (int m = 0; m < 3; ++m) {
        auto* l = new QLabel(strana);
        l->setObjectName(QStringLiteral("lbRevOdpoved") + kPismena[m]);
        l->setWordWrap(true);
        l->setFont(Pismo(16));
        l->setMargin(8);
        lbRevOdpovedi[static_cast<std::size_t>(m)] = l;
        detail->addWidget(l);
    }
    lbRevPoznamka = new QLabel(strana);
    lbRevPoznamka->setObjectName(QStringLiteral("lbRevPoznamka"));
    lbRevPoznamka->setWordWrap(true);
    lbRevPoznamka->setFont(Pismo(15));
    lbRevPoznamka->setStyleSheet(
        QStringLiteral("background: #fff8e1; border-radius: 6px; padding: 8px;"));
    detail->addWidget(lbRevPoznamka);
    detail->addStretch(1);
    imgRevObrazek = new ObrazekMista(strana);
    imgRevObrazek->setObjectName(QStringLiteral("imgRevObrazek"));
    imgRevObrazek->setMinimumSize(300, 220);
    revize->addLayout(vlevo);
    revize->addLayout(detail, 3);
    revize->addWidget(imgRevObrazek, 2);
    svisle->addLayout(revize, 1);

    auto* dole = new QHBoxLayout;
    btnZavrit = new QPushButton(QStringLiteral("&Zavřít"), strana);
    btnZavrit->setObjectName(QStringLiteral("btnZavrit"));
    btnZavrit->setAutoDefault(false);
    btnZavrit->setMinimumHeight(36);
    dole->addStretch(1);
    dole->addWidget(btnZavrit);
    svisle->addLayout(dole);

    QObject::connect(btnZavrit, &QPushButton::clicked, okno, &QDialog::accept);
    QObject::connect(cbJenChyby, &QCheckBox::toggled, okno, [this] { NaplnRevizi(); });
    QObject::connect(lstOtazky, &QListWidget::currentRowChanged, okno, [this](int radek) {
        if (radek >= 0)
            UkazRevizi(lstOtazky->item(radek)->data(Qt::UserRole).toInt());
    });
    strany->addWidget(strana);
}

void TTestPlatny::Stav::ObnovCislo(int i)
{
    const OtazkaPlatna& q = prubeh->Otazky()[static_cast<std::size_t>(i)];
    const bool aktualni = i == prubeh->Aktualni();
    const QString stav =
        QStringLiteral("%1%2%3").arg(q.Zodpovezena()).arg(q.oznacena).arg(aktualni);
    QString& minuly = stavCisel[static_cast<std::size_t>(i)];
    if (stav == minuly)
        return;
    minuly = stav;
    QPushButton* b = cisla[static_cast<std::size_t>(i)];
    b->setProperty("zodpovezena", q.Zodpovezena() ? QStringLiteral("1") : QStringLiteral("0"));
    b->setProperty("oznacena", q.oznacena ? QStringLiteral("1") : QStringLiteral("0"));
    b->setProperty("aktualni", aktualni ? QStringLiteral("1") : QStringLiteral("0"));
    b->setText(QString::number(i + 1) + (q.oznacena ? QStringLiteral("⚑") : QString()));
    b->setAccessibleName(
        QStringLiteral("Otázka %1, %2%3%4")
            .arg(i + 1)
            .arg(q.Zodpovezena() ? QStringLiteral("zodpovězená") : QStringLiteral("nezodpovězená"))
            .arg(q.oznacena ? QStringLiteral(", označená") : QString())
            .arg(aktualni ? QStringLiteral(", právě zobrazená") : QString()));
    Prestyluj(b);
}

void TTestPlatny::Stav::UkazOtazku()
{
    const int i = prubeh->Aktualni();
    const OtazkaPlatna& q = prubeh->AktualniOtazka();
    const Otazka* o = OtazkaBanky(q.cislo);
    const OblastPlatny& oblast = OblastiPlatny()[static_cast<std::size_t>(q.oblast - 1)];
    lbPozice->setText(QStringLiteral("Otázka %1 z %2").arg(i + 1).arg(kOtazekPlatny));
    lbOblast->setText(Q(oblast.nazev) + QStringLiteral(" · ") + TextBodu(q.body));
    lbOtazka->setText(o ? Q(o->otazka) : QString());
    lbOtazka->setAccessibleName(QStringLiteral("Otázka %1: ").arg(i + 1) + lbOtazka->text());
    for (int m = 0; m < 3; ++m) {
        TlacitkoOdpovedi* b = odpovedi[static_cast<std::size_t>(m)];
        const char pismeno = q.poradi[static_cast<std::size_t>(m)];
        b->NastavText(TextOdpovedi(o, pismeno));
        const bool zvolena = q.zvolena == pismeno;
        b->setChecked(zvolena);
        b->setAccessibleName(QStringLiteral("Odpověď ") + kPismena[m] + QStringLiteral(": ")
                             + b->Text());
        b->setAccessibleDescription(zvolena ? QStringLiteral("Vaše zvolená odpověď") : QString());
    }
    const QPixmap p = NactiObrazek(q.cislo);
    imgObrazek->Nastav(p);
    imgObrazek->setVisible(!p.isNull());
    imgObrazek->setAccessibleName(p.isNull() ? QString() : QStringLiteral("Obrázek k otázce"));
    btnOznacit->setChecked(q.oznacena);
    btnPredchozi->setEnabled(i > 0);
    btnDalsi->setEnabled(i + 1 < kOtazekPlatny);
    for (int k = 0; k < kOtazekPlatny; ++k)
        ObnovCislo(k);
}

void TTestPlatny::Stav::Zvol(int misto)
{
    if (!Aktivni())
        return;
    prubeh->Zvol(misto);
    const OtazkaPlatna& q = prubeh->AktualniOtazka();
    for (int m = 0; m < 3; ++m) {
        const bool zvolena = q.zvolena == q.poradi[static_cast<std::size_t>(m)];
        odpovedi[static_cast<std::size_t>(m)]->setChecked(zvolena);
        odpovedi[static_cast<std::size_t>(m)]->setAccessibleDescription(
            zvolena ? QStringLiteral("Vaše zvolená odpověď") : QString());
    }
    ObnovCislo(prubeh->Aktualni());
}

void TTestPlatny::Stav::Jdi(int index)
{
    if (!Aktivni() || !prubeh->Jdi(index))
        return;
    UkazOtazku();
}

void TTestPlatny::Stav::Oznac()
{
    if (!Aktivni())
        return;
    prubeh->PrepniOznaceni();
    btnOznacit->setChecked(prubeh->AktualniOtazka().oznacena);
    ObnovCislo(prubeh->Aktualni());
}

int TTestPlatny::Stav::Uplynulo() const
{
    const std::uint32_t den = 86400000u;
    const std::uint32_t ms = (hodiny->MsOdPulnociUtc() + den - startMs) % den;
    return static_cast<int>(ms / 1000u);
}

void TTestPlatny::Stav::Vyhodnotit()
{
    if (!Aktivni())
        return;
    const int chybi = prubeh->Nezodpovezeno();
    if (chybi > 0
        && !Zpravy::Otazka(
            okno,
            QStringLiteral("Opravdu chcete test vyhodnotit? Nezodpovězené otázky: %1.")
                .arg(chybi))) {
        okno->activateWindow();  // the keys of the test go on working at once
        return;
    }
    Vyhodnot();
}

void TTestPlatny::Stav::Vyhodnot()
{
    if (vyhodnoceno)
        return;
    vyhodnoceno = true;
    casovac->stop();
    delka = std::min(Uplynulo(), limit);
    for (QShortcut* z : zkratky)
        z->setEnabled(false);
    vysledek = VyhodnotPlatny(prubeh->Otazky());
    UkazVysledek(vysledek.body, vysledek.prosel, delka, limit);
    strany->setCurrentIndex(1);
    lstOtazky->setFocus();

    // The record is written when the verdict shows; a failed write is shown and never retried.
    try {
        if (!UkladatHistorii(adresar, nastaveni.aktivniProfil)) {
            lbZaznam->setText(
                QStringLiteral("Výsledek nebyl uložen: ukládání historie učení je vypnuto."));
            return;
        }
        ZapisTestPlatny(adresar,
                        ZaznamZTestu(prubeh->Otazky(), vysledek, nastaveni.aktivniProfil,
                                     nastaveni.skupina, start, delka));
        lbZaznam->setText(QStringLiteral("Výsledek byl uložen do přehledu testů."));
    } catch (const std::exception& chyba) {
        lbZaznam->setText(QStringLiteral("Výsledek se nepodařilo uložit."));
        Zpravy::Chyba(okno, Q(std::string(chyba.what())));
    }
    // Each answer takes an equal share of the test's time (the learner moves freely between them).
    const auto& otazky = prubeh->Otazky();
    const int casMs = otazky.empty() ? 0 : delka * 1000 / static_cast<int>(otazky.size());
    const DatumCas kdy = hodiny->Mistni();
    std::vector<Odpoved> odpovedi;
    for (const OtazkaPlatna& q : otazky)
        odpovedi.push_back({q.cislo, kdy, RezimOdpovedi::TestPlatny,
                            q.zvolena ? std::string(1, q.zvolena) : std::string(),
                            q.Spravne() ? VysledekPokusu::Spravne : VysledekPokusu::Spatne, casMs});
    try {
        ZapisOdpovedi(adresar, nastaveni.aktivniProfil, odpovedi);
    } catch (const std::exception& chyba) {
        Zpravy::Chyba(okno, Q(std::string(chyba.what())));
    }
}

void TTestPlatny::Stav::UkazVysledek(int body, bool prosel, int delkaTestu, int limitTestu)
{
    lbVerdikt->setText(prosel ? QStringLiteral("Prospěl") : QStringLiteral("Neprospěl"));
    lbVerdikt->setStyleSheet(prosel ? QStringLiteral("color: #1e7b34;")
                                    : QStringLiteral("color: #b3261e;"));
    lbBody->setText(QStringLiteral("Body: %1 z %2 (k úspěchu nejméně %3)")
                        .arg(body)
                        .arg(kBoduPlatny)
                        .arg(kMinimumPlatny));
    QString cas = QStringLiteral("Čas: ") + Q(MinutySekundy(delkaTestu));
    if (limitTestu > 0)
        cas += QStringLiteral(" z ") + Q(MinutySekundy(limitTestu));
    if (casVyprsel)
        cas += QStringLiteral(" – čas vypršel");
    lbCasTestu->setText(cas);
    const VysledekPlatny podleOblasti = VyhodnotPlatny(prubeh->Otazky());
    for (int r = 0; r < kPocetOblasti; ++r) {
        const VysledekOblastiPlatny& v = podleOblasti.oblasti[static_cast<std::size_t>(r)];
        tabOblasti->setItem(r, 0,
                            Bunka(Q(OblastiPlatny()[static_cast<std::size_t>(r)].nazev), false));
        tabOblasti->setItem(r, 1, Bunka(QStringLiteral("%1 z %2").arg(v.spravne).arg(v.polozeno)));
        tabOblasti->setItem(r, 2, Bunka(QStringLiteral("%1 z %2").arg(v.body).arg(v.moznych)));
    }
    tabOblasti->resizeColumnsToContents();
    tabOblasti->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    int vyska = tabOblasti->horizontalHeader()->sizeHint().height() + 2 * tabOblasti->frameWidth();
    for (int r = 0; r < kPocetOblasti; ++r)
        vyska += tabOblasti->rowHeight(r);
    tabOblasti->setFixedHeight(vyska);
    NaplnRevizi();
}

void TTestPlatny::Stav::NaplnRevizi()
{
    const QSignalBlocker ticho(lstOtazky);
    lstOtazky->clear();
    const bool jenChyby = cbJenChyby->isChecked();
    for (int i = 0; i < static_cast<int>(prubeh->Otazky().size()); ++i) {
        const OtazkaPlatna& q = prubeh->Otazky()[static_cast<std::size_t>(i)];
        if (jenChyby && q.Spravne())
            continue;
        const QString stav = q.Spravne() ? QStringLiteral("✔ správně")
            : q.Zodpovezena()            ? QStringLiteral("✘ špatně")
                                         : QStringLiteral("– bez odpovědi");
        auto* polozka =
            new QListWidgetItem(QStringLiteral("%1. %2").arg(i + 1).arg(stav), lstOtazky);
        polozka->setData(Qt::UserRole, i);
        polozka->setForeground(q.Spravne() ? QColor(0x1e, 0x7b, 0x34) : QColor(0xb3, 0x26, 0x1e));
    }
    if (lstOtazky->count() > 0) {
        lstOtazky->setCurrentRow(0);
        UkazRevizi(lstOtazky->item(0)->data(Qt::UserRole).toInt());
    } else {
        lbRevOtazka->setText(
            QStringLiteral("Žádná chyba – všechny otázky jste zodpověděli správně."));
        for (QLabel* l : lbRevOdpovedi)
            l->clear();
        lbRevPoznamka->hide();
        imgRevObrazek->Nastav({});
    }
}

void TTestPlatny::Stav::UkazRevizi(int index)
{
    const OtazkaPlatna& q = prubeh->Otazky()[static_cast<std::size_t>(index)];
    const Otazka* o = OtazkaBanky(q.cislo);
    lbRevOtazka->setText(QStringLiteral("%1. otázka (číslo %2, %3): ")
                             .arg(index + 1)
                             .arg(q.cislo)
                             .arg(TextBodu(q.body))
                         + (o ? Q(o->otazka) : QStringLiteral("otázka už v databázi není")));
    lbRevOtazka->setAccessibleName(lbRevOtazka->text());
    for (int m = 0; m < 3; ++m) {
        const char pismeno = q.poradi[static_cast<std::size_t>(m)];
        QString text = kPismena[m] + QStringLiteral(")  ") + TextOdpovedi(o, pismeno);
        QString styl = QStringLiteral("border-radius: 6px;");
        QStringList znacky;
        if (pismeno == q.spravne) {
            znacky << QStringLiteral("správná odpověď");
            styl += QStringLiteral("background: #dff3e4; border: 2px solid #1e7b34;");
        }
        if (pismeno == q.zvolena) {
            znacky << QStringLiteral("vaše odpověď");
            if (pismeno != q.spravne)
                styl += QStringLiteral("background: #fde2e0; border: 2px solid #b3261e;");
        }
        if (!znacky.isEmpty())
            text +=
                QStringLiteral("   [") + znacky.join(QStringLiteral(", ")) + QStringLiteral("]");
        QLabel* l = lbRevOdpovedi[static_cast<std::size_t>(m)];
        l->setText(text);
        l->setStyleSheet(styl);
        l->setAccessibleName(text);
    }
    if (!q.Zodpovezena())
        lbRevOdpovedi[0]->setAccessibleDescription(QStringLiteral("Na otázku jste neodpověděli."));
    const QString poznamka = o ? Q(o->poznamka) : QString();
    lbRevPoznamka->setText(QStringLiteral("Vysvětlení: ") + poznamka);
    lbRevPoznamka->setVisible(!poznamka.isEmpty());
    const QPixmap p = NactiObrazek(q.cislo);
    imgRevObrazek->Nastav(p);
    imgRevObrazek->setAccessibleName(p.isNull() ? QString() : QStringLiteral("Obrázek k otázce"));
}

TTestPlatny::TTestPlatny(const Banka& banka, const std::vector<int>& oblasti,
                         const Nastaveni& nastaveni, std::filesystem::path adresar,
                         const Hodiny& hodiny, std::uint32_t seed, QWidget* rodic)
    : QDialog(rodic,
              Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                  | Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint),
      s_(std::make_unique<Stav>(this, banka, oblasti))
{
    setObjectName(QStringLiteral("TTestPlatny"));
    setWindowTitle(kTitulek);
    setStyleSheet(kStyl);
    SvetlaPaleta(this);
    s_->nastaveni = nastaveni;
    s_->adresar = std::move(adresar);
    s_->hodiny = &hodiny;
    s_->seed = seed;
    auto* vse = new QVBoxLayout(this);
    vse->setContentsMargins(0, 0, 0, 0);
    s_->strany = new QStackedWidget(this);
    vse->addWidget(s_->strany);
    s_->VytvorTest();
    s_->VytvorVysledek();
    s_->casovac = new QTimer(this);
    s_->casovac->setInterval(250);
    connect(s_->casovac, &QTimer::timeout, this, [this] { Tik(); });
    resize(1180, 760);
}

TTestPlatny::TTestPlatny(const Banka& banka, const std::vector<int>& oblasti,
                         const ZaznamPlatny& zaznam, std::filesystem::path adresar, QWidget* rodic)
    : QDialog(rodic,
              Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                  | Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint),
      s_(std::make_unique<Stav>(this, banka, oblasti))
{
    setObjectName(QStringLiteral("TTestPlatny"));
    setWindowTitle(kTitulek + QStringLiteral(" – ") + DatumCesky(zaznam.kdy));
    setStyleSheet(kStyl);
    SvetlaPaleta(this);
    s_->adresar = std::move(adresar);
    s_->prubeh = std::make_unique<PrubehPlatny>(OtazkyZeZaznamu(zaznam, banka, oblasti));
    s_->vyhodnoceno = true;
    auto* vse = new QVBoxLayout(this);
    vse->setContentsMargins(0, 0, 0, 0);
    s_->strany = new QStackedWidget(this);
    vse->addWidget(s_->strany);
    s_->strany->addWidget(new QWidget);  // no test page for a stored test
    s_->VytvorVysledek();
    s_->strany->setCurrentIndex(1);
    s_->UkazVysledek(zaznam.body, zaznam.splneno, zaznam.delka, 0);
    s_->lbZaznam->setText(QStringLiteral("Skupina %1, test ze dne %2")
                              .arg(Q(zaznam.skupina), DatumCesky(zaznam.kdy)));
    s_->vysledek = VyhodnotPlatny(s_->prubeh->Otazky());
    resize(1180, 760);
}

TTestPlatny::~TTestPlatny() = default;

bool TTestPlatny::Zahaj()
{
    auto& s = *s_;
    Nahoda nahoda(s.seed);
    SlozenyPlatny test = SlozPlatnyTest(s.banka, s.oblasti, s.nastaveni.skupina, nahoda);
    QWidget* nad = parentWidget() ? parentWidget() : this;
    if (!test.uplny) {
        Zpravy::Chyba(nad, Q(test.chyba));
        return false;
    }
    s.prubeh = std::make_unique<PrubehPlatny>(std::move(test.otazky));

    bool dyslexie = false;
    try {
        dyslexie = NactiPredvolbu(s.adresar, s.nastaveni.aktivniProfil, kKlicDyslexie, "0") == "1";
    } catch (const std::exception& chyba) {
        Zpravy::Chyba(nad, Q(std::string(chyba.what())));
    }

    QDialog pravidla(nad);
    pravidla.setObjectName(QStringLiteral("TPravidlaPlatny"));
    pravidla.setWindowTitle(kTitulek);
    auto* svisle = new QVBoxLayout(&pravidla);
    auto* text = new QLabel(
        QStringLiteral(
            "<p><b>Test má 25 otázek</b> ze sedmi oblastí, dohromady za <b>50 bodů</b>. "
            "K úspěchu potřebujete <b>alespoň 43 bodů</b>.</p>"
            "<p>Na test máte <b>30 minut</b>. U každé otázky vyberte jednu ze tří odpovědí; "
            "mezi otázkami se můžete volně vracet a otázku si můžete označit k druhému pohledu.</p>"
            "<p>Klávesy: A, B, C nebo 1, 2, 3 zvolí odpověď, šipky vpravo a vlevo (PageDown, "
            "PageUp) přejdou na další a předchozí otázku, Ctrl+M otázku označí a Ctrl+Enter "
            "test vyhodnotí.</p>"),
        &pravidla);
    text->setObjectName(QStringLiteral("lbPravidla"));
    text->setTextFormat(Qt::RichText);
    text->setWordWrap(true);
    text->setFont(Pismo(15));
    text->setMinimumWidth(520);
    auto* cb = new QCheckBox(QStringLiteral("Prodloužený čas pro žadatele s dyslexií (60 minut)"),
                             &pravidla);
    cb->setObjectName(QStringLiteral("cbDyslexie"));
    cb->setChecked(dyslexie);
    auto* tlacitka = new QDialogButtonBox(&pravidla);
    tlacitka->setAccessibleName(QStringLiteral("Zahájení testu"));
    QPushButton* ok = tlacitka->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("btnOK"));
    ok->setDefault(true);
    QPushButton* storno =
        tlacitka->addButton(QStringLiteral("Storno"), QDialogButtonBox::RejectRole);
    storno->setObjectName(QStringLiteral("btnStorno"));
    storno->setAutoDefault(false);
    connect(tlacitka, &QDialogButtonBox::accepted, &pravidla, &QDialog::accept);
    connect(tlacitka, &QDialogButtonBox::rejected, &pravidla, &QDialog::reject);
    svisle->addWidget(text);
    svisle->addWidget(cb);
    svisle->addWidget(tlacitka);
    ok->setFocus();
    VycentrujNad(&pravidla, nad);
    if (pravidla.exec() != QDialog::Accepted)
        return false;

    if (cb->isChecked() != dyslexie) {
        try {
            UlozPredvolbu(s.adresar, s.nastaveni.aktivniProfil, kKlicDyslexie,
                          cb->isChecked() ? "1" : "0");
        } catch (const std::exception& chyba) {
            Zpravy::Chyba(nad, Q(std::string(chyba.what())));
        }
    }
    s.limit = cb->isChecked() ? kDelkaDyslexieSekund : kDelkaPlatnySekund;
    s.start = s.hodiny->Mistni();
    s.startMs = s.hodiny->MsOdPulnociUtc();
    s.UkazOtazku();
    s.strany->setCurrentIndex(0);
    Tik();
    s.casovac->start();
    return true;
}

void TTestPlatny::Tik()
{
    auto& s = *s_;
    if (!s.Aktivni())
        return;
    const int zbyva = std::max(s.limit - s.Uplynulo(), 0);
    s.lbCas->setText(QStringLiteral("Zbývá ") + Q(MinutySekundy(zbyva)));
    s.lbCas->setAccessibleName(s.lbCas->text());
    if (zbyva == 0) {
        s.casVyprsel = true;
        s.Vyhodnot();
    }
}

bool TTestPlatny::Vyhodnoceno() const { return s_->vyhodnoceno; }
const VysledekPlatny& TTestPlatny::Vysledek() const { return s_->vysledek; }

void TTestPlatny::reject()
{
    // Escape never discards a review; during the test it asks before leaving unevaluated.
    if (s_->vyhodnoceno)
        return;
    if (!s_->prubeh
        || Zpravy::Otazka(this, QStringLiteral("Opravdu chcete test ukončit bez vyhodnocení?"))) {
        s_->casovac->stop();
        s_->ukonceno = true;
        QDialog::reject();
    } else {
        activateWindow();
    }
}

void TTestPlatny::closeEvent(QCloseEvent* udalost)
{
    // The title bar's close button ends a review at once and asks during the test (through reject).
    if (s_->vyhodnoceno) {
        udalost->accept();
        done(QDialog::Accepted);
        return;
    }
    QDialog::closeEvent(udalost);
}
