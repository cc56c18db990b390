#pragma once

#include "jvdata/RecordKind.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zefa {

// A stored file read back as fixed-size records of one kind: every record is a stored line with
// its CR LF, exactly the kind's length.

// A stored file read whole, seen as its records (each with its CR LF).
class RecordBytes {
public:
    // Error naming the file when its size is not a whole number of records or a record does not
    // end in CR LF (a file saved with other line ends).
    RecordBytes(std::string bytes, const std::filesystem::path& file, RecordKind kind);

    size_t size() const { return bytes_.size() / length_; }
    std::string_view operator[](size_t i) const { return std::string_view(bytes_).substr(i * length_, length_); }

private:
    std::string bytes_;
    size_t length_;
};

// nullopt when the file does not exist; otherwise as RecordBytes.
std::optional<RecordBytes> readRecordBytes(const std::filesystem::path& file, RecordKind kind);

// nullopt when the file does not exist. Error naming the file when its size is not a whole number
// of records or a record does not end in CR LF (a file saved with other line ends).
std::optional<std::vector<std::string>> readRecords(const std::filesystem::path& file, RecordKind kind);

// The first record of a per-race file whose venue code (20..21) and race number (26..27) are the
// race's; nullopt when the file or the race is missing.
std::optional<std::string> findRaceRecord(const std::filesystem::path& file, RecordKind kind,
                                          std::string_view venueCode, std::string_view raceNumber);

} // namespace zefa
