#include "frmnumeros.h"

#include "testing/form_test.h"

#include <QWidget>

#include <QListWidget>

using namespace rt::testing;
using Numeros::frmNumeros;

namespace {

class NumerosWindow : public FormTest {
protected:
    NumerosWindow() : FormTest("Numeros"), f(rt::form<frmNumeros>())
    {
        EXPECT_TRUE(showActive(f));
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

TEST_F(NumerosWindow, StartsWithTheFocusInTheInput)
{
    EXPECT_EQ(f.Caption(), "Operar con lista de números");
    EXPECT_EQ(f.ScaleWidth(), 6570);
    EXPECT_EQ(f.ScaleHeight(), 5490);
    EXPECT_TRUE(inputHasFocus());
    EXPECT_EQ(f.lstNum.widget()->accessibleName(), "Lista de números");
}

TEST_F(NumerosWindow, MaxMinSumAndSortRoundToWholeNumbersWhileTheSumKeepsFractions)
{
    const struct {
        QStringList typed;
        QString max, min, sum;
        QStringList sorted;
        QString sumAfterSort;
    } cases[] = {
        {{"5", "-3", "12"}, "12", "-3", "14", {"-3", "5", "12"}, "14"},
        {{"2.5", "3.5"}, "4", "2", "6", {"2", "4"}, "6"},  // halves to even
        {{"1.25", "1.5"}, "2", "1", "2.75", {"1", "2"}, "3"},
        {{"4", "4", "1"}, "4", "1", "9", {"1", "4", "4"}, "9"},
        {{}, "0", "0", "", {}, ""},
    };
    for (const auto& c : cases) {
        click(f.cmdClear);
        enterAll(c.typed);
        for (auto* button : {&f.cmdMax, &f.cmdMin, &f.cmdSum, &f.cmdSort}) click(*button);
        EXPECT_EQ(results(), (QStringList{c.max, c.min, c.sum})) << c.typed.join(' ').toStdString();
        EXPECT_EQ(items(f.lstNum), c.sorted);
        EXPECT_EQ(f.lstNum.ListIndex(), -1) << "no item stays selected";
        click(f.cmdSum);
        EXPECT_EQ(f.txtSum.Text(), c.sumAfterSort);
    }
    enterAll({"5", "-3", "12"});
    click(f.cmdSort);
    click(f.cmdMax);
    click(f.cmdRem);
    EXPECT_EQ(items(f.lstNum), (QStringList{"-3", "5"}));
    EXPECT_EQ(results(), (QStringList{"", "", ""}));
    EXPECT_TRUE(inputHasFocus());
    EXPECT_TRUE(user.shown.empty());
}

TEST_F(NumerosWindow, InputIsListedAsTheNumberItReadsAndRefusedWhenNotNumeric)
{
    f.txtMax.setText("x");
    for (const char* typed : {"007", "1e3", " 2.50 ", "", "12abc", "1e400"}) {
        enter(typed);
        EXPECT_EQ(f.txtInput.Text(), "");
        EXPECT_EQ(f.txtMax.Text(), "") << "every addition empties the results";
    }
    EXPECT_EQ(items(f.lstNum), (QStringList{"7", "1000", "2.5"}));
    typeText(f.txtInput, "abc");
    click(f.cmdAdd);
    EXPECT_EQ(user.prompts(), QStringList(4, "A numeric value, please!"));
    EXPECT_EQ(user.shown.front().title, "Numeros");
    EXPECT_TRUE(inputHasFocus()) << "the button gives the focus back";
}

// A reported error ends the handler: the list, its selection and the
// result boxes stay as they were at that point, and the program goes on.
TEST_F(NumerosWindow, ErrorsEndTheHandlerWhereTheyAreRaised)
{
    f.txtSum.setText("kept");
    click(f.cmdRem);  // empty list: RemoveItem -1
    EXPECT_EQ(f.txtSum.Text(), "kept");

    for (int v = 30; v >= 1; --v) f.lstNum.AddItem(QString::number(v));
    click(f.cmdSort);
    click(f.cmdMax);
    EXPECT_EQ(f.txtMax.Text(), "30");
    EXPECT_EQ(f.lstNum.List(0), "1");
    enter("40000");
    const QStringList before = items(f.lstNum);
    f.txtMax.setText("kept");
    for (auto* button : {&f.cmdMax, &f.cmdMin, &f.cmdSort}) {
        click(*button);
        EXPECT_EQ(f.lstNum.ListIndex(), 30) << "the 31st item stays selected";
    }
    f.lstNum.setList(0, "-40000");  // out of range before the 31st
    click(f.cmdMin);
    EXPECT_EQ(f.lstNum.ListIndex(), 0);
    f.lstNum.setList(0, "1");
    EXPECT_EQ(items(f.lstNum), before);
    EXPECT_EQ(f.txtMax.Text(), "kept");
    EXPECT_EQ(f.txtMin.Text(), "");

    QStringList numbers;
    for (const auto& shown : user.shown) numbers << shown.prompt.section('\'', 1, 1);
    EXPECT_EQ(numbers, (QStringList{"5", "9", "9", "9", "6"}));
    click(f.cmdSum);
    EXPECT_EQ(f.txtSum.Text(), "40465");  // 1 + ... + 30 + 40000
}

}  // namespace
