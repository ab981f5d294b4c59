#pragma once

// The system calls through which text files are read and written. Each can be
// made to fail as the system would (a full disk, a read-only file system, a
// lost connection), so that tests see what the user is told then.

#include <QString>

#include <sys/types.h>

namespace rt {

enum class FileCall { Open, Read, Write, Sync, Close, Rename };

// Makes the next `call` fail with the system error `error` (an errno value)
// without doing anything. For tests.
void failNextFileCall(FileCall call, int error);

// The system's own text for `error` ("No space left on device"), in the
// user's language where the C library has a translation.
QString systemReason(int error);

namespace sys {
int open(const char* name, int flags, mode_t mode = 0);
ssize_t read(int fd, void* buffer, size_t size);
// Writes all of `size` bytes; false with errno set when that failed.
bool writeAll(int fd, const char* data, size_t size);
int fsync(int fd);
int close(int fd);
int rename(const char* from, const char* to);
}  // namespace sys

}  // namespace rt
