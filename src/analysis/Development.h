#pragma once

#include "analysis/RaceAnalysis.h"
#include "store/RaceDayStore.h"

#include <vector>

namespace zefa {

// Horses at development ranks 1..5 form class 1, ranks 6..10 class 2, the rest class 3.
inline constexpr int kDevelopmentClassSize = 5;

// Rest days and corner sums of every past run of the race's runners, their development values
// (mean of the known third and fourth corner positions), and the development ranks and classes of
// the race. A slot without a race is left as it is.
void computeDevelopment(const RaceSlotRecords& slot, RaceAnalysis& analysis);

// Flags the last four races of each of the day's venues (the first three by venue code).
void flagLastFourRaces(const RaceDayStore& store, std::vector<RaceAnalysis>& analyses);

} // namespace zefa
