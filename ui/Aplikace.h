#pragma once

#include <QApplication>

// The application object. Its one addition is the program's general error report: a table error
// (or any other exception) that escapes an event handler ends that operation and is shown in an
// error box with its own message, instead of ending the program.
class Aplikace : public QApplication {
public:
    Aplikace(int& argc, char** argv);
    bool notify(QObject* prijemce, QEvent* udalost) override;
};

// Loads Qt's own Czech translation so that standard buttons read "Ano", "Ne", "Storno".
void NactiCeskePreklady(QApplication& aplikace);
