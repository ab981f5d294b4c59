#include "cpp_highlighter.h"

#include <gtest/gtest.h>

using K = CppToken;

TEST(CppHighlighting, FindsKeywordsLiteralsCommentsAndDirectives)
{
    const struct {
        const char* line;
        bool startsInComment;
        std::vector<CppSpan> spans;
        bool endsInComment;
    } cases[] = {
        {"#include \"form1.h\"", false, {{0, 18, K::Preprocessor}}, false},
        {"  # define X 1", false, {{0, 14, K::Preprocessor}}, false},
        {"return x; // done", false, {{0, 6, K::Keyword}, {10, 7, K::Comment}}, false},
        // Keywords only as whole words; numbers with suffixes and points.
        {"intValue = 0.5f + 12;", false, {{11, 4, K::Number}, {18, 2, K::Number}}, false},
        // An escaped quote stays inside the string; // inside it is no comment.
        {R"(s = "a\"b // c";)", false, {{4, 11, K::String}}, false},
        {"c = '\\'';", false, {{4, 4, K::String}}, false},
        {"x = \"open", false, {{4, 5, K::String}}, false},
        // Block comments that span lines.
        {"a /* one", false, {{2, 6, K::Comment}}, true},
        {"still inside", true, {{0, 12, K::Comment}}, true},
        {"end */ if", true, {{0, 6, K::Comment}, {7, 2, K::Keyword}}, false},
        {"#not a directive", true, {{0, 16, K::Comment}}, true},
        {"/* a */ b /* c */", false, {{0, 7, K::Comment}, {10, 7, K::Comment}}, false},
        {"", false, {}, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        bool inComment = c.startsInComment;
        EXPECT_EQ(cppSpans(QString::fromUtf8(c.line), inComment), c.spans);
        EXPECT_EQ(inComment, c.endsInComment);
    }
}
