#pragma once

#include "sample/SampleCard.h"
#include "sample/SampleRandom.h"
#include "store/ProgramFolder.h"

#include <map>
#include <string>
#include <vector>

namespace zefa {

// What the sample keeps beside its day files: every horse's runs, the local races among them, and
// the masters made from them.
struct SampleArchive {
    std::map<int, std::vector<std::string>> pastRuns; // SE records before its sample race, by horse index
    std::map<int, std::string> sampleRuns;            // the SE record of its sample race, by horse index
    std::vector<std::string> localRaces;              // RA records of local-track races
};

// Saves the SEI and SEIR archives and the horse, jockey and trainer masters, each file once.
// Returns the number of SEI files.
int saveArchive(const ProgramFolder& folder, const SampleArchive& archive, const SampleWorld& world, int year,
                SampleRandom& random);

} // namespace zefa
