#include "jvdata/BetType.h"

#include "jvdata/Cp932.h"
#include "jvdata/EnumTable.h"

#include <algorithm>

namespace zefa {
namespace {

static_assert(rowsFollowTheEnum(kBetTypes, &BetTypeRow::type));

const std::array<std::string, kBetTypes.size()>& names() {
    static const auto converted = [] {
        std::array<std::string, kBetTypes.size()> out;
        std::ranges::transform(kBetTypes, out.begin(), [](const BetTypeRow& row) { return toCp932(row.name); });
        return out;
    }();
    return converted;
}

} // namespace

const std::string& betTypeName(BetType type) { return names()[static_cast<size_t>(type)]; }

std::optional<BetType> betTypeOfName(std::string_view name) {
    const auto found = std::ranges::find(names(), name);
    if (found == names().end()) return std::nullopt;
    return kBetTypes[size_t(found - names().begin())].type;
}

} // namespace zefa
