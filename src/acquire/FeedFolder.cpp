#include "acquire/FeedFolder.h"

#include "acquire/JvCodes.h"
#include "jvdata/DateTime.h"
#include "jvdata/Error.h"
#include "store/WholeFile.h"

#include <algorithm>
#include <tuple>

namespace zefa {
namespace {

constexpr std::string_view kRecordEnd = "\r\n";
constexpr std::string_view kPictureExtension = ".gif";
constexpr std::string_view kExplanationExtension = ".txt";

// The regular files of a folder; empty when it is missing, nullopt when it cannot be listed.
std::optional<std::vector<std::filesystem::path>> regularFiles(const std::filesystem::path& folder) {
    std::error_code error;
    if (!std::filesystem::exists(folder, error)) {
        if (error) return std::nullopt;
        return std::vector<std::filesystem::path>{};
    }
    std::vector<std::filesystem::path> files;
    for (std::filesystem::directory_iterator entry(folder, error), end; !error && entry != end;
         entry.increment(error)) {
        if (entry->is_regular_file(error)) files.push_back(entry->path());
    }
    if (error) return std::nullopt;
    return files;
}

} // namespace

bool isDigits(std::string_view text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

std::optional<std::vector<FeedFile>> timestampedFiles(const std::filesystem::path& folder) {
    const auto files = regularFiles(folder);
    if (!files) return std::nullopt;
    std::vector<FeedFile> stamped;
    for (const auto& path : *files) {
        const std::string timestamp = path.filename().string().substr(0, kFeedTimestampLength);
        if (timestamp.size() == kFeedTimestampLength && parseDateTime(timestamp)) stamped.push_back({timestamp, path});
    }
    std::sort(stamped.begin(), stamped.end(), [](const FeedFile& a, const FeedFile& b) {
        return std::tie(a.timestamp, a.path) < std::tie(b.timestamp, b.path);
    });
    return stamped;
}

FeedRecords readFeedRecords(const std::filesystem::path& path) {
    std::optional<std::string> bytes;
    try {
        bytes = readFileIfExists(path);
    } catch (const Error&) {
        return {jv::kDownloadFailed, {}};
    }
    if (!bytes) return {jv::kFileNotFound, {}};
    if (bytes->empty()) return {jv::kBadFileSize, {}};

    // CP932 trail bytes are never CR or LF, so the first of them must begin the record's end.
    FeedRecords out;
    for (size_t start = 0; start < bytes->size();) {
        const size_t end = bytes->find_first_of(kRecordEnd, start);
        if (end == start || end == std::string::npos || bytes->compare(end, kRecordEnd.size(), kRecordEnd) != 0)
            return {jv::kBadFileContent, {}};
        out.records.push_back(bytes->substr(start, end + kRecordEnd.size() - start));
        start = end + kRecordEnd.size();
    }
    return out;
}

JvCourseResult findCoursePicture(const std::filesystem::path& picturesFolder, std::string_view key) {
    const auto files = regularFiles(picturesFolder);
    if (!files) return {jv::kInternalError, {}, {}};

    const std::string_view course = key.substr(kKeyDateLength);
    const std::string_view date = key.substr(0, kKeyDateLength);
    std::optional<std::filesystem::path> best;
    for (const auto& path : *files) {
        const std::string name = path.stem().string();
        if (path.extension() != kPictureExtension || name.size() != kCourseKeyLength || !isDigits(name)) continue;
        const std::string_view since = std::string_view(name).substr(0, kKeyDateLength);
        if (name.substr(kKeyDateLength) != course || since > date) continue;
        if (!best || since > best->stem().string().substr(0, kKeyDateLength)) best = path;
    }
    if (!best) return {jv::kNoData, {}, {}};

    std::filesystem::path explanationFile = *best;
    explanationFile.replace_extension(kExplanationExtension);
    try {
        return {jv::kOk, best->string(), readFileIfExists(explanationFile).value_or("")};
    } catch (const Error&) {
        return {jv::kDownloadFailed, {}, {}};
    }
}

} // namespace zefa
