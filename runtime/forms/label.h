#pragma once

#include "control.h"

class QLabel;

namespace rt {

// A label: a caption that the user cannot change. Change runs when the
// caption is set to a new text.
class Label : public CaptionedControl {
    Q_OBJECT
public:
    Label(Form& form, const ControlSpec& spec, Container* container);
    QWidget* widget() const override;
    QString caption() const override;

    std::function<void()> Change;
    std::function<void()> Click;

private:
    void finishSetUp() override;
    void showCaption(const QString& caption) override;
    void captionChanged() override;

    QLabel* m_label;
};

}  // namespace rt
