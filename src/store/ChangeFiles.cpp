#include "store/ChangeFiles.h"

#include "jvdata/FixedText.h"
#include "jvdata/RaceRecord.h"
#include "store/StoredLines.h"
#include "store/TextLines.h"

namespace zefa {
namespace {

constexpr Field kPostTime{874, 4};
constexpr size_t kStateFileLines = 5;
constexpr size_t kAppliedTimeLine = 3; // 0-based

} // namespace

void storeChangeLine(const std::filesystem::path& tcFile, std::string_view line) {
    updateStoredFile(tcFile, std::string(line), kChangeFileRule);
}

std::optional<std::string> appliedChangeTime(const std::filesystem::path& newFile) {
    const auto lines = loadLines(newFile);
    if (lines.size() != kStateFileLines) return std::nullopt;
    return lines[kAppliedTimeLine];
}

std::vector<int> rewritePostTime(std::vector<std::string>& raLines, std::string_view venueCode,
                                 std::string_view raceNumber, std::string_view postTime) {
    std::vector<int> changed;
    for (size_t slot = 0; slot < raLines.size(); ++slot) {
        std::string& line = raLines[slot];
        if (fieldOf(line, RaceRecordView::VenueCode) != venueCode || fieldOf(line, RaceRecordView::RaceNumber) != raceNumber) continue;
        if (line.size() < size_t(kPostTime.position - 1 + kPostTime.length)) continue;
        line = overwriteAt(line, postTime.substr(0, size_t(kPostTime.length)), kPostTime.position);
        changed.push_back(int(slot));
    }
    return changed;
}

} // namespace zefa
