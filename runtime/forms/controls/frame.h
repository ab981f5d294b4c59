#pragma once

#include "forms/core/control.h"

class QGroupBox;

namespace rt {

// A frame: a captioned box that holds other controls, measured in twips from
// its top left corner. Option buttons inside it form a group of their own.
class Frame : public CaptionedControl, public Container {
    Q_OBJECT
public:
    Frame(Form& form, const ControlSpec& spec, Container* container);
    QWidget* childArea() const override;

private:
    void showCaption(const QString& caption) override;

    QGroupBox* m_box;
};

}  // namespace rt
