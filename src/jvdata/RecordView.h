#pragma once

#include "jvdata/RecordKind.h"

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
struct Block {
    int first;
    int entries;
    int entrySize;

    // A field of entry k (1-based), given by its position (1-based) and length inside the entry.
    constexpr Field field(int k, Field inside) const {
        return {first + entrySize * (k - 1) + inside.position - 1, inside.length};
    }
};

// The number rule of JV-Data fields: leading blanks are skipped, an optional sign follows, then
// digits up to the end. When another character follows the digits, the value is that of the digits
// and the sign is ignored; no digits give 0. "  7" is 7, "12 " is 12, "-3" is -3, "----" is 0.
long long fieldNumber(std::string_view text);

// Removes blanks and control characters at both ends (never full-width blanks).
std::string_view trimmed(std::string_view text);

// A view over one record of a known kind: exactly the kind's length (CR LF included). It cuts
// fields as text; it owns nothing, so the bytes must outlive it.
class RecordView {
public:
    // Throws Error when the bytes are not exactly one record of that kind.
    RecordView(std::string_view bytes, RecordKind kind);

    RecordKind kind() const { return kind_; }
    std::string_view bytes() const { return bytes_; }

    // The field's bytes as they are.
    std::string_view field(Field f) const { return bytes_.substr(size_t(f.position - 1), size_t(f.length)); }
    // The field trimmed.
    std::string_view text(Field f) const { return trimmed(field(f)); }
    // The field by the number rule.
    long long number(Field f) const { return fieldNumber(field(f)); }
    // True when the field holds only blanks: no data.
    bool blank(Field f) const;

private:
    std::string_view bytes_;
    RecordKind kind_;
};

} // namespace zefa
