#pragma once
// Kill points for the crash tests: the file calls of the core library (open, read, write,
// fsync, close, rename, unlink, link, mkstemp, fchmod, stat, fstat) pass through wrappers
// in this test program. While armed, the wrappers count the calls and the bytes written
// and end the process at once, as a kill would, before a chosen call or after a chosen
// number of bytes (the write that crosses it writes only up to there).
#include <cstddef>
#include <string>

namespace killpoints {

// The exit status of a process ended at a kill point.
inline constexpr int kKilled = 77;

struct Counts {
    long calls = 0;
    long bytes = 0;
};

// Counts from now on; with `beforeCall` >= 0 the process ends before that call (0: the
// first), with `afterBytes` >= 0 once that many bytes were written.
void Arm(long beforeCall, long afterBytes);
// Until called again with an empty path, a rename onto `path` fails (EIO): the file
// replaced by it is never written.
void FailRenamesTo(const std::string& path);
// Stops counting and answers what was counted since Arm.
Counts Disarm();

}  // namespace killpoints
