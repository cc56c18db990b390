#include "store/DayBaseName.h"

#include <algorithm>

namespace zefa {
namespace {

constexpr std::string_view kPattern = "yyyy年mm月dd日";
constexpr std::string_view kRaceFileExtension = ".jvRA";

} // namespace

std::string dayBaseName(const DateTime& date) { return formatDateTime(date, kPattern); }

std::optional<std::string> dayBaseNamePrefix(std::string_view fileName) {
    const std::string_view name = fileName.substr(0, kPattern.size());
    if (name.size() < kPattern.size()) return std::nullopt;
    // Letters of the pattern stand for digits; everything else must match as it is.
    for (size_t i = 0; i < kPattern.size(); ++i) {
        const char p = kPattern[i];
        const bool digit = p == 'y' || p == 'm' || p == 'd';
        if (digit ? (name[i] < '0' || name[i] > '9') : name[i] != p) return std::nullopt;
    }
    return std::string(name);
}

std::vector<std::string> storedDays(const std::filesystem::path& dataFolder) {
    std::vector<std::string> days;
    std::error_code error;
    for (std::filesystem::directory_iterator it(dataFolder, error), end; !error && it != end; it.increment(error)) {
        const std::string name = it->path().filename().string();
        if (!name.ends_with(kRaceFileExtension)) continue;
        if (auto day = dayBaseNamePrefix(name)) days.push_back(std::move(*day));
    }
    std::sort(days.begin(), days.end(), std::greater<>());
    days.erase(std::unique(days.begin(), days.end()), days.end());
    return days;
}

} // namespace zefa
