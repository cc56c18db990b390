// Times the day load of a full sample day (three venues, 36 races) against reading the same
// day files and the runners' past-run files with plain reads.
#include "acquire/FeedJvLink.h"
#include "app/DayLoad.h"
#include "app/Registry.h"
#include "app/UserPort.h"
#include "app/Session.h"
#include "jvdata/Clock.h"
#include "jvdata/DateTime.h"
#include "jvdata/SeRecord.h"
#include "sample/SampleData.h"
#include "store/DayBaseName.h"
#include "store/DayFileSet.h"
#include "store/PastRuns.h"
#include "store/WholeFile.h"

#include <chrono>
#include <cstdio>
#include <set>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

// A user who sees nothing: the load's own work is timed, not the recording of its messages.
class UnseenUser : public zefa::UserPort {
public:
    void information(std::string_view) override {}
    bool confirm(std::string_view) override { return true; }
    void beep() override {}
    void setStatus(std::string_view) override {}
    void showProgress(const zefa::ProgressState&) override {}
    void closeProgress() override {}
    void processEvents() override {}
    void setClipboard(std::string_view) override {}
    bool openFile(const std::filesystem::path&) override { return false; }
    std::optional<std::filesystem::path> chooseFolder(std::string_view, const std::filesystem::path&) override {
        return std::nullopt;
    }
    bool startProgram(const std::filesystem::path&, const std::string&, const std::filesystem::path&) override {
        return false;
    }
};
double seconds(Clock::duration d) { return std::chrono::duration<double>(d).count(); }

} // namespace

int main() {
    std::string pattern = (std::filesystem::temp_directory_path() / "zefa-load-bench-XXXXXX").string();
    const std::filesystem::path root = ::mkdtemp(pattern.data());
    const zefa::SampleSummary made = zefa::makeSample({root, 1, 8, {2026, 12, 6}, std::nullopt});
    const std::string day = made.days.back();

    const zefa::FixedClock clock({2026, 12, 20, 12, 0, 0});
    zefa::FeedJvLink jvLink(root / "no-feed", clock);
    UnseenUser port;
    const zefa::FileRegistry registry(root / "no-registry.ini");
    zefa::Session session(zefa::ProgramFolder(root), jvLink, port, clock, registry);
    session.selectedDay = day;

    const int loads = 10;
    auto start = Clock::now();
    for (int i = 0; i < loads; ++i) zefa::dateComboChange(session);
    const double load = seconds(Clock::now() - start) / loads;

    // The same files by plain reads: the day's files, its runners' past-run files and the files
    // holding the races of those runs (earlier days' race files, the archive of races elsewhere).
    std::set<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(session.folder.data()))
        if (entry.path().filename().string().starts_with(day)) files.insert(entry.path());
    for (int k = 0; k < zefa::kRaceSlots; ++k)
        for (const auto& runner : session.store.slot(k).runners)
            if (const auto sei = zefa::seiFile(session.folder, zefa::fieldOf(runner, zefa::SeRecord::HorseId));
                sei && std::filesystem::exists(*sei))
                files.insert(*sei);
    for (int k = 0; k < zefa::kRaceSlots; ++k)
        for (const auto& runs : session.store.slot(k).pastRuns)
            for (const auto& run : runs) {
                const auto date = zefa::fieldOf(run, zefa::SeRecord::RaceDate);
                const auto venue = zefa::fieldOf(run, zefa::SeRecord::VenueCode);
                const long long code = zefa::fieldNumber(venue);
                std::optional<std::filesystem::path> file;
                if (code >= 1 && code <= 10) {
                    if (const auto day = zefa::parseDateTime(date))
                        file = zefa::DayFileSet(session.folder, zefa::dayBaseName(*day)).file(zefa::DayFile::Races);
                } else if (code > 0) {
                    file = zefa::seirFile(session.folder, date, venue);
                }
                if (file && std::filesystem::exists(*file)) files.insert(*file);
            }
    size_t bytes = 0;
    start = Clock::now();
    for (int i = 0; i < loads; ++i)
        for (const auto& file : files) bytes += zefa::readFileIfExists(file)->size();
    const double plain = seconds(Clock::now() - start) / loads;

    std::printf("day load of %s (%zu races, %s build of the core)\n", day.c_str(), session.raceList.size(), ZEFA_BUILD_TYPE);
    std::printf("  day load:    %7.1f ms\n", load * 1000);
    std::printf("  plain reads: %7.1f ms (%zu files, %.1f MB)\n", plain * 1000, files.size(), double(bytes) / loads / 1e6);
    std::printf("  ratio:       %7.2f\n", load / plain);
    std::filesystem::remove_all(root);
}
