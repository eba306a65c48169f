#pragma once

class QWidget;

// Places `okno` centred over `otevirac` (or over the screen when there is none):
// left := opener's left + (opener's width - own width) / 2, halves toward zero; top likewise.
void VycentrujNad(QWidget* okno, const QWidget* otevirac);
