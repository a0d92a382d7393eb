#include "tests/core/db/KillPoints.h"

#include <cerrno>
#include <cstdarg>

#include <dlfcn.h>
#include <fcntl.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string>

namespace killpoints {
namespace {

bool armed = false;
std::string renamesFail;  // the path no rename may replace; empty: none
long callsLeft = -1;
long bytesLeft = -1;
Counts counts;

// The next definition of a file call: the C library's.
template <class F>
F next(const char* name) {
    return reinterpret_cast<F>(::dlsym(RTLD_NEXT, name));
}

void call() {
    if (!armed) return;
    ++counts.calls;
    if (callsLeft >= 0 && callsLeft-- == 0) ::_exit(kKilled);
}

}  // namespace

void Arm(long beforeCall, long afterBytes) {
    counts = {};
    callsLeft = beforeCall;
    bytesLeft = afterBytes;
    armed = true;
}

void FailRenamesTo(const std::string& path) {
    renamesFail = path;
}

Counts Disarm() {
    armed = false;
    return counts;
}

}  // namespace killpoints

using killpoints::call;

extern "C" {

int open(const char* path, int flags, ...) {
    static const auto real = killpoints::next<int (*)(const char*, int, ...)>("open");
    mode_t mode = 0;
    if (flags & (O_CREAT | O_TMPFILE)) {
        va_list args;
        va_start(args, flags);
        mode = static_cast<mode_t>(va_arg(args, int));
        va_end(args);
    }
    call();
    return real(path, flags, mode);
}

ssize_t read(int fd, void* buffer, size_t count) {
    static const auto real = killpoints::next<ssize_t (*)(int, void*, size_t)>("read");
    call();
    return real(fd, buffer, count);
}

ssize_t write(int fd, const void* buffer, size_t count) {
    static const auto real = killpoints::next<ssize_t (*)(int, const void*, size_t)>("write");
    call();
    using namespace killpoints;
    if (armed) {
        if (bytesLeft >= 0 && static_cast<long>(count) >= bytesLeft) {
            if (bytesLeft > 0) real(fd, buffer, static_cast<size_t>(bytesLeft));
            ::_exit(kKilled);
        }
        counts.bytes += static_cast<long>(count);
        if (bytesLeft >= 0) bytesLeft -= static_cast<long>(count);
    }
    return real(fd, buffer, count);
}

int fsync(int fd) {
    static const auto real = killpoints::next<int (*)(int)>("fsync");
    call();
    return real(fd);
}

int close(int fd) {
    static const auto real = killpoints::next<int (*)(int)>("close");
    call();
    return real(fd);
}

int rename(const char* from, const char* to) noexcept {
    static const auto real = killpoints::next<int (*)(const char*, const char*)>("rename");
    call();
    if (!killpoints::renamesFail.empty() && killpoints::renamesFail == to) {
        errno = EIO;
        return -1;
    }
    return real(from, to);
}

int unlink(const char* path) noexcept {
    static const auto real = killpoints::next<int (*)(const char*)>("unlink");
    call();
    return real(path);
}

int link(const char* from, const char* to) noexcept {
    static const auto real = killpoints::next<int (*)(const char*, const char*)>("link");
    call();
    return real(from, to);
}

int mkstemp(char* pattern) {
    static const auto real = killpoints::next<int (*)(char*)>("mkstemp");
    call();
    return real(pattern);
}

int fchmod(int fd, mode_t mode) noexcept {
    static const auto real = killpoints::next<int (*)(int, mode_t)>("fchmod");
    call();
    return real(fd, mode);
}

int stat(const char* path, struct stat* info) noexcept {
    static const auto real = killpoints::next<int (*)(const char*, struct stat*)>("stat");
    call();
    return real(path, info);
}

int fstat(int fd, struct stat* info) noexcept {
    static const auto real = killpoints::next<int (*)(int, struct stat*)>("fstat");
    call();
    return real(fd, info);
}

}  // extern "C"
