#pragma once

#include "jvdata/BetType.h"

#include <array>
#include <string>
#include <vector>

namespace zefa {

inline constexpr int kRaceSlots = 36;  // race slots of a day: three venues of twelve races
inline constexpr int kPastRuns = 5;   // past runs kept per runner, newest first

// The records of one race slot, each a whole record (CR LF included) or blanks when no file held it.
struct RaceSlotRecords {
    std::string race;                                                   // RA
    std::array<std::string, kMaxHorses> runners;                        // SE by horse slot 0..17
    std::array<std::array<std::string, kPastRuns>, kMaxHorses> pastRuns;  // SE, past run 1..5 at 0..4
    std::array<std::array<std::string, kPastRuns>, kMaxHorses> pastRaces; // RA of each past run
    std::string payout;                                                 // HR
    std::string predictedOdds;                                          // predicted-odds line
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
