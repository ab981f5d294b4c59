#include "buttons.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>

namespace rt {

CommandButton::CommandButton(Form& form, const ControlSpec& spec, Container* container)
    : CaptionedControl(form, spec, container),
      m_button(new QPushButton(spec.caption, container->childArea()))
{
    // Enter on a focused button presses it, as Space does.
    m_button->setAutoDefault(true);
    connect(m_button, &QPushButton::clicked, this, [this] { fire(Click); });
}

QWidget* CommandButton::widget() const
{
    return m_button;
}
QString CommandButton::caption() const
{
    return m_button->text();
}
void CommandButton::showCaption(const QString& caption)
{
    m_button->setText(caption);
}

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
    : CaptionedControl(form, spec, container),
      m_button(new QRadioButton(spec.caption, container->childArea()))
{
    m_button->setAutoExclusive(false);
    optionGroupOf(container->childArea())->addButton(m_button);
    m_button->setChecked(spec.props.value != 0);
    connect(m_button, &QRadioButton::toggled, this, [this](bool on) {
        if (on && !m_settingValue) fire(Click);
    });
}

QWidget* OptionButton::widget() const
{
    return m_button;
}
QString OptionButton::caption() const
{
    return m_button->text();
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

CheckBox::CheckBox(Form& form, const ControlSpec& spec, Container* container)
    : CaptionedControl(form, spec, container),
      m_box(new QCheckBox(spec.caption, container->childArea()))
{
    m_box->setChecked(spec.props.value != 0);
    connect(m_box, &QCheckBox::toggled, this, [this] {
        if (!m_settingValue) fire(Click);
    });
}

QWidget* CheckBox::widget() const
{
    return m_box;
}
QString CheckBox::caption() const
{
    return m_box->text();
}
void CheckBox::showCaption(const QString& caption)
{
    m_box->setText(caption);
}

int CheckBox::Value() const
{
    return m_box->isChecked() ? 1 : 0;
}

void CheckBox::setValue(int value)
{
    if (value < 0 || value > 1) raise(ErrorCode::InvalidPropertyValue);
    if (value == Value()) return;
    m_settingValue = true;
    m_box->setChecked(value == 1);
    m_settingValue = false;
    fire(Click);
}

}  // namespace rt
