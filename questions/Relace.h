#pragma once

#include "base/Nastaveni.h"
#include "questions/Beh.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// The running mode of the main window.
enum class RezimBehu { Zadny, Prohlizeni, Procvicovani, Zkouseni };

// What differs between the modes, in one table.
struct PravidlaRezimu {
    std::string_view nazev;  // the name the program knows the mode by, "" for none
    bool napoveda = false;  // "Označ správnou odpověď" is offered
    bool vysvetleni =
        false;  // the note shows after an evaluated answer (when the learner wants it)
    int protokol = -1;  // its switch in Nastaveni::protokoly, -1: it stores nothing
    std::string_view typTestu;  // TypTestu of its result record
    std::string_view konecRezimu;  // the strip's line that tells how to end it
    std::string_view nadpisDotazu;  // heading of the run-parameter dialog
    std::string_view startDotazu;  // its start button
    std::string_view vyhodnoceni;  // heading of the evaluation window
    std::string_view prezkouset;  // the evaluation window's retry button
    std::string_view opravaNeulozena;  // an unsaved retry run's line in the evaluation window
};

inline constexpr std::array<PravidlaRezimu, 4> kPravidlaRezimu {{
    {},
    {.nazev = "Prohlizeni",
     .konecRezimu = "Pro ukončení režimu prohlížení stiskněte \"Konec režimu\""},
    {.nazev = "Procvicovani",
     .napoveda = true,
     .vysvetleni = true,
     .protokol = 0,
     .typTestu = "Procvičování",
     .konecRezimu = "Pro ukončení režimu procvičování stiskněte \"Konec režimu\"",
     .nadpisDotazu = "Procvičování otázek",
     .startDotazu = "Start Procvičování",
     .vyhodnoceni = "Vyhodnocení procvičování",
     .prezkouset = "Procvičit &špatné odpovědi",
     .opravaNeulozena = "Protokol z opravy procvičování nebyl vytvořen"},
    {.nazev = "Zkouseni",
     .protokol = 1,
     .typTestu = "Zkoušení",
     .konecRezimu = "Pro ukončení režimu zkoušení stiskněte \"Konec režimu\"",
     .nadpisDotazu = "Zkoušení otázek",
     .startDotazu = "Start Zkoušení",
     .vyhodnoceni = "Vyhodnocení zkoušení",
     .prezkouset = "Přezkoušet ze &špatných odpovědí",
     .opravaNeulozena = "Protokol z opravy zkoušení nebyl vytvořen"},
}};

constexpr const PravidlaRezimu& Pravidla(RezimBehu rezim)
{
    return kPravidlaRezimu[static_cast<std::size_t>(rezim)];
}

// The mode of a run: exam or practice.
constexpr RezimBehu RezimBehuZ(bool zkouska)
{
    return zkouska ? RezimBehu::Zkouseni : RezimBehu::Procvicovani;
}

// The mode of a name ("Prohlizeni", "Procvicovani", "Zkouseni"); Zadny for any other text.
RezimBehu RezimPodleNazvu(std::string_view nazev);

// The program-wide values: one instance, owned by the main window. Windows get the part they
// need; a change to the run that a dialog asks for goes through the functions below.
struct Relace {
    Nastaveni nastaveni;
    StavBehu beh;
    StavOpakovaniZaznamu opakovaniZaznamu;
    RezimBehu rezim = RezimBehu::Zadny;

    const PravidlaRezimu& PravidlaBehu() const { return Pravidla(rezim); }
};

// Retry of a stored record: the run question list becomes `cisla` (in their order), total and
// remaining := its length, the wrong and hint lists are emptied; the record-retry flag is set, the
// current licence group is saved and replaced by the record's, and the record's categories text
// is kept for its result. The caller then starts the record's mode.
void PripravOpakovaniZaznamu(Relace& relace, const std::vector<int>& cisla,
                             const std::string& skupina, const std::string& kategorie);
