#include "questions/gui/PanelOtazek.h"

#include "questions/Banka.h"
#include "questions/Kategorie.h"
#include "questions/gui/OknoObrazku.h"
#include "questions/gui/PanelHledani.h"
#include "ui/Obrazky.h"
#include "ui/MereniTextu.h"
#include "ui/Vzhled.h"
#include "ui/Zpravy.h"

#include <QEvent>
#include <QWheelEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {

const QString kVyrazena =
    QStringLiteral("Otázka vyřazena v srpnu 2001 či po novele zákona 247/00 Sb. v lednu 2002");

constexpr int kSirkaOtazky = 617;
constexpr int kSirkaOdpovedi = 580;
constexpr int kSirkaPoznamky = 597;
constexpr int kHorniOtazky = 24;

QFont PismoPanelu() { return PismoOkna(16); }

}  // namespace

PanelOtazek::PanelOtazek(const Banka& banka, std::filesystem::path adresar, QWidget* rodic)
    : QFrame(rodic), banka_(banka), adresar_(std::move(adresar))
{
    setObjectName(QStringLiteral("pOtazky"));
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Sunken);
    setFont(PismoPanelu());
    ObarviPozadi(this, Plocha::Panel);

    lbCisloOtazky = new QLabel(this);
    lbCisloOtazky->setObjectName(QStringLiteral("lbCisloOtazky"));
    lbCisloOtazky->move(8, 5);

    stOtazka = new StatickyText(this);
    stOtazka->setObjectName(QStringLiteral("stOtazka"));
    stOtazka->move(8, kHorniOtazky);
    ObarviText(stOtazka, Pismo::Otazka);

    const char* pismena[] = {"A", "B", "C", "D"};
    const char* popisky[] = {"a)", "b)", "c)", "d)"};
    for (std::size_t i = 0; i < 4; ++i) {
        auto* znacka = new QLabel(this);
        znacka->setObjectName(QStringLiteral("img") + QLatin1String(pismena[i]));
        znacka->setGeometry(8, 0, 18, 18);
        znacka->hide();
        imgZnacky[i] = znacka;

        auto* pismeno = new QLabel(QLatin1String(popisky[i]), this);
        pismeno->setObjectName(QStringLiteral("lb") + QLatin1String(pismena[i]));
        pismeno->setGeometry(26, 0, 19, 18);
        lbPismena[i] = pismeno;

        auto* odpoved = new StatickyText(this);
        odpoved->setObjectName(QStringLiteral("st") + QLatin1String(pismena[i]));
        odpoved->move(45, 0);
        stOdpovedi[i] = odpoved;
    }

    stPoznamka = new StatickyText(this);
    stPoznamka->setObjectName(QStringLiteral("stPoznamka"));
    stPoznamka->move(25, 0);
    QFont kurziva = PismoPanelu();
    kurziva.setItalic(true);
    stPoznamka->setFont(kurziva);
    ObarviText(stPoznamka, Pismo::Poznamka);
    stPoznamka->hide();

    imgObrazek = new QLabel(this);
    imgObrazek->setObjectName(QStringLiteral("imgObrazek"));
    imgObrazek->move(530, 8);
    imgObrazek->hide();

    // Browse panel in the lower right corner.
    pProhlizeni = new QFrame(this);
    pProhlizeni->setObjectName(QStringLiteral("pProhlizeni"));
    pProhlizeni->setGeometry(489, 263, 137, 49);
    pProhlizeni->setFrameShape(QFrame::Panel);
    pProhlizeni->setFrameShadow(QFrame::Raised);
    ObarviPozadi(pProhlizeni, Plocha::Prohlizeni);
    const QFont male = PismoOkna();
    pProhlizeni->setFont(male);
    lbProhlizeni = new QLabel(QStringLiteral("Prohlížení na přání"), pProhlizeni);
    lbProhlizeni->setObjectName(QStringLiteral("lbProhlizeni"));
    QFont tucne = male;
    tucne.setBold(true);
    lbProhlizeni->setFont(tucne);
    // Centred by alignment: measuring a bold font here would load it before anyone needs it.
    lbProhlizeni->setGeometry(0, 4, 137, 14);
    lbProhlizeni->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    eCisloO = new QLineEdit(QStringLiteral("1"), pProhlizeni);
    eCisloO->setObjectName(QStringLiteral("eCisloO"));
    eCisloO->setGeometry(44, 22, 33, 21);
    eCisloO->installEventFilter(this);
    sb1 = new QWidget(pProhlizeni);
    sb1->setObjectName(QStringLiteral("sb1"));
    sb1->setGeometry(78, 22, 15, 21);
    auto* sipky = new QVBoxLayout(sb1);
    sipky->setContentsMargins(0, 0, 0, 0);
    sipky->setSpacing(0);
    sb1Nahoru = new QToolButton(sb1);
    sb1Nahoru->setObjectName(QStringLiteral("sb1Nahoru"));
    sb1Nahoru->setArrowType(Qt::UpArrow);
    sb1Dolu = new QToolButton(sb1);
    sb1Dolu->setObjectName(QStringLiteral("sb1Dolu"));
    sb1Dolu->setArrowType(Qt::DownArrow);
    for (QToolButton* b : {sb1Nahoru, sb1Dolu}) {
        b->setFixedSize(15, 10);
        b->setAutoRepeat(true);
        sipky->addWidget(b);
    }
    connect(sb1Nahoru, &QToolButton::clicked, this, &PanelOtazek::sb1UpClick);
    connect(sb1Dolu, &QToolButton::clicked, this, &PanelOtazek::sb1DownClick);
    // The flag mark of a flagged question, right of the arrows.
    lbOznacena = new QLabel(QStringLiteral("⚑"), pProhlizeni);
    lbOznacena->setObjectName(QStringLiteral("lbOznacena"));
    lbOznacena->setGeometry(100, 21, 30, 23);
    lbOznacena->setAlignment(Qt::AlignCenter);
    lbOznacena->setFont(PismoOkna(20));
    ObarviText(lbOznacena, Pismo::Spatne);
    lbOznacena->setToolTip(QStringLiteral("Označená otázka (Ctrl+M)"));
    lbOznacena->setAccessibleName(QStringLiteral("Označená otázka"));
    lbOznacena->hide();
    pProhlizeni->hide();

    lbOznaceni = new QLabel(QStringLiteral("⚑ označená"), this);
    lbOznaceni->setObjectName(QStringLiteral("lbOznaceni"));
    lbOznaceni->setFont(PismoOkna(13, true));
    ObarviText(lbOznaceni, Pismo::Spatne);
    lbOznaceni->setAccessibleName(QStringLiteral("Označená otázka"));
    lbOznaceni->hide();

    // Feedback panel: "Správně" or "Špatně" for 1.5 s after an answer.
    pSpravne = new QLabel(this);
    pSpravne->setObjectName(QStringLiteral("pSpravne"));
    pSpravne->setGeometry(264, 152, 105, 33);
    pSpravne->setAlignment(Qt::AlignCenter);
    pSpravne->setFrameShape(QFrame::Panel);
    pSpravne->setFrameShadow(QFrame::Raised);
    QFont tucnePanelu = PismoPanelu();
    tucnePanelu.setBold(true);
    pSpravne->setFont(tucnePanelu);
    ObarviPozadi(pSpravne, Plocha::Okno);
    pSpravne->hide();

    // Keys reach the panel when it has the focus; a click on it gives it the focus.
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(QStringLiteral("Otázka"));
    setAccessibleDescription(QStringLiteral(
        "Klávesy A až D nebo 1 až 4 označí odpověď, Enter nebo mezerník ji potvrdí a pokračuje"));
    imgObrazek->setAccessibleName(QStringLiteral("Obrázek k otázce"));
    imgObrazek->setAccessibleDescription(QStringLiteral("Kliknutí nebo klávesa Z obrázek zvětší"));
    imgObrazek->setToolTip(QStringLiteral("Kliknutím nebo klávesou Z obrázek zvětšíte"));
    imgObrazek->setCursor(Qt::PointingHandCursor);
    stPoznamka->setAccessibleName(QStringLiteral("Poznámka"));
    pProhlizeni->setAccessibleName(QStringLiteral("Prohlížení na přání"));
    eCisloO->setAccessibleName(QStringLiteral("Číslo otázky"));
    eCisloO->setAccessibleDescription(QStringLiteral(
        "Enter zobrazí otázku, šipky nahoru a dolů nebo kolečko myši posunou o jednu, "
        "Page Up a Page Down o deset"));
    sb1->setAccessibleName(QStringLiteral("Posun čísla otázky"));
    sb1Nahoru->setAccessibleName(QStringLiteral("Další otázka"));
    sb1Dolu->setAccessibleName(QStringLiteral("Předchozí otázka"));
    pSpravne->setAccessibleName(QStringLiteral("Výsledek odpovědi"));
    for (std::size_t i = 0; i < 4; ++i)
        obrazkyZnacek_[i] = QStringLiteral("yes.jpg");
    ObnovPristupnost();

    // The right button is passed on from the question's own controls only; the note and the two
    // small panels swallow it.
    for (QWidget* w : std::initializer_list<QWidget*> {lbCisloOtazky, stOtazka, imgObrazek,
                                                       stPoznamka, pProhlizeni, pSpravne})
        w->installEventFilter(this);
    for (std::size_t i = 0; i < 4; ++i)
        for (QWidget* w :
             std::initializer_list<QWidget*> {imgZnacky[i], lbPismena[i], stOdpovedi[i]})
            w->installEventFilter(this);
}

bool PanelOtazek::eventFilter(QObject* objekt, QEvent* udalost)
{
    if (objekt == eCisloO) {
        // Only Enter is special; the mouse and every other key work as in any entry.
        if (udalost->type() == QEvent::KeyPress) {
            const int klavesa = static_cast<QKeyEvent*>(udalost)->key();
            if (klavesa == Qt::Key_Return || klavesa == Qt::Key_Enter) {
                eCisloOKeyDown(klavesa);
                return true;
            }
            // The keys of the spin button and the ten-step pages.
            switch (klavesa) {
            case Qt::Key_Up:
                sb1UpClick();
                return true;
            case Qt::Key_Down:
                sb1DownClick();
                return true;
            case Qt::Key_PageUp:
                sb1Krok(10);
                return true;
            case Qt::Key_PageDown:
                sb1Krok(-10);
                return true;
            case Qt::Key_Z:
                ZvetsiObrazek();
                return true;
            default:
                break;
            }
        }
        if (udalost->type() == QEvent::Wheel) {
            // One notch (120 eighths of a degree) is one arrow; finer wheels add up to it, and a
            // turn the other way drops what was left over.
            const int delta = static_cast<QWheelEvent*>(udalost)->angleDelta().y();
            if ((delta > 0 && kolecko_ < 0) || (delta < 0 && kolecko_ > 0))
                kolecko_ = 0;
            kolecko_ += delta;
            while (kolecko_ >= 120) {
                kolecko_ -= 120;
                sb1UpClick();
            }
            while (kolecko_ <= -120) {
                kolecko_ += 120;
                sb1DownClick();
            }
            return true;
        }
        return QFrame::eventFilter(objekt, udalost);
    }
    if (udalost->type() != QEvent::MouseButtonPress
        && udalost->type() != QEvent::MouseButtonDblClick)
        return QFrame::eventFilter(objekt, udalost);
    const auto* mys = static_cast<QMouseEvent*>(udalost);
    if (objekt == stPoznamka || objekt == pProhlizeni || objekt == pSpravne)
        return true;
    if (mys->button() == Qt::RightButton) {
        if (udalost->type() == QEvent::MouseButtonPress)
            emit pravyKlik();
        return true;
    }
    if (mys->button() == Qt::LeftButton && udalost->type() == QEvent::MouseButtonPress) {
        if (objekt == imgObrazek) {
            ZvetsiObrazek();
            return true;
        }
        for (std::size_t i = 0; i < 4; ++i)
            if (objekt == lbPismena[i] || objekt == stOdpovedi[i]) {
                emit klikNaOdpoved(static_cast<int>(i));
                return true;
            }
    }
    return true;
}

void PanelOtazek::mousePressEvent(QMouseEvent* udalost)
{
    if (udalost->button() == Qt::RightButton)
        emit pravyKlik();
}

void PanelOtazek::keyPressEvent(QKeyEvent* udalost)
{
    const int klavesa = udalost->key();
    if (udalost->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) {
        QFrame::keyPressEvent(udalost);
        return;
    }
    if (klavesa == Qt::Key_Return || klavesa == Qt::Key_Enter || klavesa == Qt::Key_Space) {
        if (!udalost->isAutoRepeat())
            emit pravyKlik();
        return;
    }
    if (KlavesaOdpovedi(udalost))
        return;
    if (klavesa == Qt::Key_Z) {
        ZvetsiObrazek();
        return;
    }
    QFrame::keyPressEvent(udalost);
}

bool PanelOtazek::KlavesaOdpovedi(QKeyEvent* udalost)
{
    // The letters, the digits (also on the keypad) and, on a Czech keyboard, the characters the
    // digit keys give without Shift.
    static const QString pismena = QStringLiteral("abcd");
    static const QString cislice = QStringLiteral("1234");
    static const QString ceske = QStringLiteral("+ěšč");
    const QString text = udalost->text().toLower();
    int i = -1;
    if (text.size() == 1) {
        for (const QString* rada : {&pismena, &cislice, &ceske})
            if (rada->contains(text))
                i = static_cast<int>(rada->indexOf(text));
    }
    if (i < 0) {
        const int klavesa = udalost->key();
        if (klavesa >= Qt::Key_A && klavesa <= Qt::Key_D)
            i = klavesa - Qt::Key_A;
        else if (klavesa >= Qt::Key_1 && klavesa <= Qt::Key_4)
            i = klavesa - Qt::Key_1;
    }
    if (i < 0)
        return false;
    // Only an answer that stands on the panel can be clicked, so only it can be keyed.
    const std::size_t j = static_cast<std::size_t>(i);
    if (!udalost->isAutoRepeat() && stOdpovedi[j]->isVisibleTo(this)
        && lbPismena[j]->isVisibleTo(this))
        emit klikNaOdpoved(i);
    return true;
}

void PanelOtazek::ObnovPristupnost()
{
    const char* popisky[] = {"a)", "b)", "c)", "d)"};
    stOtazka->setAccessibleName(vyrazena_.isEmpty() ? QStringLiteral("Otázka: ") + stOtazka->text()
                                                    : vyrazena_);
    stPoznamka->setAccessibleDescription(stPoznamka->text());
    for (std::size_t i = 0; i < 4; ++i) {
        const QString pismeno = QLatin1String(popisky[i]);
        QString stav;
        if (!imgZnacky[i]->isVisibleTo(this))
            stav = QStringLiteral("nezvolená");
        else if (obrazkyZnacek_[i] == QLatin1String("no.jpg"))
            stav = QStringLiteral("špatně zvolená");
        else if (obrazkyZnacek_[i] == QLatin1String("mistake.jpg"))
            stav = QStringLiteral("vynechaná správná odpověď");
        else if (znackyUcastnika_)
            stav = QStringLiteral("zvolená");
        else
            stav = QStringLiteral("správná odpověď");
        stOdpovedi[i]->setAccessibleName(QStringLiteral("Odpověď ") + pismeno + QLatin1Char(' ')
                                         + stOdpovedi[i]->text());
        stOdpovedi[i]->setAccessibleDescription(stav);
        lbPismena[i]->setAccessibleName(QStringLiteral("Odpověď ") + pismeno);
        lbPismena[i]->setAccessibleDescription(stav);
        imgZnacky[i]->setAccessibleName(QStringLiteral("Značka odpovědi ") + pismeno);
        imgZnacky[i]->setAccessibleDescription(stav);
    }
}

void PanelOtazek::paintEvent(QPaintEvent* udalost)
{
    QFrame::paintEvent(udalost);
    if (vyrazena_.isEmpty())
        return;
    QPainter malir(this);
    malir.setPen(palette().color(QPalette::WindowText));
    malir.drawText(contentsRect(), Qt::AlignCenter, vyrazena_);
}

void PanelOtazek::ZobrazOtazku(int n)
{
    cislo_ = n;
    const Otazka* otazka = banka_.Najdi(n);
    if (!otazka) {
        ZobrazVyrazenou(false);
        return;
    }
    VyplnOtazku(*otazka);
}

void PanelOtazek::VyplnOtazku(const Otazka& otazka)
{
    if (!vyrazena_.isEmpty())
        ZobrazVyrazenou(true);
    lbCisloOtazky->setText(QStringLiteral("Otázka číslo %1").arg(cislo_));
    lbCisloOtazky->adjustSize();
    ObnovOznaceni();
    const std::array<const std::string*, 4> odpovedi {&otazka.a, &otazka.b, &otazka.c, &otazka.d};
    stOtazka->setText(QString::fromStdString(otazka.otazka));
    for (std::size_t i = 0; i < 4; ++i) {
        stOdpovedi[i]->setText(QString::fromStdString(*odpovedi[i]));
        // An answer the question does not have shows no letter either.
        lbPismena[i]->setVisible(!odpovedi[i]->empty());
    }
    stPoznamka->setText(QString::fromStdString(otazka.poznamka));
    // A new question shows its note only in browse mode, in the note's own colour.
    ObarviText(stPoznamka, Pismo::Poznamka);
    if (!VProhlizeni())
        stPoznamka->hide();

    UmistiText(stOtazka, otazka);
    for (StatickyText* odpoved : stOdpovedi)
        UmistiText(odpoved, otazka);
    UmistiText(stPoznamka, otazka);
    ZarovnejZnacky();
    if (VProhlizeni())
        ZobrazSpravne(otazka.spravne);
    ObnovPristupnost();
}

void PanelOtazek::UmistiText(StatickyText* text, const Otazka& otazka)
{
    int sirka = text == stOtazka ? kSirkaOtazky
        : text == stPoznamka     ? kSirkaPoznamky
                                 : kSirkaOdpovedi;
    const int n = cislo_;
    const int kategorie = KategorieCisla(n);
    if (kategorie >= 1 && kategorie <= 5) {
        imgObrazek->hide();
        obrazek_.clear();
    } else if (kategorie == 6 || kategorie == 7) {
        if (text == stOtazka) {
            QPixmap obrazek;
            obrazek_.clear();
            if (!otazka.obrazek.empty()) {
                obrazek_ = QString::fromStdString(CestaObrazku(adresar_, otazka.obrazek).string());
                obrazek = ObrazekProMeritko(obrazek_, devicePixelRatioF());
            }
            if (obrazek.isNull())
                obrazek_.clear();
            imgObrazek->setPixmap(obrazek);
            imgObrazek->resize(obrazek.deviceIndependentSize().toSize());
            imgObrazek->move(kategorie == 6 ? 530 : 326, 8);
            // A picture file that is missing or unreadable shows nothing and takes no width.
            imgObrazek->setVisible(!obrazek.isNull());
        }
        if (imgObrazek->isVisibleTo(this))
            sirka -= imgObrazek->width();
    }
    if (text == stPoznamka)
        sirka = kSirkaPoznamky;

    if (text == stOtazka) {
        text->move(text->x(), kHorniOtazky);
    } else if (text == stOdpovedi[0]) {
        text->move(text->x(), stOtazka->y() + stOtazka->height() + 10);
    } else if (text == stPoznamka) {
        // The note spans the full width, so it starts below a picture that reaches lower than
        // the answers; otherwise the picture would cover it.
        int horni = stOdpovedi[3]->y() + stOdpovedi[3]->height() + 10;
        if (imgObrazek->isVisibleTo(this))
            horni = std::max(horni, imgObrazek->y() + imgObrazek->height() + 10);
        text->move(text->x(), horni);
    } else {
        for (std::size_t i = 1; i < 4; ++i)
            if (text == stOdpovedi[i])
                text->move(text->x(), stOdpovedi[i - 1]->y() + stOdpovedi[i - 1]->height());
    }
    text->Rozloz(sirka);
}

void PanelOtazek::ZarovnejZnacky()
{
    for (std::size_t i = 0; i < 4; ++i) {
        imgZnacky[i]->move(8, stOdpovedi[i]->y());
        lbPismena[i]->move(26, stOdpovedi[i]->y());
    }
}

void PanelOtazek::ZobrazVyrazenou(bool normalni)
{
    lbCisloOtazky->setText(QStringLiteral("Otázka číslo %1").arg(cislo_));
    lbCisloOtazky->adjustSize();
    vyrazena_ = normalni ? QString() : kVyrazena;
    ObnovOznaceni();
    SkryjZnacky();
    stOtazka->setVisible(normalni);
    for (std::size_t i = 0; i < 4; ++i) {
        lbPismena[i]->setVisible(normalni);
        stOdpovedi[i]->setVisible(normalni);
    }
    stPoznamka->setText(QString());
    imgObrazek->hide();
    obrazek_.clear();
    ObnovPristupnost();
    update();
}

void PanelOtazek::ZobrazVysvetleni()
{
    if (stPoznamka->text().isEmpty())
        return;
    ObarviText(stPoznamka, Pismo::Vysvetleni);
    stPoznamka->show();
    ObnovPristupnost();
}

void PanelOtazek::SkryjVysvetleni()
{
    if (VProhlizeni())
        return;
    stPoznamka->hide();
    ObnovPristupnost();
}

void PanelOtazek::ZobrazSpravne(const std::string& pismena)
{
    znackyUcastnika_ = false;
    for (std::size_t i = 0; i < 4; ++i)
        imgZnacky[i]->setVisible(pismena.find(static_cast<char>('A' + i)) != std::string::npos);
    ObnovPristupnost();
}

void PanelOtazek::NactiZnacku(int i, const QString& soubor)
{
    const QPixmap obrazek = ObrazekProMeritko(
        QString::fromStdString((adresar_ / "grafika" / soubor.toStdString()).string()),
        devicePixelRatioF());
    for (std::size_t j = 0; j < 4; ++j)
        if (i < 0 || static_cast<std::size_t>(i) == j) {
            imgZnacky[j]->setPixmap(obrazek);
            obrazkyZnacek_[j] = soubor;
        }
}

void PanelOtazek::SkryjZnacky()
{
    for (QLabel* znacka : imgZnacky)
        znacka->hide();
    ObnovPristupnost();
}

bool PanelOtazek::VProhlizeni() const { return pProhlizeni->isVisibleTo(this); }

void PanelOtazek::ZobrazOznaceni(const std::array<bool, 4>& oznaceno)
{
    znackyUcastnika_ = true;
    for (std::size_t j = 0; j < 4; ++j)
        imgZnacky[j]->setVisible(oznaceno[j]);
    ObnovPristupnost();
}

void PanelOtazek::ZobrazVyhodnoceni(const std::array<Znacka, 4>& znacky)
{
    znackyUcastnika_ = false;
    for (std::size_t i = 0; i < 4; ++i) {
        switch (znacky[i]) {
        case Znacka::Ne:
            UkazZnacku(static_cast<int>(i), QStringLiteral("no.jpg"));
            break;
        case Znacka::Chyba:
            UkazZnacku(static_cast<int>(i), QStringLiteral("mistake.jpg"));
            break;
        case Znacka::Ano:
        case Znacka::Skryta:
            break;
        }
    }
    ObnovPristupnost();
}

bool PanelOtazek::JeCislo() const
{
    for (QChar znak : eCisloO->text())
        if (znak < QLatin1Char('0') || znak > QLatin1Char('9'))
            return false;
    return true;
}

bool PanelOtazek::CisloZadani(long long& cislo)
{
    const QString text = eCisloO->text();
    QString zprava;
    if (!JeCislo())
        zprava = QStringLiteral("\"%1\" není platná integer hodnota!").arg(text);
    else if (text.isEmpty())
        zprava = QStringLiteral("Zadejte číslo otázky od 1 do %1.").arg(kNejvyssiCislo);
    else {
        bool v_poradku = false;
        cislo = text.toInt(&v_poradku);
        if (!v_poradku)
            zprava =
                QStringLiteral("\"%1\" je příliš velké číslo. Zadejte číslo otázky od 1 do %2.")
                    .arg(text)
                    .arg(kNejvyssiCislo);
    }
    if (zprava.isEmpty())
        return true;
    Zpravy::Chyba(this, zprava);
    eCisloO->setFocus();
    return false;
}

void PanelOtazek::eCisloOKeyDown(int klavesa)
{
    if (klavesa != Qt::Key_Return && klavesa != Qt::Key_Enter)
        return;
    long long cislo = 0;
    if (!CisloZadani(cislo))
        return;
    if (cislo < 1) {
        cislo = 1;
        eCisloO->setText(QStringLiteral("1"));
    } else if (cislo > kNejvyssiCislo) {
        cislo = kNejvyssiCislo;
        eCisloO->setText(QString::number(kNejvyssiCislo));
    }
    emit vybranaOtazka(static_cast<int>(cislo));
}

void PanelOtazek::sb1UpClick()
{
    long long cislo = 0;
    if (!CisloZadani(cislo) || cislo >= kNejvyssiCislo)
        return;
    eCisloO->setText(QString::number(cislo + 1));
    emit vybranaOtazka(static_cast<int>(cislo + 1));
}

void PanelOtazek::sb1Krok(int krok)
{
    long long cislo = 0;
    if (!CisloZadani(cislo) || (krok > 0 && cislo >= kNejvyssiCislo) || (krok < 0 && cislo <= 1))
        return;
    const long long nove = std::clamp<long long>(cislo + krok, 1, kNejvyssiCislo);
    eCisloO->setText(QString::number(nove));
    emit vybranaOtazka(static_cast<int>(nove));
}

void PanelOtazek::sb1DownClick()
{
    long long cislo = 0;
    if (!CisloZadani(cislo) || cislo <= 1)
        return;
    eCisloO->setText(QString::number(cislo - 1));
    emit vybranaOtazka(static_cast<int>(cislo - 1));
}

// The search panel is made when browsing first needs it, in the place among the panel's controls
// (stacking and Tab order) it would have had from the start.
PanelHledani& PanelOtazek::Hledani()
{
    if (pHledani_)
        return *pHledani_;
    pHledani_ = new PanelHledani(banka_, this);
    pHledani_->setGeometry(4, 4, 480, 308);
    connect(pHledani_, &PanelHledani::zobrazit, this, [this](const QString& cislo) {
        eCisloO->setText(cislo);
        eCisloO->setFocus();
        eCisloOKeyDown(Qt::Key_Return);
    });
    connect(pHledani_, &PanelHledani::zavreno, this, [this] { eCisloO->setFocus(); });
    pHledani_->stackUnder(pSpravne);
    QWidget::setTabOrder(sb1Dolu, pHledani_);
    return *pHledani_;
}

void PanelOtazek::Hledat()
{
    if (VProhlizeni())
        Hledani().Otevri();
}

void PanelOtazek::ZavriHledani()
{
    if (pHledani_)
        pHledani_->hide();
}

void PanelOtazek::PripravHledani() { Hledani().Priprav(); }

void PanelOtazek::NastavOznacene(std::set<int> oznacene)
{
    oznacene_ = std::move(oznacene);
    ObnovOznaceni();
}

void PanelOtazek::ObnovOznaceni()
{
    const bool oznacena = oznacene_.count(cislo_) != 0;
    lbOznacena->setVisible(oznacena);
    lbOznaceni->move(lbCisloOtazky->x() + lbCisloOtazky->width() + 12, lbCisloOtazky->y());
    if (oznacena && !VProhlizeni())
        lbOznaceni->adjustSize();  // measured when first shown: its bold font loads only then
    lbOznaceni->setVisible(oznacena && !VProhlizeni());
}

bool PanelOtazek::Oznacena() const { return oznacene_.count(cislo_) != 0; }

void PanelOtazek::ZvetsiObrazek()
{
    if (obrazek_.isEmpty() || !imgObrazek->isVisibleTo(this))
        return;
    if (zvetseny_)
        zvetseny_->close();
    zvetseny_ = new OknoObrazku(obrazek_, cislo_, window());
    zvetseny_->show();
}

void PanelOtazek::UkazZnacku(int i, const QString& soubor)
{
    NactiZnacku(i, soubor);
    imgZnacky[static_cast<std::size_t>(i)]->show();
}

void PanelOtazek::ZobrazVerdikt(bool spravne)
{
    pSpravne->setText(spravne ? QStringLiteral("Správně") : QStringLiteral("Špatně"));
    ObarviText(pSpravne, spravne ? Pismo::Spravne : Pismo::Spatne);
    pSpravne->setAccessibleDescription(pSpravne->text());
    pSpravne->show();
    pSpravne->raise();
}

void PanelOtazek::SkryjVerdikt() { pSpravne->hide(); }

void PanelOtazek::NastavProhlizeni(bool zapnout)
{
    pProhlizeni->setVisible(zapnout);
    stPoznamka->setVisible(zapnout);
}

void PanelOtazek::ProhlizejOtazku(int n, bool zamerit)
{
    eCisloO->setText(QString::number(n));
    ZobrazOtazku(n);
    if (zamerit)
        eCisloO->setFocus();
}
