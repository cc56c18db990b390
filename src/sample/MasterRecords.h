#pragma once

#include "sample/SampleCard.h"
#include "sample/SampleRandom.h"

#include <span>
#include <string>

namespace zefa {

// Master records of the sample's horses, jockeys and trainers, each with its CR LF.

// A horse with its finishing counts and prize totals from `runs` (its SE records).
std::string umRecord(const SampleHorse& horse, const SampleWorld& world, std::span<const std::string> runs);

// A jockey or trainer with made-up season results for `year`, the year before and the career.
std::string ksRecord(const SamplePerson& jockey, const SampleWorld& world, int year, SampleRandom& random);
std::string chRecord(const SamplePerson& trainer, int year, SampleRandom& random);

} // namespace zefa
