#pragma once

#include "analysis/RaceAnalysis.h"
#include "store/RaceDayStore.h"

namespace zefa {

// Rewrites the odds fields of one race from the odds records of its slot: the odds and
// popularity of every bet type, the program's own latest and morning ranks (predicted odds
// standing in for missing morning odds), elimination criterion 5, the position pattern, the
// rank gaps and the evaluation marks. Clears the race's axis and partner flags. Among the horses
// ranked 11th or lower on latest win odds, the last `keshiNin` + 1 meet criterion 5. The
// development, elimination 1..4, skip and payout fields are left as they are.
void analyseOdds(const RaceSlotRecords& slot, int keshiNin, RaceAnalysis& analysis);

} // namespace zefa
