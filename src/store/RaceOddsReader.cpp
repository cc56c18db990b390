#include "store/RaceOddsReader.h"

#include "jvdata/Error.h"
#include "jvdata/RaceRecord.h"
#include "store/WholeFile.h"

#include <array>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zefa {
namespace {

// The bytes of a record up to its race number: all that the search compares.
constexpr size_t kKeyBytes = size_t(RaceRecordView::RaceNumber.position + RaceRecordView::RaceNumber.length - 1);

std::string unreadable(const std::filesystem::path& file, int error) {
    return "ファイル[" + displayPath(file) + "]を読み込めません。(" + std::strerror(error) + ")";
}

// A file opened for reading, or nothing when it does not exist.
class ReadOnlyFile {
public:
    explicit ReadOnlyFile(const std::filesystem::path& path) : path_(path), fd_(::open(path.c_str(), O_RDONLY | O_CLOEXEC)) {
        if (fd_ < 0) {
            if (errno == ENOENT) return;
            throw Error(unreadable(path_, errno));
        }
        struct stat status {};
        if (::fstat(fd_, &status) != 0) fail(errno);
        if (!S_ISREG(status.st_mode)) fail(EISDIR);
        size_ = size_t(status.st_size);
    }
    ~ReadOnlyFile() { if (fd_ >= 0) ::close(fd_); }
    ReadOnlyFile(const ReadOnlyFile&) = delete;
    ReadOnlyFile& operator=(const ReadOnlyFile&) = delete;

    bool exists() const { return fd_ >= 0; }
    size_t size() const { return size_; }

    // Exactly `length` bytes from byte `offset`.
    void read(size_t offset, char* into, size_t length) const {
        while (length > 0) {
            const ssize_t got = ::pread(fd_, into, length, off_t(offset));
            if (got < 0 && errno == EINTR) continue;
            if (got < 0) throw Error(unreadable(path_, errno));
            if (got == 0) throw Error("ファイル[" + displayPath(path_) + "]が読み込みの途中で短くなりました。");
            offset += size_t(got);
            into += got;
            length -= size_t(got);
        }
    }

private:
    [[noreturn]] void fail(int error) {
        const std::string message = unreadable(path_, error);
        ::close(fd_);
        fd_ = -1;
        throw Error(message);
    }

    std::filesystem::path path_;
    int fd_;
    size_t size_ = 0;
};

} // namespace

std::optional<std::string> scanForRaceRecord(const std::filesystem::path& path, RecordKind kind,
                                             std::string_view venueCode, std::string_view raceNumber) {
    const ReadOnlyFile file(path);
    if (!file.exists()) return std::nullopt;
    const size_t length = size_t(recordLength(kind)), size = file.size();
    if (size % length != 0)
        throw Error("ファイル[" + displayPath(path) + "]の大きさ(" + std::to_string(size) + "バイト)が" +
                    std::to_string(length) + "バイトのレコードの倍数ではありません。");
    std::array<char, kKeyBytes> key;
    for (size_t at = 0; at < size; at += length) {
        file.read(at, key.data(), key.size());
        const std::string_view head(key.data(), key.size());
        if (fieldOf(head, RaceRecordView::VenueCode) != venueCode || fieldOf(head, RaceRecordView::RaceNumber) != raceNumber)
            continue;
        std::string record(length, '\0');
        file.read(at, record.data(), length);
        if (!record.ends_with("\r\n"))
            throw Error("ファイル[" + displayPath(path) + "]の" + std::to_string(at / length + 1) +
                        "番目のレコードがCR LFで終わっていません。");
        return record;
    }
    return std::nullopt;
}

void readRaceOdds(const DayFileSet& files, RaceSlotRecords& slot) {
    const std::string_view raceNumber = fieldOf(slot.race, RaceRecordView::RaceNumber);
    if (fieldNumber(raceNumber) < 1) return;
    const std::string_view venueCode = fieldOf(slot.race, RaceRecordView::VenueCode);
    std::array<std::optional<std::string>, kOddsFileCount> found;
    for (size_t i = 0; i < kOddsFileCount; ++i) {
        const DayFileRow& row = dayFileRow(kOddsFiles[i]);
        found[i] = scanForRaceRecord(files.file(row.file), row.kind, venueCode, raceNumber);
    }
    for (size_t i = 0; i < kOddsFileCount; ++i)
        if (found[i]) slot.oddsRecord(kOddsFiles[i]) = std::move(*found[i]);
}

} // namespace zefa
