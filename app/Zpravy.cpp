#include "app/Zpravy.h"

#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>
#include <QWidget>

namespace {

QMessageBox::StandardButton Ukaz(QWidget* rodic, QMessageBox::Icon ikona, const QString& titulek,
                                 const QString& text, QMessageBox::StandardButtons tlacitka)
{
    QMessageBox box(ikona, titulek, text, tlacitka, rodic);
    box.setObjectName(QStringLiteral("zprava"));
    if (rodic)
        VycentrujNad(&box, rodic->window());
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

}  // namespace

namespace Zpravy {

bool Otazka(QWidget* rodic, const QString& text)
{
    return Ukaz(rodic, QMessageBox::Question, kOtazka, text, QMessageBox::Yes | QMessageBox::No)
        == QMessageBox::Yes;
}

void Informace(QWidget* rodic, const QString& text)
{
    Ukaz(rodic, QMessageBox::Information, kInformace, text, QMessageBox::Ok);
}

void Chyba(QWidget* rodic, const QString& text)
{
    Ukaz(rodic, QMessageBox::Critical, kChyba, text, QMessageBox::Ok);
}

bool Varovani(QWidget* rodic, const QString& text)
{
    return Ukaz(rodic, QMessageBox::Warning, kVarovani, text, QMessageBox::Yes | QMessageBox::No)
        == QMessageBox::Yes;
}

}  // namespace Zpravy

void VycentrujNad(QWidget* okno, const QWidget* otevirac)
{
    okno->adjustSize();
    const QSize vlastni = okno->frameGeometry().size();
    QRect nad;
    if (otevirac)
        nad = otevirac->frameGeometry();
    else if (const QScreen* obrazovka = QGuiApplication::primaryScreen())
        nad = obrazovka->geometry();
    else
        return;
    // Integer division truncates toward zero, as the rule wants for negative differences too.
    okno->move(nad.left() + (nad.width() - vlastni.width()) / 2,
               nad.top() + (nad.height() - vlastni.height()) / 2);
}
