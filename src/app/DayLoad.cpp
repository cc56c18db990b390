#include "app/DayLoad.h"

#include "analysis/Development.h"
#include "app/AnalysisCommands.h"
#include "app/AxisCommands.h"
#include "app/DaySelector.h"
#include "app/EliminationCommands.h"
#include "app/LiveAcquisition.h"
#include "app/LoadProgress.h"
#include "app/OddsCommands.h"
#include "app/PayoutCommands.h"
#include "app/Session.h"
#include "app/UserPort.h"
#include "jvdata/Clock.h"
#include "jvdata/Cp932.h"
#include "jvdata/Error.h"
#include "jvdata/FixedText.h"
#include "jvdata/FullWidthText.h"
#include "jvdata/NumberFormat.h"
#include "jvdata/RaRecord.h"
#include "jvdata/SeRecord.h"
#include "jvdata/VenueTables.h"
#include "jvdata/YozLine.h"
#include "store/DayBaseName.h"
#include "store/RaceDayReader.h"
#include "store/RaceOddsReader.h"

#include <algorithm>
#include <charconv>

namespace zefa {
namespace {

constexpr int kGaugeMaximum = 35;
constexpr size_t kShownNameBytes = 18;
constexpr int kFetchGapMinutes = 2;
constexpr std::string_view kLiveEveningFrom = "1800";

// "中山11R": venue name and the blank-padded race number of a race record.
std::string raceCaption(std::string_view race) {
    return venueName(fieldOf(race, RaRecord::VenueCode), 2) + paddedNumber(fieldOf(race, RaRecord::RaceNumber)) + "R";
}

// "③:ゼファー…": circled horse number and the start of the horse name of a runner record.
std::string runnerCaption(std::string_view runner) {
    return circledNumber(fieldOf(runner, SeRecord::HorseNumber)) + ":" +
           std::string(cp932Prefix(fieldOf(runner, SeRecord::HorseName), kShownNameBytes));
}

// A predicted odds text such as "  12.3"; blank is none.
double predictedOdds(std::string_view text, const DayFileSet& files) {
    const std::string_view value = trimmed(text);
    if (value.empty()) return 0;
    double odds = 0;
    const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), odds);
    if (error != std::errc{} || end != value.data() + value.size())
        throw Error("ファイル[" + files.file(DayFile::PredictedOdds).string() + "]の予想オッズ「" + toUtf8(text) + "」が数ではありません。");
    return odds;
}

void takePredictedOdds(Session& session) {
    for (int k = 0; k < kRaceSlots; ++k) {
        const std::string& line = session.store.slot(k).predictedOdds;
        if (trimmed(line).empty()) continue;
        const YozLine yoz(line);
        RaceAnalysis& analysis = session.analyses[size_t(k)];
        for (int h = 1; h <= kMaxHorses; ++h) {
            analysis.YozTanOdds[size_t(h)] = predictedOdds(yoz.winOddsText(h), *session.dayFiles);
            analysis.YozFukOdds[size_t(h)] = predictedOdds(yoz.placeOddsText(h), *session.dayFiles);
        }
    }
}

// Races, runners and their past runs, payouts and predicted odds.
void readDayRecords(Session& session, RaceDayReader& reader, LoadProgress& progress) {
    const int races = reader.readRaces();
    for (int k = 0; k < races; ++k) {
        if (!reader.readRunners(k)) continue;
        const RaceSlotRecords& slot = session.store.slot(k);
        const std::string heading = toCp932("レースデータ") + raceCaption(slot.race);
        for (int i = 0; i < slot.registeredRunners(); ++i) {
            progress.step(heading, runnerCaption(slot.runners[size_t(i)]));
            reader.readPastRuns(k, i);
        }
        progress.advance();
    }
    progress.step(toCp932("払戻データ"));
    reader.readPayouts();
    reader.readPredictedOdds();
    takePredictedOdds(session);
}

// The race list, the race record of every past run, and the development values of each race.
void readPastRaces(Session& session, RaceDayReader& reader, LoadProgress& progress) {
    progress.setPosition(0);
    session.raceList.clear();
    for (int k = 0; k < kRaceSlots; ++k) {
        const RaceSlotRecords& slot = session.store.slot(k);
        progress.advance();
        if (!slot.holdsARace()) continue;
        session.raceList.push_back(toUtf8(raceCaption(slot.race)));
        const std::string heading = toCp932("過去走:") + raceCaption(slot.race);
        for (int i = 0; i < slot.registeredRunners(); ++i) {
            progress.step(heading, runnerCaption(slot.runners[size_t(i)]));
            reader.readPastRaces(k, i);
        }
        computeDevelopment(slot, session.analyses[size_t(k)]);
    }
}

// The odds of every race from one read of each odds file, then elimination, axis and partners.
// An odds file that cannot be read is noted once; the races go on without its odds.
void analyseDay(Session& session, std::vector<std::string>& problems) {
    DayOddsFiles odds(*session.dayFiles);
    for (int k = 0; k < kRaceSlots; ++k) {
        session.analysisSlot = k;
        try {
            ozReadBtnClick(session, odds);
        } catch (const Error& error) {
            if (std::find(problems.begin(), problems.end(), error.what()) == problems.end()) problems.push_back(error.what());
        }
    }
    markEliminationCriteria(session);
    keshiBtnClick(session);
    forEveryRaceSlot(session, jikuHimoBtnClick);
}

void setFetchTimes(Session& session) {
    const int beforePost = session.settings.readInt(Setting::AutoOzGet);
    const std::string morning = session.settings.readString(Setting::TimeFirst);
    for (int k = 0; k < kRaceSlots; ++k) {
        const RaceSlotRecords& slot = session.store.slot(k);
        if (!slot.holdsARace()) continue;
        RaceAnalysis& analysis = session.analyses[size_t(k)];
        analysis.OddsFetchTime1 = addMinutes(fieldOf(slot.race, RaRecord::PostTime), -beforePost);
        analysis.OddsFetchTime2 = addMinutes(analysis.OddsFetchTime1, kFetchGapMinutes);
        analysis.AsaFetchTime1 = morning;
        analysis.AsaFetchTime2 = addMinutes(morning, kFetchGapMinutes);
    }
}

bool isLive(const Session& session) {
    const DateTime now = session.clock.now();
    return session.selectedDay == dayBaseName(now) ||
           (session.selectedDay == dayBaseName(addDays(now, 1)) && formatDateTime(now, "hhnn") >= kLiveEveningFrom);
}

// Nothing of the previous day stays on screen or keeps running.
void clearDayState(Session& session) {
    session.raceList.clear();
    session.selectedRaceSlot = -1;
    session.liveDay = false;
    session.quietAcquisition = false;
    session.acquisition.resultTimer = false;
    session.acquisition.changeTimer = false;
    session.acquisition.autoOzBusy = false;
}

void startLiveAcquisition(Session& session) {
    session.acquisition.resultTimer = true;
    if (!session.acquisition.autoOzCheck) {
        session.acquisition.autoOzCheck = true;
        autoOzCheckClick(session);
    }
    session.acquisition.changeTimer = true;
    session.quietAcquisition = true;
    kaisaiReadBtnClick(session);
}

void reportProblems(UserPort& port, const std::vector<std::string>& problems) {
    if (problems.empty()) return;
    std::string text = "次のデータを読み込めませんでした。";
    for (const auto& problem : problems) text += "\n" + problem;
    port.information(text);
}

} // namespace

void dateComboChange(Session& session) {
    const std::string& day = session.selectedDay;
    session.dayFrom2005 = day.substr(0, 4) >= "2005";
    clearDayState(session);
    iniBtnClick(session);

    session.dayFiles.emplace(session.folder, day);
    if (!std::filesystem::exists(session.dayFiles->file(DayFile::Races))) {
        session.port.beep();
        session.port.information("データ作成が未完了のようです。");
        return;
    }
    std::vector<std::string> problems;
    {
        LoadProgress progress(session.port, kGaugeMaximum, day);
        progress.step(toCp932("内部データ初期化中"));
        session.store.clear();
        RaceDayReader reader(session.folder, *session.dayFiles, session.store);
        readDayRecords(session, reader, progress);
        readPastRaces(session, reader, progress);
        problems = reader.problems();
        analyseDay(session, problems);
        progress.finish();
        flagLastFourRaces(session.store, session.analyses);
    }
    setFetchTimes(session);
    calcBtnClick(session);
    session.raceAmountList.assign(kRaceSlots, std::to_string(session.settings.readInt(Setting::DefaultAmount)));
    session.resultIntervalMinutes = session.settings.readInt(Setting::AutoRdataGet);
    session.liveDay = isLive(session);
    if (session.liveDay) startLiveAcquisition(session);
    reportProblems(session.port, problems);
    if (!session.raceList.empty()) datListClick(session, 0);
}

} // namespace zefa
