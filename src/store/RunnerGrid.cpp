#include "store/RunnerGrid.h"

#include "jvdata/RecordKind.h"
#include "jvdata/RecordView.h"
#include "jvdata/RaceRecord.h"
#include "store/TextLines.h"

namespace zefa {
namespace {

constexpr Field kHorseNumber{29, 2};

} // namespace

std::optional<int> runnerGridLine(int race, int horse) {
    if (race < 1 || race > kGridRaces || horse < 1 || horse > kGridHorses) return std::nullopt;
    return (race - 1) * kGridHorses + (horse - 1);
}

std::vector<std::string> blankRunnerGrid() {
    return std::vector<std::string>(kRunnerGridLines, std::string(size_t(storedLineLength(RecordKind::SE)), ' '));
}

bool writeRunner(const std::filesystem::path& file, std::string_view line, bool createWhenMissing) {
    const auto slot = runnerGridLine(int(fieldNumber(fieldOf(line, RaceRecordView::RaceNumber))), int(fieldNumber(fieldOf(line, kHorseNumber))));
    if (!slot) return false;
    const bool exists = std::filesystem::exists(file);
    if (!exists && !createWhenMissing) return false;
    auto lines = exists ? loadLines(file) : blankRunnerGrid();
    // A grid cut short by hand is made whole again rather than written shifted.
    if (lines.size() < size_t(kRunnerGridLines)) lines.resize(kRunnerGridLines, blankRunnerGrid().front());
    lines[size_t(*slot)] = std::string(line);
    saveLines(file, lines);
    return true;
}

} // namespace zefa
