#pragma once

#include "analysis/RaceAnalysis.h"
#include "jvdata/Rgb.h"
#include "store/RaceDayStore.h"

#include <string>
#include <string_view>
#include <vector>

namespace zefa {

// The labels of the race header, named as the main window names them. Texts are UTF-8.
struct RaceHeader {
    std::string BashoLabel, RaceLabel;                  // venue, race number
    std::string Label1, Label2, Label3, Label4, Label6, Label7;
    std::string Label3Dj1, Label3Dj2;                   // course record line: no source, always empty
    std::string MiokuriLabel, PositionLabel, Kohan4RLabel, KaisetLabel;
    std::string DidLabel;                               // the user bet-rule key
    std::string UserSetHup, UserSetHb4, UserSetHrr, UserSetHnn;
    std::string UserSetFJikuLabel, UserSetFup, UserSetFb4, UserSetFrr, UserSetFnn;
    std::string CommentLabel;
    // When the odds on show were announced, "hh:mm"; empty without the record.
    std::string TFWtimeAsaLabel, TFWtimeLabel, URtimeLabel, WDtimeLabel, UTtimeLabel, SRFtimeLabel, SRTtimeLabel;
    Rgb TFWtimeAsaColour; // cyan when the morning odds are predicted odds, cream otherwise
    Rgb Panel3Colour;     // green for a turf race, maroon otherwise
};

// Every text label of the header by its object name, in header order.
struct RaceHeaderLabel {
    std::string_view name;
    std::string RaceHeader::*text;
};
inline constexpr RaceHeaderLabel kRaceHeaderLabels[] = {
    {"BashoLabel", &RaceHeader::BashoLabel},
    {"RaceLabel", &RaceHeader::RaceLabel},
    {"Label1", &RaceHeader::Label1},
    {"Label2", &RaceHeader::Label2},
    {"Label3", &RaceHeader::Label3},
    {"Label4", &RaceHeader::Label4},
    {"Label6", &RaceHeader::Label6},
    {"Label7", &RaceHeader::Label7},
    {"Label3Dj1", &RaceHeader::Label3Dj1},
    {"Label3Dj2", &RaceHeader::Label3Dj2},
    {"MiokuriLabel", &RaceHeader::MiokuriLabel},
    {"PositionLabel", &RaceHeader::PositionLabel},
    {"Kohan4RLabel", &RaceHeader::Kohan4RLabel},
    {"KaisetLabel", &RaceHeader::KaisetLabel},
    {"DidLabel", &RaceHeader::DidLabel},
    {"UserSetHup", &RaceHeader::UserSetHup},
    {"UserSetHb4", &RaceHeader::UserSetHb4},
    {"UserSetHrr", &RaceHeader::UserSetHrr},
    {"UserSetHnn", &RaceHeader::UserSetHnn},
    {"UserSetFJikuLabel", &RaceHeader::UserSetFJikuLabel},
    {"UserSetFup", &RaceHeader::UserSetFup},
    {"UserSetFb4", &RaceHeader::UserSetFb4},
    {"UserSetFrr", &RaceHeader::UserSetFrr},
    {"UserSetFnn", &RaceHeader::UserSetFnn},
    {"CommentLabel", &RaceHeader::CommentLabel},
    {"TFWtimeAsaLabel", &RaceHeader::TFWtimeAsaLabel},
    {"TFWtimeLabel", &RaceHeader::TFWtimeLabel},
    {"URtimeLabel", &RaceHeader::URtimeLabel},
    {"WDtimeLabel", &RaceHeader::WDtimeLabel},
    {"UTtimeLabel", &RaceHeader::UTtimeLabel},
    {"SRFtimeLabel", &RaceHeader::SRFtimeLabel},
    {"SRTtimeLabel", &RaceHeader::SRTtimeLabel},
};

// The header of the race in `slot`. `userRules` is the rule table (CP932 lines); `kaimeMode` the
// checked mode item 0..3 of "買い目選択" (any other value: none).
RaceHeader raceHeader(const RaceSlotRecords& slot, const RaceAnalysis& analysis,
                      const std::vector<std::string>& userRules, int kaimeMode);

} // namespace zefa
