#pragma once

class QIcon;

namespace rt {

// The icon every window of the programs wears: a tank half full of water
// with its inlet pipe, drawn at the sizes desktops ask for.
const QIcon& programIcon();

}  // namespace rt
