#pragma once

#include <QProxyStyle>

// The program's style: as the platform's, except that a menu item that can carry a check mark
// shows nothing while it is unchecked (no empty box or circle), as the program's menus always
// looked.
class StylNabidek : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;

    void drawControl(ControlElement prvek, const QStyleOption* volba, QPainter* malir,
                     const QWidget* widget = nullptr) const override;
};
