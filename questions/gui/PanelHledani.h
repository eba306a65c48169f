#pragma once

#include <QFrame>

#include <future>
#include <memory>

class Banka;
class HledaniOtazek;
class QLabel;
class QLineEdit;
class QListWidget;

// The search of browse mode (object name "pHledani"), laid over the question panel: a field for
// words and the list of matching questions with number and text. Enter shows the chosen question,
// a number typed into the field is shown as the browse entry shows it, Escape closes the search.
class PanelHledani : public QFrame {
    Q_OBJECT

public:
    PanelHledani(const Banka& banka, QWidget* rodic);
    ~PanelHledani() override;

    // Starts building the index on a thread of its own, so that the first search need not wait
    // for it; a second call does nothing.
    void Priprav();
    // Shows the search with its last words selected (building the index first when no Priprav
    // did).
    void Otevri();

signals:
    // The learner chose a question: its number as text, to go the way of the browse entry.
    void zobrazit(const QString& cislo);
    void zavreno();

protected:
    bool eventFilter(QObject* objekt, QEvent* udalost) override;

private:
    // The line under the field: what was found, or what Enter does; read aloud as it changes.
    void Oznam(const QString& text);
    void Hledej();
    void Potvrd();
    void Zavri();

    const Banka& banka_;
    std::future<std::unique_ptr<HledaniOtazek>> priprava_;
    std::unique_ptr<HledaniOtazek> hledani_;
    QLineEdit* eHledani_ = nullptr;
    QLabel* lbNalezeno_ = nullptr;
    QListWidget* lwVysledky_ = nullptr;
};
