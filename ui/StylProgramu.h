#pragma once

#include <QProxyStyle>

// The program's style: as the platform's, except that
// - a menu item that can carry a check mark shows nothing while it is unchecked (no empty box or
//   circle), as the program's menus always looked;
// - under Fusion, a group box frame is drawn as Fusion draws it, to the pixel, but in strips too
//   small for the paint engine to hand to its thread pool (see the source), from pixels built into
//   the program;
// - the icons of the menu bars' and tool bars' extension buttons are read when first used, not
//   when the bar is made.
class StylProgramu : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;

    void drawControl(ControlElement prvek, const QStyleOption* volba, QPainter* malir,
                     const QWidget* widget = nullptr) const override;
    void drawPrimitive(PrimitiveElement prvek, const QStyleOption* volba, QPainter* malir,
                       const QWidget* widget = nullptr) const override;
    QIcon standardIcon(StandardPixmap ikona, const QStyleOption* volba = nullptr,
                       const QWidget* widget = nullptr) const override;
};
