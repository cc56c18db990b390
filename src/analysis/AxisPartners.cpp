#include "analysis/AxisPartners.h"

#include "analysis/HyokaMark.h"
#include "jvdata/RecordView.h"

#include <tuple>

namespace zefa {
namespace {

constexpr int kDefaultPartners = 5;
constexpr int kFixedPartners = 5;
constexpr int kAxisAndPartners = 6; // the user rule tops axis and partners up to this many

void takeFirst(AxisRace& race, const std::vector<int>& horses, int count) {
    for (size_t i = 0; i < horses.size() && int(i) < count; ++i) race.analysis.HimoFlag[size_t(horses[i])] = 1;
}

// Horses that can still become partners: eligible, with latest odds, neither axis nor partner.
auto openTo(const AxisRace& race) {
    return [&race](int h) { return race.eligible(h) && race.hasOdds(h) && !race.axis(h) && !race.partner(h); };
}

std::vector<int> byPopularity(const AxisRace& race) {
    return sortedCandidates(race.runners, openTo(race), [&](int h) { return race.popularity(h); });
}

template <typename Admit>
std::vector<int> byDevelopment(const AxisRace& race, Admit admit) {
    const auto open = openTo(race);
    return sortedCandidates(race.runners, [&](int h) { return open(h) && admit(h); }, [&](int h) { return race.rank(h); });
}

int axisOrPartnerCount(const AxisRace& race) {
    int count = 0;
    for (int h = 1; h <= race.runners; ++h)
        if (race.axis(h) || race.partner(h)) ++count;
    return count;
}

// The four partner counts of the user rule: from the top of the development order, just ahead of
// the preferred axis, just behind it, and by win-odds rank; then a top-up to six with an axis.
void userRulePartners(AxisRace& race, KaimeMode mode, int preferred) {
    const RuleValues& rule = race.analysis.Rule;
    const auto [up, b4, rr, nn] = mode == KaimeMode::UserModeH ? std::tuple{rule.Hup, rule.Hb4, rule.Hrr, rule.Hnn}
                                                               : std::tuple{rule.Fup, rule.Fb4, rule.Frr, rule.Fnn};
    const int r = preferred > 0 ? race.analysis.TenkaiRank[size_t(preferred)] : 0;
    if (up > 0) takeFirst(race, byDevelopment(race, [](int) { return true; }), up);
    if (b4 > 0 && r > 1) {
        const std::vector<int> ahead = byDevelopment(race, [&](int h) { return race.rank(h) < r; });
        takeFirst(race, std::vector<int>(ahead.rbegin(), ahead.rend()), b4);
    }
    if (rr > 0 && r > 0) takeFirst(race, byDevelopment(race, [&](int h) { return race.rank(h) > r; }), rr);
    if (nn > 0) takeFirst(race, byPopularity(race), nn);
    if (preferred == 0) return;
    const int missing = kAxisAndPartners - axisOrPartnerCount(race);
    if (missing > 0 && missing < kAxisAndPartners) takeFirst(race, byPopularity(race), missing);
}

void setOnlyAxis(AxisRace& race, int h) {
    race.analysis.JikuFlag.fill(0);
    if (h > 0) race.analysis.JikuFlag[size_t(h)] = 1;
}

struct AxisFixing {
    bool AxisOptions::*item;
    bool (*qualifies)(const AxisRace&, int h);
};

bool markedAs(const AxisRace& race, int h, std::string_view mark) { return trimmed(race.mark(h)) == trimmed(mark); }

constexpr AxisFixing kAxisFixings[] = {
    {&AxisOptions::jikuX, [](const AxisRace& race, int h) { return markedAs(race, h, mark::X); }},
    {&AxisOptions::jikuAAA, [](const AxisRace& race, int h) { return markedAs(race, h, mark::AAA); }},
    {&AxisOptions::jikuAA, [](const AxisRace& race, int h) { return markedAs(race, h, mark::AA); }},
    {&AxisOptions::jikuF1, [](const AxisRace& race, int h) { return race.analysis.FukNinki[size_t(h)] == 1; }},
};

// Returns the number of axis horses afterwards as the partner fixing counts them.
int fixAxis(AxisRace& race, const AxisOptions& options, int axes) {
    for (const AxisFixing& fixing : kAxisFixings) {
        if (!(options.*fixing.item)) continue;
        const std::vector<int> horses = sortedCandidates(
            race.runners, [&](int h) { return race.eligible(h) && race.hasOdds(h) && fixing.qualifies(race, h); },
            [&](int h) { return race.popularity(h); });
        setOnlyAxis(race, horses.empty() ? 0 : horses.front());
        // Without such a horse the race keeps its count, so a partner fixing still takes partners.
        return horses.empty() ? axes : 1;
    }
    return axes;
}

void fixPartners(AxisRace& race, const AxisOptions& options, int axes) {
    if (!options.tenkaiJoi5 && !options.ninkiJoi5) return;
    race.analysis.HimoFlag.fill(0);
    if (axes == 0) return;
    takeFirst(race,
              options.tenkaiJoi5 ? byDevelopment(race, [&](int h) { return race.analysis.TenkaiRank[size_t(h)] > 0; })
                                 : byPopularity(race),
              kFixedPartners);
}

} // namespace

void choosePartners(AxisRace& race, const AxisOptions& options, int preferred, int axes) {
    const bool userMode = options.mode == KaimeMode::UserModeH || options.mode == KaimeMode::UserModeF;
    if (userMode && race.analysis.Rule.FJiku > 0)
        userRulePartners(race, options.mode, preferred);
    else if (axes > 0)
        takeFirst(race, byPopularity(race), kDefaultPartners);
}

void applyFixing(AxisRace& race, const AxisOptions& options, int axes) {
    fixPartners(race, options, fixAxis(race, options, axes));
}

} // namespace zefa
