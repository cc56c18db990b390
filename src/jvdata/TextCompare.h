#pragma once

#include <string_view>

namespace zefa {

// Byte order of two texts with ASCII letters folded to lower case. In CP932 text the second
// byte of a double-byte character is never folded, so "ア" (83 41) never equals "ャ" (83 61).
int compareFolded(std::string_view a, std::string_view b);

inline bool equalsFolded(std::string_view a, std::string_view b) { return compareFolded(a, b) == 0; }

// True for the first byte of a CP932 double-byte character.
inline bool isCp932LeadByte(unsigned char byte) { return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC); }

} // namespace zefa
