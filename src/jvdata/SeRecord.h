#pragma once

#include "jvdata/RaceRecord.h"

namespace zefa {

// SE: one runner in one race. Its race date and key fields come from RaceRecordView.
class SeRecord : public RaceRecordView {
public:
    static constexpr Field Bracket{28, 1};              // 枠番
    static constexpr Field HorseNumber{29, 2};          // 馬番: 0 or blank, no runner
    static constexpr Field HorseId{31, 10};             // 血統登録番号; its first four digits are the year of birth
    static constexpr Field HorseName{41, 36};           // 馬名
    static constexpr Field HorseSymbolCode{77, 2};      // 馬記号コード
    static constexpr Field SexCode{79, 1};              // 性別コード
    static constexpr Field CoatColourCode{81, 2};       // 毛色コード
    static constexpr Field Age{83, 2};                  // 馬齢
    static constexpr Field TrainerCode{86, 5};          // 調教師コード
    static constexpr Field TrainerShortName{91, 8};     // 調教師名略称
    static constexpr Field CarriedWeight{289, 3};       // 負担重量 (tenths of a kilogram)
    static constexpr Field BlinkerCode{295, 1};         // ブリンカー使用区分
    static constexpr Field JockeyCode{297, 5};          // 騎手コード
    static constexpr Field JockeyShortName{307, 8};     // 騎手名略称
    static constexpr Field ApprenticeCode{323, 1};      // 騎手見習コード
    static constexpr Field BodyWeight{325, 3};          // 馬体重 (kilograms)
    static constexpr Field BodyWeightSign{328, 1};      // 増減符号: "+", "-" or blank
    static constexpr Field BodyWeightChange{329, 3};    // 増減差 (kilograms)
    static constexpr Field AnomalyCode{332, 1};         // 異常区分コード
    static constexpr Field ArrivalOrder{333, 2};        // 入線順位
    static constexpr Field FinishPosition{335, 2};      // 確定着順
    static constexpr Field RaceTime{339, 4};            // 走破タイム (m ss t)
    static constexpr Field MarginCode{343, 3};          // 着差コード
    static constexpr Block Corners{352, 4, 2};          // 1コーナー … 4コーナーでの順位
    static constexpr Field CornerPosition{1, 2};        //   in an entry of Corners; 0 or blank, no such corner
    static constexpr Field WinOdds{360, 4};             // 単勝オッズ (tenths)
    static constexpr Field WinPopularity{364, 2};       // 単勝人気順
    static constexpr Field MainPrizeWon{366, 8};        // 獲得本賞金 (100 yen)
    static constexpr Field AddedPrizeWon{374, 8};       // 獲得付加賞金 (100 yen)
    static constexpr Field Last3FurlongsTime{391, 3};   // 後3ハロンタイム (tenths of a second)
    static constexpr Field OpponentHorseName{404, 36};  // 1着馬(相手馬)情報 1: 馬名
    static constexpr Field TimeDifference{532, 4};      // タイム差: sign, seconds (2), tenths (1)
    static constexpr Field RunningStyle{553, 1};        // 今回レース脚質判定

    explicit SeRecord(std::string_view bytes) : RaceRecordView(bytes, RecordKind::SE) {}

    int horseNumber() const { return int(number(HorseNumber)); }
    std::string_view horseId() const { return field(HorseId); }
    // Corner 1..4.
    int cornerPosition(int corner) const { return int(number(Corners.field(corner, CornerPosition))); }
};

} // namespace zefa
