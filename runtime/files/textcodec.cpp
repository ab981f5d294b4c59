#include "files/textcodec.h"

#include <QStringDecoder>

#include <algorithm>
#include <array>
#include <optional>

namespace rt {

namespace {

const QByteArray utf8Bom("\xEF\xBB\xBF", 3);
const QByteArray utf16LEBom("\xFF\xFE", 2);
const QByteArray utf16BEBom("\xFE\xFF", 2);

// Characters encoded at a time when writing: bounds the extra memory a save needs.
constexpr qsizetype chunkCharacters = 1 << 16;

// Windows-1252 bytes 0x80..0x9F; the unassigned ones map to the C1 control
// of the same code so that they survive a round trip.
constexpr std::array<char16_t, 32> cp1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

QString fromWindows1252(QByteArrayView bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    QChar* out = text.data();
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        *out++ = QChar(byte >= 0x80 && byte < 0xA0 ? cp1252High[byte - 0x80] : char16_t(byte));
    }
    return text;
}

// The Windows-1252 byte of `u`, or -1 when that code page lacks it.
int windows1252Byte(char16_t u)
{
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) return u;
    const auto* found = std::find(cp1252High.begin(), cp1252High.end(), u);
    return found == cp1252High.end() ? -1 : int(0x80 + (found - cp1252High.begin()));
}

bool fitsWindows1252(QStringView text)
{
    return std::all_of(text.begin(), text.end(),
                       [](QChar ch) { return windows1252Byte(ch.unicode()) >= 0; });
}

std::optional<QString> fromUtf8(QByteArrayView bytes)
{
    // A second byte-order mark after the first is text (U+FEFF) and stays.
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom |
                                                     QStringDecoder::Flag::Stateless);
    QString text = decoder.decode(bytes);
    if (decoder.hasError()) return std::nullopt;
    return text;
}

// UTF-16 code units are taken as they are, unpaired surrogates included, so
// that every even-length byte sequence reads and writes back unchanged.
QString fromUtf16(QByteArrayView bytes, bool bigEndian)
{
    QString text(bytes.size() / 2, Qt::Uninitialized);
    QChar* out = text.data();
    const auto* in = reinterpret_cast<const unsigned char*>(bytes.data());
    const int high = bigEndian ? 0 : 1;
    for (qsizetype i = 0; i + 1 < bytes.size(); i += 2)
        *out++ = QChar(char16_t(in[i + high] << 8 | in[i + 1 - high]));
    return text;
}

QByteArray toUtf16(QStringView text, bool bigEndian)
{
    QByteArray bytes(text.size() * 2, Qt::Uninitialized);
    char* out = bytes.data();
    for (const QChar ch : text) {
        const char16_t u = ch.unicode();
        *out++ = char(bigEndian ? u >> 8 : u & 0xFF);
        *out++ = char(bigEndian ? u & 0xFF : u >> 8);
    }
    return bytes;
}

QByteArray toWindows1252(QStringView text)
{
    QByteArray bytes(text.size(), Qt::Uninitialized);
    char* out = bytes.data();
    for (const QChar ch : text) *out++ = char(windows1252Byte(ch.unicode()));
    return bytes;
}

// Turns every line end of `text` into LF in place and says which style most
// of them used; counts the characters a text box would turn into line breaks.
LineEnd unifyLineEnds(QString& text, qsizetype& breaking)
{
    qsizetype crLf = 0, lf = 0, cr = 0;
    QChar* data = text.data();
    const qsizetype size = text.size();
    qsizetype kept = 0;
    for (qsizetype i = 0; i < size; ++i) {
        const char16_t u = data[i].unicode();
        if (u == u'\r') {
            if (i + 1 < size && data[i + 1] == u'\n') {
                ++crLf;
                ++i;
            } else {
                ++cr;
            }
            data[kept++] = u'\n';
            continue;
        }
        if (u == u'\n') {
            ++lf;
        } else if (u == 0x2029 || u == 0xFDD0 || u == 0xFDD1) {
            ++breaking;
        }
        data[kept++] = data[i];
    }
    text.truncate(kept);
    if (crLf >= lf && crLf >= cr) return LineEnd::CrLf;
    return lf >= cr ? LineEnd::Lf : LineEnd::Cr;
}

QStringView lineEndText(LineEnd lineEnd)
{
    switch (lineEnd) {
        case LineEnd::CrLf: return u"\r\n";
        case LineEnd::Lf: return u"\n";
        case LineEnd::Cr: return u"\r";
    }
    return u"\r\n";
}

QByteArray encodeChunk(QStringView chunk, TextEncoding encoding)
{
    switch (encoding) {
        case TextEncoding::Utf8:
        case TextEncoding::Utf8WithBom: return chunk.toUtf8();
        case TextEncoding::Utf16LE: return toUtf16(chunk, false);
        case TextEncoding::Utf16BE: return toUtf16(chunk, true);
        case TextEncoding::Windows1252: return toWindows1252(chunk);
    }
    return chunk.toUtf8();
}

QByteArray byteOrderMark(TextEncoding encoding)
{
    switch (encoding) {
        case TextEncoding::Utf8WithBom: return utf8Bom;
        case TextEncoding::Utf16LE: return utf16LEBom;
        case TextEncoding::Utf16BE: return utf16BEBom;
        case TextEncoding::Utf8:
        case TextEncoding::Windows1252: return {};
    }
    return {};
}

}  // namespace

TextDocument decodeDocument(QByteArray bytes)
{
    TextDocument doc;
    const bool utf16 = bytes.size() % 2 == 0;
    if (utf16 && (bytes.startsWith(utf16LEBom) || bytes.startsWith(utf16BEBom))) {
        const bool bigEndian = bytes.startsWith(utf16BEBom);
        doc.text = fromUtf16(QByteArrayView(bytes).sliced(2), bigEndian);
        doc.format.encoding = bigEndian ? TextEncoding::Utf16BE : TextEncoding::Utf16LE;
    } else {
        const bool bom = bytes.startsWith(utf8Bom);
        if (auto utf8 = fromUtf8(QByteArrayView(bytes).sliced(bom ? 3 : 0))) {
            doc.text = std::move(*utf8);
            doc.format.encoding = bom ? TextEncoding::Utf8WithBom : TextEncoding::Utf8;
        } else {
            doc.text = fromWindows1252(bytes);
            doc.format.encoding = TextEncoding::Windows1252;
        }
    }
    bytes = QByteArray();  // not needed beside the text any more
    doc.format.lineEnd = unifyLineEnds(doc.text, doc.breakingCharacters);
    doc.format.finalLineEnd = doc.text.endsWith(QLatin1Char('\n'));
    return doc;
}

namespace {

// Whether a Windows-1252 file of `text` in `format` would be read back as
// another encoding, and so as another text: an even number of bytes that
// start like a UTF-16 byte-order mark, or bytes that happen to be valid
// UTF-8 with one above 0x7F.
bool windows1252ReadsBackOtherwise(QStringView text, const TextFormat& format)
{
    if (text.startsWith(u"\u00FF\u00FE") || text.startsWith(u"\u00FE\u00FF")) {
        const qsizetype lineEnds = text.count(QLatin1Char('\n'));
        const qsizetype lineEndSize = lineEndText(format.lineEnd).size();
        const bool endAdded = format.finalLineEnd && !text.endsWith(QLatin1Char('\n'));
        const qsizetype size =
            text.size() + lineEnds * (lineEndSize - 1) + (endAdded ? lineEndSize : 0);
        if (size % 2 == 0) return true;
    }
    if (std::ranges::all_of(text, [](QChar c) { return c.unicode() < 0x80; })) return false;
    const QByteArray bytes = toWindows1252(text);
    const bool bom = bytes.startsWith(utf8Bom);
    return fromUtf8(QByteArrayView(bytes).sliced(bom ? 3 : 0)).has_value();
}

}  // namespace

TextFormat encodeDocument(const QString& text, const TextFormat& format,
                          const std::function<void(QByteArrayView)>& sink)
{
    TextFormat used = format;
    // A file is written so that it reads back as the same text: in UTF-8 when
    // the code page lacks a character or its bytes would read as another
    // encoding, with a byte-order mark when the text itself starts with one.
    if (used.encoding == TextEncoding::Windows1252 &&
        (!fitsWindows1252(text) || windows1252ReadsBackOtherwise(text, used)))
        used.encoding = TextEncoding::Utf8;
    if (used.encoding == TextEncoding::Utf8 && text.startsWith(QChar(0xFEFF)))
        used.encoding = TextEncoding::Utf8WithBom;
    if (const QByteArray bom = byteOrderMark(used.encoding); !bom.isEmpty()) sink(bom);

    const QStringView lineEnd = lineEndText(used.lineEnd);
    QString expanded;
    const auto flush = [&] {
        sink(encodeChunk(expanded, used.encoding));
        expanded.resize(0);
    };
    const QStringView all(text);
    for (qsizetype at = 0; at < all.size();) {
        qsizetype end = std::min(all.size(), at + chunkCharacters);
        // A surrogate pair is encoded whole.
        if (end < all.size() && all[end - 1].isHighSurrogate()) ++end;
        const QStringView chunk = all.sliced(at, end - at);
        for (qsizetype from = 0; from < chunk.size();) {
            const qsizetype newline = chunk.indexOf(QLatin1Char('\n'), from);
            if (newline < 0) {
                expanded += chunk.sliced(from);
                break;
            }
            expanded += chunk.sliced(from, newline - from);
            expanded += lineEnd;
            from = newline + 1;
        }
        flush();
        at = end;
    }
    if (used.finalLineEnd && !text.endsWith(QLatin1Char('\n'))) {
        expanded = lineEnd.toString();
        flush();
    }
    return used;
}

QByteArray encodeDocument(const QString& text, const TextFormat& format, TextFormat* written)
{
    QByteArray bytes;
    const TextFormat used =
        encodeDocument(text, format, [&bytes](QByteArrayView piece) { bytes += piece; });
    if (written) *written = used;
    return bytes;
}

}  // namespace rt
