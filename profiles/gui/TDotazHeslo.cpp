#include "profiles/gui/TDotazHeslo.h"

#include "profiles/gui/PravidlaProfilu.h"
#include "ui/Dialogy.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TDotazHeslo::TDotazHeslo(QWidget* rodic)
    : QDialog(rodic, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setObjectName(QStringLiteral("TDotazHeslo"));
    setWindowTitle(QStringLiteral("Dotaz programu Zebrovka 2003 (2004)"));

    auto* stNadpis = new QLabel(QStringLiteral("Vámi vybraný profil je chráněn heslem!"), this);
    stNadpis->setObjectName(QStringLiteral("stNadpis"));
    QFont tucne = stNadpis->font();
    tucne.setBold(true);
    stNadpis->setFont(tucne);

    auto* lbOtazka = new QLabel(QStringLiteral("Prosím zadejte heslo:"), this);
    lbOtazka->setObjectName(QStringLiteral("lbOtazka"));

    eHeslo_ = new QLineEdit(this);
    eHeslo_->setObjectName(QStringLiteral("eHeslo"));
    eHeslo_->setEchoMode(QLineEdit::Password);
    eHeslo_->setMaxLength(PravidlaProfilu::kMaxHeslo);
    lbOtazka->setBuddy(eHeslo_);

    QHBoxLayout* tlacitka = RadekOKStorno(this, btnOK_, btnStorno_);

    auto* rozvrzeni = new QVBoxLayout(this);
    rozvrzeni->addWidget(stNadpis);
    rozvrzeni->addWidget(lbOtazka);
    rozvrzeni->addWidget(eHeslo_);
    rozvrzeni->addLayout(tlacitka);
    rozvrzeni->setSizeConstraint(QLayout::SetFixedSize);

    setTabOrder(eHeslo_, btnOK_);
    setTabOrder(btnOK_, btnStorno_);
    eHeslo_->setFocus();

    connect(eHeslo_, &QLineEdit::returnPressed, this, &TDotazHeslo::btnOKClick);
    connect(btnOK_, &QPushButton::clicked, this, &TDotazHeslo::btnOKClick);
    connect(btnStorno_, &QPushButton::clicked, this, &QDialog::reject);
}

void TDotazHeslo::btnOKClick()
{
    zadaneHeslo_ = eHeslo_->text();
    accept();
}
