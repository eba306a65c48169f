#pragma once

#include <QPushButton>

class QLabel;

// A large answer target of the modern windows (today's exam, the junction drill): the letter of
// its place (A, B, C) and the wrapped answer text, as tall as the text needs. Object names
// "btnOdpovedX" and "lbOdpovedX" with X the letter.
class TlacitkoOdpovedi : public QPushButton {
public:
    struct Rozmery {
        int pismo;  // pixel size of the answer text; the letter is 2 px larger and bold
        int okraj;  // inner margin left and right; top and bottom 2 px less
        int mezera;  // between the letter and the text
    };

    TlacitkoOdpovedi(int misto, Rozmery rozmery, QWidget* rodic);

    void NastavText(const QString& text);
    QString Text() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int w) const override;

private:
    QLabel* text_;
};
