#include "acquire/FeedStream.h"

#include "acquire/JvCodes.h"

#include <algorithm>

namespace zefa {

FeedStream::FeedStream(std::vector<FeedFile> files, Download download)
    : files_(std::move(files)), downloaded_(download == Download::Done ? files_.size() : 0) {}

void FeedStream::downloadOne() { downloaded_ = std::min(downloaded_ + 1, files_.size()); }

int FeedStream::status() {
    downloadOne();
    return int(downloaded_);
}

JvReadResult FeedStream::read() {
    if (fileIndex_ == files_.size()) return {jv::kEndOfData, {}, {}};
    if (!records_) {
        if (downloaded_ <= fileIndex_) {
            downloadOne();
            return {jv::kDownloading, {}, {}};
        }
        auto loaded = readFeedRecords(files_[fileIndex_].path);
        if (loaded.code != jv::kOk) return {loaded.code, {}, {}};
        records_ = std::move(loaded.records);
        recordIndex_ = 0;
    }
    if (recordIndex_ == records_->size()) {
        records_.reset();
        ++fileIndex_;
        return {jv::kNextFile, {}, {}};
    }
    std::string record = (*records_)[recordIndex_++];
    const int size = int(record.size());
    return {size, std::move(record), files_[fileIndex_].path.filename().string()};
}

} // namespace zefa
