#include "questions/gui/OknoObrazku.h"

#include "ui/Obrazky.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPixmap>
#include <QScreen>
#include <QVBoxLayout>

#include <algorithm>

OknoObrazku::OknoObrazku(const QString& soubor, int cisloOtazky, QWidget* rodic) : QDialog(rodic)
{
    setObjectName(QStringLiteral("OknoObrazku"));
    setWindowTitle(QStringLiteral("Obrázek k otázce číslo %1").arg(cisloOtazky));
    setAttribute(Qt::WA_DeleteOnClose);

    QPixmap obrazek;
    int nasobek = 1;
    soubor_ = SouborProMeritko(soubor, 4.0, &nasobek);
    obrazek.load(soubor_);
    if (obrazek.isNull() && nasobek != 1) {
        soubor_ = soubor;
        nasobek = 1;
        obrazek.load(soubor_);
    }
    // Four times the plain picture's size, or less so that the window fits the screen.
    const QSize zaklad = obrazek.size() / nasobek;
    QSize velikost = zaklad * 4;
    if (const QScreen* obrazovka = rodic ? rodic->screen() : QGuiApplication::primaryScreen()) {
        const QSize misto = obrazovka->availableSize() * 9 / 10;
        velikost = velikost.boundedTo(misto);
    }
    velikost = zaklad.scaled(velikost, Qt::KeepAspectRatio);
    const qreal pomer = devicePixelRatioF();
    QPixmap zobrazeny =
        obrazek.scaled(velikost * pomer, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    zobrazeny.setDevicePixelRatio(pomer);

    imgZvetseny_ = new QLabel(this);
    imgZvetseny_->setObjectName(QStringLiteral("imgZvetseny"));
    imgZvetseny_->setPixmap(zobrazeny);
    imgZvetseny_->setAlignment(Qt::AlignCenter);
    imgZvetseny_->setAccessibleName(windowTitle());
    auto* rozlozeni = new QVBoxLayout(this);
    rozlozeni->setContentsMargins(0, 0, 0, 0);
    rozlozeni->addWidget(imgZvetseny_);
    setFixedSize(velikost);
}

void OknoObrazku::keyPressEvent(QKeyEvent* udalost)
{
    // Z, which opened the window, closes it again, as Escape does.
    if (udalost->key() == Qt::Key_Z && udalost->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QDialog::keyPressEvent(udalost);
}
