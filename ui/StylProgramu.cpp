#include "ui/StylProgramu.h"

#include "ui/VestavenyObrazek.h"

#include <QApplication>
#include <QGroupBox>
#include <QIconEngine>
#include <QLatin1StringView>
#include <QPaintEngine>
#include <QPainter>
#include <QPixmap>
#include <QPointer>
#include <QStyleOptionMenuItem>

#include <algorithm>
#include <functional>
#include <optional>
#include <utility>

// Fusion's group box frame (:/qt-project.org/styles/commonstyle/images/fusion_groupbox.png of the
// Qt Widgets the program is built against), built in.
extern const VestavenyObrazek kRamecekSkupinyFusion;

void StylProgramu::drawControl(ControlElement prvek, const QStyleOption* volba, QPainter* malir,
                               const QWidget* widget) const
{
    if (prvek == CE_MenuItem) {
        if (const auto* polozka = qstyleoption_cast<const QStyleOptionMenuItem*>(volba); polozka
            && polozka->checkType != QStyleOptionMenuItem::NotCheckable && !polozka->checked) {
            QStyleOptionMenuItem bezZnacky = *polozka;
            bezZnacky.checkType = QStyleOptionMenuItem::NotCheckable;
            QProxyStyle::drawControl(prvek, &bezZnacky, malir, widget);
            return;
        }
    }
    QProxyStyle::drawControl(prvek, volba, malir, widget);
}

namespace {

// Fusion's group box frame: a picture of a rounded box whose 6-pixel border is kept and whose
// edges and middle are stretched, drawn from 3 pixels below the title (or the check box) down, or
// from 3 pixels below the top of a box that has neither.
constexpr int kOkrajRamecku = 6;
constexpr int kMezeraPodTitulkem = 3;

// The raster paint engine splits a translucent fill of 96 spans (row pieces) or more across Qt's
// thread pool, and the pool's first use starts two threads: at start-up, for the frame of the
// profile manager's list alone, that was about 5 % of the time to the first painted window. A strip
// below that size is drawn by the painting thread; each row of a strip gives a span for each
// clip rectangle it crosses.
constexpr int kNejviceUseku = 95;

// How many rows (in the painter's coordinates) a strip of `cast` may have.
int RadkuPasu(const QPainter& malir, const QRect& cast)
{
    const QTransform& naZarizeni = malir.deviceTransform();
    // The part as the device sees it, cut by the paint event's region and the painter's clip.
    QRegion klip(naZarizeni.mapRect(cast));
    if (const QPaintEngine* stroj = malir.paintEngine(); stroj && !stroj->systemClip().isEmpty())
        klip &= stroj->systemClip();
    if (malir.hasClipping())
        klip &= naZarizeni.map(malir.clipRegion());
    const int obdelniku = std::max<int>(1, klip.rectCount());
    const double radekNaZarizeni = std::max(1.0, naZarizeni.m22());
    return std::max(1, static_cast<int>(kNejviceUseku / obdelniku / radekNaZarizeni));
}

// Draws `zdroj` of the picture stretched over `cil`, in strips when `cil` is tall.
void NatahniVPasech(QPainter& malir, const QRect& cil, const QPixmap& obrazek, const QRect& zdroj)
{
    if (cil.isEmpty())
        return;
    const int radku = RadkuPasu(malir, cil);
    for (int y = cil.top(); y <= cil.bottom(); y += radku) {
        const int vyska = std::min(radku, cil.bottom() + 1 - y);
        // The stretched parts of the picture are alike along the stretch, so each strip takes
        // the whole source part.
        malir.drawPixmap(QRect(cil.left(), y, cil.width(), vyska), obrazek, zdroj);
    }
}

}  // namespace

void StylProgramu::drawPrimitive(PrimitiveElement prvek, const QStyleOption* volba, QPainter* malir,
                                 const QWidget* widget) const
{
    if (prvek != PE_FrameGroupBox
        || baseStyle()->name().compare(QLatin1StringView("fusion"), Qt::CaseInsensitive) != 0) {
        QProxyStyle::drawPrimitive(prvek, volba, malir, widget);
        return;
    }
    // Reading the picture would load every image format plugin Qt has (about 1 ms, 5 % of the
    // start-up): the profile manager's frame would be the first picture the program reads.
    const QPixmap obrazek = Pixmapa(kRamecekSkupinyFusion);
    const auto* box = qobject_cast<const QGroupBox*>(widget);
    const int odshora = box && !box->isCheckable() && box->title().isEmpty()
        ? kMezeraPodTitulkem
        : std::max(pixelMetric(PM_ExclusiveIndicatorHeight, volba, widget),
                   volba->fontMetrics.height())
            + kMezeraPodTitulkem;
    const QRect r = volba->rect.adjusted(0, odshora, 0, 0);
    const int k = kOkrajRamecku;
    const int sw = obrazek.width() - 2 * k;
    const int sh = obrazek.height() - 2 * k;
    const int w = r.width() - 2 * k;
    const int h = r.height() - 2 * k;
    // Corners as they are, top and bottom edges stretched across: short enough as they are.
    malir->drawPixmap(QRect(r.left(), r.top(), k, k), obrazek, QRect(0, 0, k, k));
    malir->drawPixmap(QRect(r.left() + k, r.top(), w, k), obrazek, QRect(k, 0, sw, k));
    malir->drawPixmap(QRect(r.right() + 1 - k, r.top(), k, k), obrazek, QRect(k + sw, 0, k, k));
    malir->drawPixmap(QRect(r.left(), r.bottom() + 1 - k, k, k), obrazek, QRect(0, k + sh, k, k));
    malir->drawPixmap(QRect(r.left() + k, r.bottom() + 1 - k, w, k), obrazek,
                      QRect(k, k + sh, sw, k));
    malir->drawPixmap(QRect(r.right() + 1 - k, r.bottom() + 1 - k, k, k), obrazek,
                      QRect(k + sw, k + sh, k, k));
    // The sides and the middle, stretched down: in strips.
    NatahniVPasech(*malir, QRect(r.left(), r.top() + k, k, h), obrazek, QRect(0, k, k, sh));
    NatahniVPasech(*malir, QRect(r.left() + k, r.top() + k, w, h), obrazek, QRect(k, k, sw, sh));
    NatahniVPasech(*malir, QRect(r.right() + 1 - k, r.top() + k, k, h), obrazek,
                   QRect(k + sw, k, k, sh));
}

namespace {

// An icon made when it is first drawn, measured or asked about. Reading an icon's picture loads
// every image format plugin Qt has (about 1 ms), and a menu bar asks the style for the icon of its
// extension button when it is made, though the button shows only on a menu bar too narrow for
// its titles.
class OdlozenaIkona : public QIconEngine {
public:
    explicit OdlozenaIkona(std::function<QIcon()> vytvor) : vytvor_(std::move(vytvor)) { }

    void paint(QPainter* malir, const QRect& kam, QIcon::Mode rezim, QIcon::State stav) override
    {
        Ikona().paint(malir, kam, Qt::AlignCenter, rezim, stav);
    }
    QSize actualSize(const QSize& velikost, QIcon::Mode rezim, QIcon::State stav) override
    {
        return Ikona().actualSize(velikost, rezim, stav);
    }
    QPixmap pixmap(const QSize& velikost, QIcon::Mode rezim, QIcon::State stav) override
    {
        return Ikona().pixmap(velikost, rezim, stav);
    }
    // `velikost` is in device pixels already.
    QPixmap scaledPixmap(const QSize& velikost, QIcon::Mode rezim, QIcon::State stav,
                         qreal meritko) override
    {
        return Ikona().pixmap(velikost / meritko, meritko, rezim, stav);
    }
    QList<QSize> availableSizes(QIcon::Mode rezim, QIcon::State stav) override
    {
        return Ikona().availableSizes(rezim, stav);
    }
    QString iconName() override { return Ikona().name(); }
    bool isNull() override { return Ikona().isNull(); }
    QString key() const override { return QStringLiteral("OdlozenaIkona"); }
    QIconEngine* clone() const override { return new OdlozenaIkona(*this); }

private:
    const QIcon& Ikona()
    {
        if (!ikona_)
            ikona_ = vytvor_();
        return *ikona_;
    }

    std::function<QIcon()> vytvor_;
    std::optional<QIcon> ikona_;
};

}  // namespace

QIcon StylProgramu::standardIcon(StandardPixmap ikona, const QStyleOption* volba,
                                 const QWidget* widget) const
{
    if (ikona != SP_ToolBarHorizontalExtensionButton && ikona != SP_ToolBarVerticalExtensionButton)
        return QProxyStyle::standardIcon(ikona, volba, widget);
    // The option lives no longer than this call; the extension buttons' icons need none. An icon
    // that outlives this style takes the application's style of then.
    return QIcon(new OdlozenaIkona([styl = QPointer<const StylProgramu>(this), ikona,
                                    widget = QPointer<const QWidget>(widget)] {
        return styl ? styl->QProxyStyle::standardIcon(ikona, nullptr, widget.data())
                    : QApplication::style()->standardIcon(ikona, nullptr, widget.data());
    }));
}
