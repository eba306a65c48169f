#pragma once

#include <optional>
#include <string>

// A filter text of the cursor, taken apart: "Pole = 'hodnota'" (inner quotes doubled) or
// "Pole = hodnota". The value is compared as a bound parameter, never pasted into SQL.
struct FiltrTextu {
    std::string pole;
    std::string hodnota;
};

// Empty when the text has neither form.
std::optional<FiltrTextu> RozeberFiltr(const std::string& text);
