#pragma once

#include "jvdata/RecordView.h"

namespace zefa {

// A predicted-odds line of the day's ".yoz" file, the program's own layout. The odds are texts
// right-aligned with one decimal ("  12.3"), blank when the source has none.
class YozLine : public RecordView {
public:
    static constexpr Field RaceDate{1, 8};          // yyyymmdd
    static constexpr Field VenueCode{9, 2};         // coded as SourceMark says
    static constexpr Field RaceIdentity{11, 6};     // meeting, day and race number, by source
    static constexpr Field RaceNumber{15, 2};
    static constexpr Field SourceMark{17, 1};
    static constexpr Field FieldSize{18, 2};
    static constexpr Block WinOdds{20, 18, 6};      // horse 1 first
    static constexpr Block PlaceOdds{128, 18, 6};   // all blank for sources without them
    static constexpr Field HorseOdds{1, 6};         //   in an entry of WinOdds or PlaceOdds
    static constexpr Block QuinellaOdds{236, 153, 8}; // by quinella ComboOrdinal: 1-2, 1-3, …, 17-18
    static constexpr Field PairOdds{1, 8};          //   in an entry of QuinellaOdds
    // The source mark of a venue code in JV-Data coding; any other mark codes venues 0..9.
    static constexpr char JvDataVenueCoding = 'J';

    explicit YozLine(std::string_view bytes) : RecordView(bytes, RecordKind::Yoz) {}

    std::string_view raceDate() const { return field(RaceDate); }
    std::string_view venueCode() const { return field(VenueCode); }
    int raceNumber() const { return int(number(RaceNumber)); }
    char sourceMark() const { return field(SourceMark)[0]; }
    bool jvDataVenueCoding() const { return sourceMark() == JvDataVenueCoding; }
    int fieldSize() const { return int(number(FieldSize)); }
    // Horse h = 1..18.
    std::string_view winOddsText(int h) const { return field(WinOdds.field(h, HorseOdds)); }
    std::string_view placeOddsText(int h) const { return field(PlaceOdds.field(h, HorseOdds)); }
    // Ordinal k = 1..153.
    std::string_view quinellaOddsText(int k) const { return field(QuinellaOdds.field(k, PairOdds)); }
};

} // namespace zefa
