#include "acquire/ErrorLog.h"

#include "jvdata/Cp932.h"
#include "jvdata/Error.h"
#include "store/TextLines.h"
#include "store/WholeFile.h"

namespace zefa {
namespace {

constexpr size_t kKeptLines = 100;
constexpr std::string_view kStartLinePattern = "ソフト起動：yyyy/mm/dd hh:nn:ss";
constexpr std::string_view kErrorLinePattern = "【エラー】hh:nn:ss：";

std::string logLine(const std::filesystem::path& log, std::string_view utf8) {
    try {
        return toCp932(utf8);
    } catch (const Error& e) {
        throw Error("ファイル[" + displayPath(log) + "]に書けません。" + e.what());
    }
}

} // namespace

std::vector<std::string> startErrorLog(const std::filesystem::path& log, const DateTime& now,
                                       std::string_view programFolder) {
    auto lines = loadLines(log);
    if (lines.size() > kKeptLines) lines.erase(lines.begin(), lines.end() - kKeptLines);
    lines.push_back(logLine(log, formatDateTime(now, kStartLinePattern)));
    lines.push_back(logLine(log, programFolder));
    saveLines(log, lines);
    return lines;
}

void appendErrorLine(const std::filesystem::path& log, const DateTime& now, std::string_view statusText) {
    auto lines = loadLines(log);
    lines.push_back(logLine(log, formatDateTime(now, kErrorLinePattern) + std::string(statusText)));
    saveLines(log, lines);
}

} // namespace zefa
