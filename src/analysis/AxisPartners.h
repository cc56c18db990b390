#pragma once

#include "analysis/AxisSelection.h"
#include "analysis/CandidateList.h"

namespace zefa {

// Partner horses around the axis already chosen. `preferred` is the preferred axis (0: none),
// `axes` the number of axis horses before any axis change. The user rule applies in the user modes
// when the rule names an axis pattern (FJiku > 0); otherwise five horses by win-odds rank join an
// axis.
void choosePartners(AxisRace& race, const AxisOptions& options, int preferred, int axes);

// The fixing items, last: the first checked axis item replaces the axis, the first checked partner
// item replaces the partners. `axes` as in choosePartners.
void applyFixing(AxisRace& race, const AxisOptions& options, int axes);

} // namespace zefa
