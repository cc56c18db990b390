#pragma once

#include "jvdata/RecordView.h"

namespace zefa {

// 初騎乗情報 (67 bytes), positions inside the entry. 初勝利情報 entries (64 bytes) hold the first
// eight of these fields.
struct FirstRideEntry {
    static constexpr Field Date{1, 8};            // 年月日
    static constexpr Field VenueCode{9, 2};       // 競馬場コード
    static constexpr Field Meeting{11, 2};        // 開催回
    static constexpr Field MeetingDay{13, 2};     // 開催日目
    static constexpr Field RaceNumber{15, 2};     // レース番号
    static constexpr Field Starters{17, 2};       // 出走頭数
    static constexpr Field HorseId{19, 10};       // 血統登録番号
    static constexpr Field HorseName{29, 36};     // 馬名
    static constexpr Field FinishPosition{65, 2}; // 確定着順
    static constexpr Field AnomalyCode{67, 1};    // 異常区分コード
};

// 最近重賞勝利情報 (163 bytes), positions inside the entry.
struct RecentGradedWinEntry {
    static constexpr Field Date{1, 8};             // 年月日
    static constexpr Field VenueCode{9, 2};        // 競馬場コード
    static constexpr Field Meeting{11, 2};         // 開催回
    static constexpr Field MeetingDay{13, 2};      // 開催日目
    static constexpr Field RaceNumber{15, 2};      // レース番号
    static constexpr Field RaceName{17, 60};       // 競走名本題
    static constexpr Field RaceShortName10{77, 20}; // 競走名略称10文字
    static constexpr Field RaceShortName6{97, 12}; // 競走名略称6文字
    static constexpr Field RaceShortName3{109, 6}; // 競走名略称3文字
    static constexpr Field GradeCode{115, 1};      // グレードコード
    static constexpr Field Starters{116, 2};       // 出走頭数
    static constexpr Field HorseId{118, 10};       // 血統登録番号
    static constexpr Field HorseName{128, 36};     // 馬名
};

// 本年・前年・累計成績情報 (1052 bytes), positions inside the block.
struct SeasonResultsEntry {
    static constexpr Field Year{1, 4};              // 設定年
    static constexpr Field FlatMainPrize{5, 10};    // 平地本賞金合計 (100 yen)
    static constexpr Field JumpsMainPrize{15, 10};  // 障害本賞金合計
    static constexpr Field FlatAddedPrize{25, 10};  // 平地付加賞金合計
    static constexpr Field JumpsAddedPrize{35, 10}; // 障害付加賞金合計
    // 着回数 groups: 平地, 障害, then per central venue in code order (01 札幌 … 10 小倉) its
    // 平地 and its 障害 group, then 芝1600m以下, 芝2200m以下, 芝2200m超, ダ1600m以下,
    // ダ2200m以下, ダ2200m超.
    static constexpr Block FinishCountGroups{45, 28, 36};
    static constexpr Block FinishCounts{1, 6, 6};   //   in a group: 1着, 2着, 3着, 4着, 5着, 着外
    static constexpr Field Count{1, 6};             //   in an entry of FinishCounts
    static constexpr int FlatGroup = 1;
    static constexpr int JumpsGroup = 2;
    static constexpr int FirstDistanceGroup = 23;   // 芝1600m以下; the other five follow

    // Groups of central venue v = 1..10.
    static constexpr int venueFlatGroup(int v) { return 3 + 2 * (v - 1); }
    static constexpr int venueJumpsGroup(int v) { return 4 + 2 * (v - 1); }
    // Place p = 1..6 (6: 着外) of group g, as a field inside the block.
    static constexpr Field finishCount(int g, int p) { return FinishCountGroups.block(g, FinishCounts).field(p, Count); }
};

// KS: the master record of one jockey.
class KsRecord : public RecordView {
public:
    static constexpr Field JockeyCode{12, 5};              // 騎手コード: the key
    static constexpr Field LicenceDate{18, 8};             // 騎手免許交付年月日
    static constexpr Field BirthDate{34, 8};               // 生年月日
    static constexpr Field JockeyName{42, 34};             // 騎手名
    static constexpr Field JockeyNameKana{110, 30};        // 騎手名半角ｶﾅ
    static constexpr Field SexCode{228, 1};                // 性別区分
    static constexpr Field QualificationCode{229, 1};      // 騎乗資格コード
    static constexpr Field ApprenticeCode{230, 1};         // 騎手見習コード
    static constexpr Field AffiliationCode{231, 1};        // 騎手東西所属コード
    static constexpr Field InvitingRegion{232, 20};        // 招待地域名
    static constexpr Field StableTrainerShortName{257, 8}; // 所属調教師名略称
    static constexpr Block FirstRides{265, 2, 67};         // 初騎乗情報: flat, jumps
    static constexpr Block FirstWins{399, 2, 64};          // 初勝利情報: flat, jumps
    static constexpr Block RecentGradedWins{527, 3, 163};  // 最近重賞勝利情報 1..3
    static constexpr Block SeasonResults{1016, 3, 1052};   // 本年・前年・累計成績情報

    explicit KsRecord(std::string_view bytes) : RecordView(bytes, RecordKind::KS) {}

    std::string_view jockeyCode() const { return field(JockeyCode); }
    // i = 1 flat, 2 jumps; fields by FirstRideEntry.
    FixedFields firstRide(int i) const { return entry(FirstRides, i); }
    FixedFields firstWin(int i) const { return entry(FirstWins, i); }
    // i = 1..3; fields by RecentGradedWinEntry.
    FixedFields recentGradedWin(int i) const { return entry(RecentGradedWins, i); }
    // i = 1 this year, 2 last year, 3 career; fields by SeasonResultsEntry.
    FixedFields seasonResults(int i) const { return entry(SeasonResults, i); }
};

// CH: the master record of one trainer.
class ChRecord : public RecordView {
public:
    static constexpr Field TrainerCode{12, 5};            // 調教師コード: the key
    static constexpr Field LicenceDate{18, 8};            // 調教師免許交付年月日
    static constexpr Field BirthDate{34, 8};              // 生年月日
    static constexpr Field TrainerName{42, 34};           // 調教師名
    static constexpr Field TrainerNameKana{76, 30};       // 調教師名半角ｶﾅ
    static constexpr Field SexCode{194, 1};               // 性別区分
    static constexpr Field AffiliationCode{195, 1};       // 調教師東西所属コード
    static constexpr Field InvitingRegion{196, 20};       // 招待地域名
    static constexpr Block RecentGradedWins{216, 3, 163}; // 最近重賞勝利情報 1..3
    static constexpr Block SeasonResults{705, 3, 1052};   // 本年・前年・累計成績情報

    explicit ChRecord(std::string_view bytes) : RecordView(bytes, RecordKind::CH) {}

    std::string_view trainerCode() const { return field(TrainerCode); }
    // i = 1..3; fields by RecentGradedWinEntry.
    FixedFields recentGradedWin(int i) const { return entry(RecentGradedWins, i); }
    // i = 1 this year, 2 last year, 3 career; fields by SeasonResultsEntry.
    FixedFields seasonResults(int i) const { return entry(SeasonResults, i); }
};

} // namespace zefa
