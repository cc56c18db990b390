#include "app/SettingsFile.h"

#include "jvdata/Clock.h"
#include "jvdata/Cp932.h"
#include "jvdata/Error.h"
#include "store/IniText.h"
#include "store/WholeFile.h"

#include <cassert>
#include <charconv>

namespace zefa {
namespace {

constexpr char kQuote = '"';
constexpr char kOpeningBracket = '\xA2'; // "｢" in CP932
constexpr char kClosingBracket = '\xA3'; // "｣" in CP932

} // namespace

std::optional<int> parseSettingInt(std::string_view text) {
    const size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return std::nullopt;
    text = text.substr(first, text.find_last_not_of(" \t") - first + 1);
    if (text.front() == '+') text.remove_prefix(1);
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size()) return std::nullopt;
    return value;
}

std::string unquotedSetting(std::string_view value) {
    const auto between = [&](char opening, char closing) {
        return value.size() >= 2 && value.front() == opening && value.back() == closing;
    };
    if (between(kQuote, kQuote) || between(kOpeningBracket, kClosingBracket)) return std::string(value.substr(1, value.size() - 2));
    return std::string(value);
}

SettingsFile::SettingsFile(std::filesystem::path file, std::filesystem::path programFolder, const Clock& clock)
    : file_(std::move(file)), programFolder_(std::move(programFolder)), clock_(clock) {}

std::string SettingsFile::keyOf(const SettingRow& row, int number) {
    assert((row.numbered == 0) == (number == 0) && number <= row.numbered);
    return number == 0 ? std::string(row.key) : std::string(row.key) + std::to_string(number);
}

std::string SettingsFile::defaultText(const SettingRow& row) const {
    switch (row.source) {
    case DefaultSource::Text: return std::string(row.defaultText);
    case DefaultSource::ProgramFolder: return programFolder_.string();
    case DefaultSource::PredictedOddsFolder: return (programFolder_ / "ylzh").string();
    case DefaultSource::MonthAYearAgo: return formatDateTime(addDays(clock_.now(), -365), "yyyymm");
    }
    return {};
}

IniText SettingsFile::load() const {
    const auto bytes = readFileIfExists(file_);
    return IniText(bytes ? *bytes : std::string());
}

int SettingsFile::readInt(Setting setting, int number) const {
    const SettingRow& row = settingRow(setting);
    assert(row.type != SettingType::String);
    const auto stored = load().value(row.section, keyOf(row, number));
    if (stored)
        if (const auto value = parseSettingInt(*stored)) return *value;
    return parseSettingInt(defaultText(row)).value_or(0);
}

bool SettingsFile::readBool(Setting setting, int number) const { return readInt(setting, number) != 0; }

std::string SettingsFile::readString(Setting setting, int number) const {
    auto stored = storedString(setting, number);
    return stored ? std::move(*stored) : defaultText(settingRow(setting));
}

std::optional<std::string> SettingsFile::storedString(Setting setting, int number) const {
    const SettingRow& row = settingRow(setting);
    assert(row.type == SettingType::String);
    const std::string key = keyOf(row, number);
    const auto stored = load().value(row.section, key);
    if (!stored) return std::nullopt;
    try {
        return toUtf8(unquotedSetting(*stored));
    } catch (const Error& e) {
        throw Error("設定ファイル[" + displayPath(file_) + "]の[" + std::string(row.section) + "] " + key + "が読めません：" + e.what());
    }
}

void SettingsFile::write(Setting setting, int number, std::string_view cp932Value) {
    const SettingRow& row = settingRow(setting);
    IniText ini = load();
    ini.setValue(row.section, keyOf(row, number), cp932Value);
    saveFileWhole(file_, ini.text());
}

void SettingsFile::writeInt(Setting setting, int value, int number) { write(setting, number, std::to_string(value)); }

void SettingsFile::writeBool(Setting setting, bool value, int number) { write(setting, number, value ? "1" : "0"); }

void SettingsFile::writeString(Setting setting, std::string_view value, int number) { write(setting, number, toCp932(value)); }

} // namespace zefa
