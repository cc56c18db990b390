#pragma once

#include "app/Session.h"

#include <nlohmann/json.hpp>

namespace zefa::cli {

// One race of the loaded day as JSON: its header fields, the analysis of the race and, per runner
// in horse-number order, the runner's past runs and every per-horse field of the analysis under
// its own name.
nlohmann::json raceJson(const Session& session, int raceSlot);

} // namespace zefa::cli
