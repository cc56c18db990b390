#include "jvdata/RecordKind.h"

namespace zefa {

namespace {
constexpr bool rowsFollowTheEnum() {
    for (size_t i = 0; i < kRecordKinds.size(); ++i)
        if (static_cast<size_t>(kRecordKinds[i].kind) != i) return false;
    return true;
}
static_assert(rowsFollowTheEnum());
} // namespace

std::optional<RecordKind> recordKindOf(std::string_view record) {
    const std::string_view id = record.substr(0, 2);
    for (const auto& row : kRecordKinds)
        if (!row.id.empty() && row.id == id) return row.kind;
    return std::nullopt;
}

} // namespace zefa
