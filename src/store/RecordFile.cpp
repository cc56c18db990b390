#include "store/RecordFile.h"

#include "jvdata/Error.h"
#include "jvdata/RecordView.h"
#include "jvdata/RaceRecord.h"
#include "store/WholeFile.h"

namespace zefa {

RecordBytes::RecordBytes(std::string bytes, const std::filesystem::path& file, RecordKind kind)
    : bytes_(std::move(bytes)), length_(size_t(recordLength(kind))) {
    if (bytes_.size() % length_ != 0)
        throw Error("ファイル[" + displayPath(file) + "]の大きさ(" + std::to_string(bytes_.size()) + "バイト)が" +
                    std::to_string(length_) + "バイトのレコードの倍数ではありません。");
    for (size_t i = 0; i < size(); ++i)
        if (!(*this)[i].ends_with("\r\n"))
            throw Error("ファイル[" + displayPath(file) + "]の" + std::to_string(i + 1) + "番目のレコードがCR LFで終わっていません。");
}

std::optional<RecordBytes> readRecordBytes(const std::filesystem::path& file, RecordKind kind) {
    auto bytes = readFileIfExists(file);
    if (!bytes) return std::nullopt;
    return RecordBytes(std::move(*bytes), file, kind);
}

std::optional<std::vector<std::string>> readRecords(const std::filesystem::path& file, RecordKind kind) {
    const auto records = readRecordBytes(file, kind);
    if (!records) return std::nullopt;
    std::vector<std::string> copies;
    copies.reserve(records->size());
    for (size_t i = 0; i < records->size(); ++i) copies.emplace_back((*records)[i]);
    return copies;
}

std::optional<std::string> findRaceRecord(const std::filesystem::path& file, RecordKind kind,
                                          std::string_view venueCode, std::string_view raceNumber) {
    const auto records = readRecordBytes(file, kind);
    if (!records) return std::nullopt;
    for (size_t i = 0; i < records->size(); ++i) {
        const std::string_view record = (*records)[i];
        if (fieldOf(record, RaceRecordView::VenueCode) == venueCode && fieldOf(record, RaceRecordView::RaceNumber) == raceNumber)
            return std::string(record);
    }
    return std::nullopt;
}

} // namespace zefa
