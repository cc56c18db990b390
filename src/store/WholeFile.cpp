#include "store/WholeFile.h"

#include "jvdata/Error.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zefa {
namespace {

std::string failure(const char* what, const std::filesystem::path& path, int error) {
    return "ファイル[" + displayPath(path) + "]を" + what + "。(" + std::strerror(error) + ")";
}

class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() { if (fd_ >= 0) ::close(fd_); }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }
    int release() { int fd = fd_; fd_ = -1; return fd; }

private:
    int fd_;
};

} // namespace

std::string displayPath(const std::filesystem::path& path) { return path.string(); }

std::optional<std::string> readFileIfExists(const std::filesystem::path& path) {
    Descriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (file.get() < 0) {
        if (errno == ENOENT) return std::nullopt;
        throw Error(failure("読み込めません", path, errno));
    }
    struct stat status {};
    if (::fstat(file.get(), &status) != 0) throw Error(failure("読み込めません", path, errno));
    if (S_ISDIR(status.st_mode)) throw Error(failure("読み込めません", path, EISDIR));
    // Read into a buffer of the file's size; a file that grows meanwhile is read to its end.
    std::string bytes(size_t(status.st_size) + 1, '\0');
    size_t filled = 0;
    for (;;) {
        if (filled == bytes.size()) bytes.resize(bytes.size() * 2);
        const ssize_t got = ::read(file.get(), bytes.data() + filled, bytes.size() - filled);
        if (got == 0) break;
        if (got < 0) {
            if (errno == EINTR) continue;
            throw Error(failure("読み込めません", path, errno));
        }
        filled += size_t(got);
    }
    bytes.resize(filled);
    return bytes;
}

void saveFileWhole(const std::filesystem::path& path, std::string_view bytes) {
    std::filesystem::path temporary = path;
    temporary += ".tmp" + std::to_string(::getpid());
    Descriptor file(::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644));
    if (file.get() < 0) throw Error(failure("保存できません", path, errno));

    const auto abandon = [&](int error) {
        ::close(file.release());
        ::unlink(temporary.c_str());
        throw Error(failure("保存できません", path, error));
    };
    size_t written = 0;
    while (written < bytes.size()) {
        const ssize_t put = ::write(file.get(), bytes.data() + written, bytes.size() - written);
        if (put < 0) {
            if (errno == EINTR) continue;
            abandon(errno);
        }
        written += size_t(put);
    }
    if (::fsync(file.get()) != 0) abandon(errno);
    if (::close(file.release()) != 0) {
        const int error = errno;
        ::unlink(temporary.c_str());
        throw Error(failure("保存できません", path, error));
    }
    if (::rename(temporary.c_str(), path.c_str()) != 0) {
        const int error = errno;
        ::unlink(temporary.c_str());
        throw Error(failure("保存できません", path, error));
    }
}

} // namespace zefa
