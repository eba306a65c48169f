#include "test/gui/TStatistikaUceni.h"

#include "base/Procenta.h"
#include "questions/Banka.h"
#include "questions/Kategorie.h"
#include "test/SlozeniTestu.h"
#include "ui/Grafy.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace {

QTableWidgetItem* Bunka(const QString& text)
{
    auto* b = new QTableWidgetItem(text);
    b->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    return b;
}

QString Procento(double podil)
{
    return QString::number(static_cast<int>(std::nearbyint(podil * 100)));
}

}  // namespace

TStatistikaUceni::TStatistikaUceni(const Banka& banka, const Nastaveni& nastaveni,
                                   const StatistikaProfilu& statistika, std::uint32_t seed,
                                   std::function<void(int)> prohlizet, QWidget* rodic,
                                   const std::vector<int>& oblasti, const UcebniPamet& ucebni,
                                   const VstupPripravenosti* pripravenost)
    : QDialog(rodic), prohlizet_(std::move(prohlizet)), zameny_(ucebni.zameny)
{
    setObjectName(QStringLiteral("TStatistikaUceni"));
    setWindowTitle(QStringLiteral("Statistika učení"));
    const QString skupina = QString::fromStdString(nastaveni.skupina);

    // Per category: seen and mastered (recall today at least 90 %) of the questions available.
    tabKategorie = new QTableWidget(7, 4, this);
    tabKategorie->setObjectName(QStringLiteral("tabKategorie"));
    tabKategorie->setAccessibleName(QStringLiteral("Otázky podle kategorií"));
    tabKategorie->setHorizontalHeaderLabels(
        {QStringLiteral("Kategorie"), QStringLiteral("K dispozici"), QStringLiteral("Viděno"),
         QStringLiteral("Zvládnuto")});
    tabKategorie->verticalHeader()->hide();
    RadaGrafu videno {QStringLiteral("Viděno")};
    RadaGrafu zvladnuto {QStringLiteral("Zvládnuto")};
    QStringList nazvy;
    for (int k = 1; k <= 7; ++k) {
        int v = 0, z = 0;
        const std::vector<int> cisla = banka.CislaVKategorii(k, nastaveni.skupina);
        for (int c : cisla) {
            if (const auto it = statistika.find(c);
                it != statistika.end() && it->second.polozeno > 0)
                ++v;
            if (const auto p = ucebni.pamet.find(c);
                p != ucebni.pamet.end() && Vybaveni(p->second, ucebni.dnes) >= kPozadovanaRetence)
                ++z;
        }
        const QString nazev = QString::fromUtf8(
            NazvyKategorii()[static_cast<std::size_t>(k - 1)].data(),
            static_cast<qsizetype>(NazvyKategorii()[static_cast<std::size_t>(k - 1)].size()));
        tabKategorie->setItem(k - 1, 0, Bunka(nazev));
        tabKategorie->setItem(k - 1, 1, Bunka(QString::number(cisla.size())));
        tabKategorie->setItem(k - 1, 2, Bunka(QString::number(v)));
        tabKategorie->setItem(k - 1, 3, Bunka(QString::number(z)));
        // The bars in percent of the category, so a small category's progress shows beside a big
        // one's.
        const int dostupnych = static_cast<int>(cisla.size());
        videno.sloupce << ProcentoZaokrouhlene(v, dostupnych);
        zvladnuto.sloupce << ProcentoZaokrouhlene(z, dostupnych);
        nazvy << QString::number(k);
    }
    tabKategorie->resizeColumnsToContents();
    tabKategorie->resizeRowsToContents();
    tabKategorie->horizontalHeader()->setStretchLastSection(true);
    tabKategorie->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    {
        int vyska =
            tabKategorie->horizontalHeader()->sizeHint().height() + 2 * tabKategorie->frameWidth();
        for (int r = 0; r < 7; ++r)
            vyska += tabKategorie->rowHeight(r);
        tabKategorie->setFixedHeight(vyska);
    }

    PopisGrafu popis;
    popis.titulek = QStringLiteral("Viděné a zvládnuté otázky podle kategorií");
    popis.sloupce = true;
    popis.rady = {videno, zvladnuto};
    popis.osaX.kategorie = nazvy;
    popis.osaX.titulek = QStringLiteral("Kategorie");
    popis.osaY.od = 0;
    popis.osaY.po = 100;
    popis.osaY.format = QStringLiteral("%d %%");
    popis.osaY.titulek = QStringLiteral("Podíl otázek kategorie");
    grafKategorii = NovyGraf(this);
    UkazGraf(grafKategorii, popis);
    grafKategorii->setObjectName(QStringLiteral("grafKategorii"));
    grafKategorii->setAccessibleName(
        QStringLiteral("Graf viděných a zvládnutých otázek v procentech kategorie"));
    grafKategorii->setMinimumSize(420, 260);

    // The 20 questions answered wrongly most often, among those the bank still holds.
    std::vector<const ZaznamStatistiky*> spatne;
    for (const auto& [cislo, z] : statistika)
        if (z.spatne > 0 && banka.OtazkaExistuje(cislo))
            spatne.push_back(&z);
    std::sort(spatne.begin(), spatne.end(),
              [](const ZaznamStatistiky* a, const ZaznamStatistiky* b) {
                  if (a->spatne != b->spatne)
                      return a->spatne > b->spatne;
                  // The larger share first: a/b > c/d compared without division.
                  const long x = static_cast<long>(a->spatne) * b->polozeno,
                             y = static_cast<long>(b->spatne) * a->polozeno;
                  return x != y ? x > y : a->cislo < b->cislo;
              });
    if (spatne.size() > 20)
        spatne.resize(20);
    tabChyby = new QTableWidget(static_cast<int>(spatne.size()), 3, this);
    tabChyby->setObjectName(QStringLiteral("tabChyby"));
    tabChyby->setAccessibleName(QStringLiteral("Nejčastěji špatně zodpovězené otázky"));
    tabChyby->setHorizontalHeaderLabels({QStringLiteral("Otázka"),
                                         QStringLiteral("Špatně / položeno"),
                                         QStringLiteral("Podíl špatných")});
    tabChyby->verticalHeader()->hide();
    tabChyby->setSelectionBehavior(QAbstractItemView::SelectRows);
    tabChyby->setSelectionMode(QAbstractItemView::SingleSelection);
    for (std::size_t i = 0; i < spatne.size(); ++i) {
        const ZaznamStatistiky& z = *spatne[i];
        chyby_.push_back(z.cislo);
        const int r = static_cast<int>(i);
        tabChyby->setItem(r, 0, Bunka(QString::number(z.cislo)));
        tabChyby->setItem(r, 1, Bunka(QStringLiteral("%1 / %2").arg(z.spatne).arg(z.polozeno)));
        tabChyby->setItem(
            r, 2, Bunka(QStringLiteral("%1 %").arg(ProcentoZaokrouhlene(z.spatne, z.polozeno))));
    }
    tabChyby->resizeColumnsToContents();
    tabChyby->resizeRowsToContents();
    tabChyby->horizontalHeader()->setStretchLastSection(true);
    if (!chyby_.empty())
        tabChyby->selectRow(0);
    connect(tabChyby, &QTableWidget::cellDoubleClicked, this,
            [this](int, int) { btnProhlizetClick(); });

    // The chance of passing a test in today's format, then the points test.
    QFont tucne = font();
    tucne.setBold(true);
    lbOdhadPlatny = new QLabel(this);
    lbOdhadPlatny->setObjectName(QStringLiteral("lbOdhadPlatny"));
    lbOdhadPlatny->setFont(tucne);
    lbOdhadPlatny->setWordWrap(true);
    if (pripravenost)
        pPripravenost =
            new TPripravenost(banka, oblasti, nastaveni.skupina, *pripravenost, seed, this);
    if (!oblasti.empty() && !pPripravenost)
        odhadPlatny_ = OdhadniUspechPlatny(banka, oblasti, nastaveni.skupina, statistika, seed);
    if (odhadPlatny_.lzeOdhadnout)
        lbOdhadPlatny->setText(QStringLiteral("Šance na složení testu podle platných pravidel "
                                              "(skupina %1): %2 % (pásmo nejistoty %3 až %4 %)")
                                   .arg(skupina, Procento(odhadPlatny_.pravdepodobnost),
                                        Procento(odhadPlatny_.dolni),
                                        Procento(odhadPlatny_.horni)));
    else if (oblasti.empty())
        lbOdhadPlatny->setText(
            QStringLiteral("Šanci na složení testu podle platných pravidel nelze odhadnout: "
                           "chybí tabulka oblastí otázek."));
    else
        lbOdhadPlatny->setText(QStringLiteral(
            "Šanci na složení testu podle platných pravidel zatím nelze odhadnout."));
    if (!pPripravenost)
        odhad_ = OdhadniUspech(banka, nastaveni.skupina, statistika, seed);
    lbOdhad = new QLabel(this);
    lbOdhad->setObjectName(QStringLiteral("lbOdhad"));
    lbOdhad->setFont(tucne);
    lbVysvetleni = new QLabel(this);
    lbVysvetleni->setObjectName(QStringLiteral("lbVysvetleni"));
    lbVysvetleni->setWordWrap(true);
    if (odhad_.lzeOdhadnout) {
        const int procento = ProcentoZaokrouhlene(static_cast<int>(odhad_.prosloListu),
                                                  static_cast<int>(odhad_.listuCelkem));
        lbOdhad->setText(
            QStringLiteral(
                "Šance na složení testu na body (skupina %1): %2 % (pásmo nejistoty %3 až %4 %)")
                .arg(skupina)
                .arg(procento)
                .arg(Procento(odhad_.dolni))
                .arg(Procento(odhad_.horni)));
        lbVysvetleni->setText(QStringLiteral("Tolik testů na body byste podle svých dosavadních "
                                             "odpovědí složili; skutečná šance leží "
                                             "v uvedeném pásmu s pravděpodobností asi 95 %."));
    } else {
        lbOdhad->setText(QStringLiteral("Šanci na složení testu zatím nelze odhadnout."));
        lbVysvetleni->setText(QStringLiteral(
            "Odhad vychází z vašich odpovědí – odpovězte nejdřív na několik otázek."));
    }

    btnProhlizet = new QPushButton(QStringLiteral("&Prohlížet otázku"), this);
    btnProhlizet->setObjectName(QStringLiteral("btnProhlizet"));
    btnProhlizet->setEnabled(!chyby_.empty());
    connect(btnProhlizet, &QPushButton::clicked, this, &TStatistikaUceni::btnProhlizetClick);
    btnZavrit = new QPushButton(QStringLiteral("&Zavřít"), this);
    btnZavrit->setObjectName(QStringLiteral("btnZavrit"));
    connect(btnZavrit, &QPushButton::clicked, this, &QDialog::reject);

    // The wrong answers the learner keeps choosing.
    lstZameny = new QListWidget(this);
    lstZameny->setObjectName(QStringLiteral("lstZameny"));
    lstZameny->setAccessibleName(QStringLiteral("Nejčastější záměny"));
    for (const Zamena& z : zameny_)
        lstZameny->addItem(QString::fromStdString(TextZameny(z)));
    if (zameny_.empty())
        lstZameny->setEnabled(false);
    connect(lstZameny, &QListWidget::itemActivated, this, [this] { lstZamenyClick(); });
    lbHistorie =
        new QLabel(QStringLiteral("Ukládání historie učení je vypnuto: statistika, paměť otázek "
                                  "a záměny se nedoplňují."),
                   this);
    lbHistorie->setObjectName(QStringLiteral("lbHistorie"));
    lbHistorie->setWordWrap(true);
    lbHistorie->setVisible(!ucebni.ukladani);

    auto* nadpisChyb = new QLabel(QStringLiteral("Nejčastěji špatně zodpovězené otázky:"), this);
    auto* vlevo = new QVBoxLayout;
    vlevo->addWidget(tabKategorie);
    vlevo->addWidget(grafKategorii, 1);
    auto* vpravo = new QVBoxLayout;
    vpravo->addWidget(nadpisChyb);
    vpravo->addWidget(tabChyby, 1);
    vpravo->addWidget(btnProhlizet);
    vpravo->addWidget(new QLabel(QStringLiteral("Opakované záměny:"), this));
    vpravo->addWidget(lstZameny);
    auto* horni = new QHBoxLayout;
    horni->addLayout(vlevo, 3);
    horni->addLayout(vpravo, 2);
    auto* tlacitka = new QHBoxLayout;
    tlacitka->addStretch(1);
    tlacitka->addWidget(btnZavrit);
    auto* vse = new QVBoxLayout(this);
    vse->addWidget(lbHistorie);
    vse->addLayout(horni, 1);
    if (pPripravenost) {
        lbOdhadPlatny->hide();
        lbOdhad->hide();
        lbVysvetleni->hide();
        vse->addWidget(pPripravenost);
    } else {
        vse->addWidget(lbOdhadPlatny);
        vse->addWidget(lbOdhad);
        vse->addWidget(lbVysvetleni);
    }
    vse->addLayout(tlacitka);
    resize(pPripravenost ? 980 : 860, pPripravenost ? 860 : 640);
}

void TStatistikaUceni::btnProhlizetClick()
{
    const int radek = tabChyby->currentRow();
    if (radek < 0 || radek >= static_cast<int>(chyby_.size()))
        return;
    const int cislo = chyby_[static_cast<std::size_t>(radek)];
    accept();
    if (prohlizet_)
        prohlizet_(cislo);
}

void TStatistikaUceni::lstZamenyClick()
{
    const int radek = lstZameny->currentRow();
    if (radek < 0 || radek >= static_cast<int>(zameny_.size()))
        return;
    const int cislo = zameny_[static_cast<std::size_t>(radek)].cislo;
    accept();
    if (prohlizet_)
        prohlizet_(cislo);
}

bool TStatistikaUceni::PripravenostHotova() const
{
    return pPripravenost && pPripravenost->Hotovo();
}

const OdhadNaDen& TStatistikaUceni::DnesniPripravenost() const
{
    static const OdhadNaDen kZadny {};
    return pPripravenost ? pPripravenost->Dnes() : kZadny;
}

const PlanUceni& TStatistikaUceni::PlanPripravenosti() const
{
    static const PlanUceni kZadny {};
    return pPripravenost ? pPripravenost->Plan() : kZadny;
}
