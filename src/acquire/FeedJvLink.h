#pragma once

#include "acquire/FeedSettings.h"
#include "acquire/FeedStream.h"
#include "acquire/JvLink.h"
#include "jvdata/Clock.h"

#include <array>
#include <filesystem>
#include <optional>

namespace zefa {

// The JvLink of this machine: serves recorded JV-Data from a feed folder laid out as
// docs/feed.md describes, with faults on request so that every error path can be tried.
class FeedJvLink : public JvLink {
public:
    // A missing folder is a feed that serves nothing; a malformed "feed.ini" raises Error.
    FeedJvLink(std::filesystem::path feedFolder, const Clock& clock);

    int JVInit(std::string_view softwareId) override;
    std::string versionProperty() const override;
    std::string savePathProperty() const override;
    int JVSetUIProperties() override;
    JvOpenResult JVOpen(std::string_view dataspec, std::string_view fromDate, int option) override;
    int JVStatus() override;
    JvReadResult JVRead(int bufferSize) override;
    int JVRTOpen(std::string_view dataspec, std::string_view key) override;
    void JVCancel() override;
    int JVClose() override;
    JvCourseResult JVCourseFile(std::string_view key) override;

private:
    // Counts the call of the operation and gives the code the feed settings fault it with.
    std::optional<int> fault(FeedOperation operation);
    // What an operation that needs JVInit but no open stream returns instead of running.
    std::optional<int> refusalWithoutInitOrWhileOpen() const;
    // What an operation that reads the open stream returns instead of running.
    std::optional<int> refusalWithoutStream() const;

    std::filesystem::path folder_;
    const Clock& clock_;
    FeedSettings settings_;
    bool initialised_ = false;
    std::array<int, kFeedOperationCount> calls_{};
    std::optional<FeedStream> stream_;
};

} // namespace zefa
