// Newton's method: steps and roots from several starts, the tolerance, and the
// runtime errors that end a run without touching the result boxes.
#include "rootplot_fixture.h"

using namespace rt::testing;

namespace {

TEST_F(RootPlot, NewtonFromSeveralStarts)
{
    enter(f.txtIni, "0", false);
    click(f.cmdResolver);
    EXPECT_EQ(f.txtNit.Text() + " " + f.txtSol.Text(), "9 3") << "typed without Enter: from 10";

    // clang-format off
    const struct { const char *x0, *steps, *root; } starts[] = {
        {"10", "9", "3"}, {"0", "2", "3"}, {"1", "1", "1"}, {"-10", "10", "-1"}, {"0.5", "4", "1"}};
    // clang-format on
    for (const auto& s : starts) {
        enter(f.txtIni, s.x0);
        click(f.cmdResolver);
        EXPECT_EQ(f.txtNit.Text(), s.steps) << "from " << s.x0;
        EXPECT_EQ(f.txtSol.Text(), s.root) << "from " << s.x0;
    }
    EXPECT_EQ(user.prompts(), QStringList());
}

// The tolerance is the leading number of the multi-line box, which also
// takes the line break of each Enter.
TEST_F(RootPlot, TheToleranceTakesTheLeadingNumberOfItsBox)
{
    enter(f.txtEps, "0.01");
    pressEnter(f.txtEps);
    EXPECT_EQ(f.txtEps.Text(), "0.01\n\n");
    click(f.cmdResolver);
    EXPECT_EQ(f.txtNit.Text(), "7");
    EXPECT_TRUE(user.shown.empty());
}

const QString divisionByZero = QStringLiteral("Run-time error '11':\r\n\r\nDivision by zero");
const QString overflow = QStringLiteral("Run-time error '6':\r\n\r\nOverflow");

// Every failing run leaves the previous result in place and is reported by
// the runtime with the program's title; a run that never converges ends when
// the step counter overflows.
TEST_F(RootPlot, AFailingRunReportsTheRuntimeErrorAndKeepsTheResultBoxes)
{
    click(f.cmdResolver);
    ASSERT_EQ(f.txtNit.Text() + " " + f.txtSol.Text(), "9 3");

    // clang-format off
    const struct { const char* what; std::array<const char*, 4> abcd; const char *x0, *eps; QString report; } failures[] = {
        {"zero derivative",           {"1", "0", "0", "1"},   "0",   "1E-09", divisionByZero},
        {"zero derivative at a root", {"1", "0", "0", "0"},   "0",   "1E-09", overflow},
        {"zero iterate",              {"0", "0", "1", "0"},   "5",   "1E-09", divisionByZero},
        {"negative tolerance",        {"1", "-3", "-1", "3"}, "10",  "-1",    overflow},
        {"no real root",              {"0", "1", "0", "1"},   "0.5", "1E-09", overflow},
    };
    // clang-format on
    for (const auto& failure : failures) {
        enterCoefficients(failure.abcd);
        enter(f.txtIni, failure.x0);
        enter(f.txtEps, failure.eps);
        user.shown.clear();
        click(f.cmdResolver);
        ASSERT_EQ(user.shown.size(), 1u) << failure.what;
        EXPECT_EQ(user.shown[0].prompt, failure.report) << failure.what;
        EXPECT_EQ(user.shown[0].title, "rootplot");
        EXPECT_EQ(f.txtNit.Text() + " " + f.txtSol.Text(), "9 3") << failure.what;
    }
}

}  // namespace
