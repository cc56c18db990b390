#pragma once

namespace zefa::jv {

// The JV-Link result codes that this program gives a meaning to; jvResultMessage has the words.

constexpr int kOk = 0;
constexpr int kEndOfData = 0;      // JVRead: every file is read
constexpr int kNoData = -1;        // JVOpen, JVRTOpen: nothing newer; JVCourseFile: no picture
constexpr int kNextFile = -1;      // JVRead: a file ended, the next call starts the next one
constexpr int kDownloading = -3;   // JVRead: the next file is still downloading, call again

constexpr int kSidMissing = -101;
constexpr int kSidTooLong = -102;
constexpr int kSidStartsWithBlank = -103;
constexpr int kBadDataspec = -111;
constexpr int kBadFromDate = -112;
constexpr int kBadKey = -114;
constexpr int kBadOption = -115;

constexpr int kNotInitialised = -201;
constexpr int kStillOpen = -202;
constexpr int kNotOpen = -203;

constexpr int kInternalError = -401;
constexpr int kBadFileSize = -402;
constexpr int kBadFileContent = -403;
constexpr int kDownloadFailed = -502;
constexpr int kFileNotFound = -503;

} // namespace zefa::jv
