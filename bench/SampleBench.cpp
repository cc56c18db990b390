// Times the default sample: eight race days with past runs and masters, and the same with a feed.
#include "sample/SampleData.h"

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <unistd.h>

namespace {

double secondsToMake(const zefa::SampleOptions& options) {
    const auto start = std::chrono::steady_clock::now();
    const zefa::SampleSummary made = zefa::makeSample(options);
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("  %zu days, %d races, %d runners, %d past-run files\n", made.days.size(), made.races, made.runners,
                made.horseFiles);
    return seconds;
}

} // namespace

int main() {
    std::string pattern = (std::filesystem::temp_directory_path() / "zefa-sample-bench-XXXXXX").string();
    const std::filesystem::path root = ::mkdtemp(pattern.data());
    std::printf("sample generation (%s build of the core)\n", ZEFA_BUILD_TYPE);
    const double plain = secondsToMake({root / "home", 1, 8, {2026, 12, 6}, std::nullopt});
    std::printf("  default sample: %.2f s\n", plain);
    const double withFeed = secondsToMake({root / "home-feed", 1, 8, {2026, 12, 6}, root / "feed"});
    std::printf("  with --feed:    %.2f s\n", withFeed);
    std::filesystem::remove_all(root);
}
