#include "core/db/FileWrite.h"

#include <cerrno>
#include <cstring>
#include <filesystem>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vrmdb {
namespace {

std::string failure(const char* what, const std::string& path, int error) {
    return std::string(what) + " " + path + ": " + std::strerror(error);
}

// Closes the descriptor when it goes out of scope.
class Fd {
  public:
    explicit Fd(int fd) : fd_(fd) {}
    ~Fd() {
        if (fd_ >= 0) ::close(fd_);
    }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    int get() const { return fd_; }
    // Closes now, answering errno of a failed close (0 when it succeeded).
    int close() {
        const int result = ::close(fd_);
        fd_ = -1;
        return result == 0 ? 0 : errno;
    }

  private:
    int fd_;
};

// Writes everything, retrying short writes; answers 0 or errno.
int writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR) continue;
            return errno;
        }
        bytes.remove_prefix(static_cast<size_t>(n));
    }
    return 0;
}

std::string folderOf(const std::string& path) {
    const auto parent = std::filesystem::path(path).parent_path();
    return parent.empty() ? std::string(".") : parent.string();
}

// The new file takes the old file's permissions; a new database gets rw-r--r--.
void copyMode(int fd, const std::string& path) {
    struct stat old {};
    const mode_t mode = ::stat(path.c_str(), &old) == 0 ? (old.st_mode & 07777) : 0644;
    ::fchmod(fd, mode);
}

// Makes the rename itself durable; a folder that cannot be synced is no failure.
void syncFolder(const std::string& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

}  // namespace

std::string ReadWholeFile(const std::string& path, std::string& bytes, bool& missing) {
    bytes.clear();
    missing = false;
    Fd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (fd.get() < 0) {
        if (errno == ENOENT) {
            missing = true;
            return {};
        }
        return failure("Cannot open", path, errno);
    }
    struct stat info {};
    if (::fstat(fd.get(), &info) == 0 && S_ISDIR(info.st_mode))
        return failure("Cannot read", path, EISDIR);
    if (info.st_size > 0) bytes.reserve(static_cast<size_t>(info.st_size));
    char buffer[1 << 16];
    for (;;) {
        const ssize_t n = ::read(fd.get(), buffer, sizeof buffer);
        if (n < 0) {
            if (errno == EINTR) continue;
            return failure("Cannot read", path, errno);
        }
        if (n == 0) break;
        bytes.append(buffer, static_cast<size_t>(n));
    }
    return {};
}

namespace {

// A database reached through a symbolic link is replaced where it really lives, so that
// the link stays a link.
std::string resolved(const std::string& path) {
    std::error_code ec;
    if (!std::filesystem::is_symlink(path, ec)) return path;
    const auto target = std::filesystem::canonical(path, ec);
    return ec ? path : target.string();
}

}  // namespace

std::string ReplaceFile(const std::string& linkOrPath, std::string_view bytes) {
    const std::string path = resolved(linkOrPath);
    const std::string folder = folderOf(path);
    std::string temp = path + kTemporarySuffix + "XXXXXX";
    Fd fd(::mkstemp(temp.data()));
    if (fd.get() < 0) return failure("Cannot create a temporary file in", folder, errno);
    copyMode(fd.get(), path);
    int error = writeAll(fd.get(), bytes);
    if (error == 0 && ::fsync(fd.get()) != 0) error = errno;
    const int closeError = fd.close();
    if (error == 0) error = closeError;
    if (error == 0 && ::rename(temp.c_str(), path.c_str()) != 0) error = errno;
    if (error != 0) {
        ::unlink(temp.c_str());
        return failure("Cannot write", path, error);
    }
    syncFolder(folder);
    return {};
}

std::string AppendToFile(const std::string& path, std::string_view header, std::string_view bytes) {
    Fd fd(::open(path.c_str(), O_RDWR | O_CREAT | O_APPEND | O_CLOEXEC, 0644));
    if (fd.get() < 0) return failure("Cannot open", path, errno);
    struct stat info {};
    if (::fstat(fd.get(), &info) != 0) return failure("Cannot write", path, errno);
    const off_t oldSize = info.st_size;
    // An existing 8-bit file would read back as garbage with UTF-16 lines behind it.
    unsigned char first = 0;
    if (oldSize > 0 && !header.empty() &&
        (::pread(fd.get(), &first, 1, 0) != 1 || first != static_cast<unsigned char>(header[0])))
        return "Cannot append to " + path + ": it is not a UTF-16 text file";
    int error = oldSize == 0 ? writeAll(fd.get(), header) : 0;
    if (error == 0) error = writeAll(fd.get(), bytes);
    if (error == 0 && ::fsync(fd.get()) != 0) error = errno;
    if (error != 0) {
        ::ftruncate(fd.get(), oldSize);
        return failure("Cannot write", path, error);
    }
    const int closeError = fd.close();
    return closeError == 0 ? std::string() : failure("Cannot write", path, closeError);
}

void RemoveStaleTemporaries(const std::string& linkOrPath) {
    const std::filesystem::path path(resolved(linkOrPath));
    const std::string prefix = path.filename().string() + kTemporarySuffix;
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(path.parent_path(), ec)) {
        const std::string name = entry.path().filename().string();
        // mkstemp fills exactly six characters; nothing else of the user's is touched.
        if (name.size() == prefix.size() + 6 && name.starts_with(prefix) &&
            entry.is_regular_file(ec))
            std::filesystem::remove(entry.path(), ec);
    }
}

}  // namespace vrmdb
