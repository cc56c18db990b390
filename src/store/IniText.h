#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zefa {

// The text of a Windows-style ini file: "[section]" lines, each followed by "key=value" lines.
// Section and key names match without regard to ASCII letter case; names and values are
// trimmed of blanks and tabs; ";" starts a comment line; other lines are kept and ignored.
// Changing a value keeps every other line as it was.
class IniText {
public:
    enum class Encoding { Cp932, Utf8 };

    explicit IniText(std::string_view text = {}, Encoding encoding = Encoding::Cp932);

    // The value as written (trimmed); nullopt when the key is missing.
    std::optional<std::string> value(std::string_view section, std::string_view key) const;

    // Replaces the key's line, or adds it at the end of its section, or adds the section at the end.
    // A value must not hold a line break.
    void setValue(std::string_view section, std::string_view key, std::string_view value);

    // The section names in file order.
    std::vector<std::string> sections() const;

    // The keys of the first section of that name, in file order.
    std::vector<std::string> keys(std::string_view section) const;

    // Lines ended by CR LF.
    std::string text() const;

private:
    struct Entry {
        std::string key;
        std::string value;
    };
    std::optional<std::string> sectionName(const std::string& line) const;
    static std::optional<Entry> entry(const std::string& line);
    // Index of the section's heading line, or nullopt.
    std::optional<size_t> findSection(std::string_view section) const;

    std::vector<std::string> lines_;
    Encoding encoding_;
};

} // namespace zefa
