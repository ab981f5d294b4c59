#include "control.h"

#include "accessible.h"
#include "drag.h"
#include "form.h"
#include "look.h"
#include "program.h"

#include <QEvent>
#include <QWidget>

#include <cmath>

namespace rt {

Control::Control(Form& form, const ControlSpec& spec, Container* container)
    : m_form(form), m_spec(spec), m_container(container)
{
}

Control::~Control() = default;

void Control::setUp()
{
    QWidget* w = widget();
    if (!w) {
        finishSetUp();
        return;
    }
    w->setObjectName(m_spec.props.index >= 0
                         ? QStringLiteral("%1(%2)").arg(m_spec.name).arg(m_spec.props.index)
                         : m_spec.name);
    const Props& p = m_spec.props;
    if (p.font) w->setFont(toQFont(*p.font));
    if (p.backColor) setBackColor(*p.backColor);
    if (p.foreColor) setForeColor(*p.foreColor);
    const double left = m_spec.left, top = m_spec.top;
    m_pixels =
        QRectF(m_container->toPixelX(left), m_container->toPixelY(top),
               m_container->toPixelWidth(m_spec.width), m_container->toPixelHeight(m_spec.height));
    placeFromPixels(m_pixels);
    w->setEnabled(p.enabled);
    w->setVisible(p.visible);
    w->installEventFilter(this);
    markAccessibleWidget(w, this);
    if (p.dragMode == DragMode::Automatic) enableAutomaticDrag(*this);
    updateAccessibleName();
    finishSetUp();
}

void Control::fire(const std::function<void()>& handler)
{
    if (handler) runHandler(handler);
}

void Control::updateAccessibleName()
{
    QWidget* w = widget();
    if (!w) return;
    QString name = caption();
    if (name.isEmpty() && m_labelledBy) name = m_labelledBy->caption();
    if (name.isEmpty()) name = w->objectName();
    w->setAccessibleName(spokenCaption(name));
}

void Control::setLabelledBy(Control* label)
{
    m_labelledBy = label;
    updateAccessibleName();
}

bool Control::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == widget() && event->type() == QEvent::FocusIn) fire(GotFocus);
    return QObject::eventFilter(watched, event);
}

void Control::placeFromPixels(QRectF pixels)
{
    // Beyond this a widget cannot be placed (nor a NaN at all).
    constexpr double farthest = 1 << 24;
    for (double edge : {pixels.left(), pixels.top(), pixels.right(), pixels.bottom()})
        if (!(std::abs(edge) < farthest)) raise(ErrorCode::Overflow);
    m_pixels = pixels;
    if (QWidget* w = widget()) {
        const int x = qRound(pixels.left()), y = qRound(pixels.top());
        w->setGeometry(x, y, qMax(0, qRound(pixels.right()) - x),
                       qMax(0, qRound(pixels.bottom()) - y));
    }
}

Single Control::Left() const
{
    return Single(m_container->fromPixelX(m_pixels.left()));
}
Single Control::Top() const
{
    return Single(m_container->fromPixelY(m_pixels.top()));
}
Single Control::Width() const
{
    return Single(m_container->fromPixelWidth(m_pixels.width()));
}
Single Control::Height() const
{
    return Single(m_container->fromPixelHeight(m_pixels.height()));
}

void Control::setLeft(double left)
{
    QRectF r = m_pixels;
    r.moveLeft(m_container->toPixelX(left));
    placeFromPixels(r);
}

void Control::setTop(double top)
{
    QRectF r = m_pixels;
    r.moveTop(m_container->toPixelY(top));
    placeFromPixels(r);
}

void Control::setWidth(double width)
{
    if (width < 0) raise(ErrorCode::InvalidPropertyValue);
    QRectF r = m_pixels;
    r.setWidth(m_container->toPixelWidth(width));
    placeFromPixels(r);
}

void Control::setHeight(double height)
{
    if (height < 0) raise(ErrorCode::InvalidPropertyValue);
    QRectF r = m_pixels;
    r.setHeight(m_container->toPixelHeight(height));
    placeFromPixels(r);
}

void Control::Move(double left, double top, double width, double height)
{
    if (width < 0 || height < 0) raise(ErrorCode::InvalidPropertyValue);
    placeFromPixels(QRectF(m_container->toPixelX(left), m_container->toPixelY(top),
                           m_container->toPixelWidth(width), m_container->toPixelHeight(height)));
}

QRectF Control::rectTwips() const
{
    return QRectF(pixelsToTwips(m_pixels.left()), pixelsToTwips(m_pixels.top()),
                  pixelsToTwips(m_pixels.width()), pixelsToTwips(m_pixels.height()));
}

bool Control::Visible() const
{
    QWidget* w = widget();
    return w && !w->isHidden();
}

void Control::setVisible(bool visible)
{
    if (QWidget* w = widget()) w->setVisible(visible);
}

bool Control::Enabled() const
{
    QWidget* w = widget();
    return w && w->isEnabled();
}

void Control::setEnabled(bool enabled)
{
    if (QWidget* w = widget()) w->setEnabled(enabled);
}

namespace {
// Boxes that hold text or items paint their inside in the base colours.
bool paintsBase(Kind kind)
{
    return kind == Kind::TextBox || kind == Kind::ListBox;
}
}  // namespace

Colour Control::BackColor() const
{
    const QWidget* w = widget();
    if (!w) return 0;
    return fromQColor(w->palette().color(paintsBase(kind()) ? QPalette::Base : QPalette::Window));
}
void Control::setBackColor(Colour colour)
{
    if (QWidget* w = widget()) rt::setBackColor(w, colour);
}
Colour Control::ForeColor() const
{
    const QWidget* w = widget();
    if (!w) return 0;
    return fromQColor(
        w->palette().color(paintsBase(kind()) ? QPalette::Text : QPalette::WindowText));
}
void Control::setForeColor(Colour colour)
{
    if (QWidget* w = widget()) rt::setForeColor(w, colour);
}

void CaptionedControl::setCaption(const QString& caption)
{
    if (caption == this->caption()) return;
    showCaption(caption);
    updateAccessibleName();
    captionChanged();
}

void Control::SetFocus()
{
    QWidget* w = widget();
    if (!w || !w->isVisible() || !w->isEnabled()) raise(ErrorCode::InvalidProcedureCall);
    w->setFocus(Qt::OtherFocusReason);
}

}  // namespace rt
