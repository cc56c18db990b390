#include "jvdata/Combinations.h"

#include <gtest/gtest.h>

#include <array>
#include <vector>

namespace zefa {
namespace {

TEST(Combinations, ComboText) {
    EXPECT_EQ(comboText(std::array{3}), " 3");
    EXPECT_EQ(comboText(std::array{3, 12}), " 3-12");
    EXPECT_EQ(comboText(std::array{1, 7, 15}), " 1- 7-15");
}

TEST(Combinations, NamedOrdinals) {
    const struct {
        BetType type;
        std::string_view text;
        int ordinal;
    } cases[] = {
        {BetType::Win, " 1", 1},
        {BetType::Place, "18", 18},
        {BetType::BracketQuinella, " 1- 1", 1},
        {BetType::BracketQuinella, " 1- 8", 8},
        {BetType::BracketQuinella, " 2- 2", 9},
        {BetType::BracketQuinella, " 8- 8", 36},
        {BetType::Quinella, " 1- 2", 1},
        {BetType::Quinella, " 1-18", 17},
        {BetType::Quinella, " 2- 3", 18},
        {BetType::Quinella, "17-18", 153},
        {BetType::Wide, " 2- 3", 18},
        {BetType::Exacta, " 1- 2", 1},
        {BetType::Exacta, " 1-18", 17},
        {BetType::Exacta, " 2- 1", 18},
        {BetType::Exacta, "18-17", 306},
        {BetType::Trio, " 1- 2- 3", 1},
        {BetType::Trio, " 1- 2- 4", 2},
        {BetType::Trio, "16-17-18", 816},
        {BetType::Trifecta, " 1- 2- 3", 1},
        {BetType::Trifecta, " 9-18-17", 2448},
        {BetType::Trifecta, "10- 1- 2", 2449},
        {BetType::Trifecta, "18-17-16", 4896},
    };
    for (const auto& c : cases) EXPECT_EQ(comboOrdinal(c.type, c.text), c.ordinal) << c.text;
}

// ordinal -> combination -> text -> ordinal for every combination, in ascending text order.
TEST(Combinations, EveryOrdinalRoundTrips) {
    for (const BetTypeRow& row : kBetTypes) {
        std::string previous;
        for (int ordinal = 1; ordinal <= row.combinations; ++ordinal) {
            const Combination combination = combinationAt(row.type, ordinal);
            ASSERT_EQ(combination.size, row.size) << row.prefix << " " << ordinal;
            const std::string text = comboText(combination.numbers());
            EXPECT_EQ(comboOrdinal(row.type, text), ordinal) << row.prefix << " " << text;
            EXPECT_LT(previous, text) << row.prefix << " " << text;
            previous = text;
        }
        EXPECT_EQ(combinationAt(row.type, 0).size, 0) << row.prefix;
        EXPECT_EQ(combinationAt(row.type, row.combinations + 1).size, 0) << row.prefix;
    }
}

// Which numbers make a combination, as the bet types describe it; 0 and 19 stand for out of range.
bool describedValid(BetType type, const std::vector<int>& n) {
    const auto inRange = [&](int highest) {
        for (const int x : n)
            if (x < 1 || x > highest) return false;
        return true;
    };
    switch (type) {
    case BetType::Win:
    case BetType::Place: return inRange(18);
    case BetType::BracketQuinella: return inRange(8) && n[0] <= n[1];
    case BetType::Quinella:
    case BetType::Wide: return inRange(18) && n[0] < n[1];
    case BetType::Exacta: return inRange(18) && n[0] != n[1];
    case BetType::Trio: return inRange(18) && n[0] < n[1] && n[1] < n[2];
    case BetType::Trifecta: return inRange(18) && n[0] != n[1] && n[1] != n[2] && n[0] != n[2];
    }
    return false;
}

TEST(Combinations, OnlyValidCombinationsHaveAnOrdinal) {
    for (const BetTypeRow& row : kBetTypes) {
        std::vector<int> n(size_t(row.size), 0);
        for (;;) {
            const int ordinal = comboOrdinal(row.type, comboText(n));
            EXPECT_EQ(ordinal > 0, describedValid(row.type, n)) << row.prefix << " " << comboText(n);
            size_t k = n.size();
            while (k > 0 && n[k - 1] == 19) n[--k] = 0;
            if (k == 0) break;
            ++n[k - 1];
        }
    }
}

TEST(Combinations, OrdinalsFollowTheExactaAndTrifectaFormulas) {
    for (int a = 1; a <= 18; ++a)
        for (int b = 1; b <= 18; ++b) {
            if (b == a) continue;
            const int bPrime = b > a ? b - 1 : b;
            EXPECT_EQ(comboOrdinal(BetType::Exacta, comboText(std::array{a, b})), (a - 1) * 17 + bPrime);
            for (int c = 1; c <= 18; ++c) {
                if (c == a || c == b) continue;
                const int cPrime = c - (a < c ? 1 : 0) - (b < c ? 1 : 0);
                EXPECT_EQ(comboOrdinal(BetType::Trifecta, comboText(std::array{a, b, c})),
                          (a - 1) * 272 + (bPrime - 1) * 16 + cPrime);
            }
        }
}

TEST(Combinations, MalformedTextsHaveNoOrdinal) {
    const struct {
        BetType type;
        std::string_view text;
    } cases[] = {
        {BetType::Win, ""},           {BetType::Win, "3 "},         {BetType::Win, "03"},
        {BetType::Win, "+3"},         {BetType::Win, " 3 "},        {BetType::Quinella, " 1-2"},
        {BetType::Quinella, "1- 2"},  {BetType::Quinella, " 1 - 2"}, {BetType::Quinella, " 1- 2 "},
        {BetType::Quinella, "01- 2"}, {BetType::Quinella, " 1+ 2"}, {BetType::Quinella, " 1--2"},
        {BetType::Quinella, "ab-cd"}, {BetType::Quinella, " 1"},    {BetType::Quinella, " 1- 2- 3"},
        {BetType::Trio, " 1- 2"},     {BetType::Trio, " 1- 2 -3"},  {BetType::Trifecta, " 1- 2-3 "},
    };
    for (const auto& c : cases) EXPECT_EQ(comboOrdinal(c.type, c.text), 0) << '"' << c.text << '"';
}

TEST(Combinations, FixedQuinellaAndBracketConversions) {
    EXPECT_EQ(quinellaComboText(1), " 1- 2");
    EXPECT_EQ(quinellaComboText(18), " 2- 3");
    EXPECT_EQ(quinellaComboText(153), "17-18");
    EXPECT_EQ(quinellaComboText(0), "");
    EXPECT_EQ(quinellaComboText(154), "");
    EXPECT_EQ(quinellaOrdinal("17-18"), 153);
    EXPECT_EQ(quinellaOrdinal(" 2- 1"), 0);
    EXPECT_EQ(bracketQuinellaOrdinal(" 1- 1"), 1);
    EXPECT_EQ(bracketQuinellaOrdinal(" 8- 8"), 36);
    EXPECT_EQ(bracketQuinellaOrdinal(" 2- 1"), 0);
    EXPECT_EQ(bracketQuinellaOrdinal(" 1- 9"), 0);
}

TEST(Combinations, SortedTriple) {
    EXPECT_EQ(sortedTriple(3, 1, 2), " 1- 2- 3");
    EXPECT_EQ(sortedTriple(18, 1, 9), " 1- 9-18");
    EXPECT_EQ(sortedTriple(1, 1, 2), "");
    EXPECT_EQ(sortedTriple(2, 7, 2), "");
    EXPECT_EQ(sortedTriple(0, 1, 2), "");
    EXPECT_EQ(sortedTriple(1, 2, 19), "");
}

// Brackets as the rule describes them: up to 8 runners one horse each; 9..16 the first 16 - n brackets
// one and the others two; 17 seven brackets of two and one of three; 18 six of two and two of three.
std::vector<int> describedBrackets(int runners) {
    std::vector<int> sizes;
    if (runners <= 8) {
        sizes.assign(size_t(runners), 1);
    } else if (runners <= 16) {
        sizes.assign(size_t(16 - runners), 1);
        sizes.resize(8, 2);
    } else {
        sizes.assign(size_t(24 - runners), 2);
        sizes.resize(8, 3);
    }
    std::vector<int> bracketOfHorse{0};
    for (size_t b = 0; b < sizes.size(); ++b) bracketOfHorse.insert(bracketOfHorse.end(), size_t(sizes[b]), int(b) + 1);
    return bracketOfHorse;
}

int closedFormulaBracket(int n, int h) {
    if (n <= 16) {
        const int q = (n - h) / 2;
        return q < n - 8 ? 8 - q : h;
    }
    int bracket = 8 - (16 - h) / 2;
    if (h > 16) --bracket;
    if (h == 15 && n == 18) --bracket;
    if (h == 17) ++bracket;
    return bracket;
}

TEST(Combinations, BracketOfEveryHorseOfEveryFieldSize) {
    for (int runners = 1; runners <= 18; ++runners) {
        const std::vector<int> described = describedBrackets(runners);
        ASSERT_EQ(described.size(), size_t(runners) + 1);
        for (int horse = 1; horse <= runners; ++horse) {
            EXPECT_EQ(bracketOf(runners, horse), described[size_t(horse)]) << runners << " " << horse;
            EXPECT_EQ(bracketOf(runners, horse), closedFormulaBracket(runners, horse)) << runners << " " << horse;
        }
    }
    EXPECT_EQ(bracketOf(8, 9), 0);
    EXPECT_EQ(bracketOf(18, 0), 0);
    EXPECT_EQ(bracketOf(19, 1), 0);
    EXPECT_EQ(bracketOf(0, 1), 0);
}

} // namespace
} // namespace zefa
