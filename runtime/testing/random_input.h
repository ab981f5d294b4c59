#pragma once

#include <QString>

#include <functional>

namespace rt::testing {

// Runs a program under a random user instead of a person: `showStartup`
// loads and shows the start-up window, then thousands of random clicks,
// double clicks, keys, typed texts, pastes, wheel steps, mouse moves, drags
// and window closes reach its windows through the toolkit. Message boxes and
// dialogs are answered at random by a scripted stand-in, and End starts the
// program afresh instead of ending it. The seed, the number of events and a
// time limit come from RT_RANDOM_SEED, RT_RANDOM_EVENTS and RT_RANDOM_SECONDS.
// Returns 0 unless an error that is not a runtime error reached a handler's
// boundary; a crash or a sanitizer report ends the process itself.
int runRandomInput(int argc, char** argv, const QString& title,
                   const std::function<void()>& showStartup);

}  // namespace rt::testing
