#pragma once

#include "jvdata/RaceRecord.h"

#include <array>

namespace zefa {

// HR: the payouts of one race, in eight blocks of entries.
class HrRecord : public RaceRecordView {
public:
    // The payout blocks in record order.
    enum class PayoutBlock { Win, Place, BracketQuinella, Quinella, QuinellaPlace, Exacta, Trio, Trifecta };

    // One payout block: where its entries lie and the entry fields (positions inside an entry).
    struct PayoutBlockRow {
        Block entries;
        Field combination; // 組番, or 馬番 for win and place; blank or zero: no payout
        Field payout;      // 払戻金 (yen per 100 yen)
        Field popularity;  // 人気順
    };

    static constexpr std::array<PayoutBlockRow, 8> PayoutBlocks{{
        {{103, 3, 13}, {1, 2}, {3, 9}, {12, 2}},  // 単勝払戻
        {{142, 5, 13}, {1, 2}, {3, 9}, {12, 2}},  // 複勝払戻
        {{207, 3, 13}, {1, 2}, {3, 9}, {12, 2}},  // 枠連払戻
        {{246, 3, 16}, {1, 4}, {5, 9}, {14, 3}},  // 馬連払戻
        {{294, 7, 16}, {1, 4}, {5, 9}, {14, 3}},  // ワイド払戻
        {{454, 6, 16}, {1, 4}, {5, 9}, {14, 3}},  // 馬単払戻
        {{550, 3, 18}, {1, 6}, {7, 9}, {16, 3}},  // 3連複払戻
        {{604, 6, 19}, {1, 6}, {7, 9}, {16, 4}},  // 3連単払戻
    }};

    explicit HrRecord(std::string_view bytes) : RaceRecordView(bytes, RecordKind::HR) {}

    static constexpr const PayoutBlockRow& row(PayoutBlock b) { return PayoutBlocks[size_t(b)]; }
    static constexpr int entries(PayoutBlock b) { return row(b).entries.entries; }

    // Entry n (1..entries(b)) of block b.
    std::string_view combination(PayoutBlock b, int n) const {
        return field(row(b).entries.field(n, row(b).combination));
    }
    int payout(PayoutBlock b, int n) const { return int(number(row(b).entries.field(n, row(b).payout))); }
    int popularity(PayoutBlock b, int n) const { return int(number(row(b).entries.field(n, row(b).popularity))); }
    // Whether entry n carries a payout: fewer places paid or no dead heat leave it blank or zero.
    bool paid(PayoutBlock b, int n) const { return number(row(b).entries.field(n, row(b).combination)) != 0; }
};

} // namespace zefa
