#pragma once

#include "sample/SampleCard.h"
#include "sample/SampleRandom.h"

#include <string>
#include <vector>

namespace zefa {

// Up to ten earlier runs of a runner's horse, all before `race`, newest first: its SE records and
// the RA records of the runs at local tracks (data category "A").
struct PastRuns {
    std::vector<std::string> runs;
    std::vector<std::string> localRaces;
};
PastRuns pastRuns(const SampleRace& race, const SampleRunner& runner, const SampleWorld& world, SampleRandom& random);

} // namespace zefa
