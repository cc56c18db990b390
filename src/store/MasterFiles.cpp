#include "store/MasterFiles.h"

#include <algorithm>
#include <string>

namespace zefa {
namespace {

constexpr std::string_view kHorseFolder = "UMA";
constexpr std::string_view kPersonFolder = "KSCH"; // the record kinds KS and CH
constexpr size_t kRegistrationLength = 10;
constexpr size_t kPersonCodeLength = 5;
constexpr size_t kPersonFilePrefix = 3;

bool letterOrDigit(char c) { return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

bool made(std::string_view text, size_t length) { return text.size() == length && std::ranges::all_of(text, letterOrDigit); }

std::optional<std::filesystem::path> personFile(const ProgramFolder& folder, std::string_view code, std::string_view suffix) {
    if (!made(code, kPersonCodeLength)) return std::nullopt;
    return folder / kPersonFolder / (std::string(code.substr(0, kPersonFilePrefix)) + std::string(suffix));
}

} // namespace

std::optional<std::filesystem::path> horseMasterFile(const ProgramFolder& folder, std::string_view registrationNumber) {
    if (!made(registrationNumber, kRegistrationLength)) return std::nullopt;
    return folder / kHorseFolder / registrationNumber.substr(0, 4) / (std::string(registrationNumber) + ".jvUMA");
}

std::optional<std::filesystem::path> jockeyMasterFile(const ProgramFolder& folder, std::string_view jockeyCode) {
    return personFile(folder, jockeyCode, "Kish.jvKS");
}

std::optional<std::filesystem::path> trainerMasterFile(const ProgramFolder& folder, std::string_view trainerCode) {
    return personFile(folder, trainerCode, "Chok.jvCH");
}

} // namespace zefa
