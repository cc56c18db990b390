#include "display/RaceHeader.h"

#include "bets/UserRules.h"
#include "display/DisplayColours.h"
#include "jvdata/Cp932.h"
#include "jvdata/NumberFormat.h"
#include "jvdata/OddsRecords.h"
#include "jvdata/RaRecord.h"
#include "jvdata/RaceClassTexts.h"
#include "jvdata/RaceCodeTables.h"
#include "jvdata/VenueTables.h"

namespace zefa {


namespace {

constexpr Field kAnnouncedClock{32, 4}; // hhmm of an odds record's announcement time
constexpr int kTurfFirst = 10, kTurfLast = 22;
constexpr std::array<std::string_view, 4> kModeMarks{"評", "複", "U評", "U複"};

// The rule text: the axis pattern code (2), eight counts (1 each), the comment (120).
constexpr Field kAxisPattern{1, 2};
constexpr int kCountsAt = 3;
constexpr Field kRuleComment{11, 120};
constexpr Field kMonth{16, 2}, kDay{18, 2}; // of the race date

// The rule text of the race: characters 7.. of the rule that the axis step takes (findUserRule),
// or the default values without a comment. A key with a blank part fits no rule.
std::string ruleText(const std::vector<std::string>& rules, std::string_view race, std::string_view pattern) {
    const std::string values = findUserRule(rules, race, pattern);
    const std::string key = userRuleKey(race, pattern);
    const auto blankPart = [&](Field part) { return fieldOf(key, part) == "  "; };
    if (blankPart(rule::Venue) || blankPart(rule::Course) || blankPart(rule::Pattern)) return values;
    const auto line = firstRuleWithKey(rules, key);
    return line == rules.end() ? values : values + std::string(fieldOf(*line, rule::Comment));
}

// "a " … "cc" for axis pattern codes 1..12, two blanks for anything else.
std::string axisPatternLabel(std::string_view code) {
    std::string label(ruleCodeText(kFJikuPatterns, code));
    label.resize(2, ' ');
    return label;
}

std::string announcedClock(const std::string& oddsRecord) {
    const std::string_view hhmm = fieldOf(oddsRecord, kAnnouncedClock);
    if (trimmed(hhmm).empty()) return {};
    return std::string(hhmm.substr(0, 2)) + ":" + std::string(hhmm.substr(2));
}

std::string prizes(const RaRecord& race, Block block) {
    std::string text;
    for (int place = 1; place <= block.entries; ++place) {
        if (place > 1) text += "/";
        text += std::to_string(place) + toCp932("着:") + paddedNumber(race.field(block.field(place, RaRecord::Prize)));
    }
    return text;
}

std::string label1(const RaRecord& race) {
    const auto f = [&](Field field) { return std::string(race.field(field)); };
    const std::string_view post = race.postTime();
    return f(RaRecord::Year) + toCp932("年") + f(kMonth) + toCp932("月") + f(kDay) + toCp932("日(") +
           weekdayLabel(race.field(RaRecord::WeekdayCode)) + ")" + venueName(race.venueCode(), 2) +
           f(RaRecord::Meeting) + toCp932("回") + f(RaRecord::MeetingDay) + toCp932("日") + f(RaRecord::RaceNumber) +
           "R   " + std::string(post.substr(0, 2)) + "." + std::string(post.substr(2, 2)) + toCp932("発走  ") +
           weatherLabel(race.field(RaRecord::WeatherCode)) + toCp932("　") + goingLabel(race.field(RaRecord::TurfGoingCode), 1) +
           toCp932("　") + goingLabel(race.field(RaRecord::DirtGoingCode), 2);
}

std::string label2(const RaRecord& race) {
    const long long edition = race.number(RaRecord::GradedRaceEdition);
    const std::string prefix = edition != 0 ? toCp932("第") + std::to_string(edition) + toCp932("回 ") : std::string();
    return prefix + std::string(race.field(RaRecord::RaceName));
}

std::string label3(const RaRecord& race) {
    const std::string_view track = race.field(RaRecord::TrackCode);
    return rightAligned(race.registeredRunners(), 2) + toCp932("頭[入線:") + paddedNumber(race.field(RaRecord::Finishers)) +
           toCp932("頭] ") + rightAligned(race.number(RaRecord::Distance), 4) + toCp932("ﾒｰﾄﾙ ") + trackLabelLong(track) +
           "(" + std::string(race.text(RaRecord::CourseCode)) + ") " + gradeLabel(race.field(RaRecord::GradeCode)) + " " +
           raceTypeLabel(race.field(RaRecord::RaceTypeCode), 8) + " " + raceSymbolLabel(race.field(RaRecord::RaceSymbolCode));
}

std::string label4(const RaRecord& race) {
    const AgeConditions conditions{race.conditionCode(1), race.conditionCode(2), race.conditionCode(3), race.conditionCode(4)};
    return weightTypeLabel(race.field(RaRecord::WeightTypeCode)) + " " +
           conditionLabel(race.field(RaRecord::RaceTypeCode), conditions);
}

} // namespace

RaceHeader raceHeader(const RaceSlotRecords& slot, const RaceAnalysis& analysis,
                      const std::vector<std::string>& userRules, int kaimeMode) {
    const RaRecord race(slot.race);
    RaceHeader header;
    header.BashoLabel = toUtf8(venueName(race.venueCode(), 2));
    header.RaceLabel = std::string(trimmed(paddedNumber(race.field(RaRecord::RaceNumber))));
    header.Label1 = toUtf8(label1(race));
    header.Label2 = toUtf8(label2(race));
    header.Label3 = toUtf8(label3(race));
    header.Label4 = toUtf8(label4(race));
    header.Label6 = toUtf8(toCp932("【本 賞 金】") + prizes(race, RaRecord::MainPrizes));
    header.Label7 = toUtf8(toCp932("【付加賞金】") + prizes(race, RaRecord::AddedPrizes)) + "　　　　　　　　(単位：百円)";

    const int track = int(race.number(RaRecord::TrackCode));
    header.Panel3Colour = track >= kTurfFirst && track <= kTurfLast ? colour::kTurfGreen : colour::kMaroon;

    header.TFWtimeAsaLabel = announcedClock(slot.oddsRecord(DayFile::MorningOdds));
    header.TFWtimeAsaColour = analysis.AsaMissing == 1 ? colour::kCyan : colour::kCream;
    header.TFWtimeLabel = announcedClock(slot.oddsRecord(DayFile::WinOdds));
    header.URtimeLabel = announcedClock(slot.oddsRecord(DayFile::QuinellaOdds));
    header.WDtimeLabel = announcedClock(slot.oddsRecord(DayFile::WideOdds));
    header.UTtimeLabel = announcedClock(slot.oddsRecord(DayFile::ExactaOdds));
    header.SRFtimeLabel = announcedClock(slot.oddsRecord(DayFile::TrioOdds));
    header.SRTtimeLabel = announcedClock(slot.oddsRecord(DayFile::TrifectaOdds));

    header.MiokuriLabel = analysis.MiokuriFlag == 1 ? "見送り" : "";
    header.PositionLabel = analysis.PositionPattern;
    header.Kohan4RLabel = analysis.Last4Flag == 1 ? "後4R" : "";
    header.KaisetLabel = kaimeMode >= 0 && kaimeMode < int(kModeMarks.size()) ? std::string(kModeMarks[size_t(kaimeMode)]) : "";

    header.DidLabel = toUtf8(userRuleKey(slot.race, analysis.PositionPattern));
    const std::string rule = ruleText(userRules, slot.race, analysis.PositionPattern);
    const auto count = [&](int i) { return std::string(fieldOf(rule, {kCountsAt + i, 1})); };
    header.UserSetFJikuLabel = axisPatternLabel(fieldOf(rule, kAxisPattern));
    std::string* counts[] = {&header.UserSetHup, &header.UserSetHb4, &header.UserSetHrr, &header.UserSetHnn,
                             &header.UserSetFup, &header.UserSetFb4, &header.UserSetFrr, &header.UserSetFnn};
    for (int i = 0; i < int(std::size(counts)); ++i) *counts[i] = count(i);
    header.CommentLabel = toUtf8(fieldOf(rule, kRuleComment));
    return header;
}

} // namespace zefa
