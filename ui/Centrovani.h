#pragma once

class QWidget;

// Places `okno` centred over `otevirac` (or over the screen when there is none):
// left := opener's left + (opener's width - own width) / 2, halves toward zero; top likewise,
// both measured with the frames. A window not yet shown has no frame, so it is centred again
// when it is first shown, by the frame it then has.
void VycentrujNad(QWidget* okno, const QWidget* otevirac);
