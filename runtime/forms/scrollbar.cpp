#include "scrollbar.h"

#include "accessibility.h"

#include <QScrollBar>

#include <cstdlib>

namespace rt {

ScrollBar::ScrollBar(Form& form, const ControlSpec& spec, Container* container)
    : Control(form, spec, container),
      m_bar(new QScrollBar(spec.kind == Kind::VScrollBar ? Qt::Vertical : Qt::Horizontal,
                           container->childArea())),
      m_min(spec.props.min),
      m_max(spec.props.max),
      m_small(spec.props.smallChange),
      m_large(spec.props.largeChange)
{
    exposeProgramValue(m_bar, *this);  // before anything asks for its accessible interface
    // Change runs when a dragged thumb is released, not while it moves.
    m_bar->setTracking(false);
    m_bar->setFocusPolicy(Qt::StrongFocus);
    applyRange();
    m_bar->setValue(toPosition(spec.props.value));
    connect(m_bar, &QScrollBar::valueChanged, this, [this] {
        if (!m_settingValue) fire(Change);
    });
    connect(m_bar, &QScrollBar::sliderMoved, this, [this] { fire(Scroll); });
    setUp();
}

QWidget* ScrollBar::widget() const
{
    return m_bar;
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
    const int value = qBound(qMin<int>(min, m_max), int(Value()), qMax<int>(min, m_max));
    m_min = min;
    applyRange();
    m_bar->setValue(toPosition(value));
}

void ScrollBar::setMax(Integer max)
{
    const int value = qBound(qMin<int>(m_min, max), int(Value()), qMax<int>(m_min, max));
    m_max = max;
    applyRange();
    m_bar->setValue(toPosition(value));
}

}  // namespace rt
