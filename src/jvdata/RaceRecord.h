#pragma once

#include "jvdata/RecordView.h"

#include <string_view>

namespace zefa {

// Data categories (データ区分) that decide where a record goes.
inline constexpr char kCategoryLocalRace = 'A';    // a local-track race: past-race archives only
inline constexpr char kCategoryOverseasRace = 'B'; // an overseas race: past-race archives only
inline constexpr char kCategoryFinalResults = '7'; // final results: also the past-run archive
inline constexpr char kCategoryDeleted = '0';      // an odds record withdrawn: ignored
inline constexpr char kCategoryCancelled = '9';    // odds of a cancelled race: ignored

// A record of one race (RA, SE, HR, O1 … O6, TC) and the fields they all share. Their RaceKey,
// positions 12..27, orders the day files; a race within a day is told by venue and race number.
class RaceRecordView : public RecordView {
public:
    RaceRecordView(std::string_view bytes, RecordKind kind) : RecordView(bytes, kind) {}

    static constexpr Field RecordId{1, 2};     // レコード種別ID
    static constexpr Field DataCategory{3, 1}; // データ区分
    static constexpr Field CreationDate{4, 8}; // データ作成年月日 (yyyymmdd)
    static constexpr Field RaceKey{12, 16};    // 開催年 … レース番号
    static constexpr Field RaceDate{12, 8};    // 開催年 + 開催月日
    static constexpr Field Year{12, 4};        // 開催年
    static constexpr Field MonthDay{16, 4};    // 開催月日 (mmdd)
    static constexpr Field VenueCode{20, 2};   // 競馬場コード
    static constexpr Field Meeting{22, 2};     // 開催回
    static constexpr Field MeetingDay{24, 2};  // 開催日目
    static constexpr Field RaceNumber{26, 2};  // レース番号

    char dataCategory() const { return field(DataCategory)[0]; }
    std::string_view raceKey() const { return field(RaceKey); }
    std::string_view venueCode() const { return field(VenueCode); }
    // 0 when blank: no race.
    int raceNumber() const { return int(number(RaceNumber)); }
};

// The RaceKey of a race-level record or stored line; bytes too short to hold all of it give
// what they hold.
std::string_view raceKeyText(std::string_view record);

} // namespace zefa
