#pragma once

#include "forms/core/control.h"

class QCheckBox;

namespace rt {

// A check box: Value 0 (clear) or 1 (ticked); Click runs on every change of
// the value, by the user or by setting Value.
class CheckBox : public CaptionedControl {
    Q_OBJECT
public:
    CheckBox(Form& form, const ControlSpec& spec, Container* container);
    int Value() const;
    void setValue(int value);

    Event<> Click{EventName::Click};

private:
    void showCaption(const QString& caption) override;

    QCheckBox* m_box;
    bool m_settingValue = false;
};

}  // namespace rt
