#pragma once

#include "jvdata/RaceRecord.h"

namespace zefa {

// TC: a change of a race's post time.
class TcRecord : public RaceRecordView {
public:
    static constexpr Field AnnouncedAt{28, 8};  // 発表月日時分 (mmddhhmm)
    static constexpr Field NewPostTime{36, 4};  // 変更後発走時刻 (hhmm)
    static constexpr Field OldPostTime{40, 4};  // 変更前発走時刻 (hhmm)

    explicit TcRecord(std::string_view bytes) : RaceRecordView(bytes, RecordKind::TC) {}

    std::string_view announcedAt() const { return field(AnnouncedAt); }
    std::string_view newPostTime() const { return field(NewPostTime); }
    std::string_view oldPostTime() const { return field(OldPostTime); }
};

} // namespace zefa
