#pragma once

#include <string>
#include <string_view>

namespace zefa {

// The ideographic space as the sources write it (UTF-8); in CP932 it is the two bytes 81 40.
inline constexpr std::string_view kFullWidthBlank = "　";

// The CP932 text with every full-width blank removed; other characters, blanks included, stay.
std::string stripFullWidthSpaces(std::string_view text);

// At most the first `bytes` bytes of a CP932 text, never ending inside a double-byte character.
std::string_view cp932Prefix(std::string_view text, size_t bytes);

} // namespace zefa
