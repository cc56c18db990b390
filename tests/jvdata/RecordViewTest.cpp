#include "jvdata/Error.h"
#include "jvdata/RaRecord.h"
#include "jvdata/RecordView.h"
#include "support/RecordBuilder.h"

#include <gtest/gtest.h>

#include <string>

namespace zefa {
namespace {

using test::LineBuilder;

TEST(RecordView, NumberRule) {
    const struct {
        std::string_view text;
        long long expected;
    } cases[] = {
        {" 7", 7},   {"07", 7},  {"  ", 0},   {"", 0},      {"12 ", 12}, {"----", 0}, {"****", 0},
        {"-3", -3},  {"- 3", 0}, {"-3 ", 3},  {"+5", 5},    {"0123", 123}, {"  12.3", 12},
        {"999999999", 999999999}, {"0000000000", 0},
    };
    for (const auto& c : cases) EXPECT_EQ(fieldNumber(c.text), c.expected) << '"' << c.text << '"';
}

TEST(RecordView, TrimmingTakesBlanksAndControlsAtBothEndsOnly) {
    const std::string_view fullWidthBlank = "\x81\x40";
    const struct {
        std::string text;
        std::string expected;
    } cases[] = {
        {"  abc  ", "abc"},
        {"\tabc\r\n", "abc"},
        {std::string("\0x\0", 3), "x"},
        {" a b ", "a b"},
        {"   ", ""},
        {"", ""},
        {std::string(fullWidthBlank) + "abc" + std::string(fullWidthBlank) + " ",
         std::string(fullWidthBlank) + "abc" + std::string(fullWidthBlank)},
    };
    for (const auto& c : cases) EXPECT_EQ(trimmed(c.text), c.expected) << '"' << c.text << '"';
}

TEST(RecordView, WrongLengthIsAnErrorThatNamesKindAndLengths) {
    const struct {
        RecordKind kind;
        size_t size;
        std::string_view name;
    } cases[] = {
        {RecordKind::RA, 1271, "RA"},
        {RecordKind::RA, 1273, "RA"},
        {RecordKind::RA, 0, "RA"},
        {RecordKind::O6, 83284, "O6"},
        {RecordKind::Yoz, 1459, "予想オッズ"}, // a stored line without its CR LF
    };
    for (const auto& c : cases) {
        const std::string bytes(c.size, ' ');
        try {
            RecordView view(bytes, c.kind);
            ADD_FAILURE() << c.name << " " << c.size << " was accepted";
        } catch (const Error& e) {
            const std::string message = e.what();
            EXPECT_NE(message.find(c.name), std::string::npos) << message;
            EXPECT_NE(message.find(std::to_string(c.size) + "バイト"), std::string::npos) << message;
            EXPECT_NE(message.find(std::to_string(recordLength(c.kind)) + "バイト"), std::string::npos) << message;
        }
    }
    EXPECT_NO_THROW(RecordView(std::string(size_t(recordLength(RecordKind::RA)), ' '), RecordKind::RA));
}

TEST(RecordView, StoredRaceLineReadsLikeTheDeliveredRecord) {
    LineBuilder race(RecordKind::RA);
    race.raceKey("2024010606010111").put(33, "\x8b\xe0\x94\x74\x8f\xdc").put(623, "000701703999").put(714, "00038000");
    race.put(874, "1540").put(882, "16").put(884, "15");
    const std::string delivered = race.put(3, "720240105").record();
    const std::string stored = race.put(3, "000000000").record();
    const RaRecord a(delivered), b(stored);

    EXPECT_EQ(a.dataCategory(), kCategoryFinalResults);
    for (const Field f : {RaRecord::RaceKey, RaRecord::RaceName, RaRecord::PostTime, RaRecord::RegisteredRunners,
                          RaRecord::Starters, RaRecord::Distance})
        EXPECT_EQ(a.field(f), b.field(f)) << f.position;
    for (int group = 1; group <= 4; ++group) EXPECT_EQ(a.conditionCode(group), b.conditionCode(group));
    EXPECT_EQ(b.raceKey(), "2024010606010111");
    EXPECT_EQ(b.venueCode(), "06");
    EXPECT_EQ(b.raceNumber(), 11);
    EXPECT_EQ(b.postTime(), "1540");
    EXPECT_EQ(b.registeredRunners(), 16);
    EXPECT_EQ(b.conditionCode(2), "701");
    EXPECT_EQ(b.conditionCode(4), "999");
    EXPECT_EQ(b.mainPrize(1), 38000);
    EXPECT_EQ(b.mainPrize(5), 0);
}

TEST(RecordView, RaceKeyTextOfLinesOfAnyLength) {
    const std::string line = LineBuilder(RecordKind::O1).raceKey("2024010608010111");
    EXPECT_EQ(raceKeyText(line), "2024010608010111");
    EXPECT_EQ(raceKeyText(line.substr(0, 20)), "202401060");
    EXPECT_EQ(raceKeyText(""), "");
    EXPECT_EQ(raceKeyText("RA0000000"), "");
}

TEST(RecordView, BlocksCutEntriesAndNestedBlocks) {
    constexpr Block outer{11, 3, 20};
    constexpr Block inner{5, 4, 3};
    static_assert(outer.field(3, {2, 4}).position == 11 + 40 + 1);
    static_assert(outer.block(2, inner).first == 11 + 20 + 4);
    static_assert(outer.block(2, inner).field(4, {1, 3}).position == 35 + 9);

    const std::string bytes =
        std::string(10, ' ') + "first entry........." + "second entry........" + "third entry.........";
    const FixedFields view(bytes);
    EXPECT_EQ(view.entry(outer, 2).bytes(), "second entry........");
    EXPECT_EQ(view.entry(outer, 3).text({1, 11}), "third entry");
    EXPECT_EQ(view.field({65, 10}), "......"); // cut short at the end
}

} // namespace
} // namespace zefa
