#include "bets/UserRules.h"

#include "jvdata/Cp932.h"
#include "jvdata/RaRecord.h"
#include "jvdata/VenueTables.h"

#include <algorithm>
#include <limits>

namespace zefa {
namespace {

constexpr int kVenueNameForm = 2;

// Course categories by track code: turf and dirt are split by distance band, jumps are one.
struct SurfaceRow {
    int firstTrack, lastTrack;
    int firstCategory; // category code of the shortest band
    bool byDistance;
};

constexpr std::array kSurfaces{
    SurfaceRow{10, 22, 1, true},                              // 芝
    SurfaceRow{23, 29, 7, true},                              // ダ
    SurfaceRow{51, std::numeric_limits<int>::max(), 13, false}, // 障
};

// Upper limits of the distance bands (metres); longer races fall in the last band.
constexpr std::array kBandLimits{1200, 1400, 1600, 1800, 2000};

std::string twoDigits(int code, char fill) {
    std::string text = std::to_string(code);
    return text.size() < 2 ? std::string(2 - text.size(), fill) + text : text;
}

constexpr std::string_view kNoCode = "  "; // a part of the key for which the race has no code
constexpr std::array kKeyParts{rule::Venue, rule::Course, rule::Pattern};

std::string courseCategory(int track, int metres) {
    const auto surface = std::find_if(kSurfaces.begin(), kSurfaces.end(),
                                      [&](const SurfaceRow& row) { return track >= row.firstTrack && track <= row.lastTrack; });
    if (surface == kSurfaces.end()) return std::string(kNoCode);
    if (!surface->byDistance) return twoDigits(surface->firstCategory, ' ');
    if (metres <= 0) return std::string(kNoCode);
    const int band = int(std::find_if(kBandLimits.begin(), kBandLimits.end(), [&](int limit) { return metres <= limit; }) -
                         kBandLimits.begin());
    return twoDigits(surface->firstCategory + band, ' ');
}

std::string patternCode(std::string_view pattern) {
    const auto index = listIndex(kPositionPatterns, pattern);
    return index ? twoDigits(*index + 1, ' ') : std::string(kNoCode);
}

} // namespace

std::string ruleVenueCode(int index) { return twoDigits(index + 1, '0'); }

std::string ruleVenueName(int index) { return toUtf8(trimmed(venueName(ruleVenueCode(index), kVenueNameForm))); }

std::optional<int> ruleCodeIndex(std::string_view field, int count) {
    const std::string_view code = trimmed(field);
    if (code.empty() || !std::all_of(code.begin(), code.end(), [](char c) { return c >= '0' && c <= '9'; })) return std::nullopt;
    const long long number = fieldNumber(code);
    if (number < 1 || number > count) return std::nullopt;
    return int(number - 1);
}

std::string_view ruleCodeText(std::span<const std::string_view> texts, std::string_view field) {
    const auto index = ruleCodeIndex(field, int(texts.size()));
    return index ? texts[size_t(*index)] : std::string_view{};
}

std::optional<int> listIndex(std::span<const std::string_view> texts, std::string_view text) {
    const auto found = std::find(texts.begin(), texts.end(), text);
    if (found == texts.end()) return std::nullopt;
    return int(found - texts.begin());
}

std::optional<int> ruleVenueIndex(std::string_view name) {
    for (int index = 0; index < kRuleVenues; ++index)
        if (ruleVenueName(index) == name) return index;
    return std::nullopt;
}

std::string userRuleKey(std::string_view raceRecord, std::string_view positionPattern) {
    const int track = int(fieldNumber(fieldOf(raceRecord, RaRecord::TrackCode)));
    const int metres = int(fieldNumber(fieldOf(raceRecord, RaRecord::Distance)));
    std::string venue(fieldOf(raceRecord, RaRecord::VenueCode));
    venue.resize(size_t(rule::Venue.length), ' ');
    return venue + courseCategory(track, metres) + patternCode(positionPattern);
}

std::string ruleDisplayName(std::string_view key) {
    const auto venue = ruleCodeIndex(fieldOf(key, rule::Venue), kRuleVenues);
    return (venue ? ruleVenueName(*venue) : std::string()) +
           std::string(ruleCodeText(kCourseCategories, fieldOf(key, rule::Course))) +
           std::string(ruleCodeText(kPositionPatterns, fieldOf(key, rule::Pattern)));
}

std::string findUserRule(const std::vector<std::string>& rules, std::string_view raceRecord, std::string_view positionPattern) {
    const std::string key = userRuleKey(raceRecord, positionPattern);
    const auto blank = [&](Field part) { return fieldOf(key, part) == kNoCode; };
    if (std::any_of(kKeyParts.begin(), kKeyParts.end(), blank)) return std::string(kDefaultRuleValues);
    const auto line = firstRuleWithKey(rules, key);
    if (line == rules.end()) return std::string(kDefaultRuleValues);
    std::string values(fieldOf(*line, rule::Values));
    values.resize(size_t(rule::Values.length), ' ');
    return values;
}

} // namespace zefa
