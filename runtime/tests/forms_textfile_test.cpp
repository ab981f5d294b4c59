// Text files: encodings and line ends kept byte for byte, final line end,
// special and large files refused, errors.
#include "files/textfile.h"

#include "forms/runtime.h"
#include "testing/form_test.h"
#include "values/errors.h"

#include <QFile>
#include <QTemporaryDir>

#include <string_view>

#include <sys/stat.h>

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

QByteArray utf16(std::u16string_view text, bool bigEndian)
{
    QByteArray bytes = bigEndian ? QByteArray("\xFE\xFF", 2) : QByteArray("\xFF\xFE", 2);
    for (const char16_t u : text) {
        const char high = char(u >> 8), low = char(u & 0xFF);
        bytes += bigEndian ? high : low;
        bytes += bigEndian ? low : high;
    }
    return bytes;
}

TEST(TextFile, EveryKindOfFileDecodesAndEncodesBackTheSameBytes)
{
    const QString crossing = QString::fromUtf16(u"a\u2028b\uFFFE\U0001F600");
    const Decoded cases[] = {
        {"", "", TextEncoding::Utf8, LineEnd::CrLf, false},
        {"abc", "abc", TextEncoding::Utf8, LineEnd::CrLf, false},
        {"a\r\nb\r\n", "a\nb\n", TextEncoding::Utf8, LineEnd::CrLf, true},
        {"a\nb\n", "a\nb\n", TextEncoding::Utf8, LineEnd::Lf, true},
        {"a\rb\r", "a\nb\n", TextEncoding::Utf8, LineEnd::Cr, true},
        {"\xC3\xB1\n", "ñ\n", TextEncoding::Utf8, LineEnd::Lf, true},
        {"\xEF\xBB\xBF\xC3\xB1", "ñ", TextEncoding::Utf8WithBom, LineEnd::CrLf, false},
        {"\xEF\xBB\xBF\xEF\xBB\xBFx", QChar(0xFEFF) + QString("x"), TextEncoding::Utf8WithBom,
         LineEnd::CrLf, false},
        {crossing.toUtf8(), crossing, TextEncoding::Utf8, LineEnd::CrLf, false},
        {"\xF1\r\n", "ñ\n", TextEncoding::Windows1252, LineEnd::CrLf, true},
        {"\x80\x81\x9F", QString::fromUtf16(u"\u20AC\u0081\u0178"), TextEncoding::Windows1252,
         LineEnd::CrLf, false},
        {"\xC3", "Ã", TextEncoding::Windows1252, LineEnd::CrLf, false},  // cut UTF-8
        {"\xED\xA0\x80", QString::fromUtf16(u"í\u00A0\u20AC"), TextEncoding::Windows1252,
         LineEnd::CrLf, false},  // an encoded surrogate is not UTF-8
        {utf16(std::u16string_view(u"a\r\nb\0c\r\n", 8), false),
         QString::fromUtf16(u"a\nb\0c\n", 6), TextEncoding::Utf16LE, LineEnd::CrLf, true},
        {utf16(u"\u00F1\r\u2029", true), QString::fromUtf16(u"\u00F1\n\u2029"),
         TextEncoding::Utf16BE, LineEnd::Cr, false},
        {utf16(u"\xD800x", false), QString::fromUtf16(u"\xD800x", 2), TextEncoding::Utf16LE,
         LineEnd::CrLf, false},  // an unpaired surrogate stays as it was
        {QByteArray("\xFF\xFE"
                    "a",
                    3),
         "ÿþa", TextEncoding::Windows1252, LineEnd::CrLf, false},
    };
    for (const Decoded& c : cases) {
        const rt::TextDocument doc = rt::decodeDocument(c.bytes);
        const char* hex = c.bytes.toHex().constData();
        EXPECT_EQ(doc.text, c.text) << hex;
        EXPECT_EQ(doc.format.encoding, c.encoding) << hex;
        EXPECT_EQ(doc.format.lineEnd, c.lineEnd) << hex;
        EXPECT_EQ(doc.format.finalLineEnd, c.finalLineEnd) << hex;
        EXPECT_EQ(rt::encodeDocument(doc.text, doc.format), c.bytes) << hex;
    }
}

TEST(TextFile, MixedLineEndsTakeTheMostCommonStyle)
{
    const std::pair<QByteArray, QByteArray> cases[] = {
        {"a\r\nb\r\nc\nd\re", "a\r\nb\r\nc\r\nd\r\ne"},
        {"a\nb\nc\r\nd\r", "a\nb\nc\nd\n"},
        {"a\rb\rc\n", "a\rb\rc\r"},
        {"a\nb\r", "a\nb\n"},  // LF before CR when tied
    };
    for (const auto& [bytes, saved] : cases) {
        const rt::TextDocument doc = rt::decodeDocument(bytes);
        EXPECT_EQ(rt::encodeDocument(doc.text, doc.format), saved) << bytes.toHex().constData();
    }
}

TEST(TextFile, NewTextsEndWithOneLineEndAndOutgrownCodePagesBecomeUtf8)
{
    const rt::TextFormat fresh;
    EXPECT_EQ(rt::encodeDocument("abc", fresh), "abc\r\n");
    EXPECT_EQ(rt::encodeDocument("", fresh), "\r\n");
    EXPECT_EQ(rt::encodeDocument("a\n", fresh), "a\r\n");

    rt::TextFormat format{TextEncoding::Windows1252, LineEnd::Lf, false};
    rt::TextFormat used;
    EXPECT_EQ(rt::encodeDocument("ñ", format, &used), "\xF1");
    EXPECT_EQ(used.encoding, TextEncoding::Windows1252);
    EXPECT_EQ(rt::encodeDocument("ñж", format, &used), "\xC3\xB1\xD0\xB6");
    EXPECT_EQ(used.encoding, TextEncoding::Utf8);
}

// What is saved reads back as the same text, even where the document's own
// encoding would make the bytes look like another one.
TEST(TextFile, SavedTextsReadBackAsTheSameText)
{
    const rt::TextFormat cp1252{TextEncoding::Windows1252, LineEnd::CrLf, true};
    const rt::TextFormat utf8{TextEncoding::Utf8, LineEnd::Lf, false};
    const struct {
        QString text;
        rt::TextFormat format;
        TextEncoding written;
    } cases[] = {
        {QString::fromUtf8("ÿþlh\n\bdos\n"), cp1252, TextEncoding::Utf8},  // a UTF-16 mark
        {QString::fromUtf8("ÿþa\n"), cp1252, TextEncoding::Windows1252},   // odd: not UTF-16
        {QString::fromUtf8("þÿab\n"), cp1252, TextEncoding::Utf8},
        {QString::fromUtf8("Ã©t\n"), cp1252, TextEncoding::Utf8},  // bytes valid as UTF-8
        {QString::fromUtf8("ñandú\n"), cp1252, TextEncoding::Windows1252},
        {QString::fromUtf8("abc\n"), cp1252, TextEncoding::Windows1252},
        {QString(QChar(0xFEFF)) + "x", utf8, TextEncoding::Utf8WithBom},
    };
    for (const auto& c : cases) {
        rt::TextFormat used;
        const QByteArray bytes = rt::encodeDocument(c.text, c.format, &used);
        EXPECT_EQ(used.encoding, c.written) << c.text.toStdString();
        EXPECT_EQ(rt::decodeDocument(bytes).text, c.text) << bytes.toHex(' ').constData();
    }
}

// Large texts are encoded a piece at a time: a line end or a surrogate pair
// that falls on a piece's edge is written whole.
TEST(TextFile, LargeTextsEncodeAsOneWholeWould)
{
    QString text(200'000, QLatin1Char('x'));
    for (qsizetype at = 65'530; at < text.size(); at += 65'536) {
        text[at] = QLatin1Char('\n');
        text[at + 5] = QChar(0xD83D);  // the last character of a piece
        text[at + 6] = QChar(0xDE00);
    }
    for (const TextEncoding encoding : {TextEncoding::Utf8, TextEncoding::Utf16BE}) {
        const rt::TextFormat format{encoding, LineEnd::CrLf, true};
        const QByteArray bytes = rt::encodeDocument(text, format);
        const rt::TextDocument back = rt::decodeDocument(bytes);
        EXPECT_EQ(back.text, text + "\n");
        EXPECT_EQ(back.format, format);
    }
}

// What a multi-line text box makes of the characters it cannot hold as they
// are, and what the file handling tells the user about them.
class TextBoxCharacters : public rt::testing::FormTest {};

TEST_F(TextBoxCharacters, LineSeparatorsAreKeptOthersAreAnnouncedAtOpen)
{
    // clang-format off
    static const rt::FormSpec spec{
        "Form1", "t", 3000, 3000,
        {
            {"txt", rt::Kind::TextBox, "", 0, 0, 3000, 3000, {.multiLine = true}},
        }};
    // clang-format on
    rt::Form form(spec);
    auto& box = form.control<rt::TextBox>("txt");
    const QString kept = QString::fromUtf16(u"a\u2028b\uFFFE\u00A0c\td\n");
    box.setText(kept);
    EXPECT_EQ(box.Text(), kept);

    QTemporaryDir folder;
    const QString path = folder.filePath("sep.txt");
    QFile out(path);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write(QString::fromUtf16(u"a\u2029b\uFDD0c\uFDD1").toUtf8());
    out.close();
    const auto doc = rt::readDocument(path);
    ASSERT_TRUE(doc);
    EXPECT_EQ(doc->breakingCharacters, 3);
    box.setText(doc->text);
    EXPECT_EQ(box.Text(), "a\nb\nc\n") << "the box breaks lines there, so the user is told";
    ASSERT_EQ(user.prompts().size(), 1);
    EXPECT_TRUE(user.prompts()[0].contains(path));
    EXPECT_TRUE(user.prompts()[0].contains("saltos de línea"));
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

QString refusal(const std::function<void()>& operation)
{
    try {
        operation();
    } catch (const rt::RuntimeError& error) {
        return error.description();
    }
    return "nothing raised";
}

// A FIFO would block the window until a writer came, a device would be read
// until memory ran out; a huge file would not fit. All are refused at once.
TEST(TextFile, SpecialAndHugeFilesAreRefusedWithoutReadingThem)
{
    QTemporaryDir folder;
    const QString fifo = folder.filePath("pipe");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const QString huge = folder.filePath("huge.txt");
    {
        QFile out(huge);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        ASSERT_TRUE(out.resize(rt::maxDocumentBytes + 1));  // sparse: takes no disk
    }
    const std::pair<QString, QString> refused[] = {
        {fifo, "not a regular file"},
        {"/dev/zero", "not a regular file"},
        {folder.path(), "not a regular file"},
        {huge, "too large to edit (129 MB; at most 128 MB)"},
    };
    for (const auto& [path, reason] : refused)
        EXPECT_EQ(refusal([&] { rt::readTextFile(path); }), "Path/File access error: " + reason)
            << path.toStdString();
    EXPECT_EQ(refusal([&] { rt::writeTextFile(fifo, "a", {}); }),
              "Path/File access error: not a regular file");
}

}  // namespace
