#pragma once

#include "forms/core/control.h"
#include "forms/core/form.h"

#include <QColor>
#include <QImage>
#include <QStringList>

namespace rt {
class ListBox;
class Menu;
class ScrollBar;
class PictureBox;
}  // namespace rt

namespace rt::testing {

// The pixels a control shows on screen, children included (a grab of the
// widget, at one pixel per logical pixel).
QImage grabPixels(const Control& control);
// The inner area of a picture box as shown, child controls included.
QImage grabInner(const PictureBox& box);

// The share of the pixels of a rectangle of `image` that have exactly `colour`.
double shareOf(const QImage& image, const QRect& area, QColor colour);
// The smallest rectangle that holds every pixel of `area` (the whole image
// when empty) that has exactly `colour`; empty when there is none.
QRect extentOf(const QImage& image, QColor colour, const QRect& area = {});

// User actions, through the toolkit's own event handling.
void click(const Control& control);
void typeText(const Control& control, const QString& text);
void pressKey(const Control& control, int qtKey, const QString& text = {});
// Types a text into a text box and presses Enter, as a user entering a value.
void typeAndEnter(const Control& control, const QString& text);
enum class BarPart { LineUp, LineDown, PageUp, PageDown };
// An arrow click (line) or a track click (page) on a scroll bar: Up is towards
// the left or top end.
void step(ScrollBar& bar, BarPart part);
// Drags the thumb to the position of `value` and releases it.
void dragThumbTo(ScrollBar& bar, int value);
// A click on item `row` of a list box, with Ctrl or Shift held if given.
void clickItem(const ListBox& list, int row, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
// The texts of a list box's items, and the rows of its selected items.
QStringList items(const ListBox& list);
QList<int> selectedRows(const ListBox& list);
// Chooses a menu item, as a click on it does (nothing when it is disabled).
void choose(const Menu& item);
// A mouse drag: presses the left button on the middle of `source` and
// releases it at `at`, in pixels of `onto` (of its inner area, for picture
// boxes); with `onto` = nullptr, in pixels of the window's client area.
void dragTo(const Control& source, const Control* onto, QPoint at);
// Asks the window to close, as its close box does.
void closeWindow(Form& form);

// The caption a control shows, or "" for a kind that shows none.
QString captionOf(const Control& control);

// Every control whose caption does not fit inside it at its font.
QStringList captionsThatDoNotFit(const Form& form);

}  // namespace rt::testing
