// List boxes: items, selection, Click, errors, keyboard and accessibility;
// Form_Paint after exposure and fixed-size arrays.
#include "form_test.h"

#include "forms/runtime.h"

#include <QAccessible>
#include <QListWidget>
#include <QTest>

using namespace rt::testing;
using rt::Kind;

namespace {

class ListForm : public rt::Form {
public:
    static const rt::FormSpec& layout()
    {
        // clang-format off
        static const rt::FormSpec spec{"ListForm", "Lists", 6000, 4000, {
            {"lblOne",   Kind::Label,   "Numbers", 120,  120, 1500, 255},
            {"lstOne",   Kind::ListBox, "",        120,  400, 1500, 2400, {.tabIndex = 0}},
            {"lstMany",  Kind::ListBox, "",       2000,  400, 1500, 2400, {.tabIndex = 1, .multiSelect = rt::vbMultiSelectExtended}},
            {"txtEntry", Kind::TextBox, "",       4000,  400, 1500,  400, {.tabIndex = 2}},
        }};
        // clang-format on
        return spec;
    }

    ListForm() : rt::Form(layout()) {}

    rt::ListBox& lstOne = bind<rt::ListBox>("lstOne");
    rt::ListBox& lstMany = bind<rt::ListBox>("lstMany");
    rt::TextBox& txtEntry = bind<rt::TextBox>("txtEntry");
    QStringList log;
    int paints = 0;

protected:
    void Form_Paint() override
    {
        ++paints;
        txtEntry.SetFocus();
    }
};

class Lists : public FormTest {
protected:
    Lists() : FormTest("lists"), f(rt::form<ListForm>())
    {
        f.Show();
        settle();
        f.lstOne.Click = [this] { f.log << QStringLiteral("one %1").arg(f.lstOne.ListIndex()); };
        f.lstMany.Click = [this] { f.log << "many"; };
    }
    void fill(rt::ListBox& list, const QStringList& texts)
    {
        for (const QString& t : texts) list.AddItem(t);
    }

    ListForm& f;
};

TEST_F(Lists, ItemsAreAddedWrittenAndRemovedInPlace)
{
    fill(f.lstOne, {"a", "b", "c"});
    f.lstOne.setList(3, "d");  // at ListCount: appends
    f.lstOne.setList(0, "A");
    EXPECT_EQ(items(f.lstOne), (QStringList{"A", "b", "c", "d"}));
    f.lstOne.RemoveItem(1);
    EXPECT_EQ(items(f.lstOne), (QStringList{"A", "c", "d"}));
    f.lstOne.RemoveItem(2);
    EXPECT_EQ(f.lstOne.ListCount(), 2);
    f.lstOne.Clear();
    EXPECT_EQ(f.lstOne.ListCount(), 0);
    EXPECT_EQ(f.lstOne.ListIndex(), -1);
    EXPECT_TRUE(f.log.isEmpty()) << "only ListIndex and the user raise Click";
}

TEST_F(Lists, IndexesOutsideTheListRaiseNumberedErrorsAndChangeNothing)
{
    fill(f.lstOne, {"a", "b"});
    const struct {
        const char* what;
        std::function<void()> call;
        int number;
    } cases[] = {
        {"RemoveItem -1", [&] { f.lstOne.RemoveItem(-1); }, 5},
        {"RemoveItem ListCount", [&] { f.lstOne.RemoveItem(2); }, 5},
        {"List -1", [&] { (void)f.lstOne.List(-1); }, 5},
        {"List ListCount", [&] { (void)f.lstOne.List(2); }, 5},
        {"List write past the end", [&] { f.lstOne.setList(3, "x"); }, 5},
        {"List write -1", [&] { f.lstOne.setList(-1, "x"); }, 5},
        {"Selected -1", [&] { (void)f.lstOne.Selected(-1); }, 5},
        {"Selected write ListCount", [&] { f.lstOne.setSelected(2, true); }, 5},
        {"ListIndex ListCount", [&] { f.lstOne.setListIndex(2); }, 380},
        {"ListIndex -2", [&] { f.lstOne.setListIndex(-2); }, 380},
    };
    for (const auto& c : cases) {
        try {
            c.call();
            ADD_FAILURE() << c.what << " raised nothing";
        } catch (const rt::RuntimeError& e) {
            EXPECT_EQ(e.number(), c.number) << c.what;
        }
    }
    EXPECT_EQ(items(f.lstOne), (QStringList{"a", "b"}));
    EXPECT_EQ(f.lstOne.ListIndex(), -1);
}

TEST_F(Lists, SettingListIndexSelectsTheItemAndClicksUnlessItIsMinusOne)
{
    fill(f.lstOne, {"a", "b", "c"});
    f.lstOne.setListIndex(1);
    f.lstOne.setListIndex(1);
    EXPECT_EQ(f.lstOne.Text(), "b");
    EXPECT_TRUE(f.lstOne.Selected(1));
    f.lstOne.setListIndex(-1);
    EXPECT_EQ(f.lstOne.ListIndex(), -1);
    EXPECT_EQ(selectedRows(f.lstOne), QList<int>());
    EXPECT_EQ(f.log, (QStringList{"one 1", "one 1"}));
}

TEST_F(Lists, EveryClickOnAnItemRunsClickAndArrowKeysMoveTheSelection)
{
    fill(f.lstOne, {"a", "b", "c"});
    clickItem(f.lstOne, 2);
    clickItem(f.lstOne, 2);
    QTest::keyClick(f.lstOne.widget(), Qt::Key_Up);
    QTest::keyClick(f.lstOne.widget(), Qt::Key_Home);
    QTest::keyClick(f.lstOne.widget(), Qt::Key_Home);  // already there: no click
    EXPECT_EQ(f.log, (QStringList{"one 2", "one 2", "one 1", "one 0"}));
    EXPECT_EQ(selectedRows(f.lstOne), QList<int>{0});
}

TEST_F(Lists, AClickHandlerMayRemoveTheClickedItem)
{
    fill(f.lstOne, {"a", "b", "c"});
    f.lstOne.Click = [this] { f.lstOne.RemoveItem(f.lstOne.ListIndex()); };
    clickItem(f.lstOne, 1);
    clickItem(f.lstOne, 1);
    EXPECT_EQ(items(f.lstOne), QStringList{"a"});
    EXPECT_EQ(f.lstOne.ListIndex(), -1) << "nothing is selected after the removal";
    EXPECT_TRUE(user.shown.empty());
}

TEST_F(Lists, ExtendedSelectionFollowsCtrlAndShiftClicks)
{
    fill(f.lstMany, {"a", "b", "c", "d", "e"});
    clickItem(f.lstMany, 1);
    EXPECT_EQ(selectedRows(f.lstMany), QList<int>{1});
    clickItem(f.lstMany, 3, Qt::ShiftModifier);
    EXPECT_EQ(selectedRows(f.lstMany), (QList<int>{1, 2, 3}));
    clickItem(f.lstMany, 2, Qt::ControlModifier);
    EXPECT_EQ(selectedRows(f.lstMany), (QList<int>{1, 3}));
    clickItem(f.lstMany, 4);
    EXPECT_EQ(selectedRows(f.lstMany), QList<int>{4});
    EXPECT_EQ(f.lstMany.ListIndex(), 4) << "the item with the focus";
    EXPECT_EQ(f.log.size(), 4);

    // The program sets flags independently; a removal keeps the others' flags.
    f.lstMany.setSelected(0, true);
    f.lstMany.setSelected(4, false);
    f.lstMany.setSelected(2, true);
    f.lstMany.RemoveItem(1);
    EXPECT_EQ(items(f.lstMany), (QStringList{"a", "c", "d", "e"}));
    EXPECT_EQ(selectedRows(f.lstMany), (QList<int>{0, 1}));
    EXPECT_EQ(f.lstMany.SelCount(), 2);
    EXPECT_EQ(f.log.size(), 4) << "Selected and RemoveItem raise no Click";
}

TEST_F(Lists, KeyboardSelectsRangesAndTogglesInAnExtendedList)
{
    fill(f.lstMany, {"a", "b", "c", "d"});
    f.lstMany.SetFocus();
    QTest::keyClick(f.lstMany.widget(), Qt::Key_Home);
    QTest::keyClick(f.lstMany.widget(), Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(selectedRows(f.lstMany), (QList<int>{0, 1}));
    QTest::keyClick(f.lstMany.widget(), Qt::Key_Down, Qt::ControlModifier);
    QTest::keyClick(f.lstMany.widget(), Qt::Key_Down, Qt::ControlModifier);
    QTest::keyClick(f.lstMany.widget(), Qt::Key_Space, Qt::ControlModifier);
    EXPECT_EQ(selectedRows(f.lstMany), (QList<int>{0, 1, 3}));
}

TEST_F(Lists, SelectingInASingleSelectionListDeselectsTheOther)
{
    fill(f.lstOne, {"a", "b"});
    f.lstOne.setSelected(0, true);
    f.lstOne.setSelected(1, true);
    EXPECT_EQ(selectedRows(f.lstOne), QList<int>{1});
    EXPECT_EQ(f.lstOne.ListIndex(), 1);
    f.lstOne.RemoveItem(1);
    EXPECT_EQ(f.lstOne.ListIndex(), -1) << "removing the selected item leaves none selected";
}

TEST_F(Lists, ScreenReadersSeeAListNamedByItsLabelWithItsItemsAndSelection)
{
    fill(f.lstOne, {"uno", "dos"});
    f.lstOne.setListIndex(1);
    QAccessibleInterface* list = QAccessible::queryAccessibleInterface(f.lstOne.widget());
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->role(), QAccessible::List);
    EXPECT_EQ(list->text(QAccessible::Name), "Numbers");
    ASSERT_EQ(list->childCount(), 2);
    EXPECT_EQ(list->child(1)->text(QAccessible::Name), "dos");
    EXPECT_TRUE(list->child(1)->state().selected);
    EXPECT_FALSE(list->child(0)->state().selected);
    EXPECT_EQ(f.lstMany.widget()->accessibleName(), "lstMany") << "no label beside it";
}

TEST_F(Lists, PaintRunsAfterEachExposureNotAfterEveryRepaint)
{
    EXPECT_EQ(f.paints, 1);
    EXPECT_TRUE(f.txtEntry.widget()->hasFocus());
    f.window()->repaint();
    f.lstOne.widget()->update();
    settle();
    EXPECT_EQ(f.paints, 1);
    f.Hide();
    f.Show();
    settle();
    EXPECT_EQ(f.paints, 2);
}

TEST_F(Lists, GotFocusRunsWhenTheListTakesTheFocusByTabOrClick)
{
    int got = 0;
    f.lstMany.GotFocus = [&] {
        ++got;
        f.txtEntry.SetFocus();
    };
    fill(f.lstMany, {"a", "b"});
    f.lstOne.SetFocus();
    QTest::keyClick(f.lstOne.widget(), Qt::Key_Tab);
    EXPECT_EQ(got, 1);
    EXPECT_TRUE(f.txtEntry.widget()->hasFocus());
    clickItem(f.lstMany, 1);
    EXPECT_EQ(got, 2);
    EXPECT_TRUE(f.txtEntry.widget()->hasFocus());
    EXPECT_EQ(selectedRows(f.lstMany), QList<int>{1}) << "the click still selects";
}

TEST(FixedArray, ElementsStartAtZeroAndIndexesOutsideTheBoundsRaiseError9)
{
    rt::Array<rt::Integer> a(1, 30);
    EXPECT_EQ(a.LBound(), 1);
    EXPECT_EQ(a.UBound(), 30);
    a[30] = 7;
    EXPECT_EQ(a[30], 7);
    EXPECT_EQ(a[1], 0);
    for (int bad : {0, 31, -1}) {
        try {
            a[bad] = 1;
            ADD_FAILURE() << bad << " raised nothing";
        } catch (const rt::RuntimeError& e) {
            EXPECT_EQ(e.number(), 9) << bad;
        }
    }
}

}  // namespace
