#pragma once

#include "forms/core/control.h"

class QRadioButton;

namespace rt {

// An option button. The option buttons of one container form a group in
// which exactly one is selected. Click runs whenever it becomes selected, by
// the user or by setting Value.
class OptionButton : public CaptionedControl {
    Q_OBJECT
public:
    OptionButton(Form& form, const ControlSpec& spec, Container* container);
    bool Value() const;
    void setValue(bool selected);

    Event<> Click{EventName::Click};

private:
    void showCaption(const QString& caption) override;

    QRadioButton* m_button;
    bool m_settingValue = false;
};

}  // namespace rt
