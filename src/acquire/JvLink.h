#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>

namespace zefa {

// What JRA-VAN's JV-Link gives this program, and nothing more: every operation returns an
// integer code whose words come from jvResultMessage. Texts are CP932 byte strings.

struct JvOpenResult {
    int code = 0;
    int readCount = 0;
    int downloadCount = 0;
    std::string lastFileTimestamp; // "yyyymmddhhnnss"
};

struct JvReadResult {
    int code = 0;           // > 0: size of `record`; 0: all read; -1: next file; -2, -3: call again
    std::string record;     // one JV-Data record ending in CR LF
    std::string fileName;   // the file the record comes from
};

struct JvCourseResult {
    int code = 0;
    std::string filePath;    // course diagram picture
    std::string explanation; // its explanation text
};

class JvLink {
public:
    virtual ~JvLink() = default;

    // The software identifier (26 ASCII characters ending in "/") followed by the version text.
    virtual int JVInit(std::string_view softwareId) = 0;
    // String property 16: the version as four digits, such as "0490".
    virtual std::string versionProperty() const = 0;
    // String property 2: a folder whose "pictures" sub-folder holds the default course picture.
    virtual std::string savePathProperty() const = 0;
    // Opens the settings dialog; 0 when it was closed normally.
    virtual int JVSetUIProperties() = 0;
    // Accumulated data: dataspec such as "RACEDIFN", fromDate "yyyymmddhhnnss", option 1 (normal) or 3 (setup).
    virtual JvOpenResult JVOpen(std::string_view dataspec, std::string_view fromDate, int option) = 0;
    // Files downloaded so far; reaches downloadCount. Negative: error.
    virtual int JVStatus() = 0;
    // bufferSize is the size the caller presets (100000 for imports and odds, 60000 for results).
    virtual JvReadResult JVRead(int bufferSize) = 0;
    // Real-time data: ("0B30", RaceKey), ("0B12", yyyymmdd), ("0B14", yyyymmdd).
    virtual int JVRTOpen(std::string_view dataspec, std::string_view key) = 0;
    virtual void JVCancel() = 0;
    virtual int JVClose() = 0;
    // key = race date (8) + course code (2) + distance (4) + track code (2).
    virtual JvCourseResult JVCourseFile(std::string_view key) = 0;
};

// Makes the JV-Link in use; nullptr when it cannot be created (JV-Link is not installed).
using JvLinkFactory = std::function<std::unique_ptr<JvLink>()>;

} // namespace zefa
