#pragma once

#include "testing/accessibility.h"
#include "testing/qt_printing.h"
#include "testing/scripted_interaction.h"
#include "testing/widgets.h"

#include "events/handlers.h"
#include "forms/controls/timer.h"
#include "forms/core/forms.h"

#include <gtest/gtest.h>

namespace rt::testing {

// Base of tests that drive windows: a scripted user answers the message
// boxes, timers tick only when the test says so, and every form is unloaded
// after the test.
class FormTest : public ::testing::Test {
protected:
    explicit FormTest(const QString& programTitle = QStringLiteral("test"))
    {
        setProgramTitle(programTitle);
        Timer::setManualClock(true);
    }
    ~FormTest() override { unloadAllForms(); }

    // Lets queued events (repaints, deferred deletions) run.
    static void settle();
    // Shows the window and waits until it is active, so that the focus has
    // reached its first control even on a busy machine.
    [[nodiscard]] static bool showActive(Form& form);

    ScriptedInteraction user;
};

// Every control whose name, kind, caption or rectangle (twips, within one
// pixel) differs from its layout line.
QStringList layoutMismatches(const Form& form);
// Every control shown on the window that does not lie wholly inside its
// container (and so inside the window).
QStringList controlsOutside(const Form& form);

}  // namespace rt::testing
