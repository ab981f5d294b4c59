#include "find_fixture.h"

using namespace rt::testing;

namespace {

const QString restart =
    QStringLiteral("El texto ya no se ha encontrado. ¿Desea recomenzar la búsqueda?");

QString replacedTimes(int count)
{
    return QStringLiteral("El texto ha sido reemplazado %1 veces").arg(count);
}

class ReplaceDialog : public SearchTest {
protected:
    // Shows the dialog over `text` with the search and replacement texts typed.
    frmReplace& replaceIn(const QString& text, const QString& sought, const QString& replacement)
    {
        document(text);
        main.saved = rt::True;
        frmReplace& replace = showReplace();
        typeText(replace.txtFind, sought);
        typeText(replace.txtReplace, replacement);
        return replace;
    }
};

TEST_F(ReplaceDialog, WindowMatchesItsLayout)
{
    frmReplace& replace = showReplace();
    EXPECT_EQ(replace.Caption(), "Replace");
    EXPECT_EQ(replace.ScaleWidth(), 5250);
    EXPECT_EQ(replace.ScaleHeight(), 2040);
    EXPECT_EQ(captionsThatDoNotFit(replace), QStringList());
    EXPECT_EQ(layoutMismatches(replace), QStringList());
    EXPECT_EQ(replace.window()->parentWidget(), main.window()) << "stays above the main window";
}

struct ReplaceAllCase {
    const char* text;
    const char* sought;
    const char* replacement;
    bool matchCase;
    const char* expected;
    int count;
};

TEST_F(ReplaceDialog, ReplaceAllResumesAfterEachReplacementAndCounts)
{
    // clang-format off
    const ReplaceAllCase cases[] = {
        {"aXbXc",   "X",   "-",  false, "a-b-c",     2},
        {"aaa",     "aa",  "b",  false, "ba",        1},
        {"banana",  "a",   "ba", false, "bbanbanba", 3},  // each a replaced once: no endless loop
        {"aXXb",    "X",   "",   false, "ab",        2},  // adjacent matches all removed
        {"abc ABC", "abc", "x",  false, "x x",       2},
        {"abc ABC", "abc", "x",  true,  "x ABC",     1},
        {"abc",     "z",   "y",  false, "abc",       0},
        {"abc",     "",    "y",  false, "abc",       0},
    };
    // clang-format on
    for (const ReplaceAllCase& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.text << " / " << c.sought << " / " << c.replacement);
        frmReplace& replace = replaceIn(c.text, c.sought, c.replacement);
        if (c.matchCase != bool(replace.chkCase.Value())) click(replace.chkCase);
        user.shown.clear();
        click(replace.cmdReplaceAll);
        EXPECT_EQ(document(), c.expected);
        EXPECT_EQ(user.prompts(), QStringList{replacedTimes(c.count)});
        EXPECT_EQ(main.saved, c.count ? rt::False : rt::True) << "the document counts as changed";
        EXPECT_EQ(replace.startPos.toLong(), 1);
        EXPECT_EQ(replace.foundPos.toLong(), 0);
        replace.txtFind.setText("");
        replace.txtReplace.setText("");
    }
}

TEST_F(ReplaceDialog, ReplaceAllSelectsTheLastReplacementAndFindNextStartsAtTheTop)
{
    frmReplace& replace = replaceIn("aXbXc", "X", "--");
    click(replace.cmdFind);
    click(replace.cmdReplaceAll);
    EXPECT_EQ(document(), "a--b--c");
    EXPECT_EQ(selection(), std::pair(4, 2));
    EXPECT_EQ(main.Caption(), "Untitled - miPlumex");
    replace.txtFind.setText("-");
    click(replace.cmdFind);
    EXPECT_EQ(selection(), std::pair(1, 1));
    EXPECT_TRUE(main.mnuSearchFindnext.Enabled());
}

TEST_F(ReplaceDialog, ReplaceAllIsOneUndoStep)
{
    frmReplace& replace = replaceIn("one X\ntwo X\nthree X", "X", "Y");
    click(replace.cmdReplaceAll);
    ASSERT_EQ(document(), "one Y\ntwo Y\nthree Y");
    undo();
    EXPECT_EQ(document(), "one X\ntwo X\nthree X");
}

TEST_F(ReplaceDialog, ReplaceAllCountsBeyondTheSixteenBitRange)
{
    frmReplace& replace = replaceIn(QString(40000, 'a'), "a", "b");
    click(replace.cmdReplaceAll);
    EXPECT_EQ(document(), QString(40000, 'b'));
    EXPECT_EQ(user.prompts(), QStringList{replacedTimes(40000)});
}

TEST_F(ReplaceDialog, ReplaceReplacesTheMatchAndSelectsTheNext)
{
    frmReplace& replace = replaceIn("abcabcabc", "bc", "XY");
    click(replace.cmdFind);
    EXPECT_EQ(selection(), std::pair(1, 2));
    click(replace.cmdReplace);
    EXPECT_EQ(document(), "aXYabcabc");
    EXPECT_EQ(selection(), std::pair(4, 2));
    EXPECT_EQ(main.saved, rt::False);
}

TEST_F(ReplaceDialog, ReplaceWithNothingSelectedInsertsAtTheCaret)
{
    frmReplace& replace = replaceIn("abcabc", "c", "!");
    main.txtBox.setSelStart(1);
    click(replace.cmdReplace);
    EXPECT_EQ(document(), "a!bcabc");
    EXPECT_EQ(selection(), std::pair(3, 1));
}

TEST_F(ReplaceDialog, AnEmptyReplacementRemovesTheMatchAndGoesOnPastTheNextOne)
{
    frmReplace& replace = replaceIn("aXXb", "X", "");
    click(replace.cmdFind);
    EXPECT_EQ(selection(), std::pair(1, 1));
    user.answer({rt::vbNo});
    click(replace.cmdReplace);
    EXPECT_EQ(document(), "aXb");
    EXPECT_EQ(user.prompts(), QStringList{restart});
    EXPECT_FALSE(replace.Visible());
    EXPECT_TRUE(rt::isLoaded<frmReplace>());
}

TEST_F(ReplaceDialog, FindNextKeepsItsOwnPositionApartFromTheFindDialogs)
{
    frmReplace& replace = replaceIn("abab", "b", "c");
    click(replace.cmdFind);
    click(replace.cmdFind);
    EXPECT_EQ(selection(), std::pair(3, 1));
    rt::form<frmFind>().txtFind.setText("b");
    menuFindNext();  // the menu runs the Find dialog's search, from the top
    EXPECT_EQ(selection(), std::pair(1, 1));
    user.answer({rt::vbYes});
    click(replace.cmdFind);
    EXPECT_EQ(user.prompts(), QStringList{restart});
    EXPECT_EQ(selection(), std::pair(1, 1));
}

TEST_F(ReplaceDialog, CancelHidesItAndTheCloseBoxUnloadsIt)
{
    frmReplace& replace = replaceIn("abcabc", "bc", "x");
    click(replace.cmdFind);
    click(replace.cmdCancel);
    EXPECT_FALSE(replace.Visible());
    showReplace();
    click(replace.cmdFind);
    EXPECT_EQ(selection(), std::pair(4, 2)) << "hidden, it kept its texts and position";

    closeWindow(replace);
    settle();
    EXPECT_FALSE(rt::isLoaded<frmReplace>());
    EXPECT_TRUE(main.mnuSearchFindnext.Enabled()) << "closing it leaves Find Next alone";
    EXPECT_EQ(showReplace().txtFind.Text(), "");
}

}  // namespace
