#pragma once

#include "acquire/JvCodes.h"
#include "acquire/JvLink.h"

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zefa {

// What the feed folder holds, as docs/feed.md lays it out: timestamped record files and
// course pictures.

inline constexpr size_t kFeedTimestampLength = 14; // "yyyymmddhhnnss"
inline constexpr size_t kKeyDateLength = 8;        // "yyyymmdd" that begins every key
inline constexpr size_t kCourseKeyLength = 16;     // date (8), course code (2), distance (4), track code (2)

// True when every byte is an ASCII digit, as in the feed's times, keys and picture names.
bool isDigits(std::string_view text);

// A record file of the feed and the time that begins its name.
struct FeedFile {
    std::string timestamp;
    std::filesystem::path path;
};

// The regular files of `folder` whose names begin with a valid "yyyymmddhhnnss", oldest first
// and by name within one time. Empty when the folder is missing; nullopt when it cannot be listed.
std::optional<std::vector<FeedFile>> timestampedFiles(const std::filesystem::path& folder);

// A record file cut into its records, each still ending in CR LF.
struct FeedRecords {
    int code = jv::kOk; // otherwise the JVRead code of a missing, unreadable, empty or malformed file
    std::vector<std::string> records;
};

FeedRecords readFeedRecords(const std::filesystem::path& path);

// The picture of `key` (date, course code, distance, track code: 16 digits) in `picturesFolder`:
// of the pictures of that course, distance and track, the one in use since the latest date not
// after the key's date, with the CP932 explanation beside it.
JvCourseResult findCoursePicture(const std::filesystem::path& picturesFolder, std::string_view key);

} // namespace zefa
