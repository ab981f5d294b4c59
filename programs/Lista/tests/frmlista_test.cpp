#include "frmlista.h"

#include "testing/form_test.h"

#include <QWidget>

using namespace rt::testing;
using Lista::frmLista;

namespace {

class ListaWindow : public FormTest {
protected:
    ListaWindow() : FormTest("Lista"), f(rt::form<frmLista>())
    {
        EXPECT_TRUE(showActive(f));
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

TEST_F(ListaWindow, StartsWithTheFocusInTheEntry)
{
    EXPECT_EQ(f.Caption(), "Lista");
    EXPECT_EQ(f.ScaleWidth(), 6030);
    EXPECT_EQ(f.ScaleHeight(), 5325);
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
        {{"1e3", "3e3"}, "2000.00", "1414.21"},
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
        EXPECT_EQ(results(), (QStringList{"0.00", "0.00"}));
        EXPECT_EQ(items(f.lstLista), numbers);
    }
    EXPECT_EQ(user.prompts(), QStringList(2, "Please, add items to the list"));
    const QImage shown = grabPixels(f.lblMedia);  // a white box with dark digits
    EXPECT_GT(shareOf(shown, shown.rect().adjusted(2, 2, -2, -2), Qt::white), 0.6);
    EXPECT_LT(shareOf(shown, shown.rect().adjusted(2, 2, -2, -2), Qt::white), 0.99);
}

// Every change to the list, and every refused entry, empties the results;
// the entry box keeps its text only through Delete Last.
TEST_F(ListaWindow, ChangesEmptyTheResultsAndEntriesAreListedAsNumbers)
{
    const std::function<void()> changes[] = {
        [&] { enter("1e3"); },           [&] { enter("12abc"); },        [&] { enter("1e400"); },
        [&] { click(f.cmbDeleteLast); }, [&] { click(f.cmbDeleteAll); },
    };
    for (const auto& change : changes) {
        click(f.cmbDeleteAll);
        enterAll({"1", "2"});
        click(f.cmbCompute);
        ASSERT_EQ(f.lblDesv.Caption(), "0.71");
        change();
        EXPECT_EQ(results(), (QStringList{"", ""}));
        EXPECT_TRUE(entryHasFocus());
    }
    EXPECT_EQ(user.prompts(), QStringList(2, "A numeric value, please!"));
    EXPECT_EQ(f.txtEntry.Text(), "");
    enterAll({"1", "1e3"});
    typeText(f.txtEntry, "5");
    click(f.cmbDeleteLast);
    EXPECT_EQ(items(f.lstLista), QStringList{"1"});
    EXPECT_EQ(f.txtEntry.Text(), "5");
    click(f.cmbDeleteLast);
    click(f.cmbDeleteLast);  // empty: nothing to remove, no error
    EXPECT_EQ(user.shown.size(), 2u);
}

}  // namespace
