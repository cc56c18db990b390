#include "app/DayLoad.h"

#include "app/AnalysisCommands.h"
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

#include <charconv>
#include <cstdio>

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

bool holdsARace(std::string_view race) {
    const std::string_view year = fieldOf(race, RaRecord::Year);
    return !trimmed(year).empty() && year != "0000";
}

class LoadProgress {
public:
    LoadProgress(UserPort& port, std::string caption) : port_(port) {
        state_.maximum = kGaugeMaximum;
        state_.caption = std::move(caption);
    }
    void step(std::string_view stepCp932, std::string_view detailCp932 = {}) {
        state_.step = toUtf8(stepCp932);
        state_.detail = toUtf8(detailCp932);
        show();
    }
    void setPosition(int position) {
        state_.position = position;
        show();
    }
    void advance() { setPosition(state_.position + 1); }
    ~LoadProgress() { port_.closeProgress(); }

private:
    void show() {
        port_.showProgress(state_);
        port_.processEvents();
    }
    UserPort& port_;
    ProgressState state_;
};

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

void readDay(Session& session, LoadProgress& progress) {
    RaceDayReader reader(session.folder, *session.dayFiles, session.store);
    const int races = reader.readRaces();
    for (int k = 0; k < races; ++k) {
        if (!reader.readRunners(k)) continue;
        const std::string& race = session.store.slot(k).race;
        for (int i = 0; i < reader.registeredRunners(k); ++i) {
            progress.step(toCp932("レースデータ") + raceCaption(race),
                          runnerCaption(session.store.slot(k).runners[size_t(i)]));
            reader.readPastRuns(k, i);
        }
        progress.advance();
    }
    progress.step(toCp932("払戻データ"));
    reader.readPayouts();
    reader.readPredictedOdds();
    takePredictedOdds(session);

    progress.setPosition(0);
    session.raceList.clear();
    for (int k = 0; k < kRaceSlots; ++k) {
        const std::string& race = session.store.slot(k).race;
        progress.advance();
        if (!holdsARace(race)) continue;
        session.raceList.push_back(toUtf8(raceCaption(race)));
        for (int i = 0; i < reader.registeredRunners(k); ++i) {
            progress.step(toCp932("過去走:") + raceCaption(race), runnerCaption(session.store.slot(k).runners[size_t(i)]));
            reader.readPastRaces(k, i);
        }
    }
    progress.setPosition(kGaugeMaximum);
}

void setFetchTimes(Session& session) {
    const int beforePost = session.settings.readInt(Setting::AutoOzGet);
    const std::string morning = session.settings.readString(Setting::TimeFirst);
    for (int k = 0; k < kRaceSlots; ++k) {
        const std::string& race = session.store.slot(k).race;
        if (!holdsARace(race)) continue;
        RaceAnalysis& analysis = session.analyses[size_t(k)];
        analysis.OddsFetchTime1 = addMinutes(fieldOf(race, RaRecord::PostTime), -beforePost);
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

} // namespace

void dateComboChange(Session& session) {
    const std::string& day = session.selectedDay;
    session.dayFrom2005 = day.substr(0, 4) >= "2005";
    session.raceList.clear();
    session.quietAcquisition = false;
    session.liveDay = false;
    iniBtnClick(session);

    session.dayFiles.emplace(session.folder, day);
    if (!std::filesystem::exists(session.dayFiles->file(DayFile::Races))) {
        session.port.beep();
        session.port.information("データ作成が未完了のようです。");
        return;
    }
    {
        LoadProgress progress(session.port, day);
        progress.step(toCp932("内部データ初期化中"));
        session.store.clear();
        readDay(session, progress);
    }
    setFetchTimes(session);
    session.raceAmountList.assign(kRaceSlots, std::to_string(session.settings.readInt(Setting::DefaultAmount)));
    session.resultIntervalMinutes = session.settings.readInt(Setting::AutoRdataGet);
    session.liveDay = isLive(session);
    if (session.liveDay) session.quietAcquisition = true;
}

} // namespace zefa
