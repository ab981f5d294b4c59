#include "files/system_calls.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <optional>

#include <fcntl.h>
#include <unistd.h>

namespace rt {

namespace {

struct Failure {
    FileCall call;
    int error;
};
std::optional<Failure> nextFailure;

// True, with errno set, when a test asked `call` to fail now.
bool failsNow(FileCall call)
{
    if (!nextFailure || nextFailure->call != call) return false;
    errno = nextFailure->error;
    nextFailure.reset();
    return true;
}

}  // namespace

void failNextFileCall(FileCall call, int error)
{
    nextFailure = Failure{call, error};
}

QString systemReason(int error)
{
    char buffer[256] = {};
    // The GNU strerror_r, which returns its text (not always in `buffer`).
    const char* text = ::strerror_r(error, buffer, sizeof buffer);
    return QString::fromLocal8Bit(text);
}

namespace sys {

int open(const char* name, int flags, mode_t mode)
{
    if (failsNow(FileCall::Open)) return -1;
    int fd;
    do fd = ::open(name, flags, mode);
    while (fd < 0 && errno == EINTR);
    return fd;
}

ssize_t read(int fd, void* buffer, size_t size)
{
    if (failsNow(FileCall::Read)) return -1;
    ssize_t got;
    do got = ::read(fd, buffer, size);
    while (got < 0 && errno == EINTR);
    return got;
}

bool writeAll(int fd, const char* data, size_t size)
{
    while (size > 0) {
        if (failsNow(FileCall::Write)) return false;
        const ssize_t put = ::write(fd, data, size);
        if (put < 0 && errno == EINTR) continue;
        if (put < 0) return false;
        data += put;
        size -= size_t(put);
    }
    return true;
}

int fsync(int fd)
{
    if (failsNow(FileCall::Sync)) return -1;
    return ::fsync(fd);
}

int close(int fd)
{
    if (failsNow(FileCall::Close)) {
        const int error = errno;
        ::close(fd);
        errno = error;
        return -1;
    }
    // Linux releases the descriptor even when close reports an error, so it
    // is never retried.
    return ::close(fd);
}

int rename(const char* from, const char* to)
{
    if (failsNow(FileCall::Rename)) return -1;
    return std::rename(from, to);
}

}  // namespace sys

}  // namespace rt
