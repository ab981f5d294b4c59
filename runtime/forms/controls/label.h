#pragma once

#include "forms/core/control.h"

class QLabel;

namespace rt {

// A label: a caption that the user cannot change. Change runs when the
// caption is set to a new text.
class Label : public CaptionedControl {
    Q_OBJECT
public:
    Label(Form& form, const ControlSpec& spec, Container* container);

    Event<> Change{EventName::Change};
    Event<> Click{EventName::Click};

private:
    void finishSetUp() override;
    void showCaption(const QString& caption) override;
    void captionChanged() override;

    QLabel* m_label;
};

}  // namespace rt
