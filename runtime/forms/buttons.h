#pragma once

#include "control.h"

class QAbstractButton;
class QPushButton;
class QRadioButton;
class QCheckBox;

namespace rt {

// A push button; Click runs when it is pressed with the mouse or the keyboard.
class CommandButton : public Control {
    Q_OBJECT
public:
    CommandButton(Form& form, const ControlSpec& spec, Container* container);
    QWidget* widget() const override;
    QString caption() const override { return Caption(); }

    QString Caption() const;
    void setCaption(const QString& caption);

    std::function<void()> Click;

private:
    QPushButton* m_button;
};

// An option button. The option buttons of one container form a group in
// which exactly one is selected. Click runs whenever it becomes selected, by
// the user or by setting Value.
class OptionButton : public Control {
    Q_OBJECT
public:
    OptionButton(Form& form, const ControlSpec& spec, Container* container);
    QWidget* widget() const override;
    QString caption() const override { return Caption(); }

    QString Caption() const;
    void setCaption(const QString& caption);
    bool Value() const;
    void setValue(bool selected);

    std::function<void()> Click;

private:
    QRadioButton* m_button;
    bool m_settingValue = false;
};

// A check box: Value 0 (clear) or 1 (ticked); Click runs on every change of
// the value, by the user or by setting Value.
class CheckBox : public Control {
    Q_OBJECT
public:
    CheckBox(Form& form, const ControlSpec& spec, Container* container);
    QWidget* widget() const override;
    QString caption() const override { return Caption(); }

    QString Caption() const;
    void setCaption(const QString& caption);
    int Value() const;
    void setValue(int value);

    std::function<void()> Click;

private:
    QCheckBox* m_box;
    bool m_settingValue = false;
};

}  // namespace rt
