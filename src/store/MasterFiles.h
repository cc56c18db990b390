#pragma once

#include "store/ProgramFolder.h"

#include <filesystem>
#include <optional>
#include <string_view>

namespace zefa {

// The horse, jockey and trainer master files, which the program only reads.

// "UMA/<first four characters>/<registration number>.jvUMA"; nullopt unless the number is ten
// letters or digits.
std::optional<std::filesystem::path> horseMasterFile(const ProgramFolder& folder, std::string_view registrationNumber);

// "KSCH/<first three characters>Kish.jvKS" and "KSCH/<first three characters>Chok.jvCH": one file
// holds every person whose five-character code begins so; nullopt unless the code is five letters
// or digits.
std::optional<std::filesystem::path> jockeyMasterFile(const ProgramFolder& folder, std::string_view jockeyCode);
std::optional<std::filesystem::path> trainerMasterFile(const ProgramFolder& folder, std::string_view trainerCode);

} // namespace zefa
