#include "jvdata/RecordKind.h"

#include "jvdata/EnumTable.h"

namespace zefa {

static_assert(rowsFollowTheEnum(kRecordKinds, &RecordKindRow::kind));

std::optional<RecordKind> recordKindOf(std::string_view record) {
    const std::string_view id = record.substr(0, 2);
    for (const auto& row : kRecordKinds)
        if (!row.id.empty() && row.id == id) return row.kind;
    return std::nullopt;
}

} // namespace zefa
