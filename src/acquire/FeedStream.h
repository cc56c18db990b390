#pragma once

#include "acquire/FeedFolder.h"
#include "acquire/JvLink.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace zefa {

// The files that one JVOpen or JVRTOpen serves, read record by record. The download is
// simulated and deterministic: one more file arrives with each JVStatus call and with each
// read that had to wait for one, so a read loop ends even when nobody polls the status.
class FeedStream {
public:
    enum class Download { Pending, Done };

    FeedStream(std::vector<FeedFile> files, Download download);

    // JVStatus: one more file downloaded, up to all of them; the number downloaded so far.
    int status();

    // JVRead: the next record (code = its size in bytes), -1 after each file, 0 after the last,
    // -3 while the next file is not downloaded, or the error code of a malformed file.
    JvReadResult read();

private:
    void downloadOne();

    std::vector<FeedFile> files_;
    size_t downloaded_;
    size_t fileIndex_ = 0;
    std::optional<std::vector<std::string>> records_; // of the file being read, once loaded
    size_t recordIndex_ = 0;
};

} // namespace zefa
