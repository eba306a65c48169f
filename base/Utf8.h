#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// The first `znaku` characters of a UTF-8 text, never splitting a multi-byte character.
std::string OriznoutZnaky(std::string_view text, std::size_t znaku);
