// Newton's method: steps and roots from several starts, and the runtime
// errors that end a run without touching the result boxes.
#include "rootplot_fixture.h"

#include <cmath>

using namespace rt::testing;

namespace {

struct Start {
    const char* x0;
    const char* steps;
    const char* root;
};

TEST_F(RootPlot, NewtonFromSeveralStarts)
{
    const Start starts[] = {
        {"10", "9", "3"}, {"0", "2", "3"}, {"1", "1", "1"}, {"-10", "10", "-1"}, {"0.5", "4", "1"},
    };
    for (const auto& s : starts) {
        enter(f.txtIni, s.x0);
        click(f.cmdResolver);
        EXPECT_EQ(f.txtNit.Text(), s.steps) << "from " << s.x0;
        EXPECT_EQ(f.txtSol.Text(), s.root) << "from " << s.x0;
    }
    EXPECT_EQ(user.prompts(), QStringList());
}

TEST_F(RootPlot, TheLastIteratesAreExact)
{
    click(f.cmdResolver);
    EXPECT_EQ(f.xsol.toDouble(), 2.9999999999999996);
    EXPECT_LE(f.errRel.toDouble(), 1e-9);
    enter(f.txtIni, "0");
    click(f.cmdResolver);
    EXPECT_EQ(f.xsol.toDouble(), 3) << "from 0 the first step lands exactly on 3";
}

TEST_F(RootPlot, AStartTypedWithoutEnterIsNotUsed)
{
    retype(f.txtIni, "0");
    click(f.cmdResolver);
    EXPECT_EQ(f.txtNit.Text(), "9");
    EXPECT_EQ(f.txtSol.Text(), "3");
}

TEST_F(RootPlot, ALooserToleranceStopsEarlier)
{
    enter(f.txtEps, "0.01");
    click(f.cmdResolver);
    EXPECT_EQ(f.txtNit.Text(), "7");
    EXPECT_NE(f.xsol.toDouble(), 3);
    EXPECT_NEAR(f.xsol.toDouble(), 3, 1e-4);
}

struct Failure {
    const char* what;
    const char* coefficients[4];
    const char* x0;
    const char* eps;
    QString report;
};

// Every failing run leaves the previous result in place and is reported by
// the runtime with the program's title.
TEST_F(RootPlot, AFailingRunReportsTheRuntimeErrorAndKeepsTheResultBoxes)
{
    const Failure failures[] = {
        {"zero derivative",
         {"1", "0", "0", "1"},
         "0",
         "1E-09",
         "Run-time error '11':\r\n\r\nDivision by zero"},
        {"zero derivative at a root",
         {"1", "0", "0", "0"},
         "0",
         "1E-09",
         "Run-time error '6':\r\n\r\nOverflow"},
        {"zero iterate",
         {"0", "0", "1", "0"},
         "5",
         "1E-09",
         "Run-time error '11':\r\n\r\nDivision by zero"},
        {"negative tolerance",
         {"1", "-3", "-1", "3"},
         "10",
         "-1",
         "Run-time error '6':\r\n\r\nOverflow"},
    };
    for (const auto& failure : failures) {
        enterCoefficients("1", "-3", "-1", "3");
        enter(f.txtIni, "10");
        enter(f.txtEps, "1E-09");
        click(f.cmdResolver);
        ASSERT_EQ(f.txtSol.Text(), "3");

        enterCoefficients(failure.coefficients[0], failure.coefficients[1], failure.coefficients[2],
                          failure.coefficients[3]);
        enter(f.txtIni, failure.x0);
        enter(f.txtEps, failure.eps);
        user.shown.clear();
        click(f.cmdResolver);
        ASSERT_EQ(user.shown.size(), 1u) << failure.what;
        EXPECT_EQ(user.shown[0].prompt, failure.report) << failure.what;
        EXPECT_EQ(user.shown[0].title, "rootplot");
        EXPECT_EQ(f.txtSol.Text(), "3") << failure.what;
        EXPECT_EQ(f.txtNit.Text(), "9") << failure.what;
    }
}

TEST_F(RootPlot, ADivergingRunEndsAfterTheLastCountableStep)
{
    // x² + 1 has no real root: the iterates wander until the step counter
    // overflows, and no infinity or NaN is ever shown.
    enterCoefficients("0", "1", "0", "1");
    enter(f.txtIni, "0.5");
    click(f.cmdResolver);
    ASSERT_EQ(user.shown.size(), 1u);
    EXPECT_EQ(user.shown[0].prompt, "Run-time error '6':\r\n\r\nOverflow");
    EXPECT_EQ(f.txtSol.Text(), "");
    EXPECT_EQ(f.txtNit.Text(), "");
    EXPECT_TRUE(std::isfinite(f.xsol.toDouble()));
}

}  // namespace
