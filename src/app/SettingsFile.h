#pragma once

#include "app/SettingsTable.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace zefa {

class Clock;
class IniText;

// The program's settings file: a Windows-style ini file of CP932 text with CR LF lines.
// Every read and write opens the file again, so a change made anywhere applies at once.
// Strings are UTF-8 on this side; a missing key, or a number that is not a number, reads as
// the default of the master table.
class SettingsFile {
public:
    SettingsFile(std::filesystem::path file, std::filesystem::path programFolder, const Clock& clock);

    int readInt(Setting setting, int number = 0) const;
    bool readBool(Setting setting, int number = 0) const;
    std::string readString(Setting setting, int number = 0) const;
    // The string as stored, without falling back on the default.
    std::optional<std::string> storedString(Setting setting, int number = 0) const;

    void writeInt(Setting setting, int value, int number = 0);
    void writeBool(Setting setting, bool value, int number = 0);
    void writeString(Setting setting, std::string_view value, int number = 0);

    const std::filesystem::path& file() const { return file_; }

    // The default of a setting as text (some depend on the program folder or today).
    std::string defaultText(const SettingRow& row) const;

private:
    // `number` picks one of a numbered family of keys, such as Keshi1 … Keshi5.
    static std::string keyOf(const SettingRow& row, int number);
    IniText load() const;
    void write(Setting setting, int number, std::string_view cp932Value);

    std::filesystem::path file_;
    std::filesystem::path programFolder_;
    const Clock& clock_;
};

// Decimal text with an optional sign, surrounded by blanks at most; nullopt for anything else.
std::optional<int> parseSettingInt(std::string_view text);

// A string setting as read: "" and "｢｣" read as empty; a longer value between double quotes,
// or between the half-width brackets, loses its first and last character. CP932 bytes.
std::string unquotedSetting(std::string_view cp932);

} // namespace zefa
