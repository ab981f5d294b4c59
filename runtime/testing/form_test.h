#pragma once

#include "accessibility.h"
#include "qt_printing.h"
#include "scripted_interaction.h"
#include "widgets.h"

#include "forms/forms.h"
#include "forms/program.h"
#include "forms/timer.h"

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

    ScriptedInteraction user;
};

// Every control whose name, kind, caption or rectangle (twips, within one
// pixel) differs from its layout line.
QStringList layoutMismatches(const Form& form);

}  // namespace rt::testing
