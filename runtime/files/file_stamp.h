#pragma once

#include <QString>

struct stat;

namespace rt {

// How a file stood on the disk when it was read or written: enough to tell
// whether another program has since changed it, replaced it by another file
// or deleted it.
struct FileStamp {
    QString path;  // as read or written; empty: no file
    qint64 size = 0;
    qint64 modifiedNs = 0;  // modification time, nanoseconds since 1970
    quint64 device = 0;
    quint64 inode = 0;
    friend bool operator==(const FileStamp&, const FileStamp&) = default;
};

FileStamp stampOf(const QString& path, const struct stat& info);

// Whether `path` names the file `stamp` was taken of.
bool sameFileName(const FileStamp& stamp, const QString& path);

// Whether the file at stamp.path is no longer the one stamped: its size,
// modification time or identity differ, or it is gone. A file that cannot be
// looked at counts as unchanged: writing it will tell why.
bool changedOnDisk(const FileStamp& stamp);

}  // namespace rt
