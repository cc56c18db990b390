#pragma once

#include <cstddef>

namespace zefa {

// True when row i of a table holds enum value i in `member`: tables indexed by their enum stay in step.
template <typename Rows, typename Member>
constexpr bool rowsFollowTheEnum(const Rows& rows, Member member) {
    size_t index = 0;
    for (const auto& row : rows)
        if (static_cast<size_t>(row.*member) != index++) return false;
    return true;
}

} // namespace zefa
