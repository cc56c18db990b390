#include "sample/RaceRecords.h"

#include "jvdata/Combinations.h"
#include "jvdata/HrRecord.h"
#include "jvdata/RaRecord.h"
#include "jvdata/SeRecord.h"
#include "jvdata/TcRecord.h"
#include "sample/RecordText.h"

#include <algorithm>
#include <array>
#include <map>
#include <string_view>

namespace zefa {
namespace {

constexpr char kCategoryPayouts = '2'; // 確定 payouts
constexpr char kCategoryChange = '1';
constexpr std::string_view kSaturdayCode = "1";
constexpr std::string_view kSundayCode = "2";
constexpr char kScratchedCode = '1';   // 出走取消

// First prizes in 100 yen by condition code (a G3 is given apart); places 2..5 get these percents.
struct PrizeRow {
    std::string_view condition;
    long long first;
};
constexpr std::array<PrizeRow, 6> kFirstPrizes{{{"701", 70000}, {"703", 55000}, {"005", 80000}, {"010", 110000}, {"016", 150000}, {"999", 220000}}};
constexpr long long kGradedFirstPrize = 400000;
constexpr std::array<int, 5> kPrizePercent{100, 40, 25, 15, 10};

std::string yyyymmdd(const DateTime& d) { return digits(d.year, 4) + digits(d.month, 2) + digits(d.day, 2); }

std::string numbersText(std::span<const int> numbers, int width) {
    std::string text;
    for (int n : numbers) text += digits(n, width);
    return text;
}

} // namespace

void putRaceKey(RecordText& record, const SampleRace& race, char category) {
    record.put(RaceRecordView::DataCategory, std::string(1, category))
        .put(RaceRecordView::CreationDate, yyyymmdd(race.date))
        .put(RaceRecordView::RaceDate, yyyymmdd(race.date))
        .text(RaceRecordView::VenueCode, race.venue)
        .number(RaceRecordView::Meeting, race.meeting)
        .number(RaceRecordView::MeetingDay, race.meetingDay)
        .number(RaceRecordView::RaceNumber, race.number);
}

long long placePrize(const SampleRace& race, int place) {
    if (place < 1 || place > int(kPrizePercent.size())) return 0;
    const auto row = std::ranges::find(kFirstPrizes, std::string_view(race.condition), &PrizeRow::condition);
    const long long first = race.graded() ? kGradedFirstPrize : row != kFirstPrizes.end() ? row->first : 0;
    return first * kPrizePercent[size_t(place - 1)] / 100;
}

std::string raRecord(const SampleRace& race, int finishers, char category) {
    RecordText r(RecordKind::RA);
    putRaceKey(r, race, category);
    r.text(RaRecord::WeekdayCode, race.saturday ? kSaturdayCode : kSundayCode);
    if (!race.name.empty()) {
        r.name(RaRecord::RaceName, race.name).name(RaRecord::RaceShortName6, race.name).name(RaRecord::RaceShortName3, race.name);
    }
    if (race.graded()) r.number(RaRecord::GradedRaceEdition, 10 + race.date.year % 50);
    r.text(RaRecord::GradeCode, race.grade).text(RaRecord::RaceTypeCode, race.raceType).text(RaRecord::RaceSymbolCode, "000");
    r.text(RaRecord::WeightTypeCode, race.weightType);
    const bool twoYearOlds = race.forTwoYearOlds();
    for (int group = 1; group <= 4; ++group)
        r.text(RaRecord::ConditionCodes.field(group, RaRecord::ConditionCode), (group == 1) == twoYearOlds ? race.condition : "000");
    r.text(RaRecord::YoungestConditionCode, race.condition).number(RaRecord::Distance, race.distance).text(RaRecord::TrackCode, race.track);
    for (int place = 1; place <= 5; ++place) r.number(RaRecord::MainPrizes.field(place, RaRecord::Prize), placePrize(race, place));
    for (int place = 1; place <= 3; ++place) r.number(RaRecord::AddedPrizes.field(place, RaRecord::Prize), 0);
    const int starters = int(std::ranges::count(race.runners, false, &SampleRunner::scratched));
    r.text(RaRecord::PostTime, race.postTime)
        .number(RaRecord::RegisteredRunners, race.registered())
        .number(RaRecord::Starters, starters)
        .number(RaRecord::Finishers, finishers)
        .put(RaRecord::WeatherCode, std::string(1, race.weather))
        .put(RaRecord::TurfGoingCode, std::string(1, race.turfGoing))
        .put(RaRecord::DirtGoingCode, std::string(1, race.dirtGoing));
    return r.bytes();
}

std::string seRecord(const SampleRace& race, const SampleRunner& runner, const SampleWorld& world, const RunnerResult& result,
                     char category) {
    const SampleHorse& horse = world.horses[size_t(runner.horse)];
    const SamplePerson& jockey = world.jockeys[size_t(runner.jockey)];
    const SamplePerson& trainer = world.trainers[size_t(horse.trainer)];
    RecordText r(RecordKind::SE);
    putRaceKey(r, race, category);
    r.number(SeRecord::Bracket, runner.bracket)
        .number(SeRecord::HorseNumber, runner.number)
        .text(SeRecord::HorseId, horse.id)
        .name(SeRecord::HorseName, horse.name)
        .number(SeRecord::HorseSymbolCode, 0)
        .number(SeRecord::SexCode, horse.sex)
        .number(SeRecord::CoatColourCode, horse.coat)
        .number(SeRecord::Age, horse.age)
        .text(SeRecord::TrainerCode, trainer.code)
        .name(SeRecord::TrainerShortName, trainer.shortName)
        .number(SeRecord::CarriedWeight, runner.carried)
        .number(SeRecord::BlinkerCode, 0)
        .text(SeRecord::JockeyCode, jockey.code)
        .name(SeRecord::JockeyShortName, jockey.shortName)
        .number(SeRecord::ApprenticeCode, 0)
        .number(SeRecord::BodyWeight, runner.bodyWeight)
        .text(SeRecord::BodyWeightSign, runner.weightChange > 0 ? "+" : runner.weightChange < 0 ? "-" : " ")
        .number(SeRecord::BodyWeightChange, std::abs(runner.weightChange))
        .put(SeRecord::AnomalyCode, std::string(1, runner.scratched ? kScratchedCode : '0'))
        .number(SeRecord::ArrivalOrder, result.arrival)
        .number(SeRecord::FinishPosition, result.finish)
        .text(SeRecord::RaceTime, result.time)
        .text(SeRecord::MarginCode, result.margin);
    for (int c = 1; c <= 4; ++c) r.number(SeRecord::Corners.field(c, SeRecord::CornerPosition), result.corners[size_t(c - 1)]);
    r.number(SeRecord::WinOdds, std::max(0LL, result.winOdds))
        .number(SeRecord::WinPopularity, result.popularity)
        .number(SeRecord::MainPrizeWon, result.prize)
        .number(SeRecord::AddedPrizeWon, 0)
        .number(SeRecord::Last3FurlongsTime, result.lastThreeFurlongs)
        .text(SeRecord::TimeDifference, result.timeDifference)
        .put(SeRecord::RunningStyle, std::string(1, result.style));
    if (!result.opponent.empty()) r.name(SeRecord::OpponentHorseName, result.opponent);
    return r.bytes();
}

std::string tcRecord(const SampleRace& race, std::string_view newPostTime, std::string_view announced) {
    RecordText r(RecordKind::TC);
    putRaceKey(r, race, kCategoryChange);
    r.put(TcRecord::AnnouncedAt, std::string(announced))
        .put(TcRecord::NewPostTime, std::string(newPostTime))
        .put(TcRecord::OldPostTime, race.postTime);
    return r.bytes();
}

std::string hrRecord(const SampleRace& race, const Market& market, const RaceResult& result) {
    RecordText r(RecordKind::HR);
    putRaceKey(r, race, kCategoryPayouts);
    const std::vector<int>& o = result.order;
    // The first three home; a dead heat for third gives two of them, each paying with its own company.
    std::vector<std::vector<int>> threes{{o[0], o[1], o[2]}};
    if (result.deadHeatForThird) threes.push_back({o[0], o[1], o[3]});
    const auto pay = [&](HrRecord::PayoutBlock block, int entry, BetType type, std::vector<int> numbers, const std::vector<int>& top) {
        const HrRecord::PayoutBlockRow& row = HrRecord::row(block);
        const int ordinal = comboOrdinal(type, comboText(numbers));
        const int width = row.combination.length / int(numbers.size());
        r.put(row.entries.field(entry, row.combination), numbersText(numbers, width))
            .number(row.entries.field(entry, row.payout), market.paidOdds(type, ordinal, top) * 10)
            .number(row.entries.field(entry, row.popularity), market.odds(type).popularity[size_t(ordinal - 1)]);
    };
    const auto sorted = [](std::vector<int> v) {
        std::ranges::sort(v);
        return v;
    };
    using B = HrRecord::PayoutBlock;
    const std::vector<int>& top = threes.front();
    pay(B::Win, 1, BetType::Win, {o[0]}, top);
    for (int i = 0; i < market.placesPaid(); ++i) pay(B::Place, i + 1, BetType::Place, {o[size_t(i)]}, top);
    if (result.deadHeatForThird && market.placesPaid() == 3) pay(B::Place, 4, BetType::Place, {o[3]}, threes.back());
    pay(B::BracketQuinella, 1, BetType::BracketQuinella, sorted({bracketOf(race.registered(), o[0]), bracketOf(race.registered(), o[1])}), top);
    pay(B::Quinella, 1, BetType::Quinella, sorted({o[0], o[1]}), top);
    pay(B::Exacta, 1, BetType::Exacta, {o[0], o[1]}, top);
    std::map<std::vector<int>, const std::vector<int>*> wide; // each pair with the first three it came from
    for (const auto& three : threes)
        for (const auto& pair : {sorted({three[0], three[1]}), sorted({three[0], three[2]}), sorted({three[1], three[2]})})
            wide.emplace(pair, &three);
    int entry = 1;
    for (const auto& [pair, three] : wide) pay(B::QuinellaPlace, entry++, BetType::Wide, pair, *three);
    for (size_t i = 0; i < threes.size(); ++i) {
        pay(B::Trio, int(i) + 1, BetType::Trio, sorted(threes[i]), threes[i]);
        pay(B::Trifecta, int(i) + 1, BetType::Trifecta, threes[i], threes[i]);
    }
    return r.bytes();
}

} // namespace zefa
