#include "bets/DefaultUserRules.h"
#include "bets/UserRules.h"
#include "jvdata/RaRecord.h"
#include "support/RecordBuilder.h"

#include <gtest/gtest.h>

namespace zefa {
namespace {

std::string race(std::string_view venue, std::string_view track, std::string_view metres) {
    return test::LineBuilder(RecordKind::RA)
        .put(RaRecord::VenueCode.position, venue)
        .put(RaRecord::TrackCode.position, track)
        .put(RaRecord::Distance.position, metres);
}

struct KeyCase {
    std::string_view track, metres, pattern, key;
};

TEST(UserRuleKey, CourseCategoryByTrackAndDistanceAndPatternCode) {
    const KeyCase cases[] = {
        {"10", "1200", "aa", "05 1 1"}, {"17", "1201", "ab", "05 2 2"}, {"22", "2000", "cc", "05 5 9"},
        {"10", "2001", "ba", "05 6 4"}, {"23", "1000", "bb", "05 7 5"}, {"29", "1800", "ca", "0510 7"},
        {"24", "3400", "cb", "0512 8"}, {"51", "3000", "bc", "0513 6"}, {"59", "   0", "ac", "0513 3"},
        {"30", "1600", "aa", "05   1"}, {"50", "1600", "aa", "05   1"}, {"10", "   0", "aa", "05   1"},
        {"ab", "1600", "aa", "05   1"}, {"10", "1600", "-a", "05 3  "}, {"10", "1600", "AA", "05 3  "},
    };
    for (const auto& c : cases)
        EXPECT_EQ(userRuleKey(race("05", c.track, c.metres), c.pattern), c.key) << c.track << " " << c.metres << " " << c.pattern;
}

struct FindCase {
    std::string_view venue, track, metres, pattern, values;
};

TEST(FindUserRule, BuiltInRulesOrTheDefaults) {
    const auto rules = defaultUserRuleLines();
    const FindCase cases[] = {
        {"05", "17", "1600", "aa", " 100050050"}, // 東京芝1600m以下aa, line 4
        {"09", "54", "3900", "ba", " 100050050"}, // 阪神障害全距離ba, line 85
        {"09", "51", "0000", "ba", " 100050050"}, // a jump race of any distance
        {"05", "10", "2000", "ba", " 200054100"}, // 芝2000m以下, line 16
        {"05", "10", "2001", "ba", " 114001040"}, // 芝2001m以上, line 19
        {"05", "24", "1400", "ab", " 200050005"}, // ダ1400m以下, line 23
        {"05", "17", "1600", "-a", "  00050005"}, // no pattern
        {"01", "17", "1600", "aa", "  00050005"}, // no line for 札幌
        {"05", "35", "1600", "aa", "  00050005"}, // no surface
    };
    for (const auto& c : cases)
        EXPECT_EQ(findUserRule(rules, race(c.venue, c.track, c.metres), c.pattern), c.values)
            << c.venue << " " << c.track << " " << c.metres << " " << c.pattern;
    EXPECT_EQ(findUserRule(rules, "", "aa"), kDefaultRuleValues); // a race slot without a record
}

TEST(FindUserRule, ShortAndMalformedLinesNeverReachPastTheirEnd) {
    const std::vector<std::string> rules{"", "05", "0513 6", "05 3 1 1000X", "05 3 1 100050050", "05   1 800050005"};
    EXPECT_EQ(findUserRule(rules, race("05", "51", "3000"), "bc"), "          ");
    EXPECT_EQ(findUserRule(rules, race("05", "10", "1600"), "aa"), " 1000X    "); // the first line with the key
    EXPECT_EQ(findUserRule(rules, race("05", "30", "1600"), "aa"), kDefaultRuleValues); // a key with blanks never fits
    EXPECT_EQ(findUserRule({}, race("05", "10", "1600"), "aa"), kDefaultRuleValues);
}

TEST(UserRuleNames, DisplayNameAndCodes) {
    EXPECT_EQ(ruleDisplayName("05 3 1"), "東京芝1600m以下aa");
    EXPECT_EQ(ruleDisplayName("1013 9"), "小倉障害全距離cc");
    EXPECT_EQ(ruleDisplayName("1114 0"), "");
    EXPECT_EQ(ruleVenueCode(0), "01");
    EXPECT_EQ(ruleVenueCode(9), "10");
    EXPECT_EQ(ruleVenueIndex("阪神"), 8);
    EXPECT_EQ(ruleVenueIndex("門別"), std::nullopt);
    EXPECT_EQ(ruleCodeIndex("12", 12), 11);
    EXPECT_EQ(ruleCodeIndex("13", 12), std::nullopt);
    EXPECT_EQ(ruleCodeIndex(" X", 12), std::nullopt);
}

} // namespace
} // namespace zefa
