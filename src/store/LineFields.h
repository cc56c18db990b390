#pragma once

#include "jvdata/RecordView.h"

#include <string_view>

namespace zefa {

// A field of a stored line, which may be shorter than its record: bytes past the end are absent.
inline std::string_view lineField(std::string_view line, Field f) {
    const size_t start = size_t(f.position - 1);
    return start < line.size() ? line.substr(start, size_t(f.length)) : std::string_view{};
}

// Fields every race-level line has at the same place.
inline constexpr Field kLineRaceKey{12, 16};
inline constexpr Field kLineRaceDate{12, 8};
inline constexpr Field kLineRaceYear{12, 4};
inline constexpr Field kLineVenueCode{20, 2};
inline constexpr Field kLineRaceNumber{26, 2};

} // namespace zefa
