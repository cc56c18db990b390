#include "jvdata/BetType.h"
#include "jvdata/Cp932.h"

#include <gtest/gtest.h>

namespace zefa {
namespace {

TEST(BetType, NamesPrefixesAndCombinationCounts) {
    const struct {
        BetType type;
        std::string_view name, prefix;
        int combinations;
    } cases[] = {
        {BetType::Win, "単勝", "Tan", 18},           {BetType::Place, "複勝", "Fuk", 18},
        {BetType::BracketQuinella, "枠連", "WR", 36}, {BetType::Quinella, "馬連", "UR", 153},
        {BetType::Wide, "ワイド", "WD", 153},         {BetType::Exacta, "馬単", "UT", 306},
        {BetType::Trio, "３連複", "SRF", 816},        {BetType::Trifecta, "３連単", "SRT", 4896},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(betTypeName(c.type), toCp932(c.name)) << c.prefix;
        EXPECT_EQ(betTypeOfName(toCp932(c.name)), c.type) << c.prefix;
        EXPECT_EQ(betTypeRow(c.type).prefix, c.prefix);
        EXPECT_EQ(betTypeRow(c.type).combinations, c.combinations) << c.prefix;
    }
    EXPECT_EQ(betTypeOfName(toCp932("三連単")), std::nullopt);
    EXPECT_EQ(betTypeOfName("SRT"), std::nullopt);
    EXPECT_EQ(betTypeOfName(""), std::nullopt);
}

} // namespace
} // namespace zefa
