#include "files/file_stamp.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>

#include <sys/stat.h>

namespace rt {

FileStamp stampOf(const QString& path, const struct stat& info)
{
    return FileStamp{path, qint64(info.st_size),
                     qint64(info.st_mtim.tv_sec) * 1'000'000'000 + info.st_mtim.tv_nsec,
                     quint64(info.st_dev), quint64(info.st_ino)};
}

bool sameFileName(const FileStamp& stamp, const QString& path)
{
    if (stamp.path.isEmpty() || path.isEmpty()) return false;
    const auto absolute = [](const QString& p) {
        return QDir::cleanPath(QFileInfo(p).absoluteFilePath());
    };
    return stamp.path == path || absolute(stamp.path) == absolute(path);
}

bool changedOnDisk(const FileStamp& stamp)
{
    if (stamp.path.isEmpty()) return false;
    struct stat info {};
    if (::stat(QFile::encodeName(stamp.path).constData(), &info) != 0)
        return errno == ENOENT || errno == ENOTDIR;
    return stampOf(stamp.path, info) != stamp;
}

}  // namespace rt
