#pragma once

#include "jvdata/DateTime.h"
#include "sample/SampleRandom.h"

#include <string>
#include <string_view>
#include <vector>

namespace zefa {

// The people and horses of a sample, and the card of its race days. Names are UTF-8.

struct SamplePerson {
    std::string code;      // 5 digits
    std::string name;      // full name
    std::string shortName; // the short name of runner records (four characters at most)
    std::string kana;      // the name in half-width katakana
    DateTime birth;
};

struct SampleHorse {
    std::string id;   // 血統登録番号: year of birth and six digits
    std::string name;
    int sex = 1;      // 1 牡, 2 牝, 3 ｾﾝ
    int coat = 3;     // coat colour code
    int age = 3;
    int trainer = 0;  // index into the trainers
    double ability = 0.0;
    int style = 2;    // running style 1 逃 … 4 追
    DateTime birth;
    std::string breeder;
    std::string birthplace;
    std::string owner;
};

struct SampleRunner {
    int horse = 0;   // index into the horses
    int jockey = 0;  // index into the jockeys
    int number = 0;  // 馬番 1..18
    int bracket = 0; // 枠番
    int carried = 550; // tenths of a kilogram
    int bodyWeight = 480;
    int weightChange = 0;
    bool scratched = false;
};

// Codes the generator decides by.
inline constexpr std::string_view kTwoYearOldRace = "11";   // 競走種別 サラ系2歳
inline constexpr std::string_view kSteeplechaseRace = "18"; // 競走種別 障害3歳以上
inline constexpr std::string_view kGradeThree = "C";        // グレード G3

struct SampleRace {
    DateTime date;
    std::string venue; // venue code
    int meeting = 1;
    int meetingDay = 1;
    int number = 1;
    std::string postTime; // hhmm
    int distance = 1600;
    std::string track;      // track code
    std::string raceType;   // 競走種別コード
    std::string condition;  // 競走条件コード of the race's youngest age group
    std::string grade = " "; // グレードコード
    std::string weightType = "3";
    std::string name;       // race name; empty for an ordinary race
    bool saturday = false;
    bool newcomer = false;  // a 新馬 race: no runner has run before
    char weather = '1';
    char turfGoing = '1';
    char dirtGoing = '1';
    std::vector<SampleRunner> runners; // by horse number

    int registered() const { return int(runners.size()); }
    bool steeplechase() const { return raceType == kSteeplechaseRace; }
    bool forTwoYearOlds() const { return raceType == kTwoYearOldRace; }
    bool graded() const { return grade == kGradeThree; }
    bool turf() const { return track < "23" || steeplechase(); }
};

struct SampleWorld {
    std::vector<SamplePerson> jockeys;
    std::vector<SamplePerson> trainers;
    std::vector<SampleHorse> horses;
};

// Jockeys and trainers of a sample; horses are made race by race.
SampleWorld sampleWorld(SampleRandom& random, const DateTime& end);

// The races of one day at the venues of its weekend, 12 at each, with new horses in them.
std::vector<SampleRace> raceDay(SampleWorld& world, SampleRandom& random, const DateTime& date);

// The Saturdays and Sundays of `days` race days ending at `end` (or the last one before it), oldest first.
std::vector<DateTime> raceDates(const DateTime& end, int days);

// The last Sunday before `today`.
DateTime lastSundayBefore(const DateTime& today);

} // namespace zefa
