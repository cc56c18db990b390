#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zefa {

// A venue's runner file of one day: a fixed grid of 12 races x 18 horse numbers, one SE line per
// slot, empty slots blank.
inline constexpr int kGridRaces = 12;
inline constexpr int kGridHorses = 18;
inline constexpr int kRunnerGridLines = kGridRaces * kGridHorses;

// The 0-based line of race r and horse number h, or nullopt outside 1..12 and 1..18
// (a runner not yet drawn, number 0, has no line).
std::optional<int> runnerGridLine(int race, int horse);

// A grid of blank lines.
std::vector<std::string> blankRunnerGrid();

// Puts a runner's SE line (race number at 26..27, horse number at 29..30) into its slot and saves
// the grid. A missing file is made first when `createWhenMissing`, else nothing is written.
// Returns false when nothing was written (no such file, or a runner without a slot).
bool writeRunner(const std::filesystem::path& file, std::string_view line, bool createWhenMissing);

} // namespace zefa
