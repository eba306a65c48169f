#include "profiles/gui/TManazerUzivatelu.h"

#include "profiles/gui/PravidlaProfilu.h"
#include "profiles/gui/TDotazHeslo.h"
#include "profiles/gui/TVytvorUziv.h"
#include "profiles/PoradiProfilu.h"
#include "profiles/ProfilovySklad.h"
#include "ui/Centrovani.h"
#include "ui/Dialogy.h"
#include "ui/Zpravy.h"

#include <QCollator>
#include <QGroupBox>
#include <QKeyEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QCollator& CeskeRazeni()
{
    static const QCollator razeni = [] {
        QCollator r {QLocale(QLocale::Czech, QLocale::CzechRepublic)};
        r.setCaseSensitivity(Qt::CaseInsensitive);
        return r;
    }();
    return razeni;
}

// What an order kept for the next start was made with: the collation and the Qt behind it.
std::string KlicRazeni() { return "Qt " + std::string(qVersion()) + " cs_CZ bez velikosti písmen"; }

}  // namespace

TManazerUzivatelu::TManazerUzivatelu(ProfilovySklad& sklad, std::string& aktivniProfil,
                                     QWidget* rodic,
                                     const std::vector<std::string>* precteneProfily)
    : QDialog(rodic,
              Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
                  | Qt::WindowMinimizeButtonHint),
      sklad_(sklad), aktivniProfil_(aktivniProfil)
{
    setObjectName(QStringLiteral("TManazerUzivatelu"));
    setWindowTitle(QStringLiteral("Správce uživatelských účtů"));

    auto* gbProfily = new QGroupBox(QStringLiteral(" Profil uživatele "), this);
    gbProfily->setObjectName(QStringLiteral("gbProfily"));
    lbProfil_ = new QListWidget(gbProfily);
    lbProfil_->setObjectName(QStringLiteral("lbProfil"));
    lbProfil_->setSelectionMode(QAbstractItemView::SingleSelection);
    auto* seznam = new QVBoxLayout(gbProfily);
    seznam->addWidget(lbProfil_);

    btnNew_ = new QPushButton(QStringLiteral("Vytvořit &profil"), this);
    btnNew_->setObjectName(QStringLiteral("btnNew"));
    btnDelete_ = new QPushButton(QStringLiteral("&Smazat profil"), this);
    btnDelete_->setObjectName(QStringLiteral("btnDelete"));
    btnCancel_ = new QPushButton(QStringLiteral("&Ukončit program"), this);
    btnCancel_->setObjectName(QStringLiteral("btnCancel"));
    btnOK_ = new QPushButton(QStringLiteral("&Vybrat profil"), this);
    btnOK_->setObjectName(QStringLiteral("btnOK"));
    for (QPushButton* b : {btnNew_, btnDelete_, btnCancel_, btnOK_})
        b->setAutoDefault(false);

    auto* tlacitka = new QVBoxLayout;
    tlacitka->addWidget(btnNew_);
    tlacitka->addWidget(btnDelete_);
    tlacitka->addStretch();
    tlacitka->addWidget(btnCancel_);
    tlacitka->addWidget(btnOK_);

    auto* rozvrzeni = new QHBoxLayout(this);
    rozvrzeni->addWidget(gbProfily, 1);
    rozvrzeni->addLayout(tlacitka);
    setFixedSize(420, 260);

    setTabOrder(lbProfil_, btnNew_);
    setTabOrder(btnNew_, btnDelete_);
    setTabOrder(btnDelete_, btnCancel_);
    setTabOrder(btnCancel_, btnOK_);

    connect(lbProfil_, &QListWidget::itemSelectionChanged, this, &TManazerUzivatelu::lbProfilClick);
    connect(lbProfil_, &QListWidget::itemDoubleClicked, this, &TManazerUzivatelu::lbProfilDblClick);
    connect(btnOK_, &QPushButton::clicked, this, &TManazerUzivatelu::btnOKClick);
    connect(btnNew_, &QPushButton::clicked, this, &TManazerUzivatelu::btnNewClick);
    connect(btnDelete_, &QPushButton::clicked, this, &TManazerUzivatelu::btnDeleteClick);
    connect(btnCancel_, &QPushButton::clicked, this, &TManazerUzivatelu::btnCancelClick);

    // Enter on a listed profile chooses it as a double click does.
    lbProfil_->installEventFilter(this);
    lbProfil_->setAccessibleName(QStringLiteral("Profil uživatele"));

    if (precteneProfily)
        NaplnitSeznam(precteneProfily);
    else
        ChraneneTabulky(this, [this] { NaplnitSeznam(); });
}

bool TManazerUzivatelu::eventFilter(QObject* objekt, QEvent* udalost)
{
    if (objekt == lbProfil_ && udalost->type() == QEvent::KeyPress) {
        const int klavesa = static_cast<QKeyEvent*>(udalost)->key();
        if (klavesa == Qt::Key_Return || klavesa == Qt::Key_Enter) {
            lbProfilDblClick();
            return true;
        }
    }
    return QDialog::eventFilter(objekt, udalost);
}

void TManazerUzivatelu::NaplnitSeznam(const std::vector<std::string>* precteneProfily)
{
    profilZvolen_ = false;
    btnOK_->setEnabled(false);
    btnDelete_->setEnabled(false);
    lbProfil_->clear();
    const std::vector<std::string> jmena =
        precteneProfily ? *precteneProfily : sklad_.SeznamProfilu();
    // The order kept from the last listing of the same names spares opening the collator.
    if (const auto poradi = NactiPoradiProfilu(sklad_.Adresar(), jmena, KlicRazeni())) {
        for (const std::string& jmeno : *poradi)
            lbProfil_->addItem(QString::fromStdString(jmeno));
        return;
    }
    for (const std::string& jmeno : jmena)
        VlozitSerazene(QString::fromStdString(jmeno));
    std::vector<std::string> serazena;
    for (int i = 0; i < lbProfil_->count(); ++i)
        serazena.push_back(lbProfil_->item(i)->text().toStdString());
    UlozPoradiProfilu(sklad_.Adresar(), serazena, KlicRazeni());
}

void TManazerUzivatelu::VlozitSerazene(const QString& jmeno)
{
    const QCollator& razeni = CeskeRazeni();
    int i = 0;
    while (i < lbProfil_->count() && razeni.compare(lbProfil_->item(i)->text(), jmeno) <= 0)
        ++i;
    lbProfil_->insertItem(i, jmeno);
}

QString TManazerUzivatelu::VybranyProfil() const
{
    const QList<QListWidgetItem*> vybrane = lbProfil_->selectedItems();
    return vybrane.isEmpty() ? QString() : vybrane.first()->text();
}

bool TManazerUzivatelu::OveritHeslo(const QString& jmeno)
{
    const std::string profil = jmeno.toStdString();
    if (!sklad_.MaHeslo(profil))
        return true;
    TDotazHeslo dotaz(this);
    VycentrujNad(&dotaz, this);
    if (dotaz.exec() != QDialog::Accepted)
        return false;
    if (!sklad_.OverHeslo(profil, dotaz.ZadaneHeslo().toStdString())) {
        Zpravy::Chyba(this, QStringLiteral("Zadané heslo není korektní!"));
        return false;
    }
    return true;
}

void TManazerUzivatelu::lbProfilClick()
{
    if (lbProfil_->selectedItems().isEmpty())
        return;
    btnOK_->setEnabled(true);
    btnDelete_->setEnabled(true);
}

void TManazerUzivatelu::lbProfilDblClick()
{
    if (!VybranyProfil().isEmpty())
        btnOKClick();
}

void TManazerUzivatelu::btnOKClick()
{
    const QString jmeno = VybranyProfil();
    if (jmeno.isEmpty())
        return;
    ChraneneTabulky(this, [&] {
        if (!OveritHeslo(jmeno))
            return;
        aktivniProfil_ = jmeno.toStdString();
        profilZvolen_ = true;
        accept();
    });
}

void TManazerUzivatelu::btnNewClick()
{
    QStringList seznam;
    for (int i = 0; i < lbProfil_->count(); ++i)
        seznam << lbProfil_->item(i)->text();
    TVytvorUziv dialog(seznam, this);
    VycentrujNad(&dialog, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    ChraneneTabulky(this, [&] {
        sklad_.PridatProfil(dialog.NovyNazev().toStdString(), "1111111", "B", "111", "11", "1",
                            dialog.NoveHeslo().toStdString());
        VlozitSerazene(dialog.NovyNazev());
    });
}

void TManazerUzivatelu::btnDeleteClick()
{
    const QString jmeno = VybranyProfil();
    if (jmeno.isEmpty())
        return;
    if (!Zpravy::Otazka(this,
                        QStringLiteral("Opravdu chcete profil \"") + jmeno
                            + QStringLiteral("\" smazat?")))
        return;
    ChraneneTabulky(this, [&] {
        if (!OveritHeslo(jmeno))
            return;
        sklad_.SmazatProfil(jmeno.toStdString());
        NaplnitSeznam();
    });
}

void TManazerUzivatelu::btnCancelClick()
{
    profilZvolen_ = false;
    close();
}

void TManazerUzivatelu::reject()
{
    if (profilZvolen_) {
        accept();
        return;
    }
    if (!Zpravy::Varovani(this,
                          QStringLiteral("Opravdu chcete ukončit program Zebrovka 2003 (2004)?")))
        return;
    QDialog::reject();
}
