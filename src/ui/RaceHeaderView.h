#pragma once

#include "display/RaceHeader.h"

class QWidget;

namespace zefa {

// Writes the header into the labels under `window` that carry the header's object names
// (labels the window does not have are passed over), colours the label TFWtimeAsaLabel and the
// panel Panel3.
void showRaceHeader(QWidget& window, const RaceHeader& header);

} // namespace zefa
