#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace zefa {

// The FeedJvLink operations whose result the feed settings can fault.
enum class FeedOperation { JVInit, JVSetUIProperties, JVOpen, JVStatus, JVRead, JVRTOpen, JVClose, JVCourseFile };
inline constexpr size_t kFeedOperationCount = 8;

// A fault of every call of an operation, rather than of its Nth call.
inline constexpr int kEveryCall = 0;

// One requested fault: the operation returns `code` on its `call`-th call (from 1) or on kEveryCall.
struct FeedFault {
    FeedOperation operation;
    int call;
    int code;
};

// The feed's own settings file "feed.ini" (docs/feed.md).
struct FeedSettings {
    std::string version;
    std::filesystem::path savePath;
    std::vector<FeedFault> faults;

    // The code that this call of the operation must return, if any; a fault of the Nth call
    // takes precedence over a fault of every call.
    std::optional<int> faultFor(FeedOperation operation, int call) const;
};

// Defaults when the file is missing: version "0490", the feed folder as save path, no faults.
// A file that cannot be read or is malformed raises Error naming it.
FeedSettings readFeedSettings(const std::filesystem::path& feedFolder);

} // namespace zefa
