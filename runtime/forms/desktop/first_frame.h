#pragma once

#include <functional>

class QWidget;

namespace rt {

// Runs `work` once, right after the shown `window` has put its first frame on
// the screen: what a user need not wait for before the window appears.
void afterFirstFrame(QWidget* window, std::function<void()> work);

}  // namespace rt
