#pragma once

#include <Qt>

namespace rt {
class PictureBox;
}

namespace rt::testing {

// A user's mouse over a picture box, at points in the box's user coordinates.
// The events go to the box's window as the platform reports a real mouse, so
// the toolkit itself tracks the buttons held and turns two quick presses at
// one place into a double click. Separate calls are far apart in time: two
// mouseClick calls are two single clicks.
void mousePress(const PictureBox& box, double x, double y, Qt::MouseButton button = Qt::LeftButton,
                Qt::KeyboardModifiers modifiers = Qt::NoModifier);
void mouseRelease(const PictureBox& box, double x, double y,
                  Qt::MouseButton button = Qt::LeftButton,
                  Qt::KeyboardModifiers modifiers = Qt::NoModifier);
// Moves the pointer to (x, y), with whatever buttons are held.
void mouseMove(const PictureBox& box, double x, double y,
               Qt::KeyboardModifiers modifiers = Qt::NoModifier);
// A press and a release at (x, y).
void mouseClick(const PictureBox& box, double x, double y, Qt::MouseButton button = Qt::LeftButton);
// Press, release, press, release at (x, y) within the double-click time.
void mouseDoubleClick(const PictureBox& box, double x, double y,
                      Qt::MouseButton button = Qt::LeftButton);

}  // namespace rt::testing
