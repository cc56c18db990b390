#include "store/IniText.h"

#include "jvdata/Error.h"
#include "jvdata/TextCompare.h"
#include "store/TextLines.h"

namespace zefa {
namespace {

constexpr std::string_view kBlanks = " \t";

std::string_view trimmed(std::string_view text) {
    const size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

} // namespace

IniText::IniText(std::string_view text, Encoding encoding) : lines_(splitLines(text)), encoding_(encoding) {}

std::optional<std::string> IniText::sectionName(const std::string& line) const {
    const std::string_view text = trimmed(line);
    if (text.empty() || text.front() != '[') return std::nullopt;
    // In CP932 a "]" byte may be the second half of a double-byte character: step over those.
    for (size_t i = 1; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (byte == ']') return std::string(trimmed(text.substr(1, i - 1)));
        if (encoding_ == Encoding::Cp932 && isCp932LeadByte(byte)) ++i;
    }
    return std::nullopt;
}

std::optional<IniText::Entry> IniText::entry(const std::string& line) {
    const std::string_view text = trimmed(line);
    if (text.empty() || text.front() == ';') return std::nullopt;
    const size_t equals = text.find('=');
    if (equals == std::string_view::npos || equals == 0) return std::nullopt;
    return Entry{std::string(trimmed(text.substr(0, equals))), std::string(trimmed(text.substr(equals + 1)))};
}

std::optional<size_t> IniText::findSection(std::string_view section) const {
    for (size_t i = 0; i < lines_.size(); ++i) {
        const auto name = sectionName(lines_[i]);
        if (name && equalsFolded(*name, section)) return i;
    }
    return std::nullopt;
}

std::optional<std::string> IniText::value(std::string_view section, std::string_view key) const {
    const auto heading = findSection(section);
    if (!heading) return std::nullopt;
    for (size_t i = *heading + 1; i < lines_.size() && !sectionName(lines_[i]); ++i) {
        const auto found = entry(lines_[i]);
        if (found && equalsFolded(found->key, key)) return found->value;
    }
    return std::nullopt;
}

void IniText::setValue(std::string_view section, std::string_view key, std::string_view value) {
    if (value.find_first_of("\r\n") != std::string_view::npos)
        throw Error("設定値[" + std::string(key) + "]に改行は書けません。");
    std::string line = std::string(key) + "=" + std::string(value);
    const auto heading = findSection(section);
    if (!heading) {
        lines_.push_back("[" + std::string(section) + "]");
        lines_.push_back(std::move(line));
        return;
    }
    size_t insertAt = *heading + 1;
    for (size_t i = *heading + 1; i < lines_.size() && !sectionName(lines_[i]); ++i) {
        const auto found = entry(lines_[i]);
        if (found && equalsFolded(found->key, key)) {
            lines_[i] = std::move(line);
            return;
        }
        if (!trimmed(lines_[i]).empty()) insertAt = i + 1;
    }
    lines_.insert(lines_.begin() + std::ptrdiff_t(insertAt), std::move(line));
}

std::vector<std::string> IniText::sections() const {
    std::vector<std::string> names;
    for (const auto& line : lines_)
        if (auto name = sectionName(line)) names.push_back(std::move(*name));
    return names;
}

std::vector<std::string> IniText::keys(std::string_view section) const {
    std::vector<std::string> names;
    const auto heading = findSection(section);
    if (!heading) return names;
    for (size_t i = *heading + 1; i < lines_.size() && !sectionName(lines_[i]); ++i)
        if (auto found = entry(lines_[i])) names.push_back(std::move(found->key));
    return names;
}

std::string IniText::text() const { return joinLines(lines_); }

} // namespace zefa
