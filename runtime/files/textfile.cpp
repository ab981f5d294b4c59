#include "files/textfile.h"

#include "events/handlers.h"
#include "events/interaction.h"
#include "files/system_calls.h"
#include "values/errors.h"

#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <new>
#include <utility>

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

// Raises `code` with the system's reason for `error`, unless the reason only
// repeats the error's own description.
[[noreturn]] void raiseSystemError(ErrorCode code, int error)
{
    const QString reason = systemReason(error);
    raise(code, reason == errorDescription(int(code)) ? QString() : reason);
}

[[noreturn]] void raiseForOpenError(int error, const QString& path)
{
    if (error == ENOENT || error == ENOTDIR)
        raiseSystemError(
            QFileInfo(path).dir().exists() ? ErrorCode::FileNotFound : ErrorCode::PathNotFound,
            error);
    if (error == EACCES || error == EPERM || error == EROFS)
        raiseSystemError(ErrorCode::PermissionDenied, error);
    raiseSystemError(ErrorCode::PathFileAccessError, error);
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
QByteArray readRegularFile(const QString& path, FileStamp* stamp)
{
    const QByteArray name = QFile::encodeName(path);
    const Descriptor file{
        sys::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC)};
    if (file.fd < 0) raiseForOpenError(errno, path);
    struct stat info {};
    if (::fstat(file.fd, &info) != 0) raiseSystemError(ErrorCode::DeviceIOError, errno);
    if (!S_ISREG(info.st_mode)) raiseNotRegular();
    if (info.st_size > maxDocumentBytes) raiseTooLarge(info.st_size);
    QByteArray bytes(qsizetype(info.st_size), Qt::Uninitialized);
    qsizetype filled = 0;
    for (;;) {
        if (filled == bytes.size()) {
            // The file grew while being read: take what follows, within the limit.
            if (bytes.size() >= maxDocumentBytes) {
                char probe;
                if (sys::read(file.fd, &probe, 1) > 0) raiseTooLarge(maxDocumentBytes + 1);
                break;
            }
            bytes.resize(std::min<qsizetype>(maxDocumentBytes, bytes.size() + (1 << 16)));
        }
        const ssize_t got =
            sys::read(file.fd, bytes.data() + filled, size_t(bytes.size() - filled));
        if (got < 0) raiseSystemError(ErrorCode::DeviceIOError, errno);
        if (got == 0) break;
        filled += got;
    }
    bytes.truncate(filled);
    if (stamp) *stamp = stampOf(path, info);
    return bytes;
}

// The new content of a file, written beside it under a name of its own and
// removed again unless it took the file's place.
class Replacement {
public:
    // Creates the temporary file, with the permissions of the file it will
    // replace, or those of a new file.
    Replacement(const QString& target, const struct stat* existing)
    {
        for (int attempt = 0; attempt < 100; ++attempt) {
            m_name = QFile::encodeName(QStringLiteral("%1.%2").arg(target).arg(
                QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0')));
            fd = sys::open(m_name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC,
                           existing ? 0600 : 0666);
            if (fd >= 0 || errno != EEXIST) break;
        }
        if (fd < 0) raiseForOpenError(errno, target);
        if (existing) ::fchmod(fd, existing->st_mode & 0777);
    }
    ~Replacement()
    {
        if (fd >= 0) ::close(fd);
        if (!m_name.isEmpty()) ::unlink(m_name.constData());
    }
    Replacement(const Replacement&) = delete;
    Replacement& operator=(const Replacement&) = delete;

    // Closes the file, reporting what the system says of the data not yet
    // on the disk.
    void close()
    {
        const int closing = std::exchange(fd, -1);
        if (sys::close(closing) != 0) raiseSystemError(ErrorCode::DeviceIOError, errno);
    }
    void takePlaceOf(const QByteArray& target)
    {
        if (sys::rename(m_name.constData(), target.constData()) != 0)
            raiseSystemError(ErrorCode::PathFileAccessError, errno);
        m_name.clear();
    }

    int fd = -1;

private:
    QByteArray m_name;
};

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

// Asks whether to write a file another program has changed, replaced or
// deleted since the document read or wrote it.
bool mayWriteAfterAnotherProgram(const QString& path)
{
    const char* const changed =
        "El fichero %1 ha cambiado en el disco desde que se abrió. ¿Desea sobrescribirlo?";
    const char* const gone =
        "El fichero %1 ya no está en el disco: otro programa lo ha borrado "
        "o movido. ¿Desea guardarlo de nuevo?";
    const QString question = QString::fromUtf8(QFileInfo::exists(path) ? changed : gone);
    return MsgBox(question.arg(path), vbYesNo | vbExclamation | vbDefaultButton2) == vbYes;
}

}  // namespace

TextDocument readTextFile(const QString& path, FileStamp* stamp)
{
    if (path.isEmpty()) raise(ErrorCode::BadFileNameOrNumber);
    try {
        return decodeDocument(readRegularFile(path, stamp));
    } catch (const std::bad_alloc&) {
        raiseTooLarge(QFileInfo(path).size());
    }
}

TextFormat writeTextFile(const QString& path, const QString& text, const TextFormat& format,
                         FileStamp* stamp)
{
    if (path.isEmpty()) raise(ErrorCode::BadFileNameOrNumber);
    const QFileInfo info(path);
    if (!info.dir().exists()) raiseSystemError(ErrorCode::PathNotFound, ENOENT);
    const QByteArray name = QFile::encodeName(path);
    struct stat existing {};
    const bool exists = ::stat(name.constData(), &existing) == 0;
    if (exists && !S_ISREG(existing.st_mode)) raiseNotRegular();
    // A file made read-only is not replaced behind its back. Opening it for
    // writing, without truncating, asks the system exactly that.
    if (exists) {
        const Descriptor writable{::open(name.constData(), O_WRONLY | O_NOCTTY | O_CLOEXEC)};
        if (writable.fd < 0) raiseForOpenError(errno, path);
    }

    Replacement file(path, exists ? &existing : nullptr);
    int failure = 0;  // the first write's errno, taken as it failed
    const TextFormat used = encodeDocument(text, format, [&](QByteArrayView piece) {
        if (failure == 0 && !sys::writeAll(file.fd, piece.data(), size_t(piece.size())))
            failure = errno;
    });
    if (failure != 0) raiseSystemError(ErrorCode::DeviceIOError, failure);
    // The new text is on the disk before it takes the old one's place.
    if (sys::fsync(file.fd) != 0) raiseSystemError(ErrorCode::DeviceIOError, errno);
    struct stat written {};
    if (::fstat(file.fd, &written) != 0) raiseSystemError(ErrorCode::DeviceIOError, errno);
    file.close();
    file.takePlaceOf(name);
    syncFolder(info.absolutePath());
    if (stamp) *stamp = stampOf(path, written);
    return used;
}

std::optional<TextDocument> readDocument(const QString& path, FileStamp* stamp)
{
    std::optional<TextDocument> doc;
    try {
        doc = readTextFile(path, stamp);
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

bool writeDocument(const QString& path, const QString& text, DocumentFile& file)
{
    if (sameFileName(file.stamp, path) && changedOnDisk(file.stamp) &&
        !mayWriteAfterAnotherProgram(path))
        return false;
    try {
        FileStamp written;
        file.format = writeTextFile(path, text, file.format, &written);
        file.stamp = written;
        return true;
    } catch (const RuntimeError& error) {
        tellFailure(QStringLiteral("No se ha podido guardar el fichero "), path, error);
        return false;
    }
}

}  // namespace rt
