#pragma once

#include <QString>

class QWidget;

namespace rt {

class Control;

// Assistive technologies see each control as its kind: option buttons as
// radio buttons with their checked state, scroll bars with their Value, Min
// and Max as the program sees them, labels with their caption as text,
// picture boxes as canvases. Installed once, before the first control.
void installAccessibleControls();

// A caption as it is read aloud: without the ampersands that mark the access
// letter ("&&" stands for one ampersand).
QString spokenCaption(const QString& caption);

// Marks `widget` as the widget of `control`, so that it is described as the
// control's kind.
void markAccessibleWidget(QWidget* widget, Control* control);

}  // namespace rt
