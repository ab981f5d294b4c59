#include "form1.h"

#include "testing/form_test.h"

#include <QListWidget>
#include <QTest>

using namespace rt::testing;
using multiselect::Form1;

namespace {

const QStringList tenWords{"uno",  "dos",   "tres", "cuatro", "cinco",
                           "seis", "siete", "ocho", "nueve",  "diez"};

class Multiselect : public FormTest {
protected:
    Multiselect() : FormTest("multiselect"), f(rt::form<Form1>())
    {
        EXPECT_TRUE(showActive(f));
    }

    void enter(const QString& text) { typeAndEnter(f.txtBox, text); }
    void select(const QList<int>& rows)
    {
        for (int row : rows) f.lstBox.setSelected(row, true);
    }
    bool entryHasFocus() const { return f.txtBox.widget()->hasFocus(); }

    Form1& f;
};

TEST_F(Multiselect, StartsWithTheFocusInTheEntry)
{
    EXPECT_EQ(f.Caption(), "Selección múltiple de los elementos de una lista");
    EXPECT_EQ(f.ScaleWidth(), 5700);
    EXPECT_EQ(f.ScaleHeight(), 4425);
    EXPECT_TRUE(entryHasFocus());
}

TEST_F(Multiselect, EnterAppendsTheEntryAsItIsAndPoblarListaLeavesJustTheTenWords)
{
    enter("hola");
    enter("");
    enter("hola");
    EXPECT_EQ(items(f.lstBox), (QStringList{"hola", "", "hola"}));
    EXPECT_EQ(f.txtBox.Text(), "");
    click(f.cmdPoblarLista);
    select({2, 5});
    click(f.cmdPoblarLista);
    EXPECT_EQ(items(f.lstBox), tenWords);
    EXPECT_EQ(selectedRows(f.lstBox), QList<int>());
    click(f.cmdDeleteAll);
    EXPECT_EQ(f.lstBox.ListCount(), 0);
    EXPECT_TRUE(entryHasFocus());
}

TEST_F(Multiselect, DeleteSelectionRemovesEverySelectedItemAndKeepsTheOrderOfTheRest)
{
    const struct {
        QList<int> selected;
        QStringList left;
    } cases[] = {
        {{1, 2}, {"uno", "cuatro", "cinco", "seis", "siete", "ocho", "nueve", "diez"}},
        {{0, 9}, {"dos", "tres", "cuatro", "cinco", "seis", "siete", "ocho", "nueve"}},
        {{0, 1, 2, 3, 4, 5, 6, 7, 8, 9}, {}},
        {{}, tenWords},
        {{3, 4, 5, 7}, {"uno", "dos", "tres", "siete", "nueve", "diez"}},
    };
    for (const auto& c : cases) {
        click(f.cmdPoblarLista);
        select(c.selected);
        click(f.cmdDeleteSel);
        EXPECT_EQ(items(f.lstBox), c.left) << ::testing::PrintToString(c.selected);
        EXPECT_EQ(selectedRows(f.lstBox), QList<int>());
    }
    EXPECT_TRUE(entryHasFocus());
}

TEST_F(Multiselect, SelectionButtonsSelectAllNoneAndInvertTwiceRestores)
{
    click(f.cmdPoblarLista);
    click(f.cmdInvertSel);
    EXPECT_EQ(f.lstBox.SelCount(), 10) << "inverting an empty selection selects all";
    click(f.cmdDeselectAll);
    EXPECT_EQ(f.lstBox.SelCount(), 0);
    select({1, 4, 8});
    click(f.cmdInvertSel);
    EXPECT_EQ(selectedRows(f.lstBox), (QList<int>{0, 2, 3, 5, 6, 7, 9}));
    click(f.cmdInvertSel);
    EXPECT_EQ(selectedRows(f.lstBox), (QList<int>{1, 4, 8}));
    click(f.cmdDeleteAll);
    for (auto* button :
         {&f.cmdSelectAll, &f.cmdDeselectAll, &f.cmdInvertSel, &f.cmdDeleteSel, &f.cmdDeleteAll})
        click(*button);
    EXPECT_EQ(f.lstBox.ListCount(), 0);
    EXPECT_TRUE(user.shown.empty()) << "nothing to do on an empty list, and no error";
    EXPECT_TRUE(entryHasFocus());
}

TEST_F(Multiselect, TheMouseSelectsInTheListWhileTheFocusStaysInTheEntry)
{
    click(f.cmdPoblarLista);
    clickItem(f.lstBox, 6);
    clickItem(f.lstBox, 1);
    clickItem(f.lstBox, 2, Qt::ControlModifier);
    EXPECT_EQ(selectedRows(f.lstBox), (QList<int>{1, 2}));
    EXPECT_TRUE(entryHasFocus());
    QTest::keyClick(f.txtBox.widget(), Qt::Key_Tab, Qt::ShiftModifier);  // back into the list
    EXPECT_TRUE(entryHasFocus());

    // Selected items are shown highlighted.
    QListWidget* list = f.lstBox.listWidget();
    const QImage shown = grabPixels(f.lstBox);
    const QPoint offset = list->viewport()->mapTo(list, QPoint(0, 0));
    const QColor highlight = list->palette().color(QPalette::Active, QPalette::Highlight);
    const QColor inactive = list->palette().color(QPalette::Inactive, QPalette::Highlight);
    const QRect selected = list->visualItemRect(list->item(1)).translated(offset);
    const QRect plain = list->visualItemRect(list->item(3)).translated(offset);
    EXPECT_GT(shareOf(shown, selected, highlight) + shareOf(shown, selected, inactive), 0.5);
    EXPECT_EQ(shareOf(shown, plain, highlight) + shareOf(shown, plain, inactive), 0.0);

    click(f.cmdDeleteSel);
    EXPECT_EQ(items(f.lstBox).mid(0, 2), (QStringList{"uno", "cuatro"}));
}

}  // namespace
