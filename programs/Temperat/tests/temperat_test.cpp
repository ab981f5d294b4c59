#include "conversion.h"
#include "frmtemp.h"

#include "testing/form_test.h"

#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QWidget>

using namespace rt::testing;
using Temperat::fahrenheit;
using Temperat::frmTemp;

namespace {

// The text is the exact decimal value: 18 C + 320 tenths of a degree.
TEST(Fahrenheit, EveryValueOfTheBarShowsItsExactDecimal)
{
    for (int c = -100; c <= 100; ++c) {
        const int tenths = 18 * c + 320;
        QString exact = QString::number(std::abs(tenths) / 10);
        if (tenths % 10) exact += '.' + QString::number(std::abs(tenths) % 10);
        if (tenths < 0) exact.prepend('-');
        EXPECT_EQ(rt::text(fahrenheit(c)), exact) << c;
    }
}

class TemperatTest : public FormTest {
protected:
    TemperatTest() : FormTest("Temperat"), f(rt::form<frmTemp>()) { f.Show(); }
    frmTemp& f;
};

TEST_F(TemperatTest, WindowHasItsTitleAndSize)
{
    EXPECT_EQ(f.Caption(), "Conversor de temperaturas");
    EXPECT_EQ(f.ScaleWidth(), 5295);
    EXPECT_EQ(f.ScaleHeight(), 3795);
    EXPECT_EQ(f.vsbTemp.Value(), 0);
    EXPECT_EQ(f.txtCent.Text(), "0");
    EXPECT_EQ(f.txtFahr.Text(), "32");
}

TEST_F(TemperatTest, TheBarDrivesBothBoxesUpToItsEnds)
{
    const struct {
        int celsius;
        const char* cent;
        const char* fahr;
    } ends[] = {
        {100, "100", "212"}, {-100, "-100", "-148"}, {37, "37", "98.6"}, {-18, "-18", "-0.4"}};
    for (const auto& e : ends) {
        dragThumbTo(f.vsbTemp, e.celsius);
        EXPECT_EQ(f.txtCent.Text(), QString(e.cent));
        EXPECT_EQ(f.txtFahr.Text(), QString(e.fahr));
    }
}

TEST_F(TemperatTest, UpwardsWarmsByOneOrTenAndStopsAtTheTop)
{
    step(f.vsbTemp, BarPart::LineUp);
    EXPECT_EQ(f.txtFahr.Text(), "33.8");
    step(f.vsbTemp, BarPart::PageDown);
    EXPECT_EQ(f.txtCent.Text(), "-9");
    EXPECT_EQ(f.txtFahr.Text(), "15.8");
    dragThumbTo(f.vsbTemp, 95);
    step(f.vsbTemp, BarPart::PageUp);
    EXPECT_EQ(f.txtCent.Text(), "100");
    step(f.vsbTemp, BarPart::LineUp);
    EXPECT_EQ(f.vsbTemp.Value(), 100);
}

TEST_F(TemperatTest, TypingIntoTheBoxesMovesNothingAndIsOverwritten)
{
    typeText(f.txtCent, "5");
    typeText(f.txtFahr, "5");
    EXPECT_EQ(f.vsbTemp.Value(), 0);
    step(f.vsbTemp, BarPart::LineDown);
    EXPECT_EQ(f.txtCent.Text(), "-1");
    EXPECT_EQ(f.txtFahr.Text(), "30.2");
}

TEST_F(TemperatTest, ScreenReadersReadAndSetTheBarInDegreesCelsius)
{
    QAccessibleInterface* bar = QAccessible::queryAccessibleInterface(f.vsbTemp.widget());
    ASSERT_TRUE(bar && bar->valueInterface());
    EXPECT_EQ(bar->valueInterface()->minimumValue().toInt(), -100);
    EXPECT_EQ(bar->valueInterface()->maximumValue().toInt(), 100);
    dragThumbTo(f.vsbTemp, 37);
    EXPECT_EQ(bar->valueInterface()->currentValue().toInt(), 37);
    EXPECT_EQ(bar->text(QAccessible::Value), "37");
    bar->valueInterface()->setCurrentValue(-18);
    EXPECT_EQ(f.txtFahr.Text(), "-0.4");

    QAccessibleInterface* fahr = QAccessible::queryAccessibleInterface(f.txtFahr.widget());
    EXPECT_EQ(fahr->text(QAccessible::Name), "Grados Fahrenheit");
    EXPECT_EQ(fahr->text(QAccessible::Value), "-0.4");
}

TEST_F(TemperatTest, SalirBeepsThenEndsAndTheMenuJustEnds)
{
    click(f.cmbSalir);
    EXPECT_EQ(user.beeps, 1);
    EXPECT_EQ(user.ends, 1);
    choose(f.mnuFileExit);
    EXPECT_EQ(user.beeps, 1);
    EXPECT_EQ(user.ends, 2);
}

}  // namespace
