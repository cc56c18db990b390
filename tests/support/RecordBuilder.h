#pragma once

#include "jvdata/RecordKind.h"

#include <cassert>
#include <string>
#include <string_view>

namespace zefa::test {

// A stored line of a record kind (no CR LF), blank but for the fields put into it.
class LineBuilder {
public:
    explicit LineBuilder(RecordKind kind) : line_(size_t(storedLineLength(kind)), ' ') {
        const std::string_view id = recordKindRow(kind).id;
        line_.replace(0, id.size(), id);
    }
    // Puts the bytes at 1-based `position`.
    LineBuilder& put(int position, std::string_view bytes) {
        assert(position >= 1 && size_t(position - 1) + bytes.size() <= line_.size());
        line_.replace(size_t(position - 1), bytes.size(), bytes);
        return *this;
    }
    // Positions 12..27: year, month-day, venue, meeting, day of meeting, race number.
    LineBuilder& raceKey(std::string_view key) { return put(12, key); }

    const std::string& line() const { return line_; }
    std::string record() const { return line_ + "\r\n"; }
    operator std::string() const { return line_; }
    operator std::string_view() const { return line_; }

private:
    std::string line_;
};

} // namespace zefa::test
