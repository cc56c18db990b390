#pragma once

#include "analysis/RaceAnalysis.h"
#include "jvdata/Combinations.h"
#include "jvdata/Cp932.h"
#include "store/RaceDayStore.h"
#include "support/RecordBuilder.h"

#include <cstdio>
#include <string>
#include <vector>

namespace zefa::test {

inline std::string twoDigits(int n) {
    char text[16];
    std::snprintf(text, sizeof text, "%02d", n);
    return text;
}

// A past run of horse 3 (2nd, corners 4 and 5, 1.34.5, last 3F 34.5) and the race it was run in,
// of 16 runners. `key` is the race key: date, venue, meeting, day, race.
struct PastRunRecords {
    LineBuilder run{RecordKind::SE};
    LineBuilder race{RecordKind::RA};

    PastRunRecords(std::string_view key, std::string_view track, std::string_view distance) {
        run.raceKey(key).put(29, "03").put(335, "02").put(352, "01020405").put(339, "1345").put(391, "345");
        race.raceKey(key).put(698, distance).put(706, track).put(882, "16");
    }
};

// A turf race (track 11) of 1600 m, 11R of 東京 on Saturday 2024-01-06, with `runners` runners
// named "ウマ01" …, and its analysis. Tests change the builders, then read slot().
class RaceFixture {
public:
    explicit RaceFixture(int runners = 8) : runners_(size_t(runners), LineBuilder(RecordKind::SE)) {
        race.raceKey("2024010605010211").put(28, "1").put(33, toCp932("ゼファー記念")).put(605, toCp932("ゼファ"));
        race.put(612, "061").put(615, "C").put(617, "14").put(619, "A01").put(622, "4").put(623, "000000999999");
        race.put(635, "999").put(698, "1600").put(706, "11").put(710, "A ");
        race.put(714, "0000540000002200000014000000081000000540").put(810, "000001000000003000000010");
        race.put(874, "1545").put(882, twoDigits(runners)).put(884, twoDigits(runners)).put(886, twoDigits(runners));
        race.put(888, "1").put(889, "1").put(890, "2");
        for (int h = 1; h <= runners; ++h)
            runner(h).raceKey("2024010605010211").put(28, std::to_string(bracketOf(runners, h))).put(29, twoDigits(h))
                .put(41, toCp932("ウマ") + twoDigits(h));
    }

    LineBuilder& runner(int h) { return runners_[size_t(h - 1)]; }
    void pastRun(int h, int k, const PastRunRecords& records) {
        store_.slot(0).pastRuns[size_t(h - 1)][size_t(k - 1)] = records.run.record();
        store_.slot(0).pastRaces[size_t(h - 1)][size_t(k - 1)] = records.race.record();
    }
    RaceSlotRecords& slot() {
        RaceSlotRecords& records = store_.slot(0);
        records.race = race.record();
        for (size_t i = 0; i < runners_.size(); ++i) records.runners[i] = runners_[i].record();
        return records;
    }

    LineBuilder race{RecordKind::RA};
    RaceAnalysis analysis;

private:
    std::vector<LineBuilder> runners_;
    RaceDayStore store_;
};

} // namespace zefa::test
