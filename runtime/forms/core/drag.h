#pragma once

#include "forms/core/layout.h"

#include <QImage>
#include <QSize>

namespace rt {

class Control;

// Automatic drag mode: pressing the left button on `source` picks it up. The
// pointer shows the control's drag picture while the button is held (the
// control itself stays where it is); releasing the button over another
// control drops the source there, and a picture box runs its DragDrop with
// the point in its user coordinates. Releasing over the source itself drops
// on what lies beneath it; Escape puts the source down without a drop.
void enableAutomaticDrag(Control& source);

// The picture the pointer shows while a control is dragged, and its hot spot
// (the point that marks the drop position). Sheets: 32 x 32, three stacked
// white sheets outlined in black and an arrow whose tip is the hot spot.
// Outline: a frame of the control's `size`, its hot spot at `grabbedAt`.
struct DragPicture {
    QImage image;
    QPoint hotSpot;
};
DragPicture dragPicture(DragIcon icon, QSize size = {}, QPoint grabbedAt = {});

}  // namespace rt
