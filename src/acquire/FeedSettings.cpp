#include "acquire/FeedSettings.h"

#include "acquire/FeedFolder.h"
#include "jvdata/Error.h"
#include "jvdata/TextCompare.h"
#include "store/IniText.h"
#include "store/TextLines.h"
#include "store/WholeFile.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <string_view>

namespace zefa {
namespace {

constexpr std::string_view kSettingsFileName = "feed.ini";
constexpr std::string_view kLinkSection = "JVLink";
constexpr std::string_view kFaultSection = "Faults";
constexpr std::string_view kVersionKey = "Version";
constexpr std::string_view kSavePathKey = "SavePath";
constexpr std::string_view kDefaultVersion = "0490";
constexpr size_t kVersionLength = 4;
constexpr char kCallMark = '#';
constexpr std::string_view kBlanks = " \t";

constexpr std::array<std::string_view, kFeedOperationCount> kOperationNames{
    "JVInit", "JVSetUIProperties", "JVOpen", "JVStatus", "JVRead", "JVRTOpen", "JVClose", "JVCourseFile",
};

std::string_view trimmed(std::string_view text) {
    const size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

std::optional<int> integerOf(std::string_view text) {
    int number = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    if (error != std::errc{} || end != text.data() + text.size()) return std::nullopt;
    return number;
}

// Reads one settings file; every complaint names the file.
class SettingsReader {
public:
    SettingsReader(std::filesystem::path file, std::string_view text)
        : file_(std::move(file)), lines_(splitLines(text)), ini_(text, IniText::Encoding::Utf8) {}

    FeedSettings read(const std::filesystem::path& feedFolder) const {
        checkLineShapes();
        checkNames(ini_.sections(), {kLinkSection, kFaultSection}, "見出し");
        checkNames(ini_.keys(kLinkSection), {kVersionKey, kSavePathKey}, "[" + std::string(kLinkSection) + "]のキー");
        checkNames(ini_.keys(kFaultSection), {}, "[" + std::string(kFaultSection) + "]のキー");

        FeedSettings settings{std::string(kDefaultVersion), feedFolder, {}};
        if (const auto version = ini_.value(kLinkSection, kVersionKey)) {
            if (version->size() != kVersionLength || !isDigits(*version))
                fail(entryText(kLinkSection, kVersionKey, *version) + "は4桁の数字ではありません。");
            settings.version = *version;
        }
        if (const auto savePath = ini_.value(kLinkSection, kSavePathKey); savePath && !savePath->empty())
            settings.savePath = feedFolder / *savePath;
        for (const auto& key : ini_.keys(kFaultSection)) settings.faults.push_back(fault(key));
        return settings;
    }

private:
    [[noreturn]] void fail(const std::string& what) const {
        throw Error("ファイル[" + displayPath(file_) + "]の" + what);
    }

    static std::string entryText(std::string_view section, std::string_view key, std::string_view value) {
        return "[" + std::string(section) + "] " + std::string(key) + "=" + std::string(value) + " ";
    }

    // Every line is blank, a ";" comment, a "[section]" heading or, under a heading, a "key=value" entry.
    void checkLineShapes() const {
        bool inSection = false;
        for (size_t i = 0; i < lines_.size(); ++i) {
            const std::string_view line = trimmed(lines_[i]);
            const bool heading = !line.empty() && line.front() == '[' && line.back() == ']';
            const bool entry = inSection && line.find('=') != std::string_view::npos && line.front() != '=';
            if (!(line.empty() || line.front() == ';' || heading || entry))
                fail(std::to_string(i + 1) + "行目「" + lines_[i] + "」は見出しの下の「キー=値」ではありません。");
            inSection = inSection || heading;
        }
    }

    // Each name is one of `known` (any name when `known` is empty) and occurs once.
    void checkNames(const std::vector<std::string>& names, std::vector<std::string_view> known,
                    const std::string& what) const {
        for (auto name = names.begin(); name != names.end(); ++name) {
            const auto same = [&](std::string_view other) { return equalsFolded(*name, other); };
            if (!known.empty() && std::none_of(known.begin(), known.end(), same))
                fail(what + "「" + *name + "」は使えません。");
            if (std::any_of(names.begin(), name, same)) fail(what + "「" + *name + "」が二度書かれています。");
        }
    }

    // "Operation=code" faults every call, "Operation#N=code" only the Nth.
    FeedFault fault(const std::string& key) const {
        const std::string value = *ini_.value(kFaultSection, key);
        const std::string where = entryText(kFaultSection, key, value);
        const size_t mark = key.find(kCallMark);
        const std::string_view name = trimmed(std::string_view(key).substr(0, mark));
        const auto operation = std::find_if(kOperationNames.begin(), kOperationNames.end(),
                                            [&](std::string_view known) { return equalsFolded(name, known); });
        if (operation == kOperationNames.end()) fail(where + "の操作名は使えません。");

        int call = kEveryCall;
        if (mark != std::string::npos) {
            const auto number = integerOf(trimmed(std::string_view(key).substr(mark + 1)));
            if (!number || *number < 1) fail(where + "の呼び出し回数は1以上の整数にしてください。");
            call = *number;
        }
        const auto code = integerOf(value);
        if (!code) fail(where + "の結果コードが整数ではありません。");
        return {FeedOperation(operation - kOperationNames.begin()), call, *code};
    }

    std::filesystem::path file_;
    std::vector<std::string> lines_;
    IniText ini_;
};

} // namespace

std::optional<int> FeedSettings::faultFor(FeedOperation operation, int call) const {
    std::optional<int> code;
    for (const auto& fault : faults) {
        if (fault.operation != operation) continue;
        if (fault.call == call) return fault.code;
        if (fault.call == kEveryCall) code = fault.code;
    }
    return code;
}

FeedSettings readFeedSettings(const std::filesystem::path& feedFolder) {
    const auto file = feedFolder / kSettingsFileName;
    const auto text = readFileIfExists(file);
    return SettingsReader(file, text.value_or("")).read(feedFolder);
}

} // namespace zefa
