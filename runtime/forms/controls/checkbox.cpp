#include "forms/controls/checkbox.h"

#include <QCheckBox>

namespace rt {

CheckBox::CheckBox(Form& form, const ControlSpec& spec, Container* container)
    : CaptionedControl(form, spec, container, new QCheckBox(spec.caption, container->childArea())),
      m_box(static_cast<QCheckBox*>(widget()))
{
    m_box->setChecked(spec.props.value != 0);
    connect(m_box, &QCheckBox::toggled, this, [this] {
        if (!m_settingValue) fire(Click);
    });
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
    const Assignment assignment(subject(), PropertyName::Value, value);
    if (value < 0 || value > 1) raise(ErrorCode::InvalidPropertyValue);
    if (value == Value()) return;
    m_settingValue = true;
    m_box->setChecked(value == 1);
    m_settingValue = false;
    fire(Click);
}

}  // namespace rt
