#include "sample/SampleArchive.h"

#include "jvdata/RaceRecord.h"
#include "sample/MasterRecords.h"
#include "store/MasterFiles.h"
#include "store/PastRuns.h"
#include "store/StoredLines.h"
#include "store/TextLines.h"

#include <exception>
#include <set>
#include <thread>

namespace zefa {
namespace {

using FileLines = std::map<std::filesystem::path, std::vector<std::string>>;

constexpr size_t kSavingThreads = 4; // file saves wait on the disk, so a few at once go faster

void saveAll(const FileLines& files) {
    std::set<std::filesystem::path> folders;
    for (const auto& entry : files) folders.insert(entry.first.parent_path());
    for (const auto& f : folders) std::filesystem::create_directories(f);
    std::vector<const FileLines::value_type*> entries;
    for (const auto& entry : files) entries.push_back(&entry);
    std::vector<std::exception_ptr> failures(kSavingThreads);
    {
        std::vector<std::jthread> savers;
        for (size_t t = 0; t < kSavingThreads; ++t)
            savers.emplace_back([&, t] {
                try {
                    for (size_t i = t; i < entries.size(); i += kSavingThreads) saveLines(entries[i]->first, entries[i]->second);
                } catch (...) {
                    failures[t] = std::current_exception();
                }
            });
    }
    for (const auto& failure : failures)
        if (failure) std::rethrow_exception(failure);
}

// Lines of files that hold one record per key, sorted as the store keeps them.
void addKeyed(FileLines& files, const std::filesystem::path& file, const std::string& record) {
    std::vector<std::string>& lines = files[file];
    lines.push_back(storedLineOf(record));
    sortStoredLines(lines);
}

} // namespace

int saveArchive(const ProgramFolder& folder, const SampleArchive& archive, const SampleWorld& world, int year,
                SampleRandom& random) {
    FileLines files;
    int horseFiles = 0;
    for (const auto& [horse, runs] : archive.pastRuns) {
        const SampleHorse& h = world.horses[size_t(horse)];
        if (!runs.empty()) {
            std::vector<std::string>& lines = files[*seiFile(folder, h.id)];
            for (const std::string& run : runs) keyedReplace(lines, normalised(storedLineOf(run)), kPastRunFileRule);
            ++horseFiles;
        }
        std::vector<std::string> career = runs;
        if (const auto run = archive.sampleRuns.find(horse); run != archive.sampleRuns.end()) career.push_back(run->second);
        files[*horseMasterFile(folder, h.id)] = {storedLineOf(umRecord(h, world, career))};
    }
    for (const std::string& ra : archive.localRaces) {
        const auto file = seirFile(folder, fieldOf(ra, RaceRecordView::RaceDate), fieldOf(ra, RaceRecordView::VenueCode));
        keyedReplace(files[*file], normalised(storedLineOf(ra)), kPastRunFileRule);
    }
    for (const SamplePerson& jockey : world.jockeys) addKeyed(files, *jockeyMasterFile(folder, jockey.code), ksRecord(jockey, world, year, random));
    for (const SamplePerson& trainer : world.trainers) addKeyed(files, *trainerMasterFile(folder, trainer.code), chRecord(trainer, year, random));
    saveAll(files);
    return horseFiles;
}

} // namespace zefa
