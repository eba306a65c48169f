#pragma once

#include <QLocale>
#include <QString>

class QLabel;

// The program's texts are Czech, so its dates and numbers are Czech whatever the system's locale.
inline QLocale CeskeProstredi() { return QLocale(QLocale::Czech, QLocale::Czechia); }

// Sets the label's text cut with "…" to `sirka` pixels; a cut text has the full one as its
// tooltip and accessible name.
void ZkracenyText(QLabel* popisek, const QString& text, int sirka);
