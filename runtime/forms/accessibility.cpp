#include "accessibility.h"

#include "form.h"
#include "label.h"
#include "program.h"
#include "scrollbar.h"
#include "textbox.h"

#include <QAccessibleWidget>
#include <QPointer>
#include <QScrollBar>

#include <cmath>

namespace rt {

const Label* neighbouringLabel(const Control& control)
{
    const QRectF box = control.rectTwips();
    constexpr double reach = 480;  // twips between the label and the control
    for (const Control* c : control.form().controls()) {
        const auto* label = dynamic_cast<const Label*>(c);
        if (!label || label->Caption().isEmpty() ||
            label->widget()->parent() != control.widget()->parent())
            continue;
        const QRectF r = label->rectTwips();
        const bool above = std::abs(r.bottom() - box.top()) <= reach && r.right() > box.left() &&
                           r.left() < box.right();
        const bool leftOf = box.left() - r.right() >= -twipsPerPixel &&
                            box.left() - r.right() <= reach && r.bottom() > box.top() &&
                            r.top() < box.bottom();
        if (above || leftOf) return label;
    }
    return nullptr;
}

void nameAfterNeighbouringLabels(const Form& form)
{
    for (const Control* c : form.controls()) {
        if (!dynamic_cast<const TextBox*>(c) && !dynamic_cast<const ScrollBar*>(c)) continue;
        if (const Label* label = neighbouringLabel(*c))
            c->widget()->setAccessibleName(label->Caption());
    }
}

namespace {
const char* const programBarProperty = "rtScrollBar";

class ScrollBarAccessible : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    ScrollBarAccessible(QScrollBar* widget, ScrollBar* bar)
        : QAccessibleWidget(widget, QAccessible::ScrollBar), m_bar(bar)
    {
    }
    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value && m_bar) return QString::number(int(m_bar->Value()));
        return QAccessibleWidget::text(t);
    }
    QVariant currentValue() const override { return m_bar ? int(m_bar->Value()) : 0; }
    void setCurrentValue(const QVariant& value) override
    {
        if (!m_bar) return;
        const int wanted =
            std::clamp(value.toInt(), minimumValue().toInt(), maximumValue().toInt());
        runHandler([&] { m_bar->setValue(Integer(wanted)); });
    }
    QVariant minimumValue() const override
    {
        return m_bar ? qMin(int(m_bar->Min()), int(m_bar->Max())) : 0;
    }
    QVariant maximumValue() const override
    {
        return m_bar ? qMax(int(m_bar->Min()), int(m_bar->Max())) : 0;
    }
    QVariant minimumStepSize() const override { return m_bar ? int(m_bar->SmallChange()) : 1; }

private:
    QPointer<ScrollBar> m_bar;
};

QAccessibleInterface* scrollBarFactory(const QString&, QObject* object)
{
    auto* widget = qobject_cast<QScrollBar*>(object);
    if (!widget) return nullptr;
    auto* bar = widget->property(programBarProperty).value<ScrollBar*>();
    return bar ? new ScrollBarAccessible(widget, bar) : nullptr;
}
}  // namespace

void exposeProgramValue(QScrollBar* widget, ScrollBar& bar)
{
    static const bool installed = [] {
        QAccessible::installFactory(scrollBarFactory);
        return true;
    }();
    (void)installed;
    widget->setProperty(programBarProperty, QVariant::fromValue(&bar));
}

}  // namespace rt
