#pragma once

#include "jvdata/RaceRecord.h"

namespace zefa {

// RA: the details of one race. Its key fields come from RaceRecordView.
class RaRecord : public RaceRecordView {
public:
    static constexpr Field WeekdayCode{28, 1};          // 曜日コード
    static constexpr Field RaceName{33, 60};            // 競走名本題
    static constexpr Field RaceShortName6{593, 12};     // 競走名略称6文字
    static constexpr Field RaceShortName3{605, 6};      // 競走名略称3文字
    static constexpr Field GradedRaceEdition{612, 3};   // 重賞回次
    static constexpr Field GradeCode{615, 1};           // グレードコード
    static constexpr Field RaceTypeCode{617, 2};        // 競走種別コード
    static constexpr Field RaceSymbolCode{619, 3};      // 競走記号コード
    static constexpr Field WeightTypeCode{622, 1};      // 重量種別コード
    static constexpr Block ConditionCodes{623, 4, 3};   // 競走条件コード: 2歳, 3歳, 4歳, 5歳以上
    static constexpr Field ConditionCode{1, 3};         //   in an entry of ConditionCodes
    static constexpr Field YoungestConditionCode{635, 3}; // 競走条件コード 最若年条件
    static constexpr Field Distance{698, 4};            // 距離 (metres)
    static constexpr Field TrackCode{706, 2};           // トラックコード
    static constexpr Field CourseCode{710, 2};          // コース区分
    static constexpr Block MainPrizes{714, 5, 8};       // 本賞金, places 1..5 (100 yen)
    static constexpr Block AddedPrizes{810, 3, 8};      // 付加賞金, places 1..3 (100 yen)
    static constexpr Field Prize{1, 8};                 //   in an entry of either prize block
    static constexpr Field PostTime{874, 4};            // 発走時刻 (hhmm)
    static constexpr Field RegisteredRunners{882, 2};   // 登録頭数: the field size
    static constexpr Field Starters{884, 2};            // 出走頭数
    static constexpr Field Finishers{886, 2};           // 入線頭数
    static constexpr Field WeatherCode{888, 1};         // 天候コード
    static constexpr Field TurfGoingCode{889, 1};       // 芝馬場状態コード
    static constexpr Field DirtGoingCode{890, 1};       // ダート馬場状態コード

    explicit RaRecord(std::string_view bytes) : RaceRecordView(bytes, RecordKind::RA) {}

    std::string_view postTime() const { return field(PostTime); }
    int registeredRunners() const { return int(number(RegisteredRunners)); }
    // Age group 1..4: 2-year-olds, 3-year-olds, 4-year-olds, 5-year-olds and up.
    std::string_view conditionCode(int ageGroup) const { return field(ConditionCodes.field(ageGroup, ConditionCode)); }
    // Place 1..5, in 100 yen.
    long long mainPrize(int place) const { return number(MainPrizes.field(place, Prize)); }
    // Place 1..3, in 100 yen.
    long long addedPrize(int place) const { return number(AddedPrizes.field(place, Prize)); }
};

} // namespace zefa
