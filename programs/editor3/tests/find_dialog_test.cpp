#include "editor_fixture.h"

using namespace rt::testing;

namespace {

const QString notFound = QStringLiteral("La selección no ha sido encontrada");
const QString restart =
    QStringLiteral("El texto no se ha encontrado. ¿Desea recomenzar la búsqueda?");

class FindDialog : public EditorTest {
protected:
    // Shows the dialog with `sought` typed into it, over `text`.
    frmFind& findIn(const QString& text, const QString& sought)
    {
        f.txtBox.setText(text);
        frmFind& find = showFind();
        typeText(find.txtFind, sought);
        return find;
    }
};

TEST_F(FindDialog, BothDialogsHaveTheirTitlesAndSizesAboveTheMainWindow)
{
    struct Case {
        rt::Form& dialog;
        QString caption;
        QSizeF size;
    };
    for (const Case& c :
         {Case{showFind(), "Find", {5235, 1800}}, Case{showReplace(), "Replace", {5250, 2040}}}) {
        EXPECT_EQ(c.dialog.Caption(), c.caption);
        EXPECT_EQ(QSizeF(c.dialog.ScaleWidth(), c.dialog.ScaleHeight()), c.size);
        EXPECT_EQ(c.dialog.window()->parentWidget(), f.window());
    }
    frmFind& find = rt::form<frmFind>();
    EXPECT_TRUE(find.optDown.Value()) << "the search runs down only";
    EXPECT_FALSE(find.optUp.Enabled() || find.optDown.Enabled());
}

TEST_F(FindDialog, StepsThroughTheMatchesHiddenOrNotThenOffersToRestart)
{
    frmFind& find = findIn("abcabc", "bc");
    EXPECT_FALSE(f.mnuSearchFindnext.Enabled());
    click(find.cmdFind);
    EXPECT_EQ(selection(), std::pair(1, 2));
    EXPECT_TRUE(f.mnuSearchFindnext.Enabled());
    click(find.Command2);
    ASSERT_TRUE(rt::isLoaded<frmFind>());
    EXPECT_FALSE(find.Visible());
    choose(f.mnuSearchFindnext);  // Cancel kept the dialog's text and position
    EXPECT_EQ(selection(), std::pair(4, 2));
    EXPECT_EQ(showFind().txtFind.Text(), "bc");
    user.answer({rt::vbYes});
    click(find.cmdFind);
    EXPECT_EQ(user.prompts(), QStringList{restart});
    EXPECT_EQ(user.shown.at(0).style, rt::vbYesNo);
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
    choose(f.mnuSearchFindnext);
    EXPECT_EQ(selection(), std::pair(0, 2));
    EXPECT_EQ(user.prompts().size(), 1);
}

TEST_F(FindDialog, IgnoresCaseUnlessMatchCaseIsChecked)
{
    frmFind& find = findIn("abc abc ABC", "ABC");
    click(find.cmdFind);
    EXPECT_EQ(selection(), std::pair(0, 3));
    click(find.chkCase);
    click(find.cmdFind);
    EXPECT_EQ(selection(), std::pair(8, 3));
}

TEST_F(FindDialog, ATextFoundNowhereOrEmptyIsReportedAndTheDialogStays)
{
    frmFind& find = findIn("abcabc", "zz");
    click(find.cmdFind);
    EXPECT_EQ(user.shown.at(0).style, rt::vbOKOnly);
    find.txtFind.setText("bc");
    click(find.cmdFind);
    find.txtFind.setText("");  // also halfway through the document
    click(find.cmdFind);
    EXPECT_EQ(selection(), std::pair(1, 2));
    find.txtFind.setText("bc");
    click(find.cmdFind);
    f.txtBox.setText("xyz");  // a restart that finds nothing stays at the top
    user.answer({rt::vbYes});
    click(find.cmdFind);
    EXPECT_EQ(user.prompts(), (QStringList{notFound, notFound, restart, notFound}));
    EXPECT_TRUE(find.Visible());
    f.txtBox.setText("bc");
    click(find.cmdFind);
    EXPECT_EQ(selection(), std::pair(0, 2));
}

TEST_F(FindDialog, ShowsTheMatchInTheMainWindowAndTheCloseBoxUnloadsIt)
{
    frmFind& find = findIn(QString(40, 'x') + "needle" + QString(40, 'x'), "needle");
    click(find.cmdFind);
    settle();
    EXPECT_FALSE(f.txtBox.widget()->hasFocus());
    const QPalette palette = f.txtBox.widget()->palette();
    const QColor highlight = palette.color(QPalette::Inactive, QPalette::Highlight);
    ASSERT_NE(highlight, palette.color(QPalette::Inactive, QPalette::Base));
    const QImage shown = grabPixels(f.txtBox);
    EXPECT_GT(shareOf(shown, shown.rect(), highlight), 0.001) << "selected while unfocused";

    closeWindow(find);
    settle();
    EXPECT_FALSE(rt::isLoaded<frmFind>());
    EXPECT_FALSE(f.mnuSearchFindnext.Enabled());
    f.mnuSearchFindnext_Click();
    EXPECT_TRUE(rt::isLoaded<frmFind>());
    EXPECT_FALSE(rt::form<frmFind>().Visible());
    EXPECT_EQ(user.prompts(), QStringList{notFound}) << "a fresh dialog has no search text";
    EXPECT_TRUE(f.mnuSearchFindnext.Enabled());
}

}  // namespace
