#include "forms/controls/commandbutton.h"

#include <QPushButton>

namespace rt {

CommandButton::CommandButton(Form& form, const ControlSpec& spec, Container* container)
    : CaptionedControl(form, spec, container,
                       new QPushButton(spec.caption, container->childArea())),
      m_button(static_cast<QPushButton*>(widget()))
{
    // Enter on a focused button presses it, as Space does.
    m_button->setAutoDefault(true);
    connect(m_button, &QPushButton::clicked, this, [this] { fire(Click); });
}

void CommandButton::showCaption(const QString& caption)
{
    m_button->setText(caption);
}

}  // namespace rt
