#include "profiles/gui/TVytvorUziv.h"

#include "profiles/gui/PravidlaProfilu.h"
#include "ui/Dialogy.h"
#include "ui/Zpravy.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <utility>

TVytvorUziv::TVytvorUziv(QStringList seznam, QWidget* rodic)
    : QDialog(rodic,
              Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
                  | Qt::WindowMinimizeButtonHint),
      seznam_(std::move(seznam))
{
    setObjectName(QStringLiteral("TVytvorUziv"));
    setWindowTitle(QStringLiteral("Vytvoření nového profilu"));

    auto* gbNew = new QGroupBox(QStringLiteral(" Nový profil "), this);
    gbNew->setObjectName(QStringLiteral("gbNew"));
    auto* lbProfil = new QLabel(QStringLiteral("Název profilu:"), gbNew);
    lbProfil->setObjectName(QStringLiteral("lbProfil"));
    eProfil_ = new QLineEdit(gbNew);
    eProfil_->setObjectName(QStringLiteral("eProfil"));
    eProfil_->setMaxLength(PravidlaProfilu::kMaxJmeno);
    lbProfil->setBuddy(eProfil_);
    auto* novy = new QHBoxLayout(gbNew);
    novy->addWidget(lbProfil);
    novy->addWidget(eProfil_, 1);

    cbHeslo_ = new QCheckBox(QStringLiteral("Chránit profil heslem"), this);
    cbHeslo_->setObjectName(QStringLiteral("cbHeslo"));

    auto* gbHeslo = new QGroupBox(QStringLiteral(" Zadání hesla "), this);
    gbHeslo->setObjectName(QStringLiteral("gbHeslo"));
    lbHeslo1_ = new QLabel(QStringLiteral("Heslo:"), gbHeslo);
    lbHeslo1_->setObjectName(QStringLiteral("lbHeslo1"));
    lbHeslo2_ = new QLabel(QStringLiteral("Potvrzení hesla:"), gbHeslo);
    lbHeslo2_->setObjectName(QStringLiteral("lbHeslo2"));
    eHeslo1_ = new QLineEdit(gbHeslo);
    eHeslo1_->setObjectName(QStringLiteral("eHeslo1"));
    eHeslo2_ = new QLineEdit(gbHeslo);
    eHeslo2_->setObjectName(QStringLiteral("eHeslo2"));
    for (QLineEdit* e : {eHeslo1_, eHeslo2_}) {
        e->setEchoMode(QLineEdit::Password);
        e->setMaxLength(PravidlaProfilu::kMaxHeslo);
    }
    lbHeslo1_->setBuddy(eHeslo1_);
    lbHeslo2_->setBuddy(eHeslo2_);
    auto* hesla = new QGridLayout(gbHeslo);
    hesla->addWidget(lbHeslo1_, 0, 0);
    hesla->addWidget(eHeslo1_, 0, 1);
    hesla->addWidget(lbHeslo2_, 1, 0);
    hesla->addWidget(eHeslo2_, 1, 1);

    auto* stInfo = new QLabel(
        QStringLiteral(
            "Podrobněji si budete moci profil nastavit v sekci \"Nastavení\" hlavního programu."),
        this);
    stInfo->setObjectName(QStringLiteral("stInfo"));
    stInfo->setWordWrap(true);

    QPushButton* btnOK = nullptr;
    QPushButton* btnStorno = nullptr;
    QHBoxLayout* tlacitka = RadekOKStorno(this, btnOK, btnStorno);

    auto* rozvrzeni = new QVBoxLayout(this);
    rozvrzeni->addWidget(gbNew);
    rozvrzeni->addWidget(cbHeslo_);
    rozvrzeni->addWidget(gbHeslo);
    rozvrzeni->addWidget(stInfo);
    rozvrzeni->addLayout(tlacitka);
    rozvrzeni->setSizeConstraint(QLayout::SetFixedSize);
    setMinimumWidth(340);

    setTabOrder(eProfil_, cbHeslo_);
    setTabOrder(cbHeslo_, eHeslo1_);
    setTabOrder(eHeslo1_, eHeslo2_);
    setTabOrder(eHeslo2_, btnOK);
    setTabOrder(btnOK, btnStorno);

    NastavHeslaPovolena(false);
    eProfil_->setFocus();

    connect(cbHeslo_, &QCheckBox::clicked, this, &TVytvorUziv::cbHesloClick);
    for (QLineEdit* e : {eProfil_, eHeslo1_, eHeslo2_})
        connect(e, &QLineEdit::returnPressed, this, &TVytvorUziv::btnOKClick);
    connect(btnOK, &QPushButton::clicked, this, &TVytvorUziv::btnOKClick);
    connect(btnStorno, &QPushButton::clicked, this, &QDialog::reject);
}

void TVytvorUziv::NastavHeslaPovolena(bool povolena)
{
    for (QWidget* w : {static_cast<QWidget*>(eHeslo1_), static_cast<QWidget*>(eHeslo2_),
                       static_cast<QWidget*>(lbHeslo1_), static_cast<QWidget*>(lbHeslo2_)})
        w->setEnabled(povolena);
    // Disabled entries take the button-face colour, enabled ones the normal entry background.
    for (QLineEdit* e : {eHeslo1_, eHeslo2_}) {
        QPalette p = e->palette();
        const QPalette vychozi = palette();
        const QColor pozadi = povolena ? vychozi.color(QPalette::Active, QPalette::Base)
                                       : vychozi.color(QPalette::Active, QPalette::Button);
        for (auto skupina : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
            p.setColor(skupina, QPalette::Base, pozadi);
        e->setPalette(p);
    }
}

void TVytvorUziv::cbHesloClick()
{
    NastavHeslaPovolena(!eHeslo1_->isEnabled());
    if (cbHeslo_->isChecked())
        eHeslo1_->setFocus();
}

void TVytvorUziv::btnOKClick()
{
    const QString jmeno = eProfil_->text();
    if (const QString chyba = PravidlaProfilu::ChybaJmena(jmeno, seznam_); !chyba.isEmpty()) {
        Zpravy::Chyba(this, chyba);
        eProfil_->setFocus();
        return;
    }
    QString heslo;
    if (cbHeslo_->isChecked()) {
        const QString chyba = PravidlaProfilu::ChybaHesla(eHeslo1_->text(), eHeslo2_->text());
        if (!chyba.isEmpty()) {
            Zpravy::Chyba(this, chyba);
            eHeslo1_->setFocus();
            return;
        }
        heslo = eHeslo1_->text();
    }
    novyNazev_ = jmeno;
    noveHeslo_ = heslo;
    accept();
}
