#include "jvdata/Combinations.h"

#include "jvdata/NumberFormat.h"
#include "jvdata/RecordView.h"

#include <algorithm>
#include <vector>

namespace zefa {
namespace {

using Numbers = std::array<int, kMaxComboSize>;

constexpr int kNumberWidth = 2;
constexpr std::string_view kSeparator = "-";
constexpr int kTextStep = kNumberWidth + 1; // a number and its separator

// True when the first `row.size` numbers are in range and written in the bet type's order.
constexpr bool valid(const BetTypeRow& row, const Numbers& n) {
    for (int k = 0; k < row.size; ++k) {
        if (n[k] < 1 || n[k] > row.highest) return false;
        for (int j = 0; j < k; ++j) {
            const bool inOrder = row.order == ComboOrder::Ascending          ? n[j] < n[k]
                                 : row.order == ComboOrder::AscendingOrEqual ? n[j] <= n[k]
                                                                             : n[j] != n[k];
            if (!inOrder) return false;
        }
    }
    return true;
}

// Visits every tuple of `row.size` numbers of 1..highest in lexicographic order, the order of the odds.
template <typename Visit>
constexpr void forEachTuple(const BetTypeRow& row, Visit visit) {
    Numbers n{};
    for (int k = 0; k < row.size; ++k) n[k] = 1;
    for (;;) {
        visit(n);
        int k = row.size - 1;
        for (; k >= 0 && n[k] == row.highest; --k) n[k] = 1;
        if (k < 0) return;
        ++n[k];
    }
}

constexpr bool countsMatchTheTable() {
    for (const BetTypeRow& row : kBetTypes) {
        if (row.size > kMaxComboSize) return false;
        int count = 0;
        forEachTuple(row, [&](const Numbers& n) { count += valid(row, n) ? 1 : 0; });
        if (count != row.combinations) return false;
    }
    return true;
}
static_assert(countsMatchTheTable());

constexpr int choose(int n, int k) {
    if (k < 0 || n < k) return 0;
    int result = 1;
    for (int i = 1; i <= k; ++i) result = result * (n - k + i) / i;
    return result;
}

constexpr int fallingFactorial(int n, int k) {
    int result = 1;
    for (int i = 0; i < k; ++i) result *= n - i;
    return result;
}

// The lexicographic ordinal of valid numbers, in constant time: the combinations before them plus one.
int ordinalOf(const BetTypeRow& row, const Numbers& n) {
    int before = 0;
    if (row.order == ComboOrder::Finishing) {
        // Place k takes one of the numbers not used before it; each smaller choice there stands for
        // every way of filling the places after it. Trifecta: (a-1)*272 + (b'-1)*16 + c' - 1.
        for (int k = 0; k < row.size; ++k) {
            const auto usedBelow = std::count_if(n.begin(), n.begin() + k, [&](int m) { return m < n[k]; });
            const int smallerUnused = n[k] - 1 - int(usedBelow);
            before += smallerUnused * fallingFactorial(row.highest - k - 1, row.size - k - 1);
        }
        return before + 1;
    }
    // Ascending sets in the combinatorial number system: at place k, the sets whose k-th number lies
    // between the previous number and this one. A bracket pair a <= b is the set a < b + 1 of 1..9.
    const int shift = row.order == ComboOrder::AscendingOrEqual ? 1 : 0;
    const int highest = row.highest + shift * (row.size - 1);
    int previous = 0;
    for (int k = 0; k < row.size; ++k) {
        const int x = n[k] + shift * k;
        before += choose(highest - previous, row.size - k) - choose(highest - x + 1, row.size - k);
        previous = x;
    }
    return before + 1;
}

const std::vector<Combination>& combinationsOf(BetType type) {
    static const auto tables = [] {
        std::array<std::vector<Combination>, kBetTypes.size()> out;
        for (const BetTypeRow& row : kBetTypes)
            forEachTuple(row, [&](const Numbers& n) {
                if (valid(row, n)) out[static_cast<size_t>(row.type)].push_back({n, row.size});
            });
        return out;
    }();
    return tables[static_cast<size_t>(type)];
}

} // namespace

std::string comboText(std::span<const int> numbers) {
    std::string text;
    for (const int number : numbers) {
        if (!text.empty()) text += kSeparator;
        text += rightAligned(number, kNumberWidth);
    }
    return text;
}

int comboOrdinal(BetType type, std::string_view text) {
    const BetTypeRow& row = betTypeRow(type);
    if (text.size() != size_t(row.size * kTextStep - 1)) return 0;
    Combination combination{{}, row.size};
    for (int k = 0; k < row.size; ++k)
        combination.values[k] = int(fieldNumber(text.substr(size_t(k * kTextStep), kNumberWidth)));
    // Only the exact text comboText writes is a combination: " 9", not "09" or "9 ".
    if (!valid(row, combination.values) || comboText(combination.numbers()) != text) return 0;
    return ordinalOf(row, combination.values);
}

Combination combinationAt(BetType type, int ordinal) {
    const std::vector<Combination>& all = combinationsOf(type);
    return ordinal >= 1 && ordinal <= int(all.size()) ? all[size_t(ordinal - 1)] : Combination{};
}

int bracketOf(int runners, int horse) {
    if (runners > kMaxHorses || horse < 1 || horse > runners) return 0;
    if (runners <= kBrackets) return horse;
    // Horses fill the brackets in number order, and the last runners % 8 brackets hold one horse more.
    const int perBracket = runners / kBrackets;
    const int smallBrackets = kBrackets - runners % kBrackets;
    const int inSmallBrackets = smallBrackets * perBracket;
    if (horse <= inSmallBrackets) return (horse - 1) / perBracket + 1;
    return smallBrackets + (horse - inSmallBrackets - 1) / (perBracket + 1) + 1;
}

std::string sortedTriple(int a, int b, int c) {
    Numbers n{a, b, c};
    std::ranges::sort(n);
    return valid(betTypeRow(BetType::Trio), n) ? comboText(n) : std::string();
}

} // namespace zefa
