#include "search.h"

#include <gtest/gtest.h>

namespace {

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
