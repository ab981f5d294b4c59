// List boxes: items, selection, Click, errors, keyboard and accessibility;
// Form_Paint after exposure and fixed-size arrays.
#include "testing/form_test.h"

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
        f.lstOne.Click = [this] { log << QStringLiteral("click %1").arg(f.lstOne.ListIndex()); };
        f.lstOne.DblClick = [this] { log << "double"; };
        f.lstMany.Click = [this] { log << "many"; };
        for (const char* t : {"a", "b", "c", "d", "e"}) {
            f.lstOne.AddItem(t);
            f.lstMany.AddItem(t);
        }
    }

    ListForm& f;
    QStringList log;
};

TEST_F(Lists, ItemsChangeInPlaceAndIndexesOutsideTheListRaiseNumberedErrors)
{
    f.lstOne.setList(5, "f");  // at ListCount: appends
    f.lstOne.setList(0, "A");
    f.lstOne.RemoveItem(1);
    EXPECT_EQ(items(f.lstOne), (QStringList{"A", "c", "d", "e", "f"}));

    const struct {
        const char* what;
        std::function<void()> call;
        int number;
    } cases[] = {
        {"RemoveItem -1", [&] { f.lstOne.RemoveItem(-1); }, 5},
        {"RemoveItem ListCount", [&] { f.lstOne.RemoveItem(5); }, 5},
        {"List ListCount", [&] { (void)f.lstOne.List(5); }, 5},
        {"List write past the end", [&] { f.lstOne.setList(6, "x"); }, 5},
        {"Selected -1", [&] { (void)f.lstOne.Selected(-1); }, 5},
        {"Selected write ListCount", [&] { f.lstOne.setSelected(5, true); }, 5},
        {"ListIndex ListCount", [&] { f.lstOne.setListIndex(5); }, 380},
    };
    for (const auto& c : cases) {
        try {
            c.call();
            ADD_FAILURE() << c.what << " raised nothing";
        } catch (const rt::RuntimeError& e) {
            EXPECT_EQ(e.number(), c.number) << c.what;
        }
    }
    EXPECT_EQ(f.lstOne.ListCount(), 5);
    f.lstOne.Clear();
    EXPECT_EQ(f.lstOne.ListCount(), 0);
    EXPECT_TRUE(log.isEmpty()) << "only ListIndex and the user raise Click";
}

TEST_F(Lists, ClickRunsForListIndexEveryClickDoubleClicksAndSelectingKeys)
{
    f.lstOne.setListIndex(1);
    f.lstOne.setListIndex(-1);  // no Click
    QListWidget* list = f.lstOne.listWidget();
    const QPoint at = list->visualItemRect(list->item(2)).center();
    // A double click: press, release, the second press as a double click, release.
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, at);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, at);
    QTest::mouseRelease(list->viewport(), Qt::LeftButton, Qt::NoModifier, at);
    clickItem(f.lstOne, 2);                       // the selected item again
    clickItem(f.lstOne, 2, Qt::ControlModifier);  // still selected: a handler can read it
    EXPECT_EQ(f.lstOne.ListIndex(), 2);
    QTest::keyClick(list, Qt::Key_Space, Qt::ControlModifier);
    EXPECT_EQ(f.lstOne.ListIndex(), 2);
    QTest::keyClick(list, Qt::Key_Up);
    QTest::keyClick(list, Qt::Key_Home);
    QTest::keyClick(list, Qt::Key_Home);  // nothing changes: no Click
    EXPECT_EQ(log, (QStringList{"click 1", "click 2", "double", "click 2", "click 2", "click 1",
                                "click 0"}));
    EXPECT_EQ(f.lstOne.Text(), "a");
}

TEST_F(Lists, RemovingItemsKeepsTheOtherItemsSelectionFlags)
{
    f.lstOne.Click = [this] { f.lstOne.RemoveItem(f.lstOne.ListIndex()); };
    clickItem(f.lstOne, 4);  // a handler may remove the clicked item
    EXPECT_EQ(items(f.lstOne), (QStringList{"a", "b", "c", "d"}));
    EXPECT_EQ(f.lstOne.ListIndex(), -1) << "the toolkit must not select a neighbour";
    f.lstOne.setSelected(1, true);
    f.lstOne.setSelected(3, true);  // single selection: deselects item 1
    EXPECT_EQ(selectedRows(f.lstOne), QList<int>{3});
    f.lstOne.RemoveItem(3);
    EXPECT_EQ(f.lstOne.ListIndex(), -1);

    for (int row : {0, 2, 4}) f.lstMany.setSelected(row, true);
    f.lstMany.RemoveItem(2);
    f.lstMany.RemoveItem(0);
    EXPECT_EQ(items(f.lstMany), (QStringList{"b", "d", "e"}));
    EXPECT_EQ(selectedRows(f.lstMany), QList<int>{2});
    EXPECT_EQ(f.lstMany.SelCount(), 1);
}

TEST_F(Lists, ExtendedSelectionFollowsCtrlAndShiftWithTheMouseAndTheKeyboard)
{
    clickItem(f.lstMany, 0);
    clickItem(f.lstMany, 1, Qt::ControlModifier);
    clickItem(f.lstMany, 3, Qt::ControlModifier);
    EXPECT_EQ(selectedRows(f.lstMany), (QList<int>{0, 1, 3}));
    clickItem(f.lstMany, 1, Qt::ControlModifier);
    clickItem(f.lstMany, 4, Qt::ShiftModifier);
    EXPECT_EQ(selectedRows(f.lstMany), (QList<int>{1, 2, 3, 4})) << "Shift: the range alone";
    EXPECT_EQ(f.lstMany.ListIndex(), 4) << "the item with the focus";
    EXPECT_EQ(log.size(), 5);

    QWidget* list = f.lstMany.widget();
    QTest::keyClick(list, Qt::Key_Home);
    QTest::keyClick(list, Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(selectedRows(f.lstMany), (QList<int>{0, 1}));
    QTest::keyClick(list, Qt::Key_Down, Qt::ControlModifier);
    QTest::keyClick(list, Qt::Key_Down, Qt::ControlModifier);
    QTest::keyClick(list, Qt::Key_Space, Qt::ControlModifier);
    EXPECT_EQ(selectedRows(f.lstMany), (QList<int>{0, 1, 3}));
}

TEST_F(Lists, ScreenReadersSeeAListNamedByItsLabelWithItsItemsAndSelection)
{
    f.lstOne.setListIndex(1);
    QAccessibleInterface* list = QAccessible::queryAccessibleInterface(f.lstOne.widget());
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->role(), QAccessible::List);
    EXPECT_EQ(list->text(QAccessible::Name), "Numbers");
    ASSERT_EQ(list->childCount(), 5);
    EXPECT_EQ(list->child(1)->text(QAccessible::Name), "b");
    EXPECT_TRUE(list->child(1)->state().selected);
    EXPECT_FALSE(list->child(0)->state().selected);
    EXPECT_EQ(f.lstMany.widget()->accessibleName(), "lstMany") << "no label beside it";
}

TEST_F(Lists, PaintRunsAfterEachExposureAndGotFocusWhenTheListTakesTheFocus)
{
    EXPECT_EQ(f.paints, 1);
    int got = 0;
    f.lstMany.GotFocus = [&] {
        ++got;
        f.txtEntry.SetFocus();
    };
    f.lstOne.SetFocus();
    QTest::keyClick(f.lstOne.widget(), Qt::Key_Tab);
    clickItem(f.lstMany, 1);
    EXPECT_EQ(got, 2);
    EXPECT_TRUE(f.txtEntry.widget()->hasFocus());
    EXPECT_EQ(selectedRows(f.lstMany), QList<int>{1}) << "the click still selects";

    f.lstOne.SetFocus();
    f.window()->repaint();
    settle();
    EXPECT_EQ(f.paints, 1) << "a repaint alone is no exposure";
    f.Hide();
    f.Show();
    settle();
    EXPECT_EQ(f.paints, 2);
}

TEST(FixedArray, ElementsStartAtZeroAndIndexesOutsideTheBoundsRaiseError9)
{
    rt::Array<rt::Integer> a(1, 30);
    a[30] = 7;
    EXPECT_EQ(a[30], 7);
    EXPECT_EQ(a[1], 0);
    for (int bad : {0, 31}) {
        try {
            a[bad] = 1;
            ADD_FAILURE() << bad << " raised nothing";
        } catch (const rt::RuntimeError& e) {
            EXPECT_EQ(e.number(), 9) << bad;
        }
    }
}

}  // namespace
