#pragma once

#include <QDialog>

class QLabel;
class QPushButton;
class QScrollBar;

// The run-parameter dialog: asks the length of a practice or exam run and, in sequential order,
// the question to start with. It cannot be cancelled: however it closes, Pocet() and Start() are
// the run's parameters.
class TDotazPZ : public QDialog {
    Q_OBJECT

public:
    // `dostupnych` is the number of available questions (at least 1).
    TDotazPZ(int dostupnych, bool zkouska, bool nahodne, QWidget* rodic = nullptr);

    int Pocet() const;
    int Start() const;

    void reject() override;

protected:
    // Left and Right move a bar down and up, as Up and Down, PageUp and PageDown do.
    bool eventFilter(QObject* objekt, QEvent* udalost) override;

private:
    QLabel* lbNadpis = nullptr;
    QScrollBar* sbPocet = nullptr;
    QLabel* lbPocet = nullptr;
    QScrollBar* sbOtazka = nullptr;
    QLabel* lbOtazka = nullptr;
    QLabel* lbHvezda = nullptr;
    QLabel* stHvezda = nullptr;
    QPushButton* btnPotvrdit = nullptr;

    void sbPocetChange();
    void sbOtazkaChange();

    int dostupnych_;
    bool pripojeno_ = false;  // the bars follow each other only once they are set up
};
