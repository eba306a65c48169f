#include "ui/Dialogy.h"

#include "ui/Zpravy.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QPushButton>
#include <QString>

void UkazChybuTabulky(QWidget* rodic, const std::exception& chyba)
{
    Zpravy::Chyba(rodic, QString::fromUtf8(chyba.what()));
}

QHBoxLayout* RadekOKStorno(QDialog* dialog, QPushButton*& btnOK, QPushButton*& btnStorno)
{
    btnOK = new QPushButton(QStringLiteral("&OK"), dialog);
    btnOK->setObjectName(QStringLiteral("btnOK"));
    btnStorno = new QPushButton(QStringLiteral("&Storno"), dialog);
    btnStorno->setObjectName(QStringLiteral("btnStorno"));
    for (QPushButton* b : {btnOK, btnStorno}) {
        b->setAutoDefault(false);
        b->setDefault(false);
    }
    auto* tlacitka = new QHBoxLayout;
    tlacitka->addStretch();
    tlacitka->addWidget(btnOK);
    tlacitka->addWidget(btnStorno);
    return tlacitka;
}
