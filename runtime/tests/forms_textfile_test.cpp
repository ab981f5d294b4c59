// Text files: encodings and line ends kept, final line end, errors.
#include "forms/textfile.h"

#include "qt_printing.h"
#include "values/errors.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using rt::LineEnd;
using rt::TextEncoding;

struct Decoded {
    QByteArray bytes;
    QString text;
    TextEncoding encoding;
    LineEnd lineEnd;
    bool finalLineEnd;
};

TEST(TextFile, DecodesAndEncodesBackTheSameBytes)
{
    const Decoded cases[] = {
        {"", "", TextEncoding::Utf8, LineEnd::Lf, false},
        {"abc", "abc", TextEncoding::Utf8, LineEnd::Lf, false},
        {"a\r\nb\r\n", "a\nb\n", TextEncoding::Utf8, LineEnd::CrLf, true},
        {"\xC3\xB1\n", "ñ\n", TextEncoding::Utf8, LineEnd::Lf, true},
        {"\xEF\xBB\xBF\xC3\xB1", "ñ", TextEncoding::Utf8WithBom, LineEnd::Lf, false},
        {"\xF1\r\n", "ñ\n", TextEncoding::Windows1252, LineEnd::CrLf, true},
        {"\x80\x81\x9F", QString::fromUtf16(u"\u20AC\u0081\u0178"), TextEncoding::Windows1252,
         LineEnd::Lf, false},
        {"\xC3", "Ã", TextEncoding::Windows1252, LineEnd::Lf, false},  // cut UTF-8
    };
    for (const Decoded& c : cases) {
        const rt::TextDocument doc = rt::decodeText(c.bytes);
        EXPECT_EQ(doc.text, c.text) << c.bytes.toHex().constData();
        EXPECT_EQ(doc.format.encoding, c.encoding) << c.bytes.toHex().constData();
        EXPECT_EQ(doc.format.lineEnd, c.lineEnd) << c.bytes.toHex().constData();
        EXPECT_EQ(doc.format.finalLineEnd, c.finalLineEnd) << c.bytes.toHex().constData();
        EXPECT_EQ(rt::encodeText(doc.text, doc.format), c.bytes) << c.bytes.toHex().constData();
    }
}

TEST(TextFile, NewTextsEndWithOneCrLf)
{
    const rt::TextFormat fresh;
    EXPECT_EQ(rt::encodeText("abc", fresh), "abc\r\n");
    EXPECT_EQ(rt::encodeText("", fresh), "\r\n");
    EXPECT_EQ(rt::encodeText("a\n", fresh), "a\r\n");
}

TEST(TextFile, Windows1252TextThatOutgrowsItIsWrittenAsUtf8)
{
    rt::TextFormat format{TextEncoding::Windows1252, LineEnd::Lf, false};
    rt::TextFormat used;
    EXPECT_EQ(rt::encodeText("ñ", format, &used), "\xF1");
    EXPECT_EQ(used.encoding, TextEncoding::Windows1252);
    EXPECT_EQ(rt::encodeText("ñж", format, &used), "\xC3\xB1\xD0\xB6");
    EXPECT_EQ(used.encoding, TextEncoding::Utf8);
}

int errorOf(const std::function<void()>& operation)
{
    try {
        operation();
    } catch (const rt::RuntimeError& error) {
        return error.number();
    }
    return 0;
}

TEST(TextFile, FileErrorsRaiseTheirNumbers)
{
    QTemporaryDir folder;
    const rt::TextFormat format;
    EXPECT_EQ(errorOf([&] { rt::readTextFile(folder.filePath("missing.txt")); }), 53);
    EXPECT_EQ(errorOf([&] { rt::readTextFile(folder.filePath("no/such.txt")); }), 76);
    EXPECT_EQ(errorOf([&] { rt::readTextFile(folder.path()); }), 75);
    EXPECT_EQ(errorOf([&] { rt::writeTextFile(folder.filePath("no/such.txt"), "a", format); }), 76);
    EXPECT_EQ(errorOf([&] { rt::writeTextFile(folder.path(), "a", format); }), 75);
    EXPECT_EQ(errorOf([&] { rt::writeTextFile(folder.filePath("ok.txt"), "a", format); }), 0);
    EXPECT_EQ(rt::readTextFile(folder.filePath("ok.txt")).text, "a\n");
}

}  // namespace
