#include "display/EntryGrid.h"

#include "display/DisplayColours.h"
#include "jvdata/Cp932.h"
#include "jvdata/FullWidthText.h"
#include "jvdata/HorseCodeTables.h"
#include "jvdata/NumberFormat.h"
#include "jvdata/RaRecord.h"
#include "jvdata/RaceClassTexts.h"
#include "jvdata/RaceCodeTables.h"
#include "jvdata/SeRecord.h"
#include "jvdata/VenueTables.h"

#include <cstdio>
#include <cstdlib>

namespace zefa {
namespace {

constexpr int kTurfFirst = 10, kTurfLast = 22, kDirtFirst = 23, kDirtLast = 29;
constexpr int kDistanceBand = 400;
constexpr int kCornersAt = 25, kCornerStep = 12, kPaceAt = 73, kNameInfoFromRight = 80;
constexpr int kNumberSize = 13, kNameSize = 11, kTextSize = 8, kSmallTextSize = 7, kRunLineSize = 9;
constexpr std::string_view kNoLastFurlongs = "999";
constexpr Field kMonth{16, 2}, kDay{18, 2}; // of a race date

// Local and overseas venues; their runs are always greyed.
bool awayVenue(std::string_view venueCode) {
    static const std::string local = toCp932("地方  "), overseas = toCp932("海外  ");
    const std::string category = venueCategory(venueCode);
    return category == local || category == overseas;
}

bool within(int value, int first, int last) { return value >= first && value <= last; }

// Whether the filters grey a past run of `race` (its RA record) when `shownDistance` is on show.
bool greyed(const SeRecord& run, const RaRecord& race, int shownDistance, EntryFilters filters) {
    if (awayVenue(run.venueCode())) return true;
    const int track = int(race.number(RaRecord::TrackCode));
    if (filters.surface == SurfaceFilter::Turf && !within(track, kTurfFirst, kTurfLast)) return true;
    if (filters.surface == SurfaceFilter::Dirt && !within(track, kDirtFirst, kDirtLast)) return true;
    const int gap = std::abs(int(race.number(RaRecord::Distance)) - shownDistance);
    if (filters.distance == DistanceFilter::Same && gap != 0) return true;
    return filters.distance == DistanceFilter::Within400 && gap > kDistanceBand;
}

// A record name padded with blanks, as the menu captions show it.
std::string shownName(std::string_view field) { return toUtf8(stripFullWidthSpaces(trimmed(field))); }

EntryText text(std::string cp932, int line, int x, int size, Rgb colour, bool bold = false) {
    return {toUtf8(cp932), line, Placement::Left, x, size, bold, colour};
}

EntryCell numberCell(int number, Rgb background, Rgb colour) {
    return {background, {{rightAligned(number, 2), 0, Placement::Centre, 0, kNumberSize, true, colour}}};
}

EntryCell nameCell(const SeRecord& se) {
    EntryCell cell;
    const long long age = se.number(SeRecord::Age);
    EntryText info = text(sexLabel(se.field(SeRecord::SexCode)) + (age > 0 ? std::to_string(age) : "") + " " +
                              coatColourLabel(se.field(SeRecord::CoatColourCode)),
                          1, kNameInfoFromRight, kTextSize, colour::kBlack);
    info.placement = Placement::FromRight;
    cell.texts.push_back(info);
    cell.texts.push_back(text(horseSymbolLabel(se.field(SeRecord::HorseSymbolCode)) + std::string(se.field(SeRecord::HorseName)),
                              2, 0, kNameSize, colour::kBlack, true));
    cell.texts.push_back(text(std::string(se.field(SeRecord::JockeyShortName)) + tenthsTextWide(se.field(SeRecord::CarriedWeight)) +
                                  "kg" + std::string(se.field(SeRecord::TrainerShortName)),
                              4, 0, kTextSize, colour::kBlack));
    return cell;
}

// Going of the run's surface: turf going on turf, dirt going on dirt, none over jumps.
std::string going(const RaRecord& race) {
    const int track = int(race.number(RaRecord::TrackCode));
    if (track <= kTurfLast) return goingLabel(race.field(RaRecord::TurfGoingCode), 0);
    if (within(track, kDirtFirst, kDirtLast)) return goingLabel(race.field(RaRecord::DirtGoingCode), 0);
    return {};
}

// Line 4: run time, the four corner positions, then early pace, last 3F and rest days.
void runLine(EntryCell& cell, const SeRecord& run, const RaRecord& race, int restDays, bool grey) {
    constexpr int line = 4;
    cell.texts.push_back(text(std::string(trimmed(paddedNumber(run.field(SeRecord::RaceTime)))), line, 0, kRunLineSize,
                              grey ? colour::kGreyText : colour::kBlack));
    const std::string_view venue = race.venueCode();
    if (!trimmed(venue).empty() && venue != "00") {
        const int runners = race.registeredRunners();
        for (int corner = 1; corner <= 4; ++corner) {
            const int position = run.cornerPosition(corner);
            Rgb colour = colour::kBlack;
            if (position == 1) colour = colour::kRed;
            else if (position > 0 && runners > 0 && double(position) / runners <= 0.5) colour = colour::kBlue;
            cell.texts.push_back(text(circledNumber(position), line, kCornersAt + kCornerStep * (corner - 1), kRunLineSize,
                                      grey ? colour::kGreyText : colour));
        }
    }
    const std::string_view last3F = run.field(SeRecord::Last3FurlongsTime);
    if (last3F == kNoLastFurlongs) return;
    const std::string rest = restDays >= 1 ? rightAligned(restDays, 3) : std::string(3, ' ');
    cell.texts.push_back(text(earlyPaceText(run.field(SeRecord::RaceTime), last3F, race.field(RaRecord::Distance)) + " " +
                                  paddedNumber(last3F) + " " + rest,
                              line, kPaceAt, kRunLineSize, grey ? colour::kGreyText : colour::kBlack));
}

EntryCell pastRunCell(const std::string& runRecord, const std::string& raceRecord, int restDays, int shownDistance,
                      EntryFilters filters) {
    EntryCell cell;
    cell.separator = true;
    if (trimmed(fieldOf(runRecord, SeRecord::Year)).empty()) return cell;
    const SeRecord run(runRecord);
    const RaRecord race(raceRecord);
    const bool grey = greyed(run, race, shownDistance, filters);
    const Rgb ink = grey ? colour::kGreyText : colour::kBlack;
    const auto f = [](const FixedFields& record, Field field) { return std::string(record.field(field)); };

    cell.texts.push_back(text(paddedNumber(run.field(SeRecord::Meeting)) + venueName(run.venueCode(), 2) + f(run, kMonth) +
                                  "." + f(run, kDay) + " " +
                                  raceClassLabel(race.field(RaRecord::YoungestConditionCode), race.field(RaRecord::GradeCode),
                                                 race.field(RaRecord::RaceShortName3)),
                              1, 0, kTextSize, ink));
    cell.texts.push_back(text(paddedNumber(race.field(RaRecord::RegisteredRunners)) + toCp932("ﾄ") +
                                  paddedNumber(race.field(RaRecord::Distance)) + trackLabel(race.field(RaRecord::TrackCode)) +
                                  weatherLabel(race.field(RaRecord::WeatherCode)) + going(race),
                              2, 0, kTextSize, ink));
    cell.texts.push_back(text(f(run, SeRecord::JockeyShortName) + tenthsTextWide(run.field(SeRecord::CarriedWeight)) +
                                  circledNumber(run.field(SeRecord::HorseNumber)) +
                                  paddedNumber(run.field(SeRecord::WinPopularity)) + toCp932("人"),
                              3, 0, kTextSize, ink));
    runLine(cell, run, race, restDays, grey);

    char money[32];
    std::snprintf(money, sizeof money, "%7lld", (run.number(SeRecord::MainPrizeWon) + run.number(SeRecord::AddedPrizeWon)) / 10);
    cell.texts.push_back(text(f(run, SeRecord::BodyWeight) + "kg " + money + toCp932("千円"), 5, 0, kTextSize, ink));
    const int finish = int(run.number(SeRecord::FinishPosition));
    EntryText position = text(finish > 0 ? rightAligned(finish, 2) : "  ", 5, 0, kRunLineSize,
                              grey ? colour::kGreyText : rankColour(finish), true);
    position.placement = Placement::RightEdge;
    cell.texts.push_back(position);

    cell.texts.push_back(text(f(run, SeRecord::OpponentHorseName) + (finish > 0 ? marginText(run.field(SeRecord::TimeDifference)) : ""),
                              6, 0, kTextSize, ink));
    return cell;
}

RunnerPopup runnerPopup(const SeRecord& se, int runner) {
    const std::string horse = shownName(se.field(SeRecord::HorseName));
    return {"追跡馬に登録:" + horse,
            "馬情報:" + horse,
            "騎手情報:" + shownName(se.field(SeRecord::JockeyShortName)),
            "調教師情報:" + shownName(se.field(SeRecord::TrainerShortName)),
            std::string(se.field(SeRecord::JockeyCode)),
            std::string(se.field(SeRecord::TrainerCode)),
            std::string(se.field(SeRecord::HorseId)),
            runner};
}

} // namespace

EntryGrid entryGrid(const RaceSlotRecords& slot, const RaceAnalysis& analysis, EntryFilters filters) {
    EntryGrid grid;
    const int shownDistance = int(fieldNumber(fieldOf(slot.race, RaRecord::Distance)));
    for (int runner = 0; runner < slot.registeredRunners(); ++runner) {
        const SeRecord se(slot.runners[size_t(runner)]);
        const size_t h = size_t(runner + 1);
        EntryRow row;
        const int bracket = int(se.number(SeRecord::Bracket));
        row.cells[0] = numberCell(bracket, bracketColour(bracket), bracketTextColour(bracket));
        row.cells[1] = numberCell(se.horseNumber(), analysis.TrackedFlag[h] == 1 ? colour::kRed : colour::kInfoTip, colour::kBlack);
        row.cells[kEntryNameColumn] = nameCell(se);
        for (int k = 1; k <= kPastRuns; ++k)
            row.cells[size_t(kEntryFirstPastRunColumn + k - 1)] =
                pastRunCell(slot.pastRuns[size_t(runner)][size_t(k - 1)], slot.pastRaces[size_t(runner)][size_t(k - 1)],
                            analysis.RestDays[h][size_t(k)], shownDistance, filters);
        row.popup = runnerPopup(se, runner);
        grid.rows.push_back(std::move(row));
    }
    return grid;
}

} // namespace zefa
