#include "questions/gui/PanelHledani.h"

#include "questions/Banka.h"
#include "questions/HledaniOtazek.h"
#include "ui/Vzhled.h"
#include "ui/Zpravy.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QVBoxLayout>

PanelHledani::PanelHledani(const Banka& banka, QWidget* rodic) : QFrame(rodic), banka_(banka)
{
    setObjectName(QStringLiteral("pHledani"));
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Raised);
    setFont(PismoOkna(13));
    QPalette paleta = palette();
    paleta.setColor(QPalette::Window, Qt::white);
    paleta.setColor(QPalette::WindowText, Qt::black);
    paleta.setColor(QPalette::Base, Qt::white);
    paleta.setColor(QPalette::Text, Qt::black);
    setPalette(paleta);
    setAutoFillBackground(true);
    setAccessibleName(QStringLiteral("Hledání otázek"));

    auto* nadpis = new QLabel(QStringLiteral("Hledat v otázkách, odpovědích a poznámkách:"), this);
    nadpis->setObjectName(QStringLiteral("lbHledani"));
    eHledani_ = new QLineEdit(this);
    eHledani_->setObjectName(QStringLiteral("eHledani"));
    eHledani_->setPlaceholderText(QStringLiteral("slova nebo číslo otázky"));
    eHledani_->setAccessibleName(QStringLiteral("Hledaná slova"));
    eHledani_->setAccessibleDescription(QStringLiteral(
        "Velikost písmen a diakritika nerozhodují. Šipky vyberou otázku, Enter ji zobrazí, "
        "číslo otázky zobrazí otázku s tím číslem, Escape hledání zavře"));
    nadpis->setBuddy(eHledani_);
    lbNalezeno_ = new QLabel(this);
    lbNalezeno_->setObjectName(QStringLiteral("lbNalezeno"));
    lbNalezeno_->setAccessibleName(QStringLiteral("Výsledek hledání"));
    lwVysledky_ = new QListWidget(this);
    lwVysledky_->setObjectName(QStringLiteral("lwVysledky"));
    lwVysledky_->setAccessibleName(QStringLiteral("Nalezené otázky"));
    lwVysledky_->setUniformItemSizes(true);
    lwVysledky_->setTextElideMode(Qt::ElideRight);
    lwVysledky_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    lwVysledky_->setFocusPolicy(Qt::NoFocus);  // the keys stay in the field and move the choice

    auto* rozlozeni = new QVBoxLayout(this);
    rozlozeni->setContentsMargins(8, 6, 8, 8);
    rozlozeni->setSpacing(4);
    rozlozeni->addWidget(nadpis);
    rozlozeni->addWidget(eHledani_);
    rozlozeni->addWidget(lbNalezeno_);
    rozlozeni->addWidget(lwVysledky_, 1);

    eHledani_->installEventFilter(this);
    connect(eHledani_, &QLineEdit::textChanged, this, &PanelHledani::Hledej);
    connect(lwVysledky_, &QListWidget::itemActivated, this, &PanelHledani::Potvrd);
    connect(lwVysledky_, &QListWidget::itemClicked, this, &PanelHledani::Potvrd);
    hide();
}

PanelHledani::~PanelHledani()
{
    if (priprava_.valid())
        priprava_.wait();
}

void PanelHledani::Priprav()
{
    if (hledani_ || priprava_.valid())
        return;
    // The thread reads its own copy of the bank, which cannot go before it ends.
    priprava_ = std::async(std::launch::async,
                           [kopie = banka_] { return std::make_unique<HledaniOtazek>(kopie); });
}

void PanelHledani::Otevri()
{
    if (!hledani_) {
        Priprav();
        try {
            hledani_ = priprava_.get();
        } catch (const std::exception& chyba) {
            priprava_ = {};
            Zpravy::Chyba(parentWidget(), QString::fromStdString(chyba.what()));
            return;
        }
    }
    show();
    raise();
    eHledani_->setFocus();
    eHledani_->selectAll();
}

void PanelHledani::Hledej()
{
    const QString text = eHledani_->text().trimmed();
    lwVysledky_->clear();
    if (text.isEmpty()) {
        Oznam({});
        return;
    }
    bool cislo = false;
    text.toInt(&cislo);
    if (cislo) {
        Oznam(QStringLiteral("Enter zobrazí otázku číslo %1").arg(text));
        return;
    }
    std::vector<int> cisla;
    try {
        cisla = hledani_->Hledej(text.toStdString());
    } catch (const std::exception& chyba) {
        Oznam(QString::fromStdString(chyba.what()));
        return;
    }
    Oznam(QStringLiteral("Nalezeno otázek: %1").arg(cisla.size()));
    for (int n : cisla) {
        const Otazka* o = banka_.Najdi(n);
        QString radek = QString::fromStdString(o->otazka).simplified();
        auto* polozka =
            new QListWidgetItem(QStringLiteral("%1  %2").arg(n, 3).arg(radek), lwVysledky_);
        polozka->setData(Qt::UserRole, n);
        polozka->setToolTip(radek);
    }
    lwVysledky_->setCurrentRow(cisla.empty() ? -1 : 0);
}

void PanelHledani::Potvrd()
{
    const QString text = eHledani_->text().trimmed();
    bool cislo = false;
    text.toLongLong(&cislo);
    QString vybrane;
    if (cislo || (!text.isEmpty() && text.front().isDigit()))
        vybrane = text;  // the browse entry reports what is wrong with it
    else if (const QListWidgetItem* polozka = lwVysledky_->currentItem())
        vybrane = QString::number(polozka->data(Qt::UserRole).toInt());
    if (vybrane.isEmpty())
        return;
    hide();
    emit zobrazit(vybrane);
}

void PanelHledani::Zavri()
{
    hide();
    emit zavreno();
}

bool PanelHledani::eventFilter(QObject* objekt, QEvent* udalost)
{
    if (objekt == eHledani_ && udalost->type() == QEvent::KeyPress) {
        auto* klavesa = static_cast<QKeyEvent*>(udalost);
        switch (klavesa->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            Potvrd();
            return true;
        case Qt::Key_Escape:
            Zavri();
            return true;
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
            QApplication::sendEvent(lwVysledky_, udalost);
            return true;
        default:
            break;
        }
    }
    return QFrame::eventFilter(objekt, udalost);
}

void PanelHledani::Oznam(const QString& text)
{
    lbNalezeno_->setText(text);
    lbNalezeno_->setAccessibleDescription(text);
}
