#include "arithmetic.h"
#include "frmcalc.h"

#include "testing/form_test.h"

#include <QFontMetrics>
#include <QPlainTextEdit>

#include <limits>

using namespace rt::testing;
using Calc::calculate;
using Calc::frmCalc;

namespace {

constexpr int divisionByZero = 11, overflow = 6;

TEST(Calculate, ResultsAndErrors)
{
    const double largest = std::numeric_limits<double>::max();
    const struct {
        char op;
        double a, b;
        double result;
        int error;
    } cases[] = {
        {'+', 0, 0, 0, 0},
        {'-', 2, 7, -5, 0},
        {'*', -3, 0.5, -1.5, 0},
        {'/', 7, 2, 3.5, 0},
        {'/', 5, 0, 0, divisionByZero},
        {'/', -5, 0, 0, divisionByZero},
        {'/', 0, 0, 0, overflow},
        {'*', 1e308, 10, 0, overflow},
        {'+', largest, largest, 0, overflow},
        {'-', -largest, largest, 0, overflow},
        {'/', 1e308, 1e-10, 0, overflow},
    };
    for (const auto& c : cases) {
        int error = 0;
        double result = 0;
        try {
            result = calculate(c.op, c.a, c.b);
        } catch (const rt::RuntimeError& e) {
            error = e.number();
        }
        EXPECT_EQ(error, c.error) << c.a << c.op << c.b;
        if (!c.error) {
            EXPECT_EQ(result, c.result) << c.a << c.op << c.b;
        }
    }
}

class CalcTest : public FormTest {
protected:
    CalcTest() : FormTest("Calc"), f(rt::form<frmCalc>()) { f.Show(); }

    void operands(const QString& a, const QString& b)
    {
        f.txtOper1.setText({});
        f.txtOper2.setText({});
        typeText(f.txtOper1, a);
        typeText(f.txtOper2, b);
    }
    frmCalc& f;
};

TEST_F(CalcTest, TheBigTextFits)
{
    EXPECT_EQ(f.Caption(), "Calculadora Turbo");
    EXPECT_EQ(f.ScaleWidth(), 5130);
    EXPECT_EQ(f.ScaleHeight(), 2130);
    for (const rt::TextBox* box : {&f.txtOper1, &f.txtOper2, &f.txtResult}) {
        const QWidget* view = box->plainTextEdit()->viewport();
        const QFontMetrics metrics(box->plainTextEdit()->font());
        EXPECT_LE(metrics.height(), view->height()) << box->name().toStdString();
        EXPECT_LE(metrics.horizontalAdvance("-3.5"), view->width()) << box->name().toStdString();
    }
}

TEST_F(CalcTest, EmptyOperandsCountAsZero)
{
    click(f.cmdSuma);
    EXPECT_EQ(f.txtResult.Text(), "0");
    EXPECT_EQ(f.lblOp.Caption(), "+");
}

TEST_F(CalcTest, EachButtonShowsItsResultAndOperator)
{
    const struct {
        rt::CommandButton& button;
        const char* a;
        const char* b;
        const char* result;
        const char* op;
    } cases[] = {
        {f.cmdSuma, "0.1", "0.2", "0.3", "+"}, {f.cmdResta, "2", "7", "-5", "-"},
        {f.cmdProd, "1.5", "-4", "-6", "*"},   {f.cmdDiv, "7", "2", "3.5", "/"},
        {f.cmdSuma, "12abc", "1", "13", "+"},  {f.cmdDiv, "1", "3", "0.333333333333333", "/"},
    };
    for (const auto& c : cases) {
        operands(c.a, c.b);
        click(c.button);
        EXPECT_EQ(f.txtResult.Text(), QString(c.result)) << c.a << c.op << c.b;
        EXPECT_EQ(f.lblOp.Caption(), QString(c.op));
    }
}

TEST_F(CalcTest, FailedOperationsReportTheErrorAndKeepTheLastResult)
{
    operands("7", "2");
    click(f.cmdProd);
    const struct {
        rt::CommandButton& button;
        const char* a;
        const char* b;
        int error;
    } cases[] = {
        {f.cmdDiv, "5", "0", divisionByZero},
        {f.cmdDiv, "0", "0", overflow},
        {f.cmdProd, "1e308", "10", overflow},
    };
    for (const auto& c : cases) {
        operands(c.a, c.b);
        user.shown.clear();
        click(c.button);
        ASSERT_EQ(user.shown.size(), 1u);
        EXPECT_TRUE(user.shown[0].prompt.contains(QString("'%1'").arg(c.error)))
            << user.shown[0].prompt.toStdString();
        EXPECT_EQ(f.txtResult.Text(), "14");
        EXPECT_EQ(f.lblOp.Caption(), "*");
    }
}

TEST_F(CalcTest, TheResultBoxCannotBeTypedInto)
{
    typeText(f.txtResult, "99");
    EXPECT_EQ(f.txtResult.Text(), "");
}

}  // namespace
