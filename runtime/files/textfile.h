#pragma once

#include "files/textcodec.h"

#include <optional>

namespace rt {

// The largest file the editors open: its text, the text box's copy and the
// bytes read all fit in memory several times over on an ordinary desktop.
constexpr qint64 maxDocumentBytes = qint64(128) << 20;

// Reads a whole text file. Raises Bad file name (52) for an empty path, File
// not found (53), Path not found (76), Permission denied (70), Device I/O
// error (57), or Path/File access error (75) for a folder, a device, a FIFO
// or a file larger than maxDocumentBytes; a FIFO or device is never read from.
TextDocument readTextFile(const QString& path);
// Replaces (or creates) a text file without ever leaving a half-written one:
// the text goes to a temporary file beside it, which reaches the disk
// (flushed and synced) before it is renamed over the old one. Raises the
// errors of readTextFile; returns the format used.
TextFormat writeTextFile(const QString& path, const QString& text, const TextFormat& format);

// The same, each reporting its own failure: a message box names the file and
// the reason, and nothing is returned (the caller changes nothing). Opening a
// file whose text the text box would change (see TextDocument) tells the user
// so before the text is shown.
std::optional<TextDocument> readDocument(const QString& path);
// On success `format` becomes the format the file was written in.
bool writeDocument(const QString& path, const QString& text, TextFormat& format);

}  // namespace rt
