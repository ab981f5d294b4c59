#include "forms/controls/scrollbar.h"

#include <QKeyEvent>
#include <QScrollBar>

#include <cstdlib>

namespace rt {

ScrollBar::ScrollBar(Form& form, const ControlSpec& spec, Container* container)
    : Control(form, spec, container,
              new QScrollBar(spec.kind == Kind::VScrollBar ? Qt::Vertical : Qt::Horizontal,
                             container->childArea())),
      m_bar(static_cast<QScrollBar*>(widget())),
      m_min(spec.props.min),
      m_max(spec.props.max),
      m_small(spec.props.smallChange),
      m_large(spec.props.largeChange)
{
    // Change runs when a dragged thumb is released, not while it moves.
    m_bar->setTracking(false);
    m_bar->setFocusPolicy(Qt::StrongFocus);
    applyRange();
    m_bar->setValue(toPosition(spec.props.value));
    connect(m_bar, &QScrollBar::valueChanged, this, [this] {
        if (!m_settingValue) fire(Change);
    });
    connect(m_bar, &QScrollBar::sliderMoved, this, [this] { fire(Scroll); });
}

int ScrollBar::toPosition(int value) const
{
    return std::abs(value - m_min);
}
int ScrollBar::fromPosition(int position) const
{
    return m_min <= m_max ? m_min + position : m_min - position;
}

void ScrollBar::applyRange()
{
    m_settingValue = true;
    m_bar->setRange(0, std::abs(m_max - m_min));
    m_bar->setSingleStep(m_small);
    m_bar->setPageStep(m_large);
    m_settingValue = false;
}

Integer ScrollBar::Value() const
{
    return Integer::fromWide(fromPosition(m_bar->value()));
}

void ScrollBar::setValue(Integer value)
{
    const Assignment assignment(subject(), PropertyName::Value, value);
    if (value < qMin(m_min, m_max) || value > qMax(m_min, m_max))
        raise(ErrorCode::InvalidPropertyValue);
    if (value == Value()) return;
    m_settingValue = true;
    m_bar->setValue(toPosition(value));
    m_settingValue = false;
    fire(Change);
}

void ScrollBar::setMin(Integer min)
{
    const Assignment assignment(subject(), PropertyName::Min, min);
    const int value = qBound(qMin<int>(min, m_max), int(Value()), qMax<int>(min, m_max));
    m_min = min;
    applyRange();
    m_bar->setValue(toPosition(value));
}

void ScrollBar::setMax(Integer max)
{
    const Assignment assignment(subject(), PropertyName::Max, max);
    const int value = qBound(qMin<int>(m_min, max), int(Value()), qMax<int>(m_min, max));
    m_max = max;
    applyRange();
    m_bar->setValue(toPosition(value));
}

}  // namespace rt

namespace rt {

bool ScrollBar::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_bar && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->modifiers() == Qt::NoModifier || key->modifiers() == Qt::KeypadModifier) {
            switch (key->key()) {
                case Qt::Key_Right:
                case Qt::Key_Down: stepTowardsMax(m_small); return true;
                case Qt::Key_Left:
                case Qt::Key_Up: stepTowardsMax(-m_small); return true;
                case Qt::Key_PageDown: stepTowardsMax(m_large); return true;
                case Qt::Key_PageUp: stepTowardsMax(-m_large); return true;
                default: break;
            }
        }
    }
    return Control::eventFilter(watched, event);
}

void ScrollBar::stepTowardsMax(int amount)
{
    const int direction = m_min <= m_max ? 1 : -1;
    const int stepped =
        qBound(qMin(m_min, m_max), int(Value()) + direction * amount, qMax(m_min, m_max));
    const OnUsersBehalf user;
    setValue(stepped);
}

}  // namespace rt
