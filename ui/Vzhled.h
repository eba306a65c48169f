#pragma once

#include <QColor>
#include <QFont>

class QWidget;

// The colour of the main window, its status bar, the information strip and the feedback panel.
inline const QColor kBarvaOkna(224, 223, 227);

// The program's window font, Arial at a pixel size: 11 for the labels of the main window and the
// dialogs, larger for headings and the question panel.
QFont PismoOkna(int pixelu = 11, bool tucne = false);

// Fills the widget's background with `barva`.
void ObarviPozadi(QWidget* w, const QColor& barva = kBarvaOkna);
