#pragma once

#include "files/file_stamp.h"
#include "files/textcodec.h"

#include <optional>

namespace rt {

// The largest file the editors open: its text, the text box's copy and the
// bytes read all fit in memory several times over on an ordinary desktop.
constexpr qint64 maxDocumentBytes = qint64(128) << 20;

// What a document remembers of its file: the format to write it back in, and
// how the file stood on the disk when the document last read or wrote it.
struct DocumentFile {
    TextFormat format;
    FileStamp stamp;
};

// Reads a whole text file. Raises Bad file name (52) for an empty path, File
// not found (53), Path not found (76), Permission denied (70), Device I/O
// error (57), or Path/File access error (75) for a folder, a device, a FIFO
// or a file larger than maxDocumentBytes; a FIFO or device is never read from.
// Where the system refused, the error's description ends with the system's
// own reason, taken when it refused. `stamp` receives how the file stood.
TextDocument readTextFile(const QString& path, FileStamp* stamp = nullptr);
// Replaces (or creates) a text file without ever leaving a half-written one:
// the text goes to a temporary file beside it, which reaches the disk
// (flushed and synced) before it is renamed over the old one. A file that may
// not be written (read-only) is not replaced. Raises the errors of
// readTextFile; returns the format used; `stamp` receives how the new file
// stands.
TextFormat writeTextFile(const QString& path, const QString& text, const TextFormat& format,
                         FileStamp* stamp = nullptr);

// The same, each reporting its own failure: a message box names the file and
// the reason, and nothing is returned (the caller changes nothing). Opening a
// file whose text the text box would change (see TextDocument) tells the user
// so before the text is shown.
std::optional<TextDocument> readDocument(const QString& path, FileStamp* stamp = nullptr);
// Writing `path` again after another program changed, replaced or deleted it
// (it is no longer the file `file.stamp` describes) asks first; No writes
// nothing. Returns whether the text was written; `file` then describes the
// file written.
bool writeDocument(const QString& path, const QString& text, DocumentFile& file);

}  // namespace rt
