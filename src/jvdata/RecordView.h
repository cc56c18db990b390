#pragma once

#include "jvdata/RecordKind.h"

#include <cassert>
#include <string>
#include <string_view>

namespace zefa {

// A field of a record: 1-based byte position and length, as the record layouts write them.
struct Field {
    int position;
    int length;

    // The same field in entry k (1-based) of a block whose entries are `entrySize` bytes apart.
    constexpr Field inEntry(int k, int entrySize) const { return {position + entrySize * (k - 1), length}; }
};

// A repeated block of a record: its first position, its number of entries and their size.
// Entry numbers k run from 1 to `entries`; any other k is a programming error, caught by an
// assert in debug builds. Whatever k, a cut never reaches past the bytes it is made from.
struct Block {
    int first;
    int entries;
    int entrySize;

    // A field of entry k, given by its position (1-based) and length inside the entry.
    constexpr Field field(int k, Field inside) const {
        assert(k >= 1 && k <= entries);
        assert(inside.position >= 1 && inside.position - 1 + inside.length <= entrySize);
        return {first + entrySize * (k - 1) + inside.position - 1, inside.length};
    }
    // A block nested in entry k, its first position counted inside the entry.
    constexpr Block block(int k, Block inside) const {
        assert(inside.first >= 1 && inside.first - 1 + inside.entries * inside.entrySize <= entrySize);
        return {field(k, {inside.first, 0}).position, inside.entries, inside.entrySize};
    }
};

// The number rule of JV-Data fields: leading blanks are skipped, an optional sign follows, then
// digits up to the end. When another character follows the digits, the value is that of the digits
// and the sign is ignored; no digits give 0. "  7" is 7, "12 " is 12, "-3" is -3, "----" is 0.
// Both are inline: the odds analysis calls them for thousands of entries per race.
inline long long fieldNumber(std::string_view text) {
    size_t i = text.find_first_not_of(' ');
    if (i == std::string_view::npos) return 0;
    bool negative = false;
    if (text[i] == '+' || text[i] == '-') negative = text[i++] == '-';
    long long value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) value = value * 10 + (text[i] - '0');
    return i == text.size() && negative ? -value : value;
}

// Removes blanks and control characters at both ends (never full-width blanks).
inline std::string_view trimmed(std::string_view text) {
    const auto trimmable = [](char c) { return static_cast<unsigned char>(c) <= ' '; };
    while (!text.empty() && trimmable(text.front())) text.remove_prefix(1);
    while (!text.empty() && trimmable(text.back())) text.remove_suffix(1);
    return text;
}

// A field of bytes that may be shorter than their record (a stored line, say): the part of the
// field past the end is absent.
inline std::string_view fieldOf(std::string_view bytes, Field f) {
    const size_t start = size_t(f.position - 1);
    return start < bytes.size() ? bytes.substr(start, size_t(f.length)) : std::string_view{};
}

// Bytes of a fixed layout, cut by 1-based position and length: a record, or one entry of a block
// of it. It owns nothing, so the bytes must outlive it. A field reaching past the end is cut
// short; one starting past the end throws std::out_of_range.
class FixedFields {
public:
    explicit FixedFields(std::string_view bytes) : bytes_(bytes) {}

    std::string_view bytes() const { return bytes_; }

    // The field's bytes as they are.
    std::string_view field(Field f) const { return bytes_.substr(size_t(f.position - 1), size_t(f.length)); }
    // The field trimmed.
    std::string_view text(Field f) const { return trimmed(field(f)); }
    // The field by the number rule.
    long long number(Field f) const { return fieldNumber(field(f)); }
    // True when the field holds only blanks: no data.
    bool blank(Field f) const;

    // Entry k of block b, whose fields are then cut by their positions inside the entry.
    FixedFields entry(Block b, int k) const { return FixedFields(field(b.field(k, {1, b.entrySize}))); }

private:
    std::string_view bytes_;
};

// A view over one record of a known kind: exactly the kind's length (CR LF included).
class RecordView : public FixedFields {
public:
    // Throws Error when the bytes are not exactly one record of that kind.
    RecordView(std::string_view bytes, RecordKind kind);

    RecordKind kind() const { return kind_; }

private:
    RecordKind kind_;
};

} // namespace zefa
