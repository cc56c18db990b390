#include "store/DayFileSet.h"

#include "jvdata/Cp932.h"
#include "jvdata/VenueTables.h"

namespace zefa {

namespace {
constexpr bool rowsFollowTheEnum() {
    for (size_t i = 0; i < std::size(kDayFiles); ++i)
        if (static_cast<size_t>(kDayFiles[i].file) != i) return false;
    return true;
}
static_assert(rowsFollowTheEnum());
} // namespace

DayFileSet::DayFileSet(const ProgramFolder& folder, std::string dayBaseName)
    : data_(folder.data()), chg_(folder.chg()), day_(std::move(dayBaseName)) {}

std::filesystem::path DayFileSet::file(DayFile file) const { return data_ / (day_ + std::string(dayFileRow(file).extension)); }

std::filesystem::path DayFileSet::runnerFile(std::string_view venueCode) const {
    return data_ / (day_ + toUtf8(venueName(venueCode, 2)) + ".jvSEr");
}

std::filesystem::path DayFileSet::changeFile() const { return chg_ / (day_ + ".TC"); }

std::filesystem::path DayFileSet::changeStateFile() const { return chg_ / (day_ + ".NEW"); }

} // namespace zefa
