#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace zefa {

// Files are read and written whole. Every failure is an Error that names the file.

// nullopt when the file does not exist; Error when it exists but cannot be read.
std::optional<std::string> readFileIfExists(const std::filesystem::path& path);

// Writes a temporary file beside `path`, flushes it to disk and renames it over `path`,
// so a crash or a full disk leaves either the old file or the new one, never a part.
void saveFileWhole(const std::filesystem::path& path, std::string_view bytes);

// The file name as the user should read it in a message.
std::string displayPath(const std::filesystem::path& path);

} // namespace zefa
