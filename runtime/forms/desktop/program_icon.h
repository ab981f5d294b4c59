#pragma once

#include <QString>

class QIcon;

namespace rt {

// The icon a program's windows wear: the bitmaps built into the executable
// as :/program-icon/<size>.png (rt_add_program renders the program's own
// icon at the sizes desktops ask for). Empty when the executable has none.
const QIcon& programIcon();

// The icon whose bitmaps lie in the resource folder `folder`, one file per size.
QIcon iconFromResources(const QString& folder);

}  // namespace rt
