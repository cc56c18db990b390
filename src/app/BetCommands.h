#pragma once

#include "jvdata/BetType.h"

#include <string_view>

namespace zefa {

struct Session;

// The eight bet lists of the race on show, built afresh: generated from its axis and partner
// horses, stakes distributed and evaluated, hits from its payouts. Without a race on show the lists
// are emptied.
void kaimeMakeBtnClick(Session& session);

// "資金配分": the mode is stored, and every list gets its stakes and hits afresh.
void radioGroup1Click(Session& session, int mode);

// The amount box: a decimal number of 1 to 6 digits becomes the amount of the race on show and
// every list gets its stakes and hits afresh. Any other text is refused and changes nothing.
void saNumEditExC1Change(Session& session, std::string_view text);

// A click in a cell of a bet grid: strikes a bet out or in (column 0) and redistributes the list.
void betGridClick(Session& session, BetType type, int row, int column);

// A mouse press on a header cell of a bet grid: sorts the list by that column.
void betGridHeaderClick(Session& session, BetType type, int column);

} // namespace zefa
