#include "questions/gui/TDotazPZ.h"

#include "questions/Relace.h"
#include "ui/TextUtf8.h"
#include "ui/Vzhled.h"

#include <QFont>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>

#include <algorithm>

namespace {

QLabel* Popisek(QWidget* rodic, const char* jmeno, const QString& text, int x, int y)
{
    auto* l = new QLabel(text, rodic);
    l->setObjectName(QLatin1String(jmeno));
    l->move(x, y);
    l->adjustSize();
    return l;
}

QScrollBar* Posuvnik(QWidget* rodic, const char* jmeno, int y)
{
    auto* sb = new QScrollBar(Qt::Horizontal, rodic);
    sb->setObjectName(QLatin1String(jmeno));
    sb->setGeometry(8, y, 153, 17);
    sb->setSingleStep(1);
    sb->setPageStep(10);
    // Reachable with Tab; the arrow keys move it by one, PageUp and PageDown by ten.
    sb->setFocusPolicy(Qt::StrongFocus);
    return sb;
}

}  // namespace

TDotazPZ::TDotazPZ(int dostupnych, bool zkouska, bool nahodne, QWidget* rodic)
    : QDialog(rodic, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      dostupnych_(std::max(dostupnych, 1))
{
    setObjectName(QStringLiteral("TDotazPZ"));
    setWindowTitle(QStringLiteral("Dotaz programu Zebrovka 2003 (2004)"));
    setFixedSize(294, 160);

    lbNadpis = new QLabel(TextUtf8(Pravidla(RezimBehuZ(zkouska)).nadpisDotazu), this);
    lbNadpis->setObjectName(QStringLiteral("lbNadpis"));
    lbNadpis->setFont(PismoOkna(16, true));
    ObarviText(lbNadpis, Pismo::Zvyraznene);
    lbNadpis->setAlignment(Qt::AlignCenter);
    lbNadpis->setGeometry(0, 10, 294, 22);

    sbPocet = Posuvnik(this, "sbPocet", 46);
    lbPocet = Popisek(this, "lbPocet", QStringLiteral("Počet otázek: 20"), 168, 48);
    sbOtazka = Posuvnik(this, "sbOtazka", 74);
    lbOtazka = Popisek(this, "lbOtazka", QStringLiteral("Začít otázkou: 1*"), 168, 76);

    lbHvezda = Popisek(this, "lbHvezda", QStringLiteral("*"), 8, 100);
    stHvezda = new QLabel(
        QStringLiteral("Myslí se relativně vzhledem k možnosti výběru okruhu otázek"), this);
    stHvezda->setObjectName(QStringLiteral("stHvezda"));
    stHvezda->setWordWrap(true);
    stHvezda->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    stHvezda->setGeometry(18, 100, 268, 28);

    btnPotvrdit = new QPushButton(TextUtf8(Pravidla(RezimBehuZ(zkouska)).startDotazu), this);
    btnPotvrdit->setObjectName(QStringLiteral("btnPotvrdit"));
    QFont tucne = btnPotvrdit->font();
    tucne.setBold(true);
    btnPotvrdit->setFont(tucne);
    btnPotvrdit->setDefault(true);
    btnPotvrdit->setGeometry(77, 130, 140, 25);
    connect(btnPotvrdit, &QPushButton::clicked, this, &QDialog::accept);

    setTabOrder(sbPocet, sbOtazka);
    setTabOrder(sbOtazka, btnPotvrdit);
    sbPocet->setAccessibleName(QStringLiteral("Počet otázek"));
    sbOtazka->setAccessibleName(QStringLiteral("Začít otázkou"));
    sbOtazka->setAccessibleDescription(stHvezda->text());
    lbHvezda->setAccessibleName(QStringLiteral("Poznámka k začátku"));
    sbPocet->setFocus();
    sbPocet->installEventFilter(this);
    sbOtazka->installEventFilter(this);

    if (nahodne) {
        sbOtazka->setEnabled(false);
        lbOtazka->setEnabled(false);
        lbHvezda->setEnabled(false);
        stHvezda->setEnabled(false);
    }

    connect(sbPocet, &QScrollBar::valueChanged, this, &TDotazPZ::sbPocetChange);
    connect(sbOtazka, &QScrollBar::valueChanged, this, &TDotazPZ::sbOtazkaChange);
    sbPocet->setRange(1, dostupnych_);
    sbOtazka->setRange(1, dostupnych_);
    sbPocet->setValue(std::min(dostupnych_, 20));
    sbOtazka->setValue(1);
    sbPocetChange();
    sbOtazkaChange();
    pripojeno_ = true;
}

bool TDotazPZ::eventFilter(QObject* objekt, QEvent* udalost)
{
    // A scroll bar's own keys are mirrored for Left and Right (it takes them as a view's bar);
    // Down, PageDown and End already move towards the maximum, as they do on every bar.
    auto* sb = qobject_cast<QScrollBar*>(objekt);
    if (sb && udalost->type() == QEvent::KeyPress) {
        const int klavesa = static_cast<QKeyEvent*>(udalost)->key();
        if (klavesa == Qt::Key_Left || klavesa == Qt::Key_Right) {
            sb->triggerAction(klavesa == Qt::Key_Right ? QAbstractSlider::SliderSingleStepAdd
                                                       : QAbstractSlider::SliderSingleStepSub);
            return true;
        }
    }
    return QDialog::eventFilter(objekt, udalost);
}

int TDotazPZ::Pocet() const { return sbPocet->value(); }

int TDotazPZ::Start() const { return sbOtazka->value(); }

// A run always starts once the dialog is open, so every way of closing it confirms.
void TDotazPZ::reject() { accept(); }

void TDotazPZ::sbPocetChange()
{
    lbPocet->setText(QStringLiteral("Počet otázek: %1").arg(sbPocet->value()));
    lbPocet->adjustSize();
    if (!pripojeno_)
        return;
    const int delka = sbPocet->value();
    if (dostupnych_ - delka < sbOtazka->value())
        sbOtazka->setValue(dostupnych_ - delka + 1);
}

void TDotazPZ::sbOtazkaChange()
{
    lbOtazka->setText(QStringLiteral("Začít otázkou: %1*").arg(sbOtazka->value()));
    lbOtazka->adjustSize();
    if (!pripojeno_)
        return;
    const int start = sbOtazka->value();
    if (dostupnych_ - start < sbPocet->value())
        sbPocet->setValue(dostupnych_ - start + 1);
}
