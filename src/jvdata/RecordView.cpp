#include "jvdata/RecordView.h"

#include "jvdata/Error.h"

namespace zefa {
namespace {

bool trimmable(char c) { return static_cast<unsigned char>(c) <= ' '; }
bool digit(char c) { return c >= '0' && c <= '9'; }

} // namespace

long long fieldNumber(std::string_view text) {
    size_t i = text.find_first_not_of(' ');
    if (i == std::string_view::npos) return 0;
    bool negative = false;
    if (text[i] == '+' || text[i] == '-') negative = text[i++] == '-';
    long long value = 0;
    for (; i < text.size() && digit(text[i]); ++i) value = value * 10 + (text[i] - '0');
    return i == text.size() && negative ? -value : value;
}

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && trimmable(text.front())) text.remove_prefix(1);
    while (!text.empty() && trimmable(text.back())) text.remove_suffix(1);
    return text;
}

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
