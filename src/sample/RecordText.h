#pragma once

#include "jvdata/RecordKind.h"
#include "jvdata/RecordView.h"

#include <string>
#include <string_view>

namespace zefa {

// A record being written: blank bytes of the kind's length, its id at 1..2 and CR LF at the end,
// filled field by field through the record views' Field constants.
class RecordText {
public:
    explicit RecordText(RecordKind kind);

    // CP932 bytes, exactly the field's length (an assert guards the layout).
    RecordText& put(Field f, std::string_view bytes);
    // A half-width text, left-aligned and filled with blanks; cut to the field.
    RecordText& text(Field f, std::string_view ascii);
    // A number zero-padded to the field's width ("0123").
    RecordText& number(Field f, long long value);
    // A UTF-8 name in CP932, filled up with full-width blanks.
    RecordText& name(Field f, std::string_view utf8);

    const std::string& bytes() const { return bytes_; }

private:
    std::string bytes_;
};

// Zero-padded decimal digits of a width.
std::string digits(long long value, int width);

// A UTF-8 text in CP932 filled up with full-width blanks to `bytes` (cut when longer).
std::string fullWidthName(std::string_view utf8, int bytes);

} // namespace zefa
