#include "sample/RecordText.h"

#include "jvdata/Cp932.h"
#include "jvdata/FullWidthText.h"

#include <cassert>
#include <cstdio>

namespace zefa {

RecordText::RecordText(RecordKind kind) : bytes_(size_t(recordLength(kind)), ' ') {
    const std::string_view id = recordKindRow(kind).id;
    bytes_.replace(0, id.size(), id);
    bytes_.replace(bytes_.size() - 2, 2, "\r\n");
}

RecordText& RecordText::put(Field f, std::string_view bytes) {
    assert(bytes.size() == size_t(f.length) && f.position - 1 + f.length <= int(bytes_.size()) - 2);
    bytes_.replace(size_t(f.position - 1), bytes.size(), bytes);
    return *this;
}

RecordText& RecordText::text(Field f, std::string_view ascii) {
    std::string filled(ascii.substr(0, size_t(f.length)));
    filled.resize(size_t(f.length), ' ');
    return put(f, filled);
}

RecordText& RecordText::number(Field f, long long value) { return put(f, digits(value, f.length)); }

RecordText& RecordText::name(Field f, std::string_view utf8) { return put(f, fullWidthName(utf8, f.length)); }

std::string digits(long long value, int width) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%0*lld", width, value);
    return std::string(buffer).substr(0, size_t(width));
}

std::string fullWidthName(std::string_view utf8, int bytes) {
    std::string text = toCp932(utf8);
    const std::string blank = toCp932(kFullWidthBlank);
    if (text.size() > size_t(bytes)) text.resize(size_t(bytes));
    while (text.size() + blank.size() <= size_t(bytes)) text += blank;
    text.resize(size_t(bytes), ' ');
    return text;
}

} // namespace zefa
