#include "profiles/gui/TDZmenaHesla.h"

#include "profiles/gui/PravidlaProfilu.h"
#include "ui/Dialogy.h"
#include "ui/Zpravy.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TDZmenaHesla::TDZmenaHesla(const QString& profil, QWidget* rodic)
    : QDialog(rodic, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setObjectName(QStringLiteral("TDZmenaHesla"));
    setWindowTitle(QStringLiteral("Změnit heslo profilu") + QLatin1Char(' ') + profil
                   + QStringLiteral(" na..."));

    auto* gbZmenaHesla = new QGroupBox(QStringLiteral(" Změna hesla "), this);
    gbZmenaHesla->setObjectName(QStringLiteral("gbZmenaHesla"));
    auto* lbHeslo1 = new QLabel(QStringLiteral("Nové heslo:"), gbZmenaHesla);
    lbHeslo1->setObjectName(QStringLiteral("lbHeslo1"));
    auto* lbHeslo2 = new QLabel(QStringLiteral("Potvrzení:"), gbZmenaHesla);
    lbHeslo2->setObjectName(QStringLiteral("lbHeslo2"));
    eHeslo1_ = new QLineEdit(gbZmenaHesla);
    eHeslo1_->setObjectName(QStringLiteral("eHeslo1"));
    eHeslo2_ = new QLineEdit(gbZmenaHesla);
    eHeslo2_->setObjectName(QStringLiteral("eHeslo2"));
    for (QLineEdit* e : {eHeslo1_, eHeslo2_}) {
        e->setEchoMode(QLineEdit::Password);
        e->setMaxLength(PravidlaProfilu::kMaxHeslo);
    }
    lbHeslo1->setBuddy(eHeslo1_);
    lbHeslo2->setBuddy(eHeslo2_);
    auto* hesla = new QGridLayout(gbZmenaHesla);
    hesla->addWidget(lbHeslo1, 0, 0);
    hesla->addWidget(eHeslo1_, 0, 1);
    hesla->addWidget(lbHeslo2, 1, 0);
    hesla->addWidget(eHeslo2_, 1, 1);

    QPushButton* btnOK = nullptr;
    QPushButton* btnStorno = nullptr;
    QHBoxLayout* tlacitka = RadekOKStorno(this, btnOK, btnStorno);

    auto* rozvrzeni = new QVBoxLayout(this);
    rozvrzeni->addWidget(gbZmenaHesla);
    rozvrzeni->addLayout(tlacitka);
    rozvrzeni->setSizeConstraint(QLayout::SetFixedSize);

    setTabOrder(eHeslo1_, eHeslo2_);
    setTabOrder(eHeslo2_, btnOK);
    setTabOrder(btnOK, btnStorno);
    eHeslo1_->setFocus();

    for (QLineEdit* e : {eHeslo1_, eHeslo2_})
        connect(e, &QLineEdit::returnPressed, this, &TDZmenaHesla::btnOKClick);
    connect(btnOK, &QPushButton::clicked, this, &TDZmenaHesla::btnOKClick);
    connect(btnStorno, &QPushButton::clicked, this, &QDialog::reject);
}

void TDZmenaHesla::btnOKClick()
{
    const QString chyba = PravidlaProfilu::ChybaHesla(eHeslo1_->text(), eHeslo2_->text());
    if (!chyba.isEmpty()) {
        Zpravy::Chyba(this, chyba);
        eHeslo1_->setFocus();
        return;
    }
    zadaneHeslo_ = eHeslo1_->text();
    accept();
}
