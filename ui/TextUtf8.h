#pragma once

#include <QString>

#include <string_view>

// A UTF-8 text of the core libraries as shown on screen.
inline QString TextUtf8(std::string_view utf8)
{
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}
