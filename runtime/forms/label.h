#pragma once

#include "control.h"

class QLabel;

namespace rt {

// A label: a caption that the user cannot change. Change runs when the
// caption is set to a new text.
class Label : public Control {
    Q_OBJECT
public:
    Label(Form& form, const ControlSpec& spec, Container* container);
    QWidget* widget() const override;
    QString caption() const override { return Caption(); }

    QString Caption() const;
    void setCaption(const QString& caption);
    // Background and text colours, 0x00BBGGRR.
    Long BackColor() const;
    void setBackColor(int32_t colour);
    Long ForeColor() const;
    void setForeColor(int32_t colour);

    std::function<void()> Change;
    std::function<void()> Click;

private:
    QLabel* m_label;
};

}  // namespace rt
