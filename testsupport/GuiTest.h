#pragma once

#include <QMessageBox>
#include <QString>
#include <QWidget>

#include <functional>
#include <memory>
#include <ostream>

// Support for window tests: the executable's main() (GuiTestMain.cpp) makes an offscreen
// QApplication with the Czech Qt translation, and a safety timer fails any test that leaves a
// modal window unanswered for 20 s (the window is closed so that the run goes on).

// What an answer saw of the modal window it answered.
struct ZachycenyDialog {
    bool probehlo = false;
    QString titulek;
    QString text;
    QMessageBox::Icon ikona = QMessageBox::NoIcon;
    QMessageBox::StandardButtons tlacitka;
    QString objectName;
    QString trida;
};

// Waits (from the event loop) for the next modal widget that is not `krome`, records it and
// calls `akce` with it. Schedule it before the call that opens the window.
std::shared_ptr<ZachycenyDialog> OdpovedzModalnimu(std::function<void(QWidget*)> akce,
                                                   QWidget* krome = nullptr);

// Answers the next message box by pressing one of its standard buttons.
std::shared_ptr<ZachycenyDialog> StiskniVeZprave(QMessageBox::StandardButton tlacitko,
                                                 QWidget* krome = nullptr);

// Answers the profile manager that opens next: picks the profile `jmeno` in its list and
// presses OK, signing the learner in; `predtim` first sees the manager as it came up.
std::shared_ptr<ZachycenyDialog> PrihlasVManazeru(const QString& jmeno,
                                                  std::function<void(QWidget*)> predtim = {});

// GoogleTest prints a QString that fails an assertion as its text.
inline void PrintTo(const QString& text, std::ostream* proud)
{
    *proud << '"' << text.toStdString() << '"';
}

// Runs the event loop until `podminka` holds or `ms` pass; returns whether it held.
bool CekejNa(const std::function<bool()>& podminka, int ms = 5000);

// A fresh temporary directory, removed when the object goes.
class DocasnyAdresar {
public:
    DocasnyAdresar();
    ~DocasnyAdresar();
    const QString& Cesta() const { return cesta_; }
    std::string CestaStd() const { return cesta_.toStdString(); }

private:
    QString cesta_;
};
