#include "core/db/FileWrite.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <initializer_list>

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

namespace {

// Reads the file into `buffer` (a string of any character type) and answers the number
// of bytes read.
template <class Buffer>
std::string readInto(const std::string& path, Buffer& buffer, size_t& used, bool& missing) {
    constexpr size_t unit = sizeof(typename Buffer::value_type);
    buffer.clear();
    used = 0;
    missing = false;
    // Without O_NONBLOCK opening a FIFO would wait for a writer that never comes.
    Fd fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (fd.get() < 0) {
        if (errno == ENOENT) {
            missing = true;
            return {};
        }
        return failure("Cannot open", path, errno);
    }
    struct stat info {};
    if (::fstat(fd.get(), &info) != 0) return failure("Cannot read", path, errno);
    if (S_ISDIR(info.st_mode)) return failure("Cannot read", path, EISDIR);
    if (!S_ISREG(info.st_mode)) return "Cannot read " + path + ": it is not a regular file";
    // One unit more than the size tells whether the file grew while it was read.
    buffer.resize(static_cast<size_t>(info.st_size) / unit + 2);
    for (;;) {
        if (used == buffer.size() * unit) buffer.resize(2 * buffer.size());
        char* at = reinterpret_cast<char*>(buffer.data()) + used;
        const ssize_t n = ::read(fd.get(), at, buffer.size() * unit - used);
        if (n < 0) {
            if (errno == EINTR) continue;
            buffer.clear();
            used = 0;
            return failure("Cannot read", path, errno);
        }
        if (n == 0) break;
        used += static_cast<size_t>(n);
    }
    buffer.resize((used + unit - 1) / unit);
    return {};
}

}  // namespace

std::string ReadWholeFile(const std::string& path, std::string& bytes, bool& missing) {
    size_t used = 0;
    return readInto(path, bytes, used, missing);
}

std::string ReadWholeFile(const std::string& path, std::u16string& units, size_t& byteCount,
                          bool& missing) {
    return readInto(path, units, byteCount, missing);
}

namespace {

// A file reached through a symbolic link is written where it really lives, so that the
// link stays a link.
std::string resolved(const std::string& path) {
    std::error_code ec;
    if (!std::filesystem::is_symlink(path, ec)) return path;
    const auto target = std::filesystem::canonical(path, ec);
    return ec ? path : target.string();
}

// Writes the pieces into a new temporary file beside `path` and syncs it; `temp` names it
// (empty when none was created). Answers 0 or errno.
int writeTemporary(const std::string& path, std::initializer_list<std::string_view> pieces,
                   std::string& temp) {
    temp = path + kTemporarySuffix + "XXXXXX";
    Fd fd(::mkstemp(temp.data()));
    if (fd.get() < 0) {
        const int error = errno;
        temp.clear();
        return error;
    }
    copyMode(fd.get(), path);
    int error = 0;
    for (const std::string_view piece : pieces)
        if (error == 0) error = writeAll(fd.get(), piece);
    if (error == 0 && ::fsync(fd.get()) != 0) error = errno;
    const int closeError = fd.close();
    return error != 0 ? error : closeError;
}

// The pieces, one after the other, become the file.
std::string replaceWith(const std::string& path, std::initializer_list<std::string_view> pieces) {
    std::string temp;
    int error = writeTemporary(path, pieces, temp);
    if (temp.empty()) return failure("Cannot create a temporary file in", folderOf(path), error);
    if (error == 0 && ::rename(temp.c_str(), path.c_str()) != 0) error = errno;
    if (error != 0) {
        ::unlink(temp.c_str());
        return failure("Cannot write", path, error);
    }
    syncFolder(folderOf(path));
    return {};
}

}  // namespace

std::string ReplaceFile(const std::string& path, std::string_view bytes) {
    return replaceWith(resolved(path), {bytes});
}

std::string AppendToFile(const std::string& linkOrPath, std::string_view header,
                         std::string_view bytes) {
    const std::string path = resolved(linkOrPath);
    // What an export killed half-way left behind goes with the next export to that file.
    RemoveStaleTemporaries(path);
    std::string old;
    bool missing = false;
    if (std::string error = ReadWholeFile(path, old, missing); !error.empty()) return error;
    // An existing 8-bit file would read back as garbage with UTF-16 lines behind it.
    if (!old.empty() && !header.empty() && old[0] != header[0])
        return "Cannot append to " + path + ": it is not a UTF-16 text file";
    return replaceWith(path, {old, old.empty() ? header : std::string_view(), bytes});
}

std::string KeepCopy(const std::string& linkOrPath, std::string_view suffix,
                     std::string_view bytes, std::string& copyPath) {
    const std::string path = resolved(linkOrPath);
    for (int number = 1; number <= 999; ++number) {
        copyPath = path + std::string(suffix) + (number > 1 ? "-" + std::to_string(number) : "");
        std::string kept;
        bool missing = false;
        if (!ReadWholeFile(copyPath, kept, missing).empty()) continue;  // not ours to touch
        if (!missing) {
            if (kept == bytes) return {};
            continue;
        }
        std::string temp;
        int error = writeTemporary(path, {bytes}, temp);
        if (temp.empty()) return failure("Cannot create a temporary file in", folderOf(path), error);
        // A link never replaces a file that appeared in the meantime.
        if (error == 0 && ::link(temp.c_str(), copyPath.c_str()) != 0) {
            error = errno;
            // A file system without hard links: the name was free a moment ago.
            if ((error == EPERM || error == ENOTSUP) &&
                ::rename(temp.c_str(), copyPath.c_str()) == 0)
                error = 0;
        }
        ::unlink(temp.c_str());
        if (error == EEXIST) continue;
        if (error != 0) return failure("Cannot write", copyPath, error);
        syncFolder(folderOf(path));
        return {};
    }
    copyPath.clear();
    return "Cannot keep a copy of " + path + ": every name for it is taken";
}

void RemoveStaleTemporaries(const std::string& linkOrPath) {
    const std::filesystem::path path(resolved(linkOrPath));
    const std::string prefix = path.filename().string() + kTemporarySuffix;
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(folderOf(path.string()), ec)) {
        const std::string name = entry.path().filename().string();
        // mkstemp fills exactly six characters; nothing else of the user's is touched.
        if (name.size() == prefix.size() + 6 && name.starts_with(prefix) &&
            entry.is_regular_file(ec))
            std::filesystem::remove(entry.path(), ec);
    }
}

}  // namespace vrmdb
