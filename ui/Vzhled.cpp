#include "ui/Vzhled.h"

#include "storage/Predvolby.h"

#include <QApplication>
#include <QGroupBox>
#include <QMenuBar>
#include <QPalette>
#include <QStyle>
#include <QVariant>
#include <QWidget>

#include <array>
#include <optional>

namespace {

const char* const kVlastnostPlochy = "zkPlocha";
const char* const kVlastnostPisma = "zkPismo";
const char* const kVlastnostRamecku = "zkRamecek";
const std::string kKlicVzhledu = "Vzhled";
const std::array<std::string, 3> kNazvyVzhledu {"Klasicky", "Tmavy", "VysokyKontrast"};

struct Barvy {
    std::array<QColor, 3> plocha;  // by Plocha
    std::array<QColor, 3> textPlochy;  // by Plocha
    std::array<QColor, 7> pismo;  // by Pismo
};

// Klasicky: the program's own colours. The note after an answer is 7:1 on white.
const Barvy kKlasicky {{QColor(224, 223, 227), QColor(Qt::white), QColor(255, 255, 0)},
                       {QColor(Qt::black), QColor(Qt::black), QColor(Qt::black)},
                       {QColor(Qt::blue), QColor(171, 171, 171), QColor(0x59, 0x59, 0x59),
                        QColor(0, 128, 0), QColor(255, 0, 0), QColor(0, 0, 255),
                        QColor(128, 0, 0)}};
const Barvy kTmavy {{QColor(0x2b, 0x2b, 0x2e), QColor(0x1e, 0x1e, 0x1e), QColor(0x4a, 0x42, 0x00)},
                    {QColor(0xf0, 0xf0, 0xf0), QColor(0xf0, 0xf0, 0xf0), QColor(0xff, 0xff, 0xff)},
                    {QColor(0x9c, 0xc9, 0xff), QColor(0xb8, 0xb8, 0xb8), QColor(0xe6, 0xe6, 0xc8),
                     QColor(0x6f, 0xdc, 0x6f), QColor(0xff, 0x8a, 0x80), QColor(0x9c, 0xc9, 0xff),
                     QColor(0xff, 0xb4, 0xa8)}};
const Barvy kVysokyKontrast {{QColor(Qt::black), QColor(Qt::black), QColor(0xff, 0xff, 0x00)},
                             {QColor(Qt::white), QColor(Qt::white), QColor(Qt::black)},
                             {QColor(0xff, 0xff, 0x00), QColor(Qt::white), QColor(Qt::white),
                              QColor(0x00, 0xff, 0x00), QColor(0xff, 0x9a, 0x9a),
                              QColor(0x80, 0xd8, 0xff), QColor(0xff, 0x9a, 0x9a)}};

Vzhled vzhled_ = Vzhled::Klasicky;
std::optional<QPalette> paletaPlochy_;  // the desktop's palette, kept when the classic look is left

const Barvy& AktualniBarvy()
{
    switch (vzhled_) {
    case Vzhled::Tmavy:
        return kTmavy;
    case Vzhled::VysokyKontrast:
        return kVysokyKontrast;
    case Vzhled::Klasicky:
        break;
    }
    return kKlasicky;
}

// A whole palette for a dark look: `okno` behind texts `text`, entries and lists on `zaklad`.
QPalette TmavaPaleta(const QColor& okno, const QColor& text, const QColor& zaklad,
                     const QColor& tlacitko, const QColor& zvyrazneni, const QColor& textZvyrazneni,
                     const QColor& zakazany)
{
    QPalette p;
    for (QPalette::ColorGroup g : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        const QColor popredi = g == QPalette::Disabled ? zakazany : text;
        p.setColor(g, QPalette::Window, okno);
        p.setColor(g, QPalette::WindowText, popredi);
        p.setColor(g, QPalette::Base, zaklad);
        p.setColor(g, QPalette::AlternateBase, okno);
        p.setColor(g, QPalette::Text, popredi);
        p.setColor(g, QPalette::Button, tlacitko);
        p.setColor(g, QPalette::ButtonText, popredi);
        p.setColor(g, QPalette::BrightText, text);
        p.setColor(g, QPalette::ToolTipBase, zaklad);
        p.setColor(g, QPalette::ToolTipText, text);
        p.setColor(g, QPalette::PlaceholderText, zakazany);
        p.setColor(g, QPalette::Highlight, zvyrazneni);
        p.setColor(g, QPalette::HighlightedText, textZvyrazneni);
        p.setColor(g, QPalette::Link, QColor(0x9c, 0xc9, 0xff));
        p.setColor(g, QPalette::Light, tlacitko.lighter(150));
        p.setColor(g, QPalette::Midlight, tlacitko.lighter(120));
        p.setColor(g, QPalette::Mid, tlacitko.darker(120));
        p.setColor(g, QPalette::Dark, tlacitko.darker(150));
        p.setColor(g, QPalette::Shadow, Qt::black);
    }
    return p;
}

QPalette PaletaVzhledu(Vzhled vzhled)
{
    switch (vzhled) {
    case Vzhled::Tmavy:
        return TmavaPaleta(kTmavy.plocha[0], kTmavy.textPlochy[0], QColor(0x1e, 0x1e, 0x1e),
                           QColor(0x3c, 0x3c, 0x40), QColor(0x2f, 0x5f, 0x9e), Qt::white,
                           QColor(0xa8, 0xa8, 0xa8));
    case Vzhled::VysokyKontrast:
        return TmavaPaleta(Qt::black, Qt::white, Qt::black, Qt::black, QColor(0x00, 0x00, 0xc0),
                           Qt::white, QColor(0xc8, 0xc8, 0xc8));
    case Vzhled::Klasicky:
        break;
    }
    return *paletaPlochy_;
}

QColor Smes(const QColor& a, const QColor& b, double podilA)
{
    return QColor::fromRgbF(static_cast<float>(a.redF() * podilA + b.redF() * (1 - podilA)),
                            static_cast<float>(a.greenF() * podilA + b.greenF() * (1 - podilA)),
                            static_cast<float>(a.blueF() * podilA + b.blueF() * (1 - podilA)));
}

// In the classic look the application's palette is the desktop's.
bool SvetlaPlocha() { return QApplication::palette().color(QPalette::Window).lightness() >= 128; }

// Sets the role's colour; a text role also gets its disabled colour: on a light desktop the
// classic look keeps the desktop's own, otherwise a mix with the background that stays readable.
void Nastav(QWidget* w, QPalette::ColorRole role, const QColor& barva, const QColor& pozadi = {})
{
    QPalette paleta = w->palette();
    for (QPalette::ColorGroup g : {QPalette::Active, QPalette::Inactive})
        paleta.setColor(g, role, barva);
    const bool text =
        role == QPalette::WindowText || role == QPalette::Text || role == QPalette::ButtonText;
    if (!text)
        paleta.setColor(QPalette::Disabled, role, barva);
    else if (vzhled_ != Vzhled::Klasicky || !SvetlaPlocha())
        paleta.setColor(QPalette::Disabled, role, Smes(barva, pozadi, 0.7));
    else
        paleta.setColor(QPalette::Disabled, role,
                        QApplication::palette().color(QPalette::Disabled, role));
    w->setPalette(paleta);
}

void ObnovRamecek(QGroupBox* box)
{
    const QString pozadi = BarvaPlochy(Plocha::Panel).name();
    const QString text = BarvaTextuPlochy(Plocha::Panel).name();
    // Controls under a style sheet take no palette from the box, so the sheet gives them their
    // text colours: the surface's, or the one ObarviText gave them.
    QString styl = QStringLiteral("QGroupBox { background-color: %1; color: %2; border: 1px solid "
                                  "#a0a0a0; margin-top: 6px; }"
                                  "QGroupBox::title { subcontrol-origin: margin; "
                                  "subcontrol-position: top left; left: 6px;"
                                  " padding: 0 2px; background-color: %1; color: %2; }"
                                  "QGroupBox QWidget { color: %2; }")
                       .arg(pozadi, text);
    for (int p = 0; p <= static_cast<int>(Pismo::Upozorneni); ++p)
        styl += QStringLiteral("QGroupBox QWidget[%1=\"%2\"] { color: %3; }")
                    .arg(QLatin1String(kVlastnostPisma))
                    .arg(p)
                    .arg(BarvaPisma(static_cast<Pismo>(p)).name());
    box->setStyleSheet(styl);
}

void ObnovBarvy(QWidget* w)
{
    const QVariant plocha = w->property(kVlastnostPlochy);
    if (plocha.isValid()) {
        const auto p = static_cast<Plocha>(plocha.toInt());
        Nastav(w, QPalette::Window, BarvaPlochy(p));
        Nastav(w, QPalette::WindowText, BarvaTextuPlochy(p), BarvaPlochy(p));
        // A menu bar draws its items' captions in the button text colour on the surface.
        if (qobject_cast<QMenuBar*>(w))
            Nastav(w, QPalette::ButtonText, BarvaTextuPlochy(p), BarvaPlochy(p));
    }
    const QVariant pismo = w->property(kVlastnostPisma);
    if (pismo.isValid()) {
        Nastav(w, QPalette::WindowText, BarvaPisma(static_cast<Pismo>(pismo.toInt())),
               w->palette().color(QPalette::Window));
        // Inside a framed box the box's style sheet picks the colour by the property.
        for (QWidget* p = w->parentWidget(); p; p = p->parentWidget())
            if (p->property(kVlastnostRamecku).toBool()
                && w->testAttribute(Qt::WA_WState_Polished)) {
                w->style()->unpolish(w);
                w->style()->polish(w);
                break;
            }
    }
    if (w->property(kVlastnostRamecku).toBool())
        if (auto* box = qobject_cast<QGroupBox*>(w))
            ObnovRamecek(box);
}

}  // namespace

QFont PismoOkna(int pixelu, bool tucne)
{
    QFont pismo(QStringLiteral("Arial"));
    pismo.setPixelSize(pixelu);
    pismo.setBold(tucne);
    return pismo;
}

QColor BarvaPlochy(Plocha plocha)
{
    return AktualniBarvy().plocha[static_cast<std::size_t>(plocha)];
}

QColor BarvaTextuPlochy(Plocha plocha)
{
    return AktualniBarvy().textPlochy[static_cast<std::size_t>(plocha)];
}

QColor BarvaPisma(Pismo pismo) { return AktualniBarvy().pismo[static_cast<std::size_t>(pismo)]; }

void ObarviPozadi(QWidget* w, Plocha plocha)
{
    w->setProperty(kVlastnostPlochy, static_cast<int>(plocha));
    w->setAutoFillBackground(true);
    ObnovBarvy(w);
}

void ObarviText(QWidget* w, Pismo pismo)
{
    w->setProperty(kVlastnostPisma, static_cast<int>(pismo));
    ObnovBarvy(w);
}

void BilyRamecek(QGroupBox* box)
{
    box->setProperty(kVlastnostRamecku, true);
    ObarviPozadi(box, Plocha::Panel);
}

Vzhled AktualniVzhled() { return vzhled_; }

void PouzijVzhled(Vzhled vzhled)
{
    if (vzhled == vzhled_)
        return;
    // Leaving the classic look: its palette is the desktop's as it is now.
    if (vzhled_ == Vzhled::Klasicky)
        paletaPlochy_ = QApplication::palette();
    vzhled_ = vzhled;
    QApplication::setPalette(PaletaVzhledu(vzhled));
    for (QWidget* w : QApplication::allWidgets())
        ObnovBarvy(w);
}

Vzhled NactiVzhled(const std::filesystem::path& adresar, const std::string& profil)
{
    const std::string nazev = NactiPredvolbu(adresar, profil, kKlicVzhledu, kNazvyVzhledu[0]);
    for (std::size_t i = 0; i < kNazvyVzhledu.size(); ++i)
        if (nazev == kNazvyVzhledu[i])
            return static_cast<Vzhled>(i);
    return Vzhled::Klasicky;
}

void UlozVzhled(const std::filesystem::path& adresar, const std::string& profil, Vzhled vzhled)
{
    UlozPredvolbu(adresar, profil, kKlicVzhledu, kNazvyVzhledu[static_cast<std::size_t>(vzhled)]);
}
