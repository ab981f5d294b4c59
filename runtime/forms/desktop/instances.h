#pragma once

#include <QPoint>
#include <QString>

namespace rt {

// Running copies of one program each hold a numbered slot (0, 1, ...): a lock
// file in the user's runtime folder, released when the copy ends, also when
// it crashes. A copy's windows open shifted by its slot so that they do not
// cover the first copy's exactly.
void claimInstanceSlot(const QString& program);
// The slot this copy holds; 0 when it claimed none (tests).
int instanceSlot();
// How far this copy's windows open from the centre of the screen.
QPoint instanceOffset();

}  // namespace rt
