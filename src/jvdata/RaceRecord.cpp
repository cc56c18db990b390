#include "jvdata/RaceRecord.h"

namespace zefa {

std::string_view raceKeyText(std::string_view record) {
    const auto key = RaceRecordView::RaceKey;
    const size_t start = size_t(key.position - 1);
    return start < record.size() ? record.substr(start, size_t(key.length)) : std::string_view{};
}

} // namespace zefa
