#include "store/RecordFile.h"

#include "jvdata/Error.h"
#include "jvdata/RecordView.h"
#include "jvdata/RaceRecord.h"
#include "store/WholeFile.h"

namespace zefa {
namespace {

// The records of a file's bytes, checked to be whole records ending in CR LF.
std::vector<std::string_view> splitRecords(std::string_view bytes, const std::filesystem::path& file, RecordKind kind) {
    const size_t length = size_t(recordLength(kind));
    if (bytes.size() % length != 0)
        throw Error("ファイル[" + displayPath(file) + "]の大きさ(" + std::to_string(bytes.size()) + "バイト)が" +
                    std::to_string(length) + "バイトのレコードの倍数ではありません。");
    std::vector<std::string_view> records;
    records.reserve(bytes.size() / length);
    for (size_t at = 0; at < bytes.size(); at += length) {
        const std::string_view record = bytes.substr(at, length);
        if (!record.ends_with("\r\n"))
            throw Error("ファイル[" + displayPath(file) + "]の" + std::to_string(records.size() + 1) +
                        "番目のレコードがCR LFで終わっていません。");
        records.push_back(record);
    }
    return records;
}

} // namespace

std::optional<std::vector<std::string>> readRecords(const std::filesystem::path& file, RecordKind kind) {
    const auto bytes = readFileIfExists(file);
    if (!bytes) return std::nullopt;
    std::vector<std::string> records;
    for (const auto record : splitRecords(*bytes, file, kind)) records.emplace_back(record);
    return records;
}

std::optional<std::string> findRaceRecord(const std::filesystem::path& file, RecordKind kind,
                                          std::string_view venueCode, std::string_view raceNumber) {
    const auto bytes = readFileIfExists(file);
    if (!bytes) return std::nullopt;
    for (const auto record : splitRecords(*bytes, file, kind))
        if (fieldOf(record, RaceRecordView::VenueCode) == venueCode && fieldOf(record, RaceRecordView::RaceNumber) == raceNumber) return std::string(record);
    return std::nullopt;
}

} // namespace zefa
