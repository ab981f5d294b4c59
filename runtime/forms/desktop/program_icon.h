#pragma once

#include <QString>

#include <limits>

class QIcon;

namespace rt {

// The program's icon: the bitmaps built into the executable as
// :/program-icon/<size>.png (rt_add_program renders the program's own icon
// at the sizes desktops ask for); its windows wear the sizes up to 64. Empty
// when the executable has none.
const QIcon& programIcon();

// The icon whose bitmaps lie in the resource folder `folder`, one file per
// size named by its size in pixels ("48.png"), up to `largest`.
QIcon iconFromResources(const QString& folder, int largest = std::numeric_limits<int>::max());

}  // namespace rt
