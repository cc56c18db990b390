#include "analysis/PayoutSummary.h"

#include "jvdata/Combinations.h"
#include "jvdata/HrRecord.h"

namespace zefa {
namespace {

// The payout blocks of the HR record lie in BetType order.
static_assert(HrRecord::PayoutBlocks.size() == kBetTypes.size());

// The text of a 組番 whose numbers all are above 0, written as comboText writes it; empty
// otherwise. Each number takes an equal share of the field: one digit for brackets, two for horses.
std::string combinationText(std::string_view field, int numbers) {
    const size_t width = field.size() / size_t(numbers);
    std::array<int, kMaxComboSize> values{};
    for (size_t i = 0; i < size_t(numbers); ++i) {
        values[i] = int(fieldNumber(field.substr(i * width, width)));
        if (values[i] <= 0) return {};
    }
    return comboText(std::span(values).first(size_t(numbers)));
}

} // namespace

PayoutSummaryEntry payoutSummaryOf(std::string_view payoutRecord) {
    const HrRecord record(payoutRecord);
    PayoutSummaryEntry entry;
    for (const BetTypeRow& type : kBetTypes) {
        const auto block = HrRecord::PayoutBlock(int(type.type));
        auto& rows = entry.rows[size_t(type.type)];
        rows.resize(size_t(HrRecord::entries(block)));
        for (int n = 1; n <= HrRecord::entries(block); ++n) {
            PayoutRow& row = rows[size_t(n - 1)];
            const std::string_view combination = record.combination(block, n);
            if (type.size == 1)
                row.horseNumber = int(fieldNumber(combination));
            else
                row.combination = combinationText(combination, type.size);
            row.popularity = record.popularity(block, n);
            row.payout = record.payout(block, n);
        }
    }
    return entry;
}

std::vector<PayoutSummaryEntry> payoutSummary(const RaceDayStore& store) {
    std::vector<PayoutSummaryEntry> summary;
    summary.reserve(kRaceSlots);
    for (int k = 0; k < kRaceSlots; ++k) summary.push_back(payoutSummaryOf(store.slot(k).payout));
    return summary;
}

} // namespace zefa
