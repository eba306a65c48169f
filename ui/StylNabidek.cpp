#include "ui/StylNabidek.h"

#include <QStyleOptionMenuItem>

void StylNabidek::drawControl(ControlElement prvek, const QStyleOption* volba, QPainter* malir,
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
