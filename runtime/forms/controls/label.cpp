#include "forms/controls/label.h"

#include "forms/core/form.h"

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
    : CaptionedControl(form, spec, container,
                       new ClickableLabel(spec.caption, container->childArea())),
      m_label(static_cast<QLabel*>(widget()))
{
    static_cast<ClickableLabel*>(m_label)->clicked = [this] { fire(Click); };
    m_label->setTextFormat(Qt::PlainText);
    m_label->setWordWrap(true);
    m_label->setAlignment(alignmentOf(spec.props.align));
    if (spec.props.border == Border::Single) {
        m_label->setFrameShape(QFrame::Box);
        m_label->setLineWidth(1);
    }
}

// Labels are transparent unless their background is opaque; a background
// colour alone does not paint it, an opaque label without one paints the
// window's colour.
void Label::finishSetUp()
{
    m_label->setAutoFillBackground(spec().props.opaque);
}

void Label::showCaption(const QString& caption)
{
    m_label->setText(caption);
}

void Label::captionChanged()
{
    // The controls this label names are announced by its new caption.
    for (Control* c : form().controls())
        if (c->labelledBy() == this) c->updateAccessibleName();
    fire(Change);
}

}  // namespace rt
