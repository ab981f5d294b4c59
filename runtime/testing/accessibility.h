#pragma once

#include "forms/core/form.h"

#include <QStringList>

namespace rt::testing {

// What a screen reader would get wrong about the window's controls: a role
// that does not match the control's kind, a missing or unhelpful name (the
// control's name in the code is never a name a listener understands), or a
// missing interface its kind needs (text for text boxes and labels, value for
// scroll bars, an action for buttons) or one that disagrees with the control.
// Empty when every control reads right.
QStringList accessibilityProblems(const rt::Form& form);

}  // namespace rt::testing
