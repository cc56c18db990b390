#pragma once

#include "jvdata/RecordKind.h"
#include "sample/OddsModel.h"
#include "sample/RaceResult.h"
#include "sample/SampleCard.h"

#include <string>
#include <string_view>

namespace zefa {

class RecordText;

// The records of one sample race, each with its CR LF.

// Data category, creation date (the race date) and RaceKey.
void putRaceKey(RecordText& record, const SampleRace& race, char category);
// The main prize of place 1..5, in 100 yen; 0 for other places.
long long placePrize(const SampleRace& race, int place);

std::string raRecord(const SampleRace& race, int finishers, char category);
std::string seRecord(const SampleRace& race, const SampleRunner& runner, const SampleWorld& world, const RunnerResult& result,
                     char category);
std::string hrRecord(const SampleRace& race, const Market& market, const RaceResult& result);
// A post-time change of the race to `newPostTime`, announced at `announced` (mmddhhmm).
std::string tcRecord(const SampleRace& race, std::string_view newPostTime, std::string_view announced);
// The predicted-odds line of the race (".yoz", with its CR LF): the market's odds as a tipster
// would guess them.
std::string yozLine(const SampleRace& race, const Market& market, SampleRandom& random);
// An odds record O1 … O6 of the market, announced at `announced` (mmddhhmm).
std::string oddsRecord(RecordKind kind, const SampleRace& race, const Market& market, std::string_view announced);

} // namespace zefa
