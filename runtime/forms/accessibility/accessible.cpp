#include "forms/accessibility/accessible.h"

#include "forms/controls/label.h"
#include "forms/controls/optionbutton.h"
#include "forms/controls/picturebox.h"
#include "forms/controls/scrollbar.h"
#include "forms/core/form_window.h"

#include <QAccessibleWidget>
#include <QLabel>
#include <QPointer>
#include <QRadioButton>

namespace rt {

namespace {

// A scroll bar's Value, Min and Max exactly as the program sees them, whichever
// end Min lies at.
class AccessibleScrollBar : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    AccessibleScrollBar(QWidget* widget, ScrollBar& bar)
        : QAccessibleWidget(widget, QAccessible::ScrollBar), m_bar(&bar)
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
        const int lowest = minimumValue().toInt(), highest = maximumValue().toInt();
        const OnUsersBehalf user;
        m_bar->setValue(qBound(lowest, value.toInt(), highest));
    }
    QVariant maximumValue() const override
    {
        return m_bar ? qMax(int(m_bar->Min()), int(m_bar->Max())) : 0;
    }
    QVariant minimumValue() const override
    {
        return m_bar ? qMin(int(m_bar->Min()), int(m_bar->Max())) : 0;
    }
    QVariant minimumStepSize() const override { return m_bar ? int(m_bar->SmallChange()) : 1; }

private:
    QPointer<ScrollBar> m_bar;
};

// An option button: the radio-button role, checkable, checked when selected,
// and pressed to select it. Its rectangle is the control's whole rectangle.
class AccessibleOptionButton : public QAccessibleWidget {
public:
    explicit AccessibleOptionButton(QWidget* widget)
        : QAccessibleWidget(widget, QAccessible::RadioButton)
    {
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.checkable = true;
        s.checked = button()->isChecked();
        return s;
    }
    QStringList actionNames() const override
    {
        return QStringList{pressAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& action) override
    {
        if (action == pressAction()) {
            if (button()->isEnabled()) button()->click();
            return;
        }
        QAccessibleWidget::doAction(action);
    }

private:
    QAbstractButton* button() const { return static_cast<QAbstractButton*>(widget()); }
};

// A label: its caption as its name and as text, and the control it labels.
class AccessibleLabel : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit AccessibleLabel(QWidget* widget) : QAccessibleWidget(widget, QAccessible::StaticText)
    {
    }

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }
    QList<QPair<QAccessibleInterface*, QAccessible::Relation>> relations(
        QAccessible::Relation match) const override
    {
        auto found = QAccessibleWidget::relations(match);
        if (match & QAccessible::Labelled)
            if (QWidget* buddy = label()->buddy())
                found.append({QAccessible::queryAccessibleInterface(buddy), QAccessible::Labelled});
        return found;
    }

    void selection(int, int* startOffset, int* endOffset) const override
    {
        *startOffset = *endOffset = 0;
    }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QString text(int startOffset, int endOffset) const override
    {
        return label()->text().mid(startOffset, endOffset - startOffset);
    }
    using QAccessibleWidget::text;
    int characterCount() const override { return int(label()->text().size()); }
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int, int* startOffset, int* endOffset) const override
    {
        *startOffset = *endOffset = 0;
        return {};
    }

private:
    QLabel* label() const { return static_cast<QLabel*>(widget()); }
};

QAccessibleInterface* describeControl(const QString&, QObject* object)
{
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget) return nullptr;
    // A form's window is a plain widget, which the toolkit would read as a
    // client area inside some window: it is the window, a frame to a screen reader.
    if (dynamic_cast<FormWindow*>(widget))
        return new QAccessibleWidget(widget, QAccessible::Window);
    Control* control = Control::of(widget);
    if (!control) return nullptr;
    if (auto* bar = qobject_cast<ScrollBar*>(control)) return new AccessibleScrollBar(widget, *bar);
    if (qobject_cast<OptionButton*>(control)) return new AccessibleOptionButton(widget);
    if (qobject_cast<Label*>(control)) return new AccessibleLabel(widget);
    if (qobject_cast<PictureBox*>(control))
        return new QAccessibleWidget(widget, QAccessible::Canvas);
    return nullptr;
}

}  // namespace

void installAccessibleControls()
{
    static const bool installed = [] {
        QAccessible::installFactory(describeControl);
        return true;
    }();
    (void)installed;
}

}  // namespace rt
