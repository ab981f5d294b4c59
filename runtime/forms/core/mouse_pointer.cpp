#include "forms/core/control.h"

#include "values/errors.h"

#include <QCursor>
#include <QWidget>

#include <array>

namespace rt {

namespace {
// The standard pointers by number; 0 (the control kind's own) is no cursor.
constexpr std::array<Qt::CursorShape, 16> pointerShapes{
    Qt::ArrowCursor,         // 0: default, not used
    Qt::ArrowCursor,         // 1: arrow
    Qt::CrossCursor,         // 2: cross
    Qt::IBeamCursor,         // 3: I-beam
    Qt::PointingHandCursor,  // 4: icon
    Qt::SizeAllCursor,       // 5: size
    Qt::SizeBDiagCursor,     // 6: size NE-SW
    Qt::SizeVerCursor,       // 7: size N-S
    Qt::SizeFDiagCursor,     // 8: size NW-SE
    Qt::SizeHorCursor,       // 9: size W-E
    Qt::UpArrowCursor,       // 10: up arrow
    Qt::WaitCursor,          // 11: hourglass
    Qt::ForbiddenCursor,     // 12: no drop
    Qt::BusyCursor,          // 13: arrow and hourglass
    Qt::WhatsThisCursor,     // 14: arrow and question mark
    Qt::SizeAllCursor,       // 15: size all
};
}  // namespace

void Control::setMousePointer(int pointer)
{
    const Assignment assignment(subject(), PropertyName::MousePointer, pointer);
    if (pointer < 0 || pointer >= int(pointerShapes.size())) raise(ErrorCode::InvalidPropertyValue);
    m_mousePointer = pointer;
    QWidget* w = widget();
    if (!w) return;
    if (pointer == 0) {
        w->unsetCursor();
    } else {
        w->setCursor(pointerShapes[std::size_t(pointer)]);
    }
}

}  // namespace rt
