#include "textfile.h"

#include "values/errors.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>

#include <algorithm>
#include <array>
#include <cerrno>
#include <optional>

namespace rt {

namespace {

const QByteArray utf8Bom("\xEF\xBB\xBF", 3);

// Windows-1252 bytes 0x80..0x9F; the unassigned ones map to the C1 control
// of the same code so that they survive a round trip.
constexpr std::array<char16_t, 32> cp1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

QString fromWindows1252(const QByteArray& bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    QChar* out = text.data();
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        *out++ = QChar(byte >= 0x80 && byte < 0xA0 ? cp1252High[byte - 0x80] : char16_t(byte));
    }
    return text;
}

// Empty when some character has no Windows-1252 byte.
std::optional<QByteArray> toWindows1252(const QString& text)
{
    QByteArray bytes(text.size(), Qt::Uninitialized);
    char* out = bytes.data();
    for (const QChar ch : text) {
        const char16_t u = ch.unicode();
        if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) {
            *out++ = char(u);
            continue;
        }
        const auto* found = std::find(cp1252High.begin(), cp1252High.end(), u);
        if (found == cp1252High.end()) return std::nullopt;
        *out++ = char(0x80 + (found - cp1252High.begin()));
    }
    return bytes;
}

std::optional<QString> fromUtf8(QByteArrayView bytes)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom |
                                                     QStringDecoder::Flag::Stateless);
    QString text = decoder.decode(bytes);
    if (decoder.hasError()) return std::nullopt;
    return text;
}

// The line-end style most lines of `text` use: CR LF only when they outnumber
// bare LF and bare CR line ends.
LineEnd usualLineEnd(const QString& text)
{
    const qsizetype crLf = text.count(QStringLiteral("\r\n"));
    const qsizetype others =
        text.count(QLatin1Char('\r')) + text.count(QLatin1Char('\n')) - 2 * crLf;
    return crLf > 0 && crLf >= others ? LineEnd::CrLf : LineEnd::Lf;
}

[[noreturn]] void raiseForMissing(const QFileInfo& info)
{
    raise(info.dir().exists() ? ErrorCode::FileNotFound : ErrorCode::PathNotFound);
}

}  // namespace

TextDocument decodeText(const QByteArray& bytes)
{
    TextDocument doc;
    const bool bom = bytes.startsWith(utf8Bom);
    if (auto utf8 = fromUtf8(QByteArrayView(bytes).sliced(bom ? 3 : 0))) {
        doc.text = std::move(*utf8);
        doc.format.encoding = bom ? TextEncoding::Utf8WithBom : TextEncoding::Utf8;
    } else {
        doc.text = fromWindows1252(bytes);
        doc.format.encoding = TextEncoding::Windows1252;
    }
    doc.format.lineEnd = usualLineEnd(doc.text);
    doc.text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    doc.text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    doc.format.finalLineEnd = doc.text.endsWith(QLatin1Char('\n'));
    return doc;
}

QByteArray encodeText(const QString& text, const TextFormat& format, TextFormat* written)
{
    QString lines = text;
    if (format.finalLineEnd && !lines.endsWith(QLatin1Char('\n'))) lines += QLatin1Char('\n');
    if (format.lineEnd == LineEnd::CrLf) lines.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    TextFormat used = format;
    QByteArray bytes;
    if (format.encoding == TextEncoding::Windows1252) {
        if (auto single = toWindows1252(lines)) {
            bytes = std::move(*single);
        } else {
            used.encoding = TextEncoding::Utf8;
        }
    }
    if (used.encoding != TextEncoding::Windows1252) {
        bytes = lines.toUtf8();
        if (used.encoding == TextEncoding::Utf8WithBom) bytes.prepend(utf8Bom);
    }
    if (written) *written = used;
    return bytes;
}

TextDocument readTextFile(const QString& path)
{
    const QFileInfo info(path);
    if (path.isEmpty()) raise(ErrorCode::BadFileNameOrNumber);
    if (!info.exists()) raiseForMissing(info);
    if (info.isDir()) raise(ErrorCode::PathFileAccessError);
    QFile file(path);
    errno = 0;
    if (!file.open(QIODevice::ReadOnly)) {
        const bool denied = errno == EACCES || errno == EPERM || !info.isReadable();
        raise(denied ? ErrorCode::PermissionDenied : ErrorCode::PathFileAccessError);
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) raise(ErrorCode::DeviceIOError);
    return decodeText(bytes);
}

TextFormat writeTextFile(const QString& path, const QString& text, const TextFormat& format)
{
    const QFileInfo info(path);
    if (path.isEmpty()) raise(ErrorCode::BadFileNameOrNumber);
    if (!info.dir().exists()) raise(ErrorCode::PathNotFound);
    if (info.isDir()) raise(ErrorCode::PathFileAccessError);
    TextFormat used;
    const QByteArray bytes = encodeText(text, format, &used);
    QSaveFile file(path);
    errno = 0;
    if (!file.open(QIODevice::WriteOnly)) {
        const bool denied = errno == EACCES || errno == EPERM ||
                            file.error() == QFileDevice::PermissionsError ||
                            !QFileInfo(info.absolutePath()).isWritable();
        raise(denied ? ErrorCode::PermissionDenied : ErrorCode::PathFileAccessError);
    }
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        raise(ErrorCode::DeviceIOError);
    }
    if (!file.commit()) raise(ErrorCode::PathFileAccessError);
    return used;
}

}  // namespace rt
