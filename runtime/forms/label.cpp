#include "label.h"

#include "look.h"

#include <QLabel>
#include <QMouseEvent>

namespace rt {

namespace {
class ClickableLabel : public QLabel {
public:
    using QLabel::QLabel;
    std::function<void()> clicked;

protected:
    void mouseReleaseEvent(QMouseEvent* event) override
    {
        QLabel::mouseReleaseEvent(event);
        if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()) &&
            clicked)
            clicked();
    }
};

Qt::Alignment alignmentOf(Align align)
{
    switch (align) {
        case Align::Right: return Qt::AlignRight | Qt::AlignTop;
        case Align::Center: return Qt::AlignHCenter | Qt::AlignTop;
        default: return Qt::AlignLeft | Qt::AlignTop;
    }
}
}  // namespace

Label::Label(Form& form, const ControlSpec& spec, Container* container)
    : Control(form, spec, container)
{
    auto* label = new ClickableLabel(spec.caption, container->childArea());
    label->clicked = [this] { fire(Click); };
    m_label = label;
    m_label->setTextFormat(Qt::PlainText);
    m_label->setWordWrap(true);
    m_label->setAlignment(alignmentOf(spec.props.align));
    if (spec.props.border == Border::Single) {
        m_label->setFrameShape(QFrame::Box);
        m_label->setLineWidth(1);
    }
    setUp();
    // Labels are transparent unless their background is opaque; a background
    // colour alone does not paint it, an opaque label without one paints the
    // window's colour.
    m_label->setAutoFillBackground(spec.props.opaque);
}

QWidget* Label::widget() const
{
    return m_label;
}
QString Label::Caption() const
{
    return m_label->text();
}

void Label::setCaption(const QString& caption)
{
    if (caption == m_label->text()) return;
    m_label->setText(caption);
    updateAccessibleName();
    fire(Change);
}

void Label::setBackColor(int32_t colour)
{
    rt::setBackColor(m_label, colour);
}
void Label::setForeColor(int32_t colour)
{
    rt::setForeColor(m_label, colour);
}

}  // namespace rt
