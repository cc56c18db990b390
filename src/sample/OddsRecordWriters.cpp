#include "jvdata/Combinations.h"
#include "jvdata/OddsRecords.h"
#include "jvdata/YozLine.h"
#include "sample/RaceRecords.h"
#include "sample/RecordText.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string_view>

namespace zefa {
namespace {

constexpr char kCategoryFinalOdds = '4'; // 確定 odds

// The text of odds in a field: "----" for a scratched horse's combination, blank when not sold.
std::string oddsText(long long odds, Field f) {
    if (odds == kCancelled) return std::string(size_t(f.length), '-');
    return digits(odds, f.length);
}

std::string popularityText(int popularity, long long odds, Field f) {
    return odds == kCancelled ? std::string(size_t(f.length), '*') : digits(popularity, f.length);
}

std::string combinationText(BetType type, int ordinal, Field f) {
    std::string text;
    const auto numbers = combinationAt(type, ordinal).numbers();
    for (int n : numbers) text += digits(n, f.length / int(numbers.size()));
    return text;
}

// One entry of a block: combination, odds (and upper odds when `high` is set), popularity.
void putEntry(RecordText& r, Block block, int k, BetType type, const TypeOdds& odds, Field combination, Field low,
              const Field* high, Field popularity) {
    const long long value = odds.low[size_t(k - 1)];
    if (value == kNotSold) return;
    r.put(block.field(k, combination), combinationText(type, k, combination))
        .put(block.field(k, low), oddsText(value, low))
        .put(block.field(k, popularity), popularityText(odds.popularity[size_t(k - 1)], value, popularity));
    if (high) r.put(block.field(k, *high), oddsText(odds.high[size_t(k - 1)], *high));
}

template <class Layout>
void putComboBlock(RecordText& r, BetType type, const Market& market, const Field* high) {
    for (int k = 1; k <= Layout::Entries.entries; ++k)
        putEntry(r, Layout::Entries, k, type, market.odds(type), Layout::Combination, Layout::Odds, high, Layout::Popularity);
}

// Odds in tenths as a predicted-odds text of `width` ("  12.3"), blank when there are none.
std::string predictedText(long long tenths, double guess, int width) {
    if (tenths <= 0) return std::string(size_t(width), ' ');
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%*.1f", width, std::max(1.0, double(tenths) / 10 * guess));
    return std::string(buffer).substr(0, size_t(width));
}

constexpr double kGuessError = 0.25; // how far a tipster's odds stray from the market's

} // namespace

std::string yozLine(const SampleRace& race, const Market& market, SampleRandom& random) {
    RecordText r(RecordKind::Yoz);
    r.put(YozLine::RaceDate, digits(race.date.year, 4) + digits(race.date.month, 2) + digits(race.date.day, 2))
        .text(YozLine::VenueCode, race.venue)
        .put(YozLine::RaceIdentity, digits(race.meeting, 2) + digits(race.meetingDay, 2) + digits(race.number, 2))
        .put(YozLine::SourceMark, std::string(1, YozLine::JvDataVenueCoding))
        .number(YozLine::FieldSize, race.registered());
    const auto guess = [&] { return std::exp(kGuessError * random.normal()); };
    for (int h = 1; h <= race.registered(); ++h)
        r.put(YozLine::WinOdds.field(h, YozLine::HorseOdds), predictedText(market.odds(BetType::Win).low[size_t(h - 1)], guess(), 6));
    for (int k = 1; k <= YozLine::QuinellaOdds.entries; ++k)
        r.put(YozLine::QuinellaOdds.field(k, YozLine::PairOdds),
              predictedText(market.odds(BetType::Quinella).low[size_t(k - 1)], guess(), YozLine::PairOdds.length));
    return r.bytes();
}

std::string oddsRecord(RecordKind kind, const SampleRace& race, const Market& market, std::string_view announced) {
    RecordText r(kind);
    putRaceKey(r, race, kCategoryFinalOdds);
    r.put(OddsRecordView::AnnouncedAt, std::string(announced));
    switch (kind) {
    case RecordKind::O1:
        for (int h = 1; h <= race.registered(); ++h) {
            putEntry(r, O1Record::Win, h, BetType::Win, market.odds(BetType::Win), O1Record::WinHorseNumber, O1Record::WinOdds,
                     nullptr, O1Record::WinPopularity);
            putEntry(r, O1Record::Place, h, BetType::Place, market.odds(BetType::Place), O1Record::PlaceHorseNumber,
                     O1Record::PlaceOddsLow, &O1Record::PlaceOddsHigh, O1Record::PlacePopularity);
        }
        for (int k = 1; k <= O1Record::BracketQuinella.entries; ++k)
            putEntry(r, O1Record::BracketQuinella, k, BetType::BracketQuinella, market.odds(BetType::BracketQuinella),
                     O1Record::BracketCombination, O1Record::BracketOdds, nullptr, O1Record::BracketPopularity);
        break;
    case RecordKind::O2: putComboBlock<O2Record>(r, BetType::Quinella, market, nullptr); break;
    case RecordKind::O3: putComboBlock<O3Record>(r, BetType::Wide, market, &O3Record::OddsHigh); break;
    case RecordKind::O4: putComboBlock<O4Record>(r, BetType::Exacta, market, nullptr); break;
    case RecordKind::O5: putComboBlock<O5Record>(r, BetType::Trio, market, nullptr); break;
    case RecordKind::O6: putComboBlock<O6Record>(r, BetType::Trifecta, market, nullptr); break;
    default: break;
    }
    return r.bytes();
}

} // namespace zefa
