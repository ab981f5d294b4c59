#pragma once

#include "forms/core/control.h"

class QPushButton;

namespace rt {

// A push button; Click runs when it is pressed with the mouse or the keyboard.
class CommandButton : public CaptionedControl {
    Q_OBJECT
public:
    CommandButton(Form& form, const ControlSpec& spec, Container* container);

    Event<> Click{EventName::Click};

private:
    void showCaption(const QString& caption) override;

    QPushButton* m_button;
};

}  // namespace rt
