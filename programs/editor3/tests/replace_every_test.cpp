#include "search.h"

#include <gtest/gtest.h>

namespace {

struct Case {
    const char* text;
    const char* sought;
    const char* replacement;
    int compareMode;
    const char* expected;
    int count;
    qsizetype lastStart;
};

// clang-format off
const Case cases[] = {
    {"aXbXc",   "X",   "-",  1, "a-b-c",    2,  3},
    {"aaa",     "aa",  "b",  1, "ba",       1,  0},
    {"aXXb",    "X",   "",   1, "ab",       2,  1},
    {"banana",  "a",   "ba", 1, "bbanbanba", 3, 7},
    {"abc ABC", "abc", "x",  1, "x x",      2,  2},
    {"abc ABC", "abc", "x",  0, "x ABC",    1,  0},
    {"abc",     "z",   "y",  1, "abc",      0, -1},
    {"abc",     "",    "y",  1, "abc",      0, -1},
    {"",        "a",   "y",  1, "",         0, -1},
    {"aaaa",    "aa",  "aa", 1, "aaaa",     2,  2},
    {"x\ny\nx", "x",   "zz", 1, "zz\ny\nzz", 2, 5},
};
// clang-format on

TEST(ReplaceEvery, ResumesAfterEachReplacementInOnePass)
{
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.text << " / " << c.sought << " / " << c.replacement);
        const ReplacedText done =
            replaceEvery(QString::fromUtf8(c.text), QString::fromUtf8(c.sought),
                         QString::fromUtf8(c.replacement), c.compareMode);
        EXPECT_EQ(done.text, QString::fromUtf8(c.expected));
        EXPECT_EQ(done.count, c.count);
        EXPECT_EQ(done.lastStart, c.lastStart);
    }
}

TEST(ReplaceEvery, GivesWhatAPlainReplaceGivesOnALargeText)
{
    QString text;
    for (int i = 0; i < 20000; ++i)
        text += QStringLiteral("línea %1 con Palabra y palabra\n").arg(i);
    const ReplacedText done = replaceEvery(text, "palabra", "término", 1);
    EXPECT_EQ(done.count, 40000);
    EXPECT_EQ(done.text, QString(text).replace("palabra", "término", Qt::CaseInsensitive));
}

}  // namespace
