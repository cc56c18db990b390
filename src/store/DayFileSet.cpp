#include "store/DayFileSet.h"

#include "jvdata/Cp932.h"
#include "jvdata/EnumTable.h"
#include "jvdata/VenueTables.h"

namespace zefa {

static_assert(rowsFollowTheEnum(kDayFiles, &DayFileRow::file));

DayFileSet::DayFileSet(const ProgramFolder& folder, std::string dayBaseName)
    : data_(folder.data()), chg_(folder.chg()), day_(std::move(dayBaseName)) {}

std::filesystem::path DayFileSet::file(DayFile file) const { return data_ / (day_ + std::string(dayFileRow(file).extension)); }

std::filesystem::path DayFileSet::runnerFile(std::string_view venueCode) const {
    return data_ / (day_ + toUtf8(venueName(venueCode, 2)) + ".jvSEr");
}

std::filesystem::path DayFileSet::changeFile() const { return chg_ / (day_ + ".TC"); }

std::filesystem::path DayFileSet::changeStateFile() const { return chg_ / (day_ + ".NEW"); }

} // namespace zefa
