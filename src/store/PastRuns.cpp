#include "store/PastRuns.h"

#include "jvdata/RecordView.h"
#include "jvdata/RaceRecord.h"
#include "store/StoredLines.h"

#include <algorithm>
#include <cstdio>

namespace zefa {
namespace {

constexpr Field kRegistrationNumber{31, 10};
constexpr int kYearsKept = 15;

bool made(std::string_view text, size_t length, bool (*allowed)(unsigned char)) {
    return text.size() == length && std::all_of(text.begin(), text.end(), [&](char c) { return allowed(static_cast<unsigned char>(c)); });
}

bool digit(unsigned char c) { return c >= '0' && c <= '9'; }
bool letterOrDigit(unsigned char c) { return digit(c) || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

void store(const std::filesystem::path& file, std::string_view line) {
    std::filesystem::create_directories(file.parent_path());
    updateStoredFile(file, normalised(line), kPastRunFileRule);
}

} // namespace

std::string pastYearLimit(const DateTime& today) {
    char year[8];
    std::snprintf(year, sizeof year, "%04d", today.year - kYearsKept);
    return year;
}

std::optional<std::filesystem::path> seiFile(const ProgramFolder& folder, std::string_view registrationNumber) {
    if (!made(registrationNumber, 10, letterOrDigit)) return std::nullopt;
    return folder.sei() / registrationNumber.substr(0, 4) / (std::string(registrationNumber) + ".jvSEI");
}

std::optional<std::filesystem::path> seirFile(const ProgramFolder& folder, std::string_view date, std::string_view venueCode) {
    if (!made(date, 8, digit) || !made(venueCode, 2, letterOrDigit)) return std::nullopt;
    return folder.seir() / date.substr(0, 4) / (std::string(date) + std::string(venueCode) + ".jvSERA");
}

bool storePastRun(const ProgramFolder& folder, std::string_view seLine, std::string_view yearLimit) {
    const std::string_view number = fieldOf(seLine, kRegistrationNumber);
    if (number.substr(0, 4) <= yearLimit) return false;
    const auto file = seiFile(folder, number);
    if (!file) return false;
    store(*file, seLine);
    return true;
}

bool storePastRace(const ProgramFolder& folder, std::string_view raLine, std::string_view yearLimit) {
    if (fieldOf(raLine, RaceRecordView::Year) <= yearLimit) return false;
    const auto file = seirFile(folder, fieldOf(raLine, RaceRecordView::RaceDate), fieldOf(raLine, RaceRecordView::VenueCode));
    if (!file) return false;
    store(*file, raLine);
    return true;
}

} // namespace zefa
