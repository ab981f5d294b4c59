#pragma once

#include <QString>

#include <limits>

class QIcon;

namespace rt {

// The program's icon: the bitmaps built into the executable under
// :/program-icon/, the programs' as bare pixels at the sizes their windows
// wear ("16.argb" ... "64.argb", made by rt_add_program), the gallery's as
// PNG at every size. Empty when the executable has none.
const QIcon& programIcon();

// The icon whose bitmaps lie in the folder `folder`, one file per size named
// by its size in pixels, up to `largest`: "48.argb" holds 48 × 48
// premultiplied ARGB words (read without any image decoder), any other file
// ("48.png") is read by the toolkit.
QIcon iconFromResources(const QString& folder, int largest = std::numeric_limits<int>::max());

}  // namespace rt
