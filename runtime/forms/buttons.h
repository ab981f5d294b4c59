#pragma once

#include "control.h"

class QAbstractButton;
class QPushButton;
class QRadioButton;
class QCheckBox;

namespace rt {

// A push button; Click runs when it is pressed with the mouse or the keyboard.
class CommandButton : public CaptionedControl {
    Q_OBJECT
public:
    CommandButton(Form& form, const ControlSpec& spec, Container* container);
    QWidget* widget() const override;
    QString caption() const override;

    std::function<void()> Click;

private:
    void showCaption(const QString& caption) override;

    QPushButton* m_button;
};

// An option button. The option buttons of one container form a group in
// which exactly one is selected. Click runs whenever it becomes selected, by
// the user or by setting Value.
class OptionButton : public CaptionedControl {
    Q_OBJECT
public:
    OptionButton(Form& form, const ControlSpec& spec, Container* container);
    QWidget* widget() const override;
    QString caption() const override;
    bool Value() const;
    void setValue(bool selected);

    std::function<void()> Click;

private:
    void showCaption(const QString& caption) override;

    QRadioButton* m_button;
    bool m_settingValue = false;
};

// A check box: Value 0 (clear) or 1 (ticked); Click runs on every change of
// the value, by the user or by setting Value.
class CheckBox : public CaptionedControl {
    Q_OBJECT
public:
    CheckBox(Form& form, const ControlSpec& spec, Container* container);
    QWidget* widget() const override;
    QString caption() const override;
    int Value() const;
    void setValue(int value);

    std::function<void()> Click;

private:
    void showCaption(const QString& caption) override;

    QCheckBox* m_box;
    bool m_settingValue = false;
};

}  // namespace rt
