#include "editor_fixture.h"

#include <QTest>

using namespace rt::testing;

namespace {

const QString restart =
    QStringLiteral("El texto ya no se ha encontrado. ¿Desea recomenzar la búsqueda?");

QString replacedTimes(int count)
{
    return QStringLiteral("El texto ha sido reemplazado %1 veces").arg(count);
}

class ReplaceDialog : public EditorTest {
protected:
    // Shows the dialog over `text` with the search and replacement texts entered.
    frmReplace& replaceIn(const QString& text, const QString& sought, const QString& replacement)
    {
        f.txtBox.setText(text);
        f.saved = rt::True;
        frmReplace& replace = showReplace();
        replace.txtFind.setText(sought);
        replace.txtReplace.setText(replacement);
        return replace;
    }
};

TEST_F(ReplaceDialog, ReplaceAllResumesAfterEachReplacementAndCounts)
{
    struct Case {
        QString text, sought, replacement;
        bool matchCase;
        QString expected;
        int count;
    };
    // clang-format off
    const Case cases[] = {
        {"aXbXc",   "X",   "-",  false, "a-b-c",     2},
        {"aaa",     "aa",  "b",  false, "ba",        1},
        {"banana",  "a",   "ba", false, "bbanbanba", 3},  // each a replaced once: no endless loop
        {"aXXb",    "X",   "",   false, "ab",        2},  // adjacent matches all removed
        {"abc ABC", "abc", "x",  false, "x x",       2},
        {"abc ABC", "abc", "x",  true,  "x ABC",     1},
        {"abc",     "z",   "y",  false, "abc",       0},
        {"abc",     "",    "y",  false, "abc",       0},
        {QString(40000, 'a'), "a", "b", false, QString(40000, 'b'), 40000},  // a 32-bit count
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE((c.text.left(9) + " / " + c.sought + " / " + c.replacement).toStdString());
        frmReplace& replace = replaceIn(c.text, c.sought, c.replacement);
        if (c.matchCase != bool(replace.chkCase.Value())) click(replace.chkCase);
        user.shown.clear();
        click(replace.cmdReplaceAll);
        EXPECT_EQ(f.txtBox.Text(), c.expected);
        EXPECT_EQ(user.prompts(), QStringList{replacedTimes(c.count)});
        EXPECT_EQ(f.saved, c.count ? rt::False : rt::True) << "the document counts as changed";
    }
}

TEST_F(ReplaceDialog, ReplaceAllIsOneUndoStepThatSelectsTheLastReplacement)
{
    frmReplace& replace = replaceIn("aXbXc\nX", "X", "--");
    click(replace.cmdFind);
    click(replace.cmdReplaceAll);
    EXPECT_EQ(f.txtBox.Text(), "a--b--c\n--");
    EXPECT_EQ(selection(), std::pair(8, 2));
    EXPECT_EQ(f.Caption(), "Untitled - miPlumex");
    replace.txtFind.setText("-");
    click(replace.cmdFind);  // from the top again
    EXPECT_EQ(selection(), std::pair(1, 1));
    QTest::keyClick(f.txtBox.widget(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(f.txtBox.Text(), "aXbXc\nX");
}

TEST_F(ReplaceDialog, ReplaceReplacesTheSelectionOrInsertsAtTheCaretThenSelectsTheNextMatch)
{
    frmReplace& replace = replaceIn("abcabc", "c", "!");
    f.txtBox.setSelStart(1);
    click(replace.cmdReplace);
    EXPECT_EQ(f.txtBox.Text(), "a!bcabc");
    EXPECT_EQ(selection(), std::pair(3, 1));
    EXPECT_EQ(f.saved, rt::False);
    replace.txtReplace.setText("XY");
    click(replace.cmdReplace);
    EXPECT_EQ(f.txtBox.Text(), "a!bXYabc");
    EXPECT_EQ(selection(), std::pair(7, 1));
}

TEST_F(ReplaceDialog, AnEmptyReplacementRemovesTheMatchAndGoesOnPastTheNextOne)
{
    frmReplace& replace = replaceIn("aXXb", "X", "");
    click(replace.cmdFind);
    EXPECT_EQ(selection(), std::pair(1, 1));
    user.answer({rt::vbNo});
    click(replace.cmdReplace);
    EXPECT_EQ(f.txtBox.Text(), "aXb");
    EXPECT_EQ(user.prompts(), QStringList{restart});
    EXPECT_FALSE(replace.Visible());
    EXPECT_TRUE(rt::isLoaded<frmReplace>());
}

TEST_F(ReplaceDialog, KeepsItsOwnPositionWhenHiddenAndTheCloseBoxUnloadsIt)
{
    frmReplace& replace = replaceIn("abab", "b", "c");
    click(replace.cmdFind);
    click(replace.cmdFind);
    EXPECT_EQ(selection(), std::pair(3, 1));
    EXPECT_TRUE(f.mnuSearchFindnext.Enabled());
    rt::form<frmFind>().txtFind.setText("b");
    choose(f.mnuSearchFindnext);  // the menu runs the Find dialog's search, from the top
    EXPECT_EQ(selection(), std::pair(1, 1));
    click(replace.cmdCancel);
    EXPECT_FALSE(replace.Visible());
    user.answer({rt::vbYes});
    click(showReplace().cmdFind);
    EXPECT_EQ(user.prompts(), QStringList{restart});
    EXPECT_EQ(selection(), std::pair(1, 1));

    closeWindow(replace);
    settle();
    EXPECT_FALSE(rt::isLoaded<frmReplace>());
    EXPECT_TRUE(f.mnuSearchFindnext.Enabled()) << "closing it leaves Find Next alone";
    EXPECT_EQ(showReplace().txtFind.Text(), "");
}

}  // namespace
