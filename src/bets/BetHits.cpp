#include "bets/BetHits.h"

#include "jvdata/Combinations.h"
#include "jvdata/HrRecord.h"
#include "jvdata/NumberFormat.h"

#include <algorithm>
#include <optional>

namespace zefa {
namespace {

using Payout = HrRecord::PayoutBlock;

// The payout block of each bet type, by BetType order.
constexpr std::array<Payout, 8> kPayoutBlocks{Payout::Win,      Payout::Place,         Payout::BracketQuinella,
                                              Payout::Quinella, Payout::QuinellaPlace, Payout::Exacta,
                                              Payout::Trio,     Payout::Trifecta};

constexpr int kResultPayoutWidth = 7;
constexpr int kResultReturnWidth = 7;
constexpr int kResultPopularityWidth = 3;
constexpr int kReturnedWidth = 8;

// The ComboText of a stored 組番 (or 馬番): equal-width numbers of digits only, forming a valid
// combination of the type.
std::optional<std::string> storedCombination(BetType type, std::string_view stored) {
    const int size = betTypeRow(type).size;
    const size_t width = stored.size() / size_t(size);
    const bool digits = std::ranges::all_of(stored, [](char c) { return c >= '0' && c <= '9'; });
    if (!digits || width == 0) return std::nullopt;
    Combination numbers{{}, size};
    for (int k = 0; k < size; ++k) numbers.values[size_t(k)] = int(fieldNumber(stored.substr(size_t(k) * width, width)));
    std::string text = comboText(numbers.numbers());
    if (comboOrdinal(type, text) <= 0) return std::nullopt;
    return text;
}

} // namespace

std::vector<PaidEntry> paidEntries(BetType type, std::string_view payoutRecord) {
    std::vector<PaidEntry> entries;
    if (payoutRecord.size() != size_t(recordLength(RecordKind::HR))) return entries;
    const HrRecord hr(payoutRecord);
    const Payout block = kPayoutBlocks[size_t(type)];
    for (int n = 1; n <= HrRecord::entries(block); ++n) {
        std::optional<std::string> combination = storedCombination(type, hr.combination(block, n));
        if (combination) entries.push_back({std::move(*combination), hr.payout(block, n), hr.popularity(block, n)});
    }
    return entries;
}

bool isPaidCombination(BetType type, std::string_view payoutRecord, std::string_view combination) {
    return std::ranges::any_of(paidEntries(type, payoutRecord),
                               [&](const PaidEntry& entry) { return entry.combination == combination; });
}

void checkHits(BetList& list, std::string_view payoutRecord) {
    const std::vector<PaidEntry> entries = paidEntries(list.type, payoutRecord);
    long long returned = 0;
    for (int row = 1; row <= list.dataRows(); ++row) {
        const std::string& combination = list.cell(row, BetColumn::Combination);
        if (blankCell(combination)) continue;
        for (const PaidEntry& entry : entries) {
            if (entry.combination != combination) continue;
            // Trifecta payouts reach nine digits: the product needs 64 bits.
            const long long rowReturn = (long long)entry.payout * list.stake(row) / 100;
            list.cell(row, BetColumn::ResultPayout) = rightAligned(entry.payout, kResultPayoutWidth);
            list.cell(row, BetColumn::ResultReturn) = rightAligned(rowReturn, kResultReturnWidth);
            list.cell(row, BetColumn::ResultPopularity) = rightAligned(entry.popularity, kResultPopularityWidth);
            returned += rowReturn;
        }
    }
    BetLabel& label = list.label(SummaryLabel::Returned);
    if (returned < 1) {
        label.text.clear();
        return;
    }
    label.text = rightAligned(returned, kReturnedWidth);
    label.colour = returned < cellValue(list.label(SummaryLabel::Stake).text) ? kRed : kBlack;
}

} // namespace zefa
