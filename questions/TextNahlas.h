#pragma once

#include <string>

struct Otazka;

// What "Přečíst nahlas" reads of a question: "Otázka", its text, then "Odpověď a" and the answer
// for each answer it has, one sentence a line. The note is not read: it would give the answer away.
std::string TextNahlas(const Otazka& otazka);
