#pragma once

#include <QDialog>

class QLabel;

// A closer look at a question's picture (object name "OknoObrazku"), in a window of its own: the
// sharpest twin of the picture, as large as the screen allows up to four times its size.
class OknoObrazku : public QDialog {
    Q_OBJECT

public:
    // `soubor` is the picture as the question names it; its twins are looked for beside it.
    OknoObrazku(const QString& soubor, int cisloOtazky, QWidget* rodic);

    const QString& Soubor() const { return soubor_; }  // the file shown

protected:
    void keyPressEvent(QKeyEvent* udalost) override;

private:
    QString soubor_;
    QLabel* imgZvetseny_ = nullptr;
};
