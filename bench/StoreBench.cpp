// Keyed replaces on a full day's race file (three venues, 36 races): in memory, and through the
// file as the writers do it (load, replace, sort, save whole).
#include "jvdata/RecordKind.h"
#include "store/StoredLines.h"
#include "store/TextLines.h"

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

std::string raceLine(int venue, int race) {
    std::string line(size_t(zefa::storedLineLength(zefa::RecordKind::RA)), ' ');
    char key[17];
    std::snprintf(key, sizeof key, "20240106%02d0101%02d", venue, race);
    line.replace(0, 2, "RA");
    line.replace(11, 16, key);
    return zefa::normalised(line);
}

std::vector<std::string> day() {
    std::vector<std::string> lines;
    for (int venue : {5, 6, 8})
        for (int race = 1; race <= 12; ++race) lines.push_back(raceLine(venue, race));
    return lines;
}

double seconds(Clock::duration d) { return std::chrono::duration<double>(d).count(); }

} // namespace

int main() {
    const auto lines = day();

    std::vector<std::string> memory = lines;
    const int inMemory = 20000;
    auto start = Clock::now();
    for (int i = 0; i < inMemory; ++i) zefa::keyedReplace(memory, lines[size_t(i % 36)], zefa::kRaceFileRule);
    const double memorySeconds = seconds(Clock::now() - start);

    const auto folder = std::filesystem::temp_directory_path() / "zefa-store-bench";
    std::filesystem::create_directories(folder);
    const auto file = folder / "2024年01月06日.jvRA";
    zefa::saveLines(file, lines);
    const int throughFile = 300;
    start = Clock::now();
    for (int i = 0; i < throughFile; ++i) zefa::updateStoredFile(file, lines[size_t(i % 36)], zefa::kRaceFileRule);
    const double fileSeconds = seconds(Clock::now() - start);
    std::filesystem::remove_all(folder);

    std::printf("keyed replace in memory, 36-race day: %10.0f replaces/s\n", inMemory / memorySeconds);
    std::printf("keyed replace through the day file:    %10.0f replaces/s (load, replace, sort, save with fsync)\n",
                throughFile / fileSeconds);
    return 0;
}
