#include "storage/Definice.h"

namespace {

DefinicePole Text(const char* nazev, int delka) { return {nazev, TypPole::Text, delka}; }
DefinicePole Typ(const char* nazev, TypPole typ) { return {nazev, typ, 0}; }
// Vysledky and Protokoly are filtered by profile; the index keeps that cheap on large tables.
DefinicePole Profil() { return {"Profil", TypPole::Text, 30, true}; }

}  // namespace

std::vector<DefinicePole> DefiniceProfily()
{
    return {
        Text("Viditelny", 1),
        Profil(),
        Text("Kategorie", 7),
        Text("Skupina", 2),
        Text("Protokoly", 3),
        Text("Konfigurace", 2),
        // Holds a crypto_pwhash_str string (up to 128 characters), never the password itself.
        Text("Heslo", 128),
    };
}

std::vector<DefinicePole> DefiniceVysledky()
{
    return {
        Text("TypTestu", 15),
        Profil(),
        Typ("Datum", TypPole::Datum),
        Typ("Cas", TypPole::Cas),
        Text("Skupina", 2),
        Text("Kategorie", 7),
        Typ("PocetOtazek", TypPole::Cele),
        Typ("Spatne", TypPole::Cele),
        Typ("SpatneCisla", TypPole::Memo),
        Typ("SNapovedou", TypPole::Cele),
        Typ("SNapovedouCisla", TypPole::Memo),
        Typ("Uspesnost", TypPole::Cele),
    };
}

std::vector<DefinicePole> DefiniceProtokoly()
{
    return {
        Profil(),
        Typ("DatumACas", TypPole::DatumACas),
        Text("Skupina", 2),
        Text("DelkaTestu", 5),
        Typ("Spravne", TypPole::Cele),
        Typ("PocetBodu", TypPole::Cele),
        Typ("MinPocetBodu", TypPole::Cele),
        Text("Verdikt", 8),
        Typ("Body", TypPole::Memo),
        Typ("Odpoved", TypPole::Memo),
        Typ("SpravnaOdpoved", TypPole::Memo),
        Typ("SkutCis", TypPole::Memo),
    };
}

// One record per profile and question number.
std::vector<DefinicePole> DefiniceStatistika()
{
    return {
        Text("Profil", 30),
        Typ("Cislo", TypPole::Cele),
        Typ("Polozeno", TypPole::Cele),
        Typ("Spravne", TypPole::Cele),
        Typ("Spatne", TypPole::Cele),
        Typ("Napoveda", TypPole::Cele),
        Typ("RadaSpravnych", TypPole::Cele),
        Typ("Posledni", TypPole::DatumACas),
        // Outcome of the last answer: "S" right, "C" wrong, "N" hint.
        Text("Naposledy", 1),
    };
}

std::vector<DefinicePole> DefiniceOtazky()
{
    return {
        Typ("Číslo", TypPole::Cele), Typ("OTÁZKA", TypPole::Memo),
        Typ("A", TypPole::Memo),     Typ("B", TypPole::Memo),
        Typ("C", TypPole::Memo),     Typ("D", TypPole::Memo),
        Text("SPRÁVNĚ", 4),          Text("Skupina", 4),
        Text("OBRÁZEK", 100),        Typ("POZNÁMKA", TypPole::Memo),
    };
}

std::vector<DefinicePole> DefiniceOblasti()
{
    return {
        Typ("Číslo", TypPole::Cele),
        Typ("Oblast", TypPole::Cele),
    };
}

std::vector<DefinicePole> DefiniceTesty()
{
    return {
        Profil(),
        Typ("Datum", TypPole::Datum),
        Typ("Cas", TypPole::Cas),
        Text("Skupina", 2),
        Typ("Delka", TypPole::Cele),
        Typ("Body", TypPole::Cele),
        Text("Splneno", 1),
        Typ("Cisla", TypPole::Memo),
        Text("Odpovedi", 25),
        Typ("Poradi", TypPole::Memo),
    };
}

std::vector<DefinicePole> DefinicePredvolby()
{
    return {
        Profil(),
        Text("Klic", 40),
        Typ("Hodnota", TypPole::Memo),
    };
}

// One record per answered situation of the junction drill.
std::vector<DefinicePole> DefiniceKrizovatky()
{
    return {
        Profil(),           Typ("DatumACas", TypPole::DatumACas),
        Text("Seed", 10),   Text("Otazka", 1),
        Text("Zvolena", 1), Text("Spravna", 1),
    };
}

// The questions a learner flagged to come back to: one record per profile and question number.
std::vector<DefinicePole> DefiniceOznacene()
{
    return {
        Profil(),
        Typ("Cislo", TypPole::Cele),
    };
}

std::vector<DefinicePole> DefiniceOdpovedi()
{
    return {
        Profil(),
        Typ("Cislo", TypPole::Cele),
        Typ("Kdy", TypPole::DatumACas),
        // "Procvicovani", "Zkouseni", "Oprava", "TestNaBody", "TestPlatny", "Opakovani".
        Text("Rezim", 12),
        // The bank letters marked, in alphabetical order; empty for none.
        Text("Zvolene", 4),
        // "S" right, "C" wrong, "N" hint.
        Text("Vysledek", 1),
        Typ("CasMs", TypPole::Cele),
    };
}

std::vector<DefinicePole> DefinicePametOtazek()
{
    return {
        Text("Profil", 30),
        Typ("Cislo", TypPole::Cele),
        // Decimal text that reads back as the same double.
        Text("Stabilita", 24),
        Text("Obtiznost", 24),
        Typ("Posledni", TypPole::DatumACas),
        Typ("Prvni", TypPole::DatumACas),
    };
}
