#include "frame.h"

#include <QGroupBox>

namespace rt {

Frame::Frame(Form& form, const ControlSpec& spec, Container* container)
    : Control(form, spec, container), m_box(new QGroupBox(spec.caption, container->childArea()))
{
    setUp();
    // A frame lies behind the controls around it, so that controls placed over
    // it on the window (not inside it) stay visible and clickable.
    m_box->lower();
}

QWidget* Frame::widget() const
{
    return m_box;
}
QWidget* Frame::childArea() const
{
    return m_box;
}
QString Frame::Caption() const
{
    return m_box->title();
}

void Frame::setCaption(const QString& caption)
{
    m_box->setTitle(caption);
    updateAccessibleName();
}

}  // namespace rt
