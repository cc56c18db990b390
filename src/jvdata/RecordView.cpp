#include "jvdata/RecordView.h"

#include "jvdata/Error.h"

namespace zefa {
RecordView::RecordView(std::string_view bytes, RecordKind kind) : FixedFields(bytes), kind_(kind) {
    const RecordKindRow& row = recordKindRow(kind);
    if (bytes.size() != size_t(row.length)) {
        const std::string name = row.id.empty() ? std::string("予想オッズ") : std::string(row.id);
        throw Error(name + "レコードの長さが" + std::to_string(bytes.size()) + "バイトです（" +
                    std::to_string(row.length) + "バイトのはずです）。");
    }
}

bool FixedFields::blank(Field f) const { return field(f).find_first_not_of(' ') == std::string_view::npos; }

} // namespace zefa
