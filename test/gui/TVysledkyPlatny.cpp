#include "test/gui/TVysledkyPlatny.h"

#include "test/ZaznamPlatny.h"
#include "test/gui/TTestPlatny.h"
#include "ui/Centrovani.h"
#include "ui/Dialogy.h"
#include "ui/Grafy.h"
#include "ui/Zpravy.h"

#include <QDateTime>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPen>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

QDateTime Okamzik(const DatumCas& d)
{
    return QDateTime(QDate(d.rok, d.mesic, d.den), QTime(d.hodina, d.minuta, d.sekunda), Qt::UTC);
}

QTableWidgetItem* Bunka(const QString& text)
{
    auto* b = new QTableWidgetItem(text);
    b->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    b->setTextAlignment(Qt::AlignCenter);
    return b;
}

}  // namespace

struct TVysledkyPlatny::Stav {
    TVysledkyPlatny* okno;
    const Banka& banka;
    std::vector<int> oblasti;
    std::filesystem::path adresar;
    std::string profil;
    std::vector<ZaznamPlatny> zaznamy;

    QTableWidget* tabTesty = nullptr;
    QWidget* grafBodu = nullptr;  // a chart view (ui/Grafy.h)
    QPushButton *btnZobrazit = nullptr, *btnSmazat = nullptr, *btnSmazatVse = nullptr,
                *btnZavrit = nullptr;

    void Nacti()
    {
        zaznamy = NactiTestyPlatny(adresar, profil);
        tabTesty->setRowCount(static_cast<int>(zaznamy.size()));
        for (int r = 0; r < static_cast<int>(zaznamy.size()); ++r) {
            const ZaznamPlatny& z = zaznamy[static_cast<std::size_t>(r)];
            tabTesty->setItem(
                r, 0,
                Bunka(QStringLiteral("%1. %2. %3").arg(z.kdy.den).arg(z.kdy.mesic).arg(z.kdy.rok)));
            tabTesty->setItem(r, 1,
                              Bunka(QStringLiteral("%1:%2")
                                        .arg(z.kdy.hodina)
                                        .arg(z.kdy.minuta, 2, 10, QLatin1Char('0'))));
            tabTesty->setItem(r, 2, Bunka(QString::number(z.body)));
            tabTesty->setItem(
                r, 3, Bunka(z.splneno ? QStringLiteral("Prospěl") : QStringLiteral("Neprospěl")));
            tabTesty->setItem(r, 4, Bunka(QString::fromStdString(MinutySekundy(z.delka))));
        }
        if (!zaznamy.empty())
            tabTesty->selectRow(static_cast<int>(zaznamy.size()) - 1);
        const bool nejake = !zaznamy.empty();
        btnZobrazit->setEnabled(nejake);
        btnSmazat->setEnabled(nejake);
        btnSmazatVse->setEnabled(nejake);
        Graf();
    }

    void Graf()
    {
        PopisGrafu popis;
        popis.titulek = QStringLiteral("Body v testech podle platných pravidel");
        RadaGrafu body {QStringLiteral("Body")};
        body.bodyViditelne = true;
        RadaGrafu hranice {QStringLiteral("Hranice úspěchu (43 bodů)")};
        QDateTime od, po;
        for (const ZaznamPlatny& z : zaznamy) {
            const QDateTime t = Okamzik(z.kdy);
            body.body.append({double(t.toMSecsSinceEpoch()), double(z.body)});
            od = od.isValid() ? std::min(od, t) : t;
            po = po.isValid() ? std::max(po, t) : t;
        }
        if (!od.isValid()) {
            od = QDateTime(QDate(2000, 1, 1), QTime(0, 0), Qt::UTC);
            po = od;
        }
        if (od == po) {
            od = od.addDays(-1);
            po = po.addDays(1);
        }
        hranice.body = {{double(od.toMSecsSinceEpoch()), double(kMinimumPlatny)},
                        {double(po.toMSecsSinceEpoch()), double(kMinimumPlatny)}};
        QPen pero(QColor(0xb3, 0x26, 0x1e));
        pero.setStyle(Qt::DashLine);
        pero.setWidth(2);
        hranice.pero = pero;
        popis.rady = {body, hranice};
        popis.osaX.datum = true;
        popis.osaX.format = QStringLiteral("d. M. yyyy");
        popis.osaX.titulek = QStringLiteral("Datum testu");
        popis.osaX.od = double(od.toMSecsSinceEpoch());
        popis.osaX.po = double(po.toMSecsSinceEpoch());
        popis.osaX.znacek = 5;
        popis.osaY.od = 0;
        popis.osaY.po = kBoduPlatny;
        popis.osaY.znacek = 6;
        popis.osaY.format = QStringLiteral("%d");
        popis.osaY.titulek = QStringLiteral("Body");
        UkazGraf(grafBodu, popis);
    }

    int Vybrany() const
    {
        const int r = tabTesty->currentRow();
        return r >= 0 && r < static_cast<int>(zaznamy.size()) ? r : -1;
    }

    void Zobrazit()
    {
        const int r = Vybrany();
        if (r < 0)
            return;
        ChraneneTabulky(okno, [&] {
            TTestPlatny revize(banka, oblasti, zaznamy[static_cast<std::size_t>(r)], adresar, okno);
            VycentrujNad(&revize, okno);
            revize.exec();
        });
    }

    void Smazat()
    {
        const int r = Vybrany();
        if (r < 0 || !Zpravy::Otazka(okno, QStringLiteral("Opravdu chcete smazat tento záznam?")))
            return;
        ChraneneTabulky(okno, [&] { SmazTestPlatny(adresar, profil, r); });
        ChraneneTabulky(okno, [&] { Nacti(); });
    }

    void SmazatVse()
    {
        if (zaznamy.empty()
            || !Zpravy::Otazka(okno, QStringLiteral("Opravdu chcete smazat všechny záznamy?")))
            return;
        ChraneneTabulky(okno, [&] { SmazTestyPlatny(adresar, profil); });
        ChraneneTabulky(okno, [&] { Nacti(); });
    }
};

TVysledkyPlatny::TVysledkyPlatny(const Banka& banka, const std::vector<int>& oblasti,
                                 std::filesystem::path adresar, std::string profil, QWidget* rodic)
    : QDialog(rodic), s_(std::make_unique<Stav>(
                          Stav {this, banka, oblasti, std::move(adresar), std::move(profil), {}}))
{
    auto& s = *s_;
    setObjectName(QStringLiteral("TVysledkyPlatny"));
    setWindowTitle(QStringLiteral("Výsledky testů podle platných pravidel,   Uživatel: ")
                   + QString::fromStdString(s.profil));
    s.tabTesty = new QTableWidget(0, 5, this);
    s.tabTesty->setObjectName(QStringLiteral("tabTesty"));
    s.tabTesty->setAccessibleName(QStringLiteral("Seznam testů"));
    s.tabTesty->setHorizontalHeaderLabels({QStringLiteral("Datum"), QStringLiteral("Čas"),
                                           QStringLiteral("Body"), QStringLiteral("Výsledek"),
                                           QStringLiteral("Doba testu")});
    s.tabTesty->verticalHeader()->hide();
    s.tabTesty->setSelectionBehavior(QAbstractItemView::SelectRows);
    s.tabTesty->setSelectionMode(QAbstractItemView::SingleSelection);
    s.tabTesty->setEditTriggers(QAbstractItemView::NoEditTriggers);
    s.tabTesty->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    s.tabTesty->setMinimumWidth(440);
    s.grafBodu = NovyGraf(this);
    s.grafBodu->setObjectName(QStringLiteral("grafBodu"));
    s.grafBodu->setAccessibleName(QStringLiteral("Graf bodů v testech"));
    s.grafBodu->setMinimumSize(480, 320);

    auto tlacitko = [&](QPushButton*& b, const char* jmeno, const QString& text) {
        b = new QPushButton(text, this);
        b->setObjectName(QLatin1String(jmeno));
        b->setAutoDefault(false);
    };
    tlacitko(s.btnZobrazit, "btnZobrazit", QStringLiteral("&Zobrazit test"));
    tlacitko(s.btnSmazat, "btnSmazat", QStringLiteral("&Smazat"));
    tlacitko(s.btnSmazatVse, "btnSmazatVse", QStringLiteral("Smazat &vše"));
    tlacitko(s.btnZavrit, "btnZavrit", QStringLiteral("Za&vřít"));
    s.btnZavrit->setText(QStringLiteral("Zavří&t"));
    connect(s.btnZobrazit, &QPushButton::clicked, this, [this] { s_->Zobrazit(); });
    connect(s.btnSmazat, &QPushButton::clicked, this, [this] { s_->Smazat(); });
    connect(s.btnSmazatVse, &QPushButton::clicked, this, [this] { s_->SmazatVse(); });
    connect(s.btnZavrit, &QPushButton::clicked, this, &QDialog::reject);
    connect(s.tabTesty, &QTableWidget::cellDoubleClicked, this,
            [this](int, int) { s_->Zobrazit(); });

    auto* horni = new QHBoxLayout;
    horni->addWidget(s.tabTesty, 2);
    horni->addWidget(s.grafBodu, 3);
    auto* dole = new QHBoxLayout;
    dole->addWidget(s.btnZobrazit);
    dole->addWidget(s.btnSmazat);
    dole->addWidget(s.btnSmazatVse);
    dole->addStretch(1);
    dole->addWidget(s.btnZavrit);
    auto* vse = new QVBoxLayout(this);
    vse->addLayout(horni, 1);
    vse->addLayout(dole);
    resize(1000, 480);
    s.Nacti();
}

TVysledkyPlatny::~TVysledkyPlatny() = default;
