#include "frmnumeros.h"

#include "form_test.h"

#include <QWidget>

#include <QListWidget>

using namespace rt::testing;
using Numeros::frmNumeros;

namespace {

class NumerosWindow : public FormTest {
protected:
    NumerosWindow() : FormTest("Numeros"), f(rt::form<frmNumeros>())
    {
        f.Show();
        settle();
    }

    void enter(const QString& text) { typeAndEnter(f.txtInput, text); }
    void enterAll(const QStringList& texts)
    {
        for (const QString& t : texts) enter(t);
    }
    QStringList results() const { return {f.txtMax.Text(), f.txtMin.Text(), f.txtSum.Text()}; }
    bool inputHasFocus() const { return f.txtInput.widget()->hasFocus(); }

    frmNumeros& f;
};

TEST_F(NumerosWindow, WindowMatchesItsLayoutAndStartsWithTheFocusInTheInput)
{
    EXPECT_EQ(f.Caption(), "Operar con lista de números");
    EXPECT_EQ(f.ScaleWidth(), 6570);
    EXPECT_EQ(f.ScaleHeight(), 5490);
    EXPECT_EQ(layoutMismatches(f), QStringList());
    EXPECT_EQ(captionsThatDoNotFit(f), QStringList());
    EXPECT_TRUE(inputHasFocus());
    EXPECT_EQ(f.lstNum.widget()->accessibleName(), "Lista de números");
}

TEST_F(NumerosWindow, FiveMinusThreeTwelve)
{
    enterAll({"5", "-3", "12"});
    EXPECT_EQ(items(f.lstNum), (QStringList{"5", "-3", "12"}));
    click(f.cmdMax);
    click(f.cmdMin);
    click(f.cmdSum);
    EXPECT_EQ(results(), (QStringList{"12", "-3", "14"}));
    EXPECT_EQ(f.lstNum.ListIndex(), -1) << "Max and Min leave no item selected";
    click(f.cmdSort);
    EXPECT_EQ(items(f.lstNum), (QStringList{"-3", "5", "12"}));
    EXPECT_EQ(results(), (QStringList{"12", "-3", "14"})) << "Sort leaves the results";
    click(f.cmdRem);
    EXPECT_EQ(items(f.lstNum), (QStringList{"-3", "5"}));
    EXPECT_EQ(results(), (QStringList{"", "", ""}));
    EXPECT_TRUE(inputHasFocus());
    EXPECT_TRUE(user.shown.empty());
}

TEST_F(NumerosWindow, WholeNumbersRoundHalvesToEvenWhileTheSumKeepsFractions)
{
    const struct {
        QStringList typed;
        QString max, min, sum;
        QStringList sorted;
        QString sumAfterSort;
    } cases[] = {
        {{"2.5", "3.5"}, "4", "2", "6", {"2", "4"}, "6"},
        {{"1.25", "1.5"}, "2", "1", "2.75", {"1", "2"}, "3"},
        {{"4", "4", "1"}, "4", "1", "9", {"1", "4", "4"}, "9"},
        {{}, "0", "0", "", {}, ""},
    };
    for (const auto& c : cases) {
        click(f.cmdClear);
        enterAll(c.typed);
        click(f.cmdMax);
        click(f.cmdMin);
        click(f.cmdSum);
        EXPECT_EQ(results(), (QStringList{c.max, c.min, c.sum})) << c.typed.join(' ').toStdString();
        click(f.cmdSort);
        EXPECT_EQ(items(f.lstNum), c.sorted);
        click(f.cmdSum);
        EXPECT_EQ(f.txtSum.Text(), c.sumAfterSort);
    }
}

TEST_F(NumerosWindow, InputIsListedAsTheNumberItReadsAndRefusedWhenNotNumeric)
{
    f.txtMax.setText("x");
    const struct {
        QString typed;
        QString listed;  // empty: refused
    } cases[] = {
        {"007", "7"},  {"1e3", "1000"}, {" 2.50 ", "2.5"}, {"", ""},
        {"12abc", ""}, {"1e400", ""},   {"1,5", ""},
    };
    for (const auto& c : cases) {
        const int before = f.lstNum.ListCount();
        enter(c.typed);
        if (c.listed.isEmpty()) {
            EXPECT_EQ(f.lstNum.ListCount(), before) << c.typed.toStdString();
            EXPECT_EQ(user.prompts().last(), "A numeric value, please!");
        } else {
            EXPECT_EQ(f.lstNum.List(before), c.listed) << c.typed.toStdString();
        }
        EXPECT_EQ(f.txtInput.Text(), "");
        EXPECT_EQ(f.txtMax.Text(), "") << "every addition empties the results";
    }
    EXPECT_EQ(user.shown.size(), 4u);
    EXPECT_EQ(user.shown.front().title, "Numeros");

    typeText(f.txtInput, "abc");
    click(f.cmdAdd);
    EXPECT_EQ(user.shown.size(), 5u);
    EXPECT_EQ(f.txtInput.Text(), "");
    EXPECT_TRUE(inputHasFocus()) << "the button gives the focus back";
}

TEST_F(NumerosWindow, ThirtyNumbersWorkAndAThirtyFirstStopsMaxMinAndSortWithError9)
{
    for (int v = 30; v >= 1; --v) f.lstNum.AddItem(QString::number(v));
    click(f.cmdMax);
    click(f.cmdMin);
    click(f.cmdSort);
    EXPECT_EQ(f.txtMax.Text(), "30");
    EXPECT_EQ(f.txtMin.Text(), "1");
    EXPECT_EQ(f.lstNum.List(0), "1");
    EXPECT_EQ(f.lstNum.List(29), "30");
    ASSERT_TRUE(user.shown.empty());

    enter("-7");
    f.txtMax.setText("kept");
    const QStringList before = items(f.lstNum);
    for (auto* button : {&f.cmdMax, &f.cmdMin, &f.cmdSort}) {
        click(*button);
        EXPECT_EQ(f.lstNum.ListIndex(), 30) << "the 31st item stays selected";
        f.lstNum.setListIndex(-1);
    }
    ASSERT_EQ(user.shown.size(), 3u);
    for (const auto& shown : user.shown)
        EXPECT_TRUE(shown.prompt.contains("Subscript out of range"));
    EXPECT_EQ(f.txtMax.Text(), "kept");
    EXPECT_EQ(f.txtMin.Text(), "");
    EXPECT_EQ(items(f.lstNum), before);
    click(f.cmdSum);
    EXPECT_EQ(f.txtSum.Text(), "458");  // 1 + ... + 30 - 7
}

TEST_F(NumerosWindow, AnItemBeyondTheIntegerRangeStopsMaxWithOverflowAtThatItem)
{
    enterAll({"1", "40000", "2"});
    f.txtMax.setText("kept");
    click(f.cmdMax);
    click(f.cmdSort);
    ASSERT_EQ(user.shown.size(), 2u);
    EXPECT_TRUE(user.shown[0].prompt.contains("Overflow"));
    EXPECT_EQ(f.lstNum.ListIndex(), 1);
    EXPECT_EQ(f.txtMax.Text(), "kept");
    EXPECT_EQ(items(f.lstNum), (QStringList{"1", "40000", "2"}));
    click(f.cmdSum);
    EXPECT_EQ(f.txtSum.Text(), "40003");
}

TEST_F(NumerosWindow, RemoveLastOnAnEmptyListReportsError5AndKeepsTheResults)
{
    f.txtSum.setText("kept");
    click(f.cmdRem);
    ASSERT_EQ(user.shown.size(), 1u);
    EXPECT_TRUE(user.shown[0].prompt.contains("Invalid procedure call or argument"));
    EXPECT_EQ(f.txtSum.Text(), "kept");
    enter("3");
    EXPECT_EQ(items(f.lstNum), QStringList{"3"}) << "the program keeps running";
}

TEST_F(NumerosWindow, ClearEmptiesListAndResultsButKeepsTheInput)
{
    enterAll({"1", "2"});
    click(f.cmdSum);
    typeText(f.txtInput, "9");
    click(f.cmdClear);
    EXPECT_EQ(f.lstNum.ListCount(), 0);
    EXPECT_EQ(results(), (QStringList{"", "", ""}));
    EXPECT_EQ(f.txtInput.Text(), "9");
    EXPECT_TRUE(inputHasFocus());
}

}  // namespace
