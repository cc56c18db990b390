#include "acquire/FeedJvLink.h"

#include "acquire/JvCodes.h"
#include "jvdata/DateTime.h"

#include <algorithm>
#include <array>

namespace zefa {
namespace {

constexpr size_t kSidLimit = 64;
constexpr size_t kSpecLength = 4;
constexpr int kFirstOption = 1;
constexpr int kLastOption = 4;
constexpr std::string_view kRealTimePrefix = "0B";
// A real-time key is a race date, optionally with course and race number, or a whole RaceKey.
constexpr std::array<size_t, 3> kRealTimeKeyLengths{8, 12, 16};
constexpr std::string_view kTimestampPattern = "yyyymmddhhnnss";
constexpr std::string_view kPicturesFolder = "pictures";

// One or more different specs of four capital letters, such as "RACEDIFN".
bool isAccumulatedDataspec(std::string_view dataspec) {
    if (dataspec.empty() || dataspec.size() % kSpecLength != 0) return false;
    if (!std::all_of(dataspec.begin(), dataspec.end(), [](char c) { return c >= 'A' && c <= 'Z'; })) return false;
    for (size_t at = kSpecLength; at < dataspec.size(); at += kSpecLength)
        for (size_t earlier = 0; earlier < at; earlier += kSpecLength)
            if (dataspec.substr(at, kSpecLength) == dataspec.substr(earlier, kSpecLength)) return false;
    return true;
}

bool isRealTimeDataspec(std::string_view dataspec) {
    return dataspec.size() == kSpecLength && dataspec.starts_with(kRealTimePrefix) &&
           isDigits(dataspec.substr(kRealTimePrefix.size()));
}

// Digits that begin with a date that exists.
bool isDatedKey(std::string_view key) {
    return key.size() >= kKeyDateLength && isDigits(key) && parseDateTime(key.substr(0, kKeyDateLength));
}

JvOpenResult failedOpen(int code) {
    JvOpenResult result;
    result.code = code;
    return result;
}

} // namespace

FeedJvLink::FeedJvLink(std::filesystem::path feedFolder, const Clock& clock)
    : folder_(std::move(feedFolder)), clock_(clock), settings_(readFeedSettings(folder_)) {}

std::optional<int> FeedJvLink::fault(FeedOperation operation) {
    return settings_.faultFor(operation, ++calls_[size_t(operation)]);
}

std::optional<int> FeedJvLink::refusalWithoutInitOrWhileOpen() const {
    if (!initialised_) return jv::kNotInitialised;
    if (stream_) return jv::kStillOpen;
    return std::nullopt;
}

std::optional<int> FeedJvLink::refusalWithoutStream() const {
    if (!initialised_) return jv::kNotInitialised;
    if (!stream_) return jv::kNotOpen;
    return std::nullopt;
}

int FeedJvLink::JVInit(std::string_view softwareId) {
    if (const auto code = fault(FeedOperation::JVInit)) return *code;
    if (softwareId.empty()) return jv::kSidMissing;
    if (softwareId.size() >= kSidLimit) return jv::kSidTooLong;
    if (softwareId.front() == ' ') return jv::kSidStartsWithBlank;
    initialised_ = true;
    return jv::kOk;
}

std::string FeedJvLink::versionProperty() const { return settings_.version; }

std::string FeedJvLink::savePathProperty() const { return settings_.savePath.string(); }

int FeedJvLink::JVSetUIProperties() { return fault(FeedOperation::JVSetUIProperties).value_or(jv::kOk); }

JvOpenResult FeedJvLink::JVOpen(std::string_view dataspec, std::string_view fromDate, int option) {
    if (const auto code = fault(FeedOperation::JVOpen)) return failedOpen(*code);
    if (const auto code = refusalWithoutInitOrWhileOpen()) return failedOpen(*code);
    if (!isAccumulatedDataspec(dataspec)) return failedOpen(jv::kBadDataspec);
    if (fromDate.size() != kFeedTimestampLength || !parseDateTime(fromDate)) return failedOpen(jv::kBadFromDate);
    if (option < kFirstOption || option > kLastOption) return failedOpen(jv::kBadOption);

    std::vector<FeedFile> files;
    for (size_t at = 0; at < dataspec.size(); at += kSpecLength) {
        const auto specFiles = timestampedFiles(folder_ / dataspec.substr(at, kSpecLength));
        if (!specFiles) return failedOpen(jv::kInternalError);
        std::copy_if(specFiles->begin(), specFiles->end(), std::back_inserter(files),
                     [&](const FeedFile& file) { return file.timestamp > fromDate; });
    }
    if (files.empty()) return failedOpen(jv::kNoData);
    // Files of one time keep the order of their specs in the dataspec.
    std::stable_sort(files.begin(), files.end(),
                     [](const FeedFile& a, const FeedFile& b) { return a.timestamp < b.timestamp; });

    const int count = int(files.size());
    const std::string newest = files.back().timestamp;
    stream_.emplace(std::move(files), FeedStream::Download::Pending);
    return {jv::kOk, count, count, newest};
}

int FeedJvLink::JVStatus() {
    if (const auto code = fault(FeedOperation::JVStatus)) return *code;
    if (const auto code = refusalWithoutStream()) return *code;
    return stream_->status();
}

// A record is returned whole in its string, so the preset buffer size is not needed here.
JvReadResult FeedJvLink::JVRead(int /*bufferSize*/) {
    if (const auto code = fault(FeedOperation::JVRead)) return {*code, {}, {}};
    if (const auto code = refusalWithoutStream()) return {*code, {}, {}};
    return stream_->read();
}

int FeedJvLink::JVRTOpen(std::string_view dataspec, std::string_view key) {
    if (const auto code = fault(FeedOperation::JVRTOpen)) return *code;
    if (const auto code = refusalWithoutInitOrWhileOpen()) return *code;
    if (!isRealTimeDataspec(dataspec)) return jv::kBadDataspec;
    if (!isDatedKey(key) ||
        std::find(kRealTimeKeyLengths.begin(), kRealTimeKeyLengths.end(), key.size()) == kRealTimeKeyLengths.end())
        return jv::kBadKey;

    const auto snapshots = timestampedFiles(folder_ / dataspec / key);
    if (!snapshots) return jv::kInternalError;
    const std::string now = formatDateTime(clock_.now(), kTimestampPattern);
    const auto announced = std::find_if(snapshots->rbegin(), snapshots->rend(),
                                        [&](const FeedFile& snapshot) { return snapshot.timestamp <= now; });
    if (announced == snapshots->rend()) return jv::kNoData;
    stream_.emplace(std::vector<FeedFile>{*announced}, FeedStream::Download::Done);
    return jv::kOk;
}

void FeedJvLink::JVCancel() { stream_.reset(); }

int FeedJvLink::JVClose() {
    if (const auto code = fault(FeedOperation::JVClose)) return *code;
    stream_.reset();
    return jv::kOk;
}

JvCourseResult FeedJvLink::JVCourseFile(std::string_view key) {
    if (const auto code = fault(FeedOperation::JVCourseFile)) return {*code, {}, {}};
    if (const auto code = refusalWithoutInitOrWhileOpen()) return {*code, {}, {}};
    if (key.size() != kCourseKeyLength || !isDatedKey(key)) return {jv::kBadKey, {}, {}};
    return findCoursePicture(settings_.savePath / kPicturesFolder, key);
}

} // namespace zefa
