#pragma once

#include <string>
#include <string_view>

namespace zefa {

// Records, stored lines and the program's files are Windows code page 932 byte strings;
// these two functions are the only place where text changes encoding.

// Throws Error naming the byte offset when the bytes are not CP932.
std::string toUtf8(std::string_view cp932);

// Throws Error naming the character when CP932 cannot write it.
std::string toCp932(std::string_view utf8);

} // namespace zefa
