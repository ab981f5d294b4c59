#pragma once

class QScrollBar;

namespace rt {

class Control;
class Form;
class Label;
class ScrollBar;

// The label that names a control without a caption for screen readers: the
// one just above it or just left of it in the same container, as a sighted
// user reads the window; nullptr when there is none.
const Label* neighbouringLabel(const Control& control);

// Names every text box and scroll bar of the form after its neighbouring label.
void nameAfterNeighbouringLabels(const Form& form);

// Lets assistive technologies read and set a scroll bar's Value as the program
// sees it, also when Min lies above Max (the toolkit's bar counts from Min).
void exposeProgramValue(QScrollBar* widget, ScrollBar& bar);

}  // namespace rt
