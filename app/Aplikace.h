#pragma once

#include <QApplication>
#include <QColor>
#include <QFont>

// The application object. Its one addition is the program's general error report: a table error
// (or any other exception) that escapes an event handler ends that operation and is shown in an
// error box with its own message, instead of ending the program.
class Aplikace : public QApplication {
public:
    Aplikace(int& argc, char** argv);
    bool notify(QObject* prijemce, QEvent* udalost) override;
};

// The colour of the main window, its status bar, the information strip and the feedback panel.
inline const QColor kBarvaOkna(224, 223, 227);

// The program's window font: the labels of the main window and the dialogs use it.
QFont PismoOkna();

// Loads Qt's own Czech translation so that standard buttons read "Ano", "Ne", "Storno".
void NactiCeskePreklady(QApplication& aplikace);
