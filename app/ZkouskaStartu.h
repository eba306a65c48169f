#pragma once

// A check of the installed program, not for learners: when the environment variable
// ZEBROVKA_ZKOUSKA_STARTU is set, every modal window the program opens is reported on standard
// output ("okno: <object name>", then "polozka: <text>" for each entry of its lists and
// "text: <text>" for a message box) and answered: a message box by its Yes or OK button, any
// other window as its Escape key would close it. The profile manager closed that way asks
// whether to end the program, the Yes ends it with status 0.
void HlidatModalniOkna();
