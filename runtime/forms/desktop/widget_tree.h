#pragma once

#include <QString>

class QWidget;

namespace rt {

// When the environment variable RT_WIDGET_TREE names a file, writes there the
// toolkit widgets `window` is made of, once it is shown, and ends the program:
// what bench_startup needs to build the same window straight on the toolkit
// and weigh the runtime against it. Does nothing otherwise.
//
// One line per widget, fields separated by tabs: depth (0 for the window),
// the toolkit class it is, x, y, width, height, font family, point size,
// bold (0/1), background colour (#rrggbb, or "-" when it paints none), text
// (caption, title or contents; list items and menu entries joined by U+001F).
// A menu bar's line is followed by one "menu" line per menu, whose text is
// the menu's title and its entries.
void writeWidgetTreeAndQuitIfAsked(QWidget* window);

// The widget tree of `window` in that form.
QString describeWidgetTree(const QWidget& window);

}  // namespace rt
