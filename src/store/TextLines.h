#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace zefa {

// Text files of lines, as the program keeps them: CP932 bytes, every line ended by CR LF.

// Splits at CR LF, LF or a lone CR; a final line break does not start another line.
std::vector<std::string> splitLines(std::string_view text);

// Every line followed by CR LF.
std::string joinLines(const std::vector<std::string>& lines);

// An empty list when the file does not exist.
std::vector<std::string> loadLines(const std::filesystem::path& path);

void saveLines(const std::filesystem::path& path, const std::vector<std::string>& lines);

} // namespace zefa
