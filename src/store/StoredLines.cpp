#include "store/StoredLines.h"

#include "jvdata/FixedText.h"
#include "jvdata/RaceRecord.h"
#include "jvdata/RecordView.h"
#include "jvdata/TextCompare.h"
#include "store/TextLines.h"

#include <algorithm>

namespace zefa {
namespace {

constexpr std::string_view kLineEnd = "\r\n";
constexpr std::string_view kBlankedHeader = "000000000";
constexpr int kHeaderPosition = 3;

} // namespace

std::string storedLineOf(std::string_view record) {
    if (record.ends_with(kLineEnd)) record.remove_suffix(kLineEnd.size());
    return std::string(record);
}

std::string normalised(std::string_view line) { return overwriteAt(line, kBlankedHeader, kHeaderPosition); }

void sortStoredLines(std::vector<std::string>& lines) {
    std::stable_sort(lines.begin(), lines.end(), [](const std::string& a, const std::string& b) { return compareFolded(a, b) < 0; });
}

void keyedReplace(std::vector<std::string>& lines, std::string line, const UpdateRule& rule) {
    const std::string key(raceKeyText(line));
    const auto same = std::find_if(lines.begin(), lines.end(), [&](const std::string& stored) { return raceKeyText(stored) == key; });
    const bool added = same == lines.end();
    if (added)
        lines.push_back(std::move(line));
    else
        *same = std::move(line);
    if (rule.sort == UpdateRule::Sort::Always || added) sortStoredLines(lines);
    if (rule.dropBlankFirstLine && !lines.empty() && trimmed(lines.front()).empty()) lines.erase(lines.begin());
}

void updateStoredFile(const std::filesystem::path& file, std::string line, const UpdateRule& rule) {
    auto lines = loadLines(file);
    keyedReplace(lines, std::move(line), rule);
    saveLines(file, lines);
}

} // namespace zefa
