#include "store/TextLines.h"

#include "store/WholeFile.h"

namespace zefa {

std::vector<std::string> splitLines(std::string_view text) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text.size()) {
        const size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) {
            lines.emplace_back(text.substr(start));
            break;
        }
        lines.emplace_back(text.substr(start, end - start));
        start = end + 1;
        if (text[end] == '\r' && start < text.size() && text[start] == '\n') ++start;
    }
    return lines;
}

std::string joinLines(const std::vector<std::string>& lines) {
    size_t size = 0;
    for (const auto& line : lines) size += line.size() + 2;
    std::string text;
    text.reserve(size);
    for (const auto& line : lines) {
        text += line;
        text += "\r\n";
    }
    return text;
}

std::vector<std::string> loadLines(const std::filesystem::path& path) {
    const auto bytes = readFileIfExists(path);
    return bytes ? splitLines(*bytes) : std::vector<std::string>{};
}

void saveLines(const std::filesystem::path& path, const std::vector<std::string>& lines) {
    saveFileWhole(path, joinLines(lines));
}

} // namespace zefa
