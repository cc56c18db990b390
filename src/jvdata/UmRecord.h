#pragma once

#include "jvdata/RecordView.h"

namespace zefa {

// UM: the master record of one horse.
class UmRecord : public RecordView {
public:
    static constexpr Field HorseId{12, 10};             // 血統登録番号: the key
    static constexpr Field BirthDate{39, 8};            // 生年月日 (yyyymmdd)
    static constexpr Field HorseName{47, 36};           // 馬名
    static constexpr Field HorseSymbolCode{199, 2};     // 馬記号コード
    static constexpr Field SexCode{201, 1};             // 性別コード
    static constexpr Field BreedCode{202, 1};           // 品種コード
    static constexpr Field CoatColourCode{203, 2};      // 毛色コード
    static constexpr Field AffiliationCode{821, 1};     // 東西所属コード
    static constexpr Field TrainerShortName{827, 8};    // 調教師名略称
    static constexpr Field InvitingRegion{835, 20};     // 招待地域名
    static constexpr Field BreederName{861, 70};        // 生産者名
    static constexpr Field BirthplaceName{931, 20};     // 産地名
    static constexpr Field OwnerName{957, 64};          // 馬主名
    // 平地本賞金累計, 障害本賞金累計, 平地付加賞金累計, 障害付加賞金累計, 平地収得賞金累計,
    // 障害収得賞金累計, in this order (100 yen).
    static constexpr Block PrizeTotals{1021, 6, 9};
    static constexpr Field PrizeTotal{1, 9};            //   in an entry of PrizeTotals
    // 着回数 blocks in this order: 総合, 中央合計, 芝直, 芝右, 芝左, ダ直, ダ右, ダ左, 障害, 芝良,
    // 芝稍, 芝重, 芝不, ダ良, ダ稍, ダ重, ダ不, 障良, 障稍, 障重, 障不, 芝1600m以下, 芝2200m以下,
    // 芝2200m超, ダ1600m以下, ダ2200m以下, ダ2200m超.
    static constexpr Block FinishCountBlocks{1075, 27, 18};
    static constexpr Block FinishCounts{1, 6, 3};       //   in a block: 1着, 2着, 3着, 4着, 5着, 着外
    static constexpr Block RunningStyleCounts{1561, 4, 3}; // 脚質傾向: 逃げ, 先行, 差し, 追込
    static constexpr Field Count{1, 3};                 //   in an entry of FinishCounts or RunningStyleCounts

    explicit UmRecord(std::string_view bytes) : RecordView(bytes, RecordKind::UM) {}

    std::string_view horseId() const { return field(HorseId); }
    // Total i = 1..6, in 100 yen.
    long long prizeTotal(int i) const { return number(PrizeTotals.field(i, PrizeTotal)); }
    // Block b = 1..27, place p = 1..6 (6: 着外).
    int finishCount(int b, int p) const { return int(number(FinishCountBlocks.block(b, FinishCounts).field(p, Count))); }
    // Style i = 1..4.
    int runningStyleCount(int i) const { return int(number(RunningStyleCounts.field(i, Count))); }
};

} // namespace zefa
