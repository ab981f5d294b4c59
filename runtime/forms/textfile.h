#pragma once

#include <QByteArray>
#include <QString>

namespace rt {

// How a text file is stored, kept with a document so that saving it gives
// back the bytes it was read from.
enum class TextEncoding { Utf8, Utf8WithBom, Windows1252 };
enum class LineEnd { CrLf, Lf };
struct TextFormat {
    TextEncoding encoding = TextEncoding::Utf8;
    LineEnd lineEnd = LineEnd::CrLf;
    // Whether the text is written with a line end after its last line (added
    // only when the text does not already end with one).
    bool finalLineEnd = true;
    friend bool operator==(const TextFormat&, const TextFormat&) = default;
};

// A text with LF line ends, as text boxes hold it, and its file's format.
struct TextDocument {
    QString text;
    TextFormat format;
};

// Bytes to text: valid UTF-8 (with or without a byte-order mark) is read as
// UTF-8, anything else as Windows-1252, whose five unassigned bytes become the
// control characters of the same codes. Every line end (CR LF, LF or a bare
// CR) becomes LF; the format keeps the style most lines used, so a file whose
// line ends are all alike is written back as it was.
TextDocument decodeText(const QByteArray& bytes);
// Text to bytes in `format`. A Windows-1252 text holding characters that code
// page lacks is written as UTF-8 instead, so that nothing is lost; `written`
// receives the format actually used.
QByteArray encodeText(const QString& text, const TextFormat& format, TextFormat* written = nullptr);

// Reads a whole text file. Raises File not found (53), Path not found (76),
// Permission denied (70), Path/File access error (75) or Device I/O error (57).
TextDocument readTextFile(const QString& path);
// Replaces (or creates) a text file without ever leaving a half-written one:
// the text goes to a temporary file beside it, renamed over the old one only
// once complete. Raises the errors of readTextFile; returns the format used.
TextFormat writeTextFile(const QString& path, const QString& text, const TextFormat& format);

}  // namespace rt
