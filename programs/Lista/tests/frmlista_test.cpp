#include "frmlista.h"

#include "form_test.h"

#include <QWidget>

using namespace rt::testing;
using Lista::frmLista;

namespace {

class ListaWindow : public FormTest {
protected:
    ListaWindow() : FormTest("Lista"), f(rt::form<frmLista>())
    {
        f.Show();
        settle();
    }

    void enter(const QString& text) { typeAndEnter(f.txtEntry, text); }
    void enterAll(const QStringList& texts)
    {
        for (const QString& t : texts) enter(t);
    }
    QStringList results() const { return {f.lblMedia.Caption(), f.lblDesv.Caption()}; }
    bool entryHasFocus() const { return f.txtEntry.widget()->hasFocus(); }

    frmLista& f;
};

TEST_F(ListaWindow, WindowMatchesItsLayoutAndStartsWithTheFocusInTheEntry)
{
    EXPECT_EQ(f.Caption(), "Lista");
    EXPECT_EQ(f.ScaleWidth(), 6030);
    EXPECT_EQ(f.ScaleHeight(), 5325);
    EXPECT_EQ(layoutMismatches(f), QStringList());
    EXPECT_EQ(captionsThatDoNotFit(f), QStringList());
    EXPECT_TRUE(entryHasFocus());
    EXPECT_EQ(f.lstLista.widget()->accessibleName(), "Data List");
}

TEST_F(ListaWindow, MeanAndSampleDeviationWithTwoDecimals)
{
    const struct {
        QStringList numbers;
        QString mean, deviation;
    } cases[] = {
        {{"2", "4", "4", "4", "5", "5", "7", "9"}, "5.00", "2.14"},
        {{"1", "2"}, "1.50", "0.71"},
        {{"-1", "-2"}, "-1.50", "0.71"},
        {{"10000", "20000"}, "15000.00", "7071.07"},
        {{"0.1", "0.2", "0.3"}, "0.20", "0.10"},
        {{"3", "3"}, "3.00", "0.00"},
    };
    for (const auto& c : cases) {
        click(f.cmbDeleteAll);
        enterAll(c.numbers);
        click(f.cmbCompute);
        EXPECT_EQ(results(), (QStringList{c.mean, c.deviation}))
            << c.numbers.join(' ').toStdString();
        EXPECT_TRUE(entryHasFocus());
    }
    EXPECT_TRUE(user.shown.empty());
}

TEST_F(ListaWindow, FewerThanTwoNumbersGiveTheMessageThenZeros)
{
    for (const QStringList& numbers : {QStringList{}, QStringList{"7"}}) {
        click(f.cmbDeleteAll);
        enterAll(numbers);
        click(f.cmbCompute);
        EXPECT_EQ(user.prompts().last(), "Please, add items to the list");
        EXPECT_EQ(results(), (QStringList{"0.00", "0.00"}));
        EXPECT_EQ(items(f.lstLista), numbers);
    }
    EXPECT_EQ(user.shown.size(), 2u);
}

TEST_F(ListaWindow, EveryChangeToTheListEmptiesTheResults)
{
    enterAll({"1", "2"});
    const std::function<void()> changes[] = {
        [&] { enter("3"); },
        [&] { enter("12abc"); },  // refused, still empties them
        [&] { click(f.cmbDeleteLast); },
        [&] { click(f.cmbDeleteAll); },
    };
    for (const auto& change : changes) {
        if (f.lstLista.ListCount() < 2) enterAll({"1", "2"});
        click(f.cmbCompute);
        ASSERT_NE(f.lblMedia.Caption(), "");
        change();
        EXPECT_EQ(results(), (QStringList{"", ""}));
    }
    EXPECT_EQ(user.prompts(), QStringList{"A numeric value, please!"});
}

TEST_F(ListaWindow, EntriesAreListedAsNumbersAndDeletingKeepsOrLeavesTheEntryText)
{
    enterAll({"1e3", "12abc", "1e400", ""});
    EXPECT_EQ(items(f.lstLista), QStringList{"1000"});
    EXPECT_EQ(user.shown.size(), 3u);
    typeText(f.txtEntry, "5");
    click(f.cmbDeleteLast);
    click(f.cmbDeleteLast);  // empty list: nothing to remove
    EXPECT_EQ(f.lstLista.ListCount(), 0);
    EXPECT_EQ(f.txtEntry.Text(), "5");
    EXPECT_TRUE(entryHasFocus());
    click(f.cmbDeleteAll);
    EXPECT_EQ(f.txtEntry.Text(), "");
    EXPECT_EQ(user.shown.size(), 3u);
}

TEST_F(ListaWindow, ResultLabelsAreWhiteBoxesReadableOnScreen)
{
    enterAll({"1", "2"});
    click(f.cmbCompute);
    const QImage shown = grabPixels(f.lblMedia);
    EXPECT_GT(shareOf(shown, shown.rect().adjusted(2, 2, -2, -2), Qt::white), 0.6);
    EXPECT_LT(shareOf(shown, shown.rect().adjusted(2, 2, -2, -2), Qt::white), 0.99)
        << "the digits are drawn";
}

}  // namespace
