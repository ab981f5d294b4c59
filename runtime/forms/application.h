#pragma once

#include "forms/core/forms.h"

#include <QString>

#include <functional>

class QWidget;

namespace rt {

namespace detail {
// How a program starts and runs: sets the program up, then `showStartup`
// loads and shows the start-up window and returns it, and events are
// delivered until the program ends. Each executable links one start: the
// desktop's (rt_start) for the program itself, the random user's
// (rt_random_input) for its random-input test.
int startProgram(int argc, char** argv, const QString& title,
                 const std::function<QWidget*()>& showStartup);
}  // namespace detail

// Starts a program with `StartupForm` as its start-up window.
template <typename StartupForm>
int run(int argc, char** argv, const QString& title)
{
    return detail::startProgram(argc, argv, title, [] {
        StartupForm& startup = form<StartupForm>();
        startup.Show();
        return startup.window();
    });
}

}  // namespace rt
