#pragma once

#include "jvdata/BetType.h"
#include "store/DayFileSet.h"

#include <array>
#include <iterator>
#include <string>
#include <vector>

namespace zefa {

inline constexpr int kRaceSlots = 36;  // race slots of a day: three venues of twelve races
inline constexpr int kPastRuns = 5;   // past runs kept per runner, newest first

// The day's odds files, in the order the odds analysis reads them.
inline constexpr DayFile kOddsFiles[] = {DayFile::WinOdds,   DayFile::MorningOdds, DayFile::QuinellaOdds,
                                         DayFile::WideOdds,  DayFile::ExactaOdds,  DayFile::TrioOdds,
                                         DayFile::TrifectaOdds};
inline constexpr size_t kOddsFileCount = std::size(kOddsFiles);

// The records of one race slot, each a whole record (CR LF included) or blanks when no file held it.
struct RaceSlotRecords {
    std::string race;                                                   // RA
    std::array<std::string, kMaxHorses> runners;                        // SE by horse slot 0..17
    std::array<std::array<std::string, kPastRuns>, kMaxHorses> pastRuns;  // SE, past run 1..5 at 0..4
    std::array<std::array<std::string, kPastRuns>, kMaxHorses> pastRaces; // RA of each past run
    std::string payout;                                                 // HR
    std::string predictedOdds;                                          // predicted-odds line
    std::array<std::string, kOddsFileCount> odds;                       // O1 … O6, as kOddsFiles

    // Whether the slot holds a race: its race record has a year that is not blank and not "0000".
    bool holdsARace() const;
    // The race's registered runners (登録頭数), at most 18.
    int registeredRunners() const;

    // The race's record of one odds file of kOddsFiles.
    std::string& oddsRecord(DayFile file) { return odds[oddsIndex(file)]; }
    const std::string& oddsRecord(DayFile file) const { return odds[oddsIndex(file)]; }

private:
    static size_t oddsIndex(DayFile file);
};

// The records of the loaded race day.
class RaceDayStore {
public:
    RaceDayStore();

    // Every record of every slot back to blanks.
    void clear();

    RaceSlotRecords& slot(int raceSlot) { return slots_[size_t(raceSlot)]; }
    const RaceSlotRecords& slot(int raceSlot) const { return slots_[size_t(raceSlot)]; }

private:
    std::vector<RaceSlotRecords> slots_;
};

} // namespace zefa
