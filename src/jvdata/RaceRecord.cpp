#include "jvdata/RaceRecord.h"

namespace zefa {

std::string_view raceKeyText(std::string_view record) {
    return fieldOf(record, RaceRecordView::RaceKey);
}

} // namespace zefa
