#pragma once

#include "jvdata/RecordKind.h"
#include "store/ProgramFolder.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace zefa {

// The per-race files of one race day in the data folder.
enum class DayFile { Races, Payouts, WinOdds, QuinellaOdds, WideOdds, ExactaOdds, TrioOdds, TrifectaOdds, MorningOdds, PredictedOdds };

struct DayFileRow {
    DayFile file;
    std::string_view extension;
    RecordKind kind;
};

inline constexpr DayFileRow kDayFiles[] = {
    {DayFile::Races, ".jvRA", RecordKind::RA},
    {DayFile::Payouts, ".jvHR", RecordKind::HR},
    {DayFile::WinOdds, ".jvO1", RecordKind::O1},
    {DayFile::QuinellaOdds, ".jvO2", RecordKind::O2},
    {DayFile::WideOdds, ".jvO3", RecordKind::O3},
    {DayFile::ExactaOdds, ".jvO4", RecordKind::O4},
    {DayFile::TrioOdds, ".jvO5", RecordKind::O5},
    {DayFile::TrifectaOdds, ".jvO6", RecordKind::O6},
    {DayFile::MorningOdds, ".jvO1a", RecordKind::O1},
    {DayFile::PredictedOdds, ".yoz", RecordKind::Yoz},
};

constexpr const DayFileRow& dayFileRow(DayFile file) { return kDayFiles[static_cast<size_t>(file)]; }

// All files of one day, named after its DayBaseName.
class DayFileSet {
public:
    DayFileSet(const ProgramFolder& folder, std::string dayBaseName);

    const std::string& dayBaseName() const { return day_; }
    std::filesystem::path file(DayFile file) const;
    // The venue's runner grid: the DayBaseName, the venue's two-character name, ".jvSEr".
    std::filesystem::path runnerFile(std::string_view venueCode) const;
    // Post-time changes of the day and the state file of the changes applied, in the CHG folder.
    std::filesystem::path changeFile() const;
    std::filesystem::path changeStateFile() const;

private:
    std::filesystem::path data_;
    std::filesystem::path chg_;
    std::string day_;
};

} // namespace zefa
