#include "frame.h"

#include <QGroupBox>

namespace rt {

Frame::Frame(Form& form, const ControlSpec& spec, Container* container)
    : CaptionedControl(form, spec, container),
      m_box(new QGroupBox(spec.caption, container->childArea()))
{
}

QWidget* Frame::widget() const
{
    return m_box;
}
QWidget* Frame::childArea() const
{
    return m_box;
}
QString Frame::caption() const
{
    return m_box->title();
}
void Frame::showCaption(const QString& caption)
{
    m_box->setTitle(caption);
}

}  // namespace rt
