#pragma once

// Bytes of a text file to the text a text box holds, and back, keeping the
// file's encoding and line ends so that an unchanged document is saved as the
// bytes it was read from. Qt Core only, no files: plain functions over bytes.

#include <QByteArray>
#include <QString>

#include <functional>

namespace rt {

// How a text file is stored, kept with a document so that saving it gives
// back the bytes it was read from.
enum class TextEncoding { Utf8, Utf8WithBom, Utf16LE, Utf16BE, Windows1252 };
enum class LineEnd { CrLf, Lf, Cr };
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
    // Characters a text box turns into line breaks (U+2029 and the
    // noncharacters U+FDD0 and U+FDD1): saving the text shown changes them.
    qsizetype breakingCharacters = 0;
};

// Bytes to text. A UTF-16 byte-order mark (FF FE or FE FF) followed by whole,
// valid UTF-16 is read as UTF-16 of that byte order; valid UTF-8 (with or
// without a byte-order mark) as UTF-8; anything else as Windows-1252, whose
// five unassigned bytes become the control characters of the same codes, so
// that every byte sequence reads. Every line end (CR LF, LF or a bare CR)
// becomes LF; the format keeps the style most line ends use (CR LF when
// tied), so a file whose line ends are all alike is written back as it was.
TextDocument decodeDocument(QByteArray bytes);

// Text to bytes in `format`: each LF becomes the format's line end, and one
// is added at the end when the format asks for it and the text lacks it. A
// Windows-1252 text holding characters that code page lacks is written as
// UTF-8 instead, so that nothing is lost; `written` receives the format used.
QByteArray encodeDocument(const QString& text, const TextFormat& format,
                          TextFormat* written = nullptr);

// The same bytes handed to `sink` in pieces of bounded size, so that a large
// document is written without a second whole copy of it. Returns the format used.
TextFormat encodeDocument(const QString& text, const TextFormat& format,
                          const std::function<void(QByteArrayView)>& sink);

}  // namespace rt
