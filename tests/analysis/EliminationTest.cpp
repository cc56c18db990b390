#include "analysis/Elimination.h"
#include "app/EliminationCommands.h"
#include "jvdata/RaRecord.h"
#include "jvdata/SeRecord.h"
#include "support/RecordBuilder.h"
#include "support/StartupFixture.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace zefa {
namespace {

using test::LineBuilder;

std::string twoDigits(int value) {
    const std::string digits = std::to_string(value);
    return digits.size() < 2 ? "0" + digits : digits;
}

// One race slot of the day (blank records) and its analysis, filled field by field.
struct RaceCase {
    RaceDayStore store;
    RaceSlotRecords& slot = store.slot(0);
    RaceAnalysis analysis;
    LineBuilder race = LineBuilder(RecordKind::RA).raceKey("2024060205030411");

    RaceCase() { raceField(RaRecord::TrackCode, "10").runners(16); }

    RaceCase& raceField(Field f, std::string_view text) {
        race.put(f.position, text);
        slot.race = race.record();
        return *this;
    }
    RaceCase& runners(int n) { return raceField(RaRecord::RegisteredRunners, twoDigits(n)); }
    // Past run j of horse h at a venue, with its finish (0: blank).
    RaceCase& run(int h, int j, int finish, std::string_view venue = "05") {
        LineBuilder se(RecordKind::SE);
        se.raceKey("2024042805020311").put(SeRecord::VenueCode.position, venue);
        if (finish > 0) se.put(SeRecord::FinishPosition.position, twoDigits(finish));
        slot.pastRuns[size_t(h - 1)][size_t(j - 1)] = se.record();
        return *this;
    }
    RaceCase& runRace(int h, int j, std::string_view trackCode, std::string_view gradeCode = " ") {
        slot.pastRaces[size_t(h - 1)][size_t(j - 1)] = LineBuilder(RecordKind::RA)
                                                            .raceKey("2024042805020311")
                                                            .put(RaRecord::TrackCode.position, trackCode)
                                                            .put(RaRecord::GradeCode.position, gradeCode)
                                                            .record();
        return *this;
    }
    RaceCase& rest(int h, int j, int days) {
        analysis.RestDays[size_t(h)][size_t(j)] = days;
        return *this;
    }
    int criterion(int n, int h = 1) const { return analysis.KeshiCriteria[size_t(n)][size_t(h)]; }
};

struct CriterionCase {
    const char* what;
    std::function<void(RaceCase&)> arrange;
    int criterion;
    int expected;
};

TEST(EliminationCriteria, FollowThePastRuns) {
    const auto breaks = [](int fin1, int fin2, std::string_view grade) {
        return [=](RaceCase& c) { c.rest(1, 1, 70).rest(1, 2, 90).run(1, 1, fin1).run(1, 2, fin2).runRace(1, 1, "10", grade); };
    };
    const CriterionCase cases[] = {
        {"breaks of 70 and 90 days, 3rd and 5th", breaks(3, 5, " "), 1, 1},
        {"the same after a G1", breaks(3, 5, "A"), 1, 0},
        {"the same with a win before last", breaks(3, 1, " "), 1, 0},
        {"the same with a last win", breaks(1, 5, " "), 1, 0},
        {"second break of exactly 60 days", [](RaceCase& c) { c.rest(1, 1, 70).rest(1, 2, 60).run(1, 1, 3).run(1, 2, 5); }, 1, 0},
        {"break of exactly 60 days after a 15th", [](RaceCase& c) { c.rest(1, 1, 60).run(1, 1, 15); }, 3, 0},
        {"break of 61 days after a 15th", [](RaceCase& c) { c.rest(1, 1, 61).run(1, 1, 15); }, 3, 1},
        {"break of 61 days after a 9th", [](RaceCase& c) { c.rest(1, 1, 61).run(1, 1, 9); }, 3, 0},
        {"turf race after a jump race", [](RaceCase& c) { c.run(1, 1, 4).runRace(1, 1, "54"); }, 4, 1},
        {"jump race after a jump race", [](RaceCase& c) { c.raceField(RaRecord::TrackCode, "54").run(1, 1, 4).runRace(1, 1, "54"); }, 4, 0},
        {"last race on track code 49", [](RaceCase& c) { c.run(1, 1, 4).runRace(1, 1, "49"); }, 4, 0},
        {"two-digit finishes, threshold 5", [](RaceCase& c) { c.run(1, 1, 10).run(1, 2, 5); }, 2, 1},
        {"10th then 4th, threshold 5", [](RaceCase& c) { c.run(1, 1, 10).run(1, 2, 4); }, 2, 0},
        {"no past runs", [](RaceCase&) {}, 2, 0},
    };
    for (const CriterionCase& test : cases) {
        auto c = std::make_unique<RaceCase>();
        test.arrange(*c);
        markEliminationCriteria(c->slot, 0, c->analysis);
        EXPECT_EQ(c->criterion(test.criterion), test.expected) << test.what;
    }
}

TEST(EliminationCriteria, Keshi2CKMovesTheThresholdOfCriterion2) {
    struct Case {
        int fin1, fin2, expected;
    };
    for (const Case test : {Case{12, 7, 1}, Case{12, 6, 0}, Case{0, 11, 1}, Case{0, 9, 0}}) {
        auto c = std::make_unique<RaceCase>();
        c->run(1, 1, test.fin1).run(1, 2, test.fin2);
        markEliminationCriteria(c->slot, 2, c->analysis);
        EXPECT_EQ(c->criterion(2), test.expected) << test.fin1 << " then " << test.fin2;
    }
}

TEST(EliminationCriteria, ASlotWithoutARaceIsLeftAlone) {
    auto c = std::make_unique<RaceCase>();
    c->raceField(RaRecord::RaceNumber, "00").rest(1, 1, 61).run(1, 1, 15);
    markEliminationCriteria(c->slot, 0, c->analysis);
    EXPECT_EQ(c->criterion(3), 0);
}

TEST(Elimination, EachCriterionEliminatesOnlyWhenSwitchedOn) {
    auto c = std::make_unique<RaceCase>();
    c->run(3, 1, 12).run(3, 2, 12); // criterion 2, worked out afresh
    for (const int n : {1, 3, 4, 5}) c->analysis.KeshiCriteria[size_t(n)][3] = 1;
    c->analysis.KeshiFlag[4] = 1; // a stale flag of a horse meeting nothing

    decideElimination(c->slot, EliminationSettings{}, c->analysis);
    EXPECT_EQ(c->analysis.KeshiFlag[3], 0) << "every setting off";
    EXPECT_EQ(c->analysis.KeshiFlag[4], 0);
    for (int n = 1; n <= kKeshiCriteria; ++n) {
        EliminationSettings settings;
        settings.keshi[size_t(n)] = true;
        decideElimination(c->slot, settings, c->analysis);
        EXPECT_EQ(c->analysis.KeshiFlag[3], 1) << "Keshi" << n;
        EXPECT_EQ(c->analysis.KeshiFlag[4], 0) << "Keshi" << n;
    }
    for (const int n : {1, 3, 4, 5}) EXPECT_EQ(c->criterion(n, 3), 1) << "criterion " << n << " stays";
}

TEST(Elimination, ACriterion2ThresholdChangeTakesEffectAtOnce) {
    auto c = std::make_unique<RaceCase>();
    c->run(1, 1, 12).run(1, 2, 6);
    markEliminationCriteria(c->slot, 0, c->analysis);
    ASSERT_EQ(c->criterion(2), 1);
    EliminationSettings settings;
    settings.keshi[2] = true;
    settings.keshi2CK = 2;
    decideElimination(c->slot, settings, c->analysis);
    EXPECT_EQ(c->criterion(2), 0);
    EXPECT_EQ(c->analysis.KeshiFlag[1], 0);
}

EliminationSettings skipRule(int n, int miokuriTosu = 0) {
    EliminationSettings settings;
    settings.miokuri[size_t(n)] = true;
    settings.miokuriTosu = miokuriTosu;
    return settings;
}

EliminationSettings skipVenue(int venue) {
    EliminationSettings settings;
    settings.bashoMiokuri[size_t(venue)] = true;
    return settings;
}

// `count` of the first `runners` horses meet `arrange`.
std::function<void(RaceCase&)> field(int runners, int count, std::function<void(RaceCase&, int h)> arrange) {
    return [=](RaceCase& c) {
        c.runners(runners);
        for (int h = 1; h <= count; ++h) arrange(c, h);
    };
}

struct SkipCase {
    const char* what;
    std::function<void(RaceCase&)> arrange;
    EliminationSettings settings;
    int expected;
};

TEST(SkipRules, MarkTheRacesToSkip) {
    const auto longBreak = [](RaceCase& c, int h) { c.rest(h, 1, 75); };
    const auto badRun = [](RaceCase& c, int h) { c.run(h, 1, 10); };
    const auto twoJraRuns = [](RaceCase& c, int h) { c.run(h, 1, 3).run(h, 2, 4); };
    const auto oneJraRun = [](RaceCase& c, int h) { c.run(h, 1, 3).run(h, 2, 1, "44").run(h, 3, 2, "A6").run(h, 4, 5, "C0"); };
    const auto condition = [](std::string_view code) { return [=](RaceCase& c) { c.raceField(RaRecord::YoungestConditionCode, code); }; };
    const auto track = [](std::string_view code) { return [=](RaceCase& c) { c.raceField(RaRecord::TrackCode, code); }; };
    const auto runners = [](int n) { return [=](RaceCase& c) { c.runners(n); }; };
    const auto venue = [](std::string_view code) { return [=](RaceCase& c) { c.raceField(RaRecord::VenueCode, code); }; };
    const SkipCase cases[] = {
        {"newcomer race 701", condition("701"), skipRule(1), 1},
        {"newcomer race 702", condition("702"), skipRule(1), 1},
        {"maiden race 703", condition("703"), skipRule(1), 0},
        {"jump race", track("54"), skipRule(2), 1},
        {"dirt race", track("24"), skipRule(2), 0},
        {"9 runners, limit 9", runners(9), skipRule(3), 1},
        {"10 runners, limit 9", runners(10), skipRule(3), 0},
        {"13 runners, limit 13", runners(13), skipRule(3, 4), 1},
        {"14 runners, limit 13", runners(14), skipRule(3, 4), 0},
        {"7 of 14 back from a break", field(14, 7, longBreak), skipRule(4), 1},
        {"6 of 13 back from a break", field(13, 6, longBreak), skipRule(4), 0},
        {"every horse with two JRA runs", field(2, 2, twoJraRuns), skipRule(5), 0},
        {"1 of 2 with one JRA run and three away", [&](RaceCase& c) { field(2, 2, twoJraRuns)(c); oneJraRun(c, 2); }, skipRule(5), 1},
        {"1 of 2 without any past run", field(2, 1, twoJraRuns), skipRule(5), 1},
        {"7 of 14 with a two-digit last finish", field(14, 7, badRun), skipRule(6), 1},
        {"6 of 13 with a two-digit last finish", field(13, 6, badRun), skipRule(6), 0},
        {"中山 with BashoMiokuri6", venue("06"), skipVenue(6), 1},
        {"東京 with BashoMiokuri6", venue("05"), skipVenue(6), 0},
        {"東京 with BashoMiokuri5", venue("05"), skipVenue(5), 1},
        {"everything holds, every rule off",
         [&](RaceCase& c) {
             condition("701")(c);
             track("54")(c);
             field(9, 9, [&](RaceCase& r, int h) { longBreak(r, h); badRun(r, h); })(c);
         },
         EliminationSettings{}, 0},
    };
    for (const SkipCase& test : cases) {
        auto c = std::make_unique<RaceCase>();
        c->analysis.MiokuriFlag = 1 - test.expected; // the flag is rewritten, not only set
        test.arrange(*c);
        decideElimination(c->slot, test.settings, c->analysis);
        EXPECT_EQ(c->analysis.MiokuriFlag, test.expected) << test.what;
    }
}

TEST(SkipRules, ARegisteredCountAbove18CountsAs18) {
    auto c = std::make_unique<RaceCase>();
    c->raceField(RaRecord::RegisteredRunners, "20");
    for (int h = 1; h <= 9; ++h) c->rest(h, 1, 75); // half of 18, less than half of 20
    decideElimination(c->slot, skipRule(4), c->analysis);
    EXPECT_EQ(c->analysis.MiokuriFlag, 1);
}

class EliminationCommandTest : public ::testing::Test, protected test::StartupFixture {};

TEST_F(EliminationCommandTest, KeshiBtnClickReadsTheNumberedOptions) {
    Session& s = session();
    s.settings.writeBool(Setting::BashoMiokuri, true, 6);
    s.settings.writeBool(Setting::Keshi, true, 2);
    s.settings.writeInt(Setting::Keshi2CK, 2);
    for (const auto& [k, venue] : {std::pair{0, "06"}, {1, "05"}})
        s.store.slot(k).race = LineBuilder(RecordKind::RA).raceKey(std::string("20240602") + venue + "030411").put(882, "02").record();
    s.store.slot(1).pastRuns[0][0] = LineBuilder(RecordKind::SE).raceKey("2024042805020311").put(335, "12").record();
    s.store.slot(1).pastRuns[0][1] = LineBuilder(RecordKind::SE).raceKey("2024040705020311").put(335, "07").record();
    s.store.slot(1).pastRuns[1][0] = s.store.slot(1).pastRuns[0][0];
    s.store.slot(1).pastRuns[1][1] = LineBuilder(RecordKind::SE).raceKey("2024040705020311").put(335, "06").record();

    markEliminationCriteria(s);
    keshiBtnClick(s);

    EXPECT_EQ(s.analyses[0].MiokuriFlag, 1);
    EXPECT_EQ(s.analyses[1].MiokuriFlag, 0);
    EXPECT_EQ(s.analyses[1].KeshiFlag[1], 1);
    EXPECT_EQ(s.analyses[1].KeshiFlag[2], 0);
}

} // namespace
} // namespace zefa
