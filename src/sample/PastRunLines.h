#pragma once

#include "sample/SampleCard.h"
#include "sample/SampleRandom.h"

#include <string>
#include <vector>

namespace zefa {

// Stored SE lines of up to ten earlier runs of a runner's horse, all before `race`, oldest first.
std::vector<std::string> pastRunLines(const SampleRace& race, const SampleRunner& runner, const SampleWorld& world,
                                      SampleRandom& random);

} // namespace zefa
