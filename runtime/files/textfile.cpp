#include "files/textfile.h"

#include "events/handlers.h"
#include "events/interaction.h"
#include "values/errors.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <cstring>
#include <new>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace rt {

namespace {

// Closes a file descriptor when it goes out of scope.
struct Descriptor {
    int fd;
    ~Descriptor()
    {
        if (fd >= 0) ::close(fd);
    }
};

[[noreturn]] void raiseForOpenError(int error, const QString& path)
{
    if (error == ENOENT || error == ENOTDIR)
        raise(QFileInfo(path).dir().exists() ? ErrorCode::FileNotFound : ErrorCode::PathNotFound);
    if (error == EACCES || error == EPERM) raise(ErrorCode::PermissionDenied);
    raise(ErrorCode::PathFileAccessError, QString::fromLocal8Bit(std::strerror(error)));
}

[[noreturn]] void raiseNotRegular()
{
    raise(ErrorCode::PathFileAccessError, QStringLiteral("not a regular file"));
}

[[noreturn]] void raiseTooLarge(qint64 size)
{
    raise(ErrorCode::PathFileAccessError, QStringLiteral("too large to edit (%1 MB; at most %2 MB)")
                                              .arg((size + (1 << 20) - 1) >> 20)
                                              .arg(maxDocumentBytes >> 20));
}

// The whole content of a regular file. Opening does not wait for a FIFO's
// writer, and nothing is read from anything but a regular file.
QByteArray readRegularFile(const QString& path)
{
    const QByteArray name = QFile::encodeName(path);
    const Descriptor file{::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC)};
    if (file.fd < 0) raiseForOpenError(errno, path);
    struct stat info {};
    if (::fstat(file.fd, &info) != 0) raise(ErrorCode::DeviceIOError);
    if (!S_ISREG(info.st_mode)) raiseNotRegular();
    if (info.st_size > maxDocumentBytes) raiseTooLarge(info.st_size);
    QByteArray bytes(qsizetype(info.st_size), Qt::Uninitialized);
    qsizetype filled = 0;
    for (;;) {
        if (filled == bytes.size()) {
            // The file grew while being read: take what follows, within the limit.
            if (bytes.size() >= maxDocumentBytes) {
                char probe;
                if (::read(file.fd, &probe, 1) > 0) raiseTooLarge(maxDocumentBytes + 1);
                break;
            }
            bytes.resize(std::min<qsizetype>(maxDocumentBytes, bytes.size() + (1 << 16)));
        }
        const ssize_t got = ::read(file.fd, bytes.data() + filled, size_t(bytes.size() - filled));
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) raise(ErrorCode::DeviceIOError, QString::fromLocal8Bit(std::strerror(errno)));
        if (got == 0) break;
        filled += got;
    }
    bytes.truncate(filled);
    return bytes;
}

// Makes the rename of a file in `folder` itself durable; best effort.
void syncFolder(const QString& folder)
{
    const Descriptor dir{::open(QFile::encodeName(folder).constData(), O_RDONLY | O_CLOEXEC)};
    if (dir.fd >= 0) ::fsync(dir.fd);
}

void tellFailure(const QString& what, const QString& path, const RuntimeError& error)
{
    MsgBox(what + path + QStringLiteral("\r\n\r\n") + error.description(), vbExclamation);
}

}  // namespace

TextDocument readTextFile(const QString& path)
{
    if (path.isEmpty()) raise(ErrorCode::BadFileNameOrNumber);
    try {
        return decodeDocument(readRegularFile(path));
    } catch (const std::bad_alloc&) {
        raiseTooLarge(QFileInfo(path).size());
    }
}

TextFormat writeTextFile(const QString& path, const QString& text, const TextFormat& format)
{
    const QFileInfo info(path);
    if (path.isEmpty()) raise(ErrorCode::BadFileNameOrNumber);
    if (!info.dir().exists()) raise(ErrorCode::PathNotFound);
    struct stat existing {};
    if (::stat(QFile::encodeName(path).constData(), &existing) == 0 && !S_ISREG(existing.st_mode))
        raiseNotRegular();
    QSaveFile file(path);
    errno = 0;
    if (!file.open(QIODevice::WriteOnly)) {
        const bool denied = errno == EACCES || errno == EPERM ||
                            file.error() == QFileDevice::PermissionsError ||
                            !QFileInfo(info.absolutePath()).isWritable();
        raise(denied ? ErrorCode::PermissionDenied : ErrorCode::PathFileAccessError);
    }
    bool written = true;
    const TextFormat used = encodeDocument(text, format, [&](QByteArrayView piece) {
        written = written && file.write(piece.data(), piece.size()) == piece.size();
    });
    // The new text is on the disk before it takes the old one's place.
    if (!written || !file.flush() || ::fsync(file.handle()) != 0) {
        const QString reason = file.errorString();
        file.cancelWriting();
        raise(ErrorCode::DeviceIOError, reason);
    }
    if (!file.commit()) raise(ErrorCode::PathFileAccessError, file.errorString());
    syncFolder(info.absolutePath());
    return used;
}

std::optional<TextDocument> readDocument(const QString& path)
{
    std::optional<TextDocument> doc;
    try {
        doc = readTextFile(path);
    } catch (const RuntimeError& error) {
        tellFailure(QStringLiteral("No se ha podido abrir el fichero "), path, error);
        return std::nullopt;
    }
    if (doc->breakingCharacters > 0) {
        MsgBox(QStringLiteral("El fichero %1 contiene caracteres de separación (U+2029, U+FDD0 o "
                              "U+FDD1) que el editor muestra como saltos de línea: si lo guarda, "
                              "se guardarán como saltos de línea.")
                   .arg(path),
               vbInformation);
    }
    return doc;
}

bool writeDocument(const QString& path, const QString& text, TextFormat& format)
{
    try {
        format = writeTextFile(path, text, format);
        return true;
    } catch (const RuntimeError& error) {
        tellFailure(QStringLiteral("No se ha podido guardar el fichero "), path, error);
        return false;
    }
}

}  // namespace rt
