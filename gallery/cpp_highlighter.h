#pragma once

#include <QString>
#include <QSyntaxHighlighter>

#include <vector>

enum class CppToken { Keyword, String, Comment, Number, Preprocessor };

struct CppSpan {
    int start;
    int length;
    CppToken kind;
    bool operator==(const CppSpan&) const = default;
};

// The highlighted stretches of one line of C++. `inComment` says whether the
// line starts inside a /* */ comment and is left saying whether it ends in one.
std::vector<CppSpan> cppSpans(const QString& line, bool& inComment);

// Colours keywords, literals, comments and preprocessor lines of a document.
class CppHighlighter : public QSyntaxHighlighter {
public:
    explicit CppHighlighter(QTextDocument* document);

protected:
    void highlightBlock(const QString& text) override;
};
