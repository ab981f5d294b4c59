#include "cpp_highlighter.h"

#include <QSet>
#include <QTextCharFormat>

#include <algorithm>
#include <array>

namespace {

bool isIdentifierChar(QChar c)
{
    return c.isLetterOrNumber() || c == u'_';
}

const QSet<QString>& keywords()
{
    static const QSet<QString> words{
        "alignas",  "auto",     "bool",      "break",    "case",    "catch",       "char",
        "class",    "const",    "constexpr", "continue", "default", "delete",      "do",
        "double",   "else",     "enum",      "explicit", "false",   "float",       "for",
        "friend",   "if",       "inline",    "int",      "long",    "namespace",   "new",
        "noexcept", "nullptr",  "operator",  "override", "private", "protected",   "public",
        "return",   "short",    "signed",    "sizeof",   "static",  "static_cast", "struct",
        "switch",   "template", "this",      "throw",    "true",    "try",         "typename",
        "unsigned", "using",    "virtual",   "void",     "while"};
    return words;
}

}  // namespace

std::vector<CppSpan> cppSpans(const QString& line, bool& inComment)
{
    std::vector<CppSpan> spans;
    const int n = int(line.size());
    int i = 0;
    auto add = [&](int start, int end, CppToken kind) {
        spans.push_back({start, end - start, kind});
        i = end;
    };
    if (!inComment && line.trimmed().startsWith(u'#')) {
        add(0, n, CppToken::Preprocessor);
        return spans;
    }
    while (i < n) {
        if (inComment) {
            const int close = int(line.indexOf(QStringLiteral("*/"), i));
            inComment = close < 0;
            add(i, inComment ? n : close + 2, CppToken::Comment);
            continue;
        }
        const QChar c = line[i];
        if (line.mid(i, 2) == QStringLiteral("//")) {
            add(i, n, CppToken::Comment);
        } else if (line.mid(i, 2) == QStringLiteral("/*")) {
            const int close = int(line.indexOf(QStringLiteral("*/"), i + 2));
            inComment = close < 0;
            add(i, inComment ? n : close + 2, CppToken::Comment);
        } else if (c == u'"' || c == u'\'') {
            int end = i + 1;
            while (end < n && line[end] != c) end += line[end] == u'\\' ? 2 : 1;
            add(i, std::min(end + 1, n), CppToken::String);
        } else if (c.isDigit()) {
            int end = i + 1;
            while (end < n && (isIdentifierChar(line[end]) || line[end] == u'.')) ++end;
            add(i, end, CppToken::Number);
        } else if (isIdentifierChar(c)) {
            int end = i + 1;
            while (end < n && isIdentifierChar(line[end])) ++end;
            if (keywords().contains(line.mid(i, end - i)))
                add(i, end, CppToken::Keyword);
            else
                i = end;
        } else {
            ++i;
        }
    }
    return spans;
}

CppHighlighter::CppHighlighter(QTextDocument* document) : QSyntaxHighlighter(document) {}

void CppHighlighter::highlightBlock(const QString& text)
{
    static const auto formats = [] {
        std::array<QTextCharFormat, 5> f;
        f[int(CppToken::Keyword)].setForeground(QColor(0x00, 0x33, 0x99));
        f[int(CppToken::Keyword)].setFontWeight(QFont::Bold);
        f[int(CppToken::String)].setForeground(QColor(0x0b, 0x6e, 0x1e));
        f[int(CppToken::Comment)].setForeground(QColor(0x6a, 0x6a, 0x6a));
        f[int(CppToken::Comment)].setFontItalic(true);
        f[int(CppToken::Number)].setForeground(QColor(0x8a, 0x2b, 0x00));
        f[int(CppToken::Preprocessor)].setForeground(QColor(0x7a, 0x00, 0x7a));
        return f;
    }();
    bool inComment = previousBlockState() == 1;
    for (const CppSpan& span : cppSpans(text, inComment))
        setFormat(span.start, span.length, formats[size_t(span.kind)]);
    setCurrentBlockState(inComment ? 1 : 0);
}
