#include "forms/controls/optionbutton.h"

#include <QButtonGroup>
#include <QRadioButton>

namespace rt {

namespace {
// The exclusive group of the option buttons that sit directly in `area`. The
// toolkit's own auto-exclusivity looks at nested containers too, so each
// container gets an explicit group.
QButtonGroup* optionGroupOf(QWidget* area)
{
    auto* group =
        area->findChild<QButtonGroup*>(QStringLiteral("optionGroup"), Qt::FindDirectChildrenOnly);
    if (!group) {
        group = new QButtonGroup(area);
        group->setObjectName(QStringLiteral("optionGroup"));
    }
    return group;
}
}  // namespace

OptionButton::OptionButton(Form& form, const ControlSpec& spec, Container* container)
    : CaptionedControl(form, spec, container,
                       new QRadioButton(spec.caption, container->childArea())),
      m_button(static_cast<QRadioButton*>(widget()))
{
    m_button->setAutoExclusive(false);
    optionGroupOf(container->childArea())->addButton(m_button);
    m_button->setChecked(spec.props.value != 0);
    connect(m_button, &QRadioButton::toggled, this, [this](bool on) {
        if (on && !m_settingValue) fire(Click);
    });
}

void OptionButton::showCaption(const QString& caption)
{
    m_button->setText(caption);
}

bool OptionButton::Value() const
{
    return m_button->isChecked();
}

void OptionButton::setValue(bool selected)
{
    const Assignment assignment(subject(), PropertyName::Value, selected);
    if (selected == m_button->isChecked()) return;
    m_settingValue = true;
    if (selected) {
        m_button->setChecked(true);
    } else {
        // An exclusive group always keeps one selection in the toolkit;
        // clearing the selected button needs the exclusivity lifted a moment.
        QButtonGroup* group = m_button->group();
        group->setExclusive(false);
        m_button->setChecked(false);
        group->setExclusive(true);
    }
    m_settingValue = false;
    if (selected) fire(Click);
}

}  // namespace rt
