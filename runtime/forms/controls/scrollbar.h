#pragma once

#include "forms/core/control.h"

class QScrollBar;

namespace rt {

// A horizontal or vertical scroll bar. Min is the left or top end and Max the
// right or bottom end; Min may be the larger of the two. Change runs for every
// new value: an arrow click (SmallChange), a click in the track (LargeChange),
// a dragged thumb when it is released, or an assignment to Value. On a
// focused bar Right and Down step towards Max, Left and Up towards Min, by
// SmallChange; Page Down and Page Up by LargeChange.
class ScrollBar : public Control {
    Q_OBJECT
public:
    ScrollBar(Form& form, const ControlSpec& spec, Container* container);

    Integer Value() const;
    // Raises Invalid property value outside Min..Max.
    void setValue(Integer value);
    Integer Min() const { return m_min; }
    Integer Max() const { return m_max; }
    void setMin(Integer min);
    void setMax(Integer max);
    Integer SmallChange() const { return m_small; }
    Integer LargeChange() const { return m_large; }

    Event<> Change{EventName::Change};
    Event<> Scroll{EventName::Scroll};  // while the thumb is dragged

    QScrollBar* scrollBar() const { return m_bar; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Moves the value `amount` towards Max (towards Min when negative),
    // stopping at the end of the range.
    void stepTowardsMax(int amount);
    // The toolkit's bar always runs from 0 at the left or top end; a position
    // is the distance of the value from Min.
    int toPosition(int value) const;
    int fromPosition(int position) const;
    void applyRange();

    QScrollBar* m_bar;
    int m_min, m_max, m_small, m_large;
    bool m_settingValue = false;
};

}  // namespace rt
