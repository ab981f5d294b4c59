// Values as program code writes them, for the trace and the variables pane.

#include "values_test_support.h"

#include "values/code_text.h"

#include <gtest/gtest.h>

namespace rt {
namespace {

TEST(CodeText, TextsAreQuotedWithControlCharactersAsTheConstantsCodeJoinsIn)
{
    const struct {
        QString text;
        qsizetype longest;
        QString expected;
    } cases[] = {
        {"Stop", 60, "\"Stop\""},
        {"", 60, "\"\""},
        {"say \"hi\"", 60, "\"say \"\"hi\"\"\""},
        {"a\r\nb", 60, "\"a\" & vbCrLf & \"b\""},
        {"\r\nend\n", 60, "vbCrLf & \"end\" & vbLf"},
        {"a\tb\rc\x07", 60, "\"a\" & vbTab & \"b\" & vbCr & \"c\" & Chr(7)"},
        // A long text is cut, the cut marked; a CR LF cut in two is a lone CR.
        {"abcdef", 4, "\"abcd…\""},
        {"abc\r\ndef", 4, "\"abc\" & vbCr & \"…\""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(quotedText(c.text, c.longest), c.expected) << c.text.toStdString();
}

TEST(CodeText, ValuesAndTypesReadAsCodeDeclaresThem)
{
    EXPECT_EQ(codeText(Integer(510)), "510");
    EXPECT_EQ(codeText(Double(0.5)), "0.5");
    EXPECT_EQ(codeText(true), "True");
    EXPECT_EQ(codeText(Variant()), "Empty");
    EXPECT_EQ(codeText(QStringLiteral("510")), "\"510\"");
    EXPECT_EQ(colourText(0x00FF8080), "&HFF8080&");
    EXPECT_EQ(variantTypeName(Integer(3)), "Variant (Integer)");
    EXPECT_EQ(variantTypeName(Variant()), "Variant (Empty)");
    EXPECT_EQ(typeName(Variant::Kind::String), "String");
}

}  // namespace
}  // namespace rt
