// The checks every window of every program passes; each program's own tests
// keep what only they check.
#include "every_window.h"

#include "testing/form_test.h"

using namespace rt::testing;

namespace {

class EveryWindow : public FormTest, public ::testing::WithParamInterface<WindowUnderTest> {};

TEST_P(EveryWindow, MatchesItsLayoutFitsItsCaptionsAndReadsAloud)
{
    // As built: Form_Load may move or fill controls.
    EXPECT_EQ(layoutMismatches(*GetParam().build()), QStringList());

    rt::Form& f = GetParam().load();
    f.Show();
    settle();
    EXPECT_EQ(controlsOutside(f), QStringList());
    EXPECT_EQ(captionsThatDoNotFit(f), QStringList());
    EXPECT_EQ(accessibilityProblems(f), QStringList());
}

INSTANTIATE_TEST_SUITE_P(, EveryWindow, ::testing::ValuesIn(everyWindow().windows()),
                         [](const ::testing::TestParamInfo<WindowUnderTest>& info) {
                             return (info.param.program + u'_' + info.param.window).toStdString();
                         });

}  // namespace
