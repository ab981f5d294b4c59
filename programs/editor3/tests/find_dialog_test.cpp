#include "find_fixture.h"

using namespace rt::testing;

namespace {

const QString notFound = QStringLiteral("La selección no ha sido encontrada");
const QString restart =
    QStringLiteral("El texto no se ha encontrado. ¿Desea recomenzar la búsqueda?");

class FindDialog : public SearchTest {
protected:
    // Shows the dialog with `sought` typed into it, over `text`.
    frmFind& findIn(const QString& text, const QString& sought)
    {
        document(text);
        frmFind& find = showFind();
        typeText(find.txtFind, sought);
        return find;
    }
};

TEST_F(FindDialog, WindowMatchesItsLayoutWithTheDirectionFixedDown)
{
    frmFind& find = showFind();
    EXPECT_EQ(find.Caption(), "Find");
    EXPECT_EQ(find.ScaleWidth(), 5235);
    EXPECT_EQ(find.ScaleHeight(), 1800);
    EXPECT_EQ(captionsThatDoNotFit(find), QStringList());
    EXPECT_EQ(layoutMismatches(find), QStringList());
    EXPECT_TRUE(find.optDown.Value());
    EXPECT_FALSE(find.optUp.Enabled());
    EXPECT_FALSE(find.optDown.Enabled());
    EXPECT_EQ(find.window()->parentWidget(), main.window()) << "stays above the main window";
}

TEST_F(FindDialog, StepsThroughTheMatchesThenOffersToRestart)
{
    frmFind& find = findIn("abcabc", "bc");
    EXPECT_FALSE(main.mnuSearchFindnext.Enabled());
    click(find.cmdFind);
    EXPECT_EQ(selection(), std::pair(1, 2));
    EXPECT_TRUE(main.mnuSearchFindnext.Enabled());
    click(find.cmdFind);
    EXPECT_EQ(selection(), std::pair(4, 2));
    user.answer({rt::vbYes});
    click(find.cmdFind);
    EXPECT_EQ(user.prompts(), QStringList{restart});
    EXPECT_EQ(user.shown[0].style, rt::vbYesNo);
    EXPECT_EQ(user.shown[0].title, "editor3");
    EXPECT_EQ(selection(), std::pair(1, 2));
    EXPECT_TRUE(find.Visible());
}

TEST_F(FindDialog, FindsOverlappingMatchesAndNoHidesItThenTheMenuStartsAtTheTop)
{
    frmFind& find = findIn("aaa", "aa");
    click(find.cmdFind);
    EXPECT_EQ(selection(), std::pair(0, 2));
    click(find.cmdFind);
    EXPECT_EQ(selection(), std::pair(1, 2));
    user.answer({rt::vbNo});
    click(find.cmdFind);
    EXPECT_EQ(user.prompts(), QStringList{restart});
    EXPECT_FALSE(find.Visible());
    EXPECT_TRUE(rt::isLoaded<frmFind>());
    menuFindNext();
    EXPECT_EQ(selection(), std::pair(0, 2));
    EXPECT_EQ(user.prompts().size(), 1);
}

TEST_F(FindDialog, MatchCaseMakesTheSearchExact)
{
    frmFind& find = findIn("xabc", "ABC");
    click(find.chkCase);
    ASSERT_EQ(find.chkCase.Value(), 1);
    click(find.cmdFind);
    EXPECT_EQ(user.prompts(), QStringList{notFound});
    click(find.chkCase);
    click(find.cmdFind);
    EXPECT_EQ(selection(), std::pair(1, 3));
}

TEST_F(FindDialog, ATextFoundNowhereOrEmptyIsReportedAndTheDialogStays)
{
    frmFind& find = findIn("abcabc", "zz");
    click(find.cmdFind);
    EXPECT_EQ(user.prompts(), QStringList{notFound});
    EXPECT_EQ(user.shown[0].style, rt::vbOKOnly);
    EXPECT_TRUE(find.Visible());

    // An empty search text finds nothing, also halfway through the document.
    find.txtFind.setText("bc");
    click(find.cmdFind);
    find.txtFind.setText("");
    click(find.cmdFind);
    EXPECT_EQ(user.prompts(), (QStringList{notFound, notFound}));
    EXPECT_EQ(selection(), std::pair(1, 2));
}

TEST_F(FindDialog, ARestartThatFindsNothingReportsItAndStaysAtTheTop)
{
    frmFind& find = findIn("abcabc", "bc");
    click(find.cmdFind);
    click(find.cmdFind);
    document("xyz");
    user.answer({rt::vbYes});
    click(find.cmdFind);
    EXPECT_EQ(user.prompts(), (QStringList{restart, notFound}));
    EXPECT_EQ(find.startPos.toLong(), 1);
    document("bc");
    click(find.cmdFind);
    EXPECT_EQ(selection(), std::pair(0, 2));
}

TEST_F(FindDialog, CancelHidesItAndTheMenuGoesOnFromThere)
{
    frmFind& find = findIn("abcabc", "bc");
    click(find.cmdFind);
    click(find.Command2);
    EXPECT_FALSE(find.Visible());
    menuFindNext();
    EXPECT_EQ(selection(), std::pair(4, 2));
    showFind();
    EXPECT_EQ(find.txtFind.Text(), "bc");
    EXPECT_TRUE(find.Visible());
}

TEST_F(FindDialog, TheCloseBoxUnloadsItAndDisablesTheMenu)
{
    frmFind& find = findIn("abcabc", "bc");
    click(find.chkCase);
    click(find.cmdFind);
    closeWindow(find);
    settle();
    EXPECT_FALSE(rt::isLoaded<frmFind>());
    EXPECT_FALSE(main.mnuSearchFindnext.Enabled());
    frmFind& fresh = showFind();
    EXPECT_EQ(fresh.txtFind.Text(), "");
    EXPECT_EQ(fresh.chkCase.Value(), 0);
    EXPECT_EQ(fresh.compareMode, 1);
    EXPECT_EQ(fresh.startPos.toLong(), 1);
}

TEST_F(FindDialog, FindNextOfAnUnloadedDialogLoadsItWithoutShowingIt)
{
    document("abc");
    rt::form<frmFind>().cmdFind_Click();
    EXPECT_TRUE(rt::isLoaded<frmFind>());
    EXPECT_FALSE(rt::form<frmFind>().Visible());
    EXPECT_EQ(user.prompts(), QStringList{notFound});
    EXPECT_TRUE(main.mnuSearchFindnext.Enabled());
}

TEST_F(FindDialog, TheMatchShowsSelectedInTheMainWindowWhileTheDialogHasTheFocus)
{
    frmFind& find = findIn(QString(40, 'x') + "needle" + QString(40, 'x'), "needle");
    click(find.cmdFind);
    settle();
    EXPECT_FALSE(main.txtBox.widget()->hasFocus());
    const QPalette palette = main.txtBox.widget()->palette();
    const QColor highlight = palette.color(QPalette::Inactive, QPalette::Highlight);
    ASSERT_NE(highlight, palette.color(QPalette::Inactive, QPalette::Base));
    const QImage shown = grabPixels(main.txtBox);
    EXPECT_GT(shareOf(shown, shown.rect(), highlight), 0.001);
}

}  // namespace
