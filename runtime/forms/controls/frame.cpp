#include "forms/controls/frame.h"

#include <qdrawutil.h>
#include <QGroupBox>
#include <QPainter>
#include <QStyle>

namespace rt {

namespace {
// A group box drawn with its caption on the top border line, so that the
// border runs where the layout places the frame's top edge and the controls
// inside keep clear of it.
class FrameBox : public QGroupBox {
public:
    using QGroupBox::QGroupBox;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        const QFontMetrics metrics(font());
        const QString caption = title();
        // An etched line; the style's own group box frame would leave room for
        // the caption above the border instead.
        const QRect border = rect().adjusted(0, caption.isEmpty() ? 0 : metrics.height() / 2, 0, 0);
        qDrawShadeRect(&painter, border, palette(), true, 1);
        if (caption.isEmpty()) return;
        const int flags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextShowMnemonic;
        QRect place = metrics.boundingRect(QRect(0, 0, width(), metrics.height()), flags, caption);
        place.moveTo(6, 0);
        place.adjust(-2, 0, 2, 0);  // a little of the window's colour either side
        painter.fillRect(place, palette().window());
        style()->drawItemText(&painter, place, Qt::AlignCenter | Qt::TextShowMnemonic, palette(),
                              isEnabled(), caption, QPalette::WindowText);
    }
};
}  // namespace

Frame::Frame(Form& form, const ControlSpec& spec, Container* container)
    : CaptionedControl(form, spec, container, new FrameBox(spec.caption, container->childArea())),
      m_box(static_cast<QGroupBox*>(widget()))
{
    // A frame lies behind the controls around it, so that controls placed over
    // it on the window (not inside it) stay visible and clickable.
    m_box->lower();
}

QWidget* Frame::childArea() const
{
    return m_box;
}
void Frame::showCaption(const QString& caption)
{
    m_box->setTitle(caption);
}

}  // namespace rt
