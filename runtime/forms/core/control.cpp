#include "forms/core/control.h"

#include "forms/core/drag.h"
#include "forms/core/form.h"
#include "forms/core/look.h"

#include <QAccessible>
#include <QEvent>
#include <QPointer>
#include <QWidget>

#include <cmath>

namespace rt {

namespace {
// The control a widget shows, held weakly: a window's controls go before its
// widgets, and a widget losing the focus while it is destroyed is described
// once more.
const char* const controlProperty = "rtControl";
}  // namespace

Control::Control(Form& form, const ControlSpec& spec, Container* container, QWidget* widget)
    : m_form(form),
      m_formName(form.spec().name),
      m_spec(spec),
      m_container(container),
      m_widget(widget)
{
}

Control::~Control() = default;

Control* Control::of(const QWidget* widget)
{
    return qobject_cast<Control*>(
        widget->property(controlProperty).value<QPointer<QObject>>().data());
}

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
    if (p.backColor) showBackColor(*p.backColor);
    if (p.foreColor) showForeColor(*p.foreColor);
    const double left = m_spec.left, top = m_spec.top;
    const Mapping& map = m_container->mapping();
    m_pixels = QRectF(map.toPixelX(left), map.toPixelY(top), map.toPixelWidth(m_spec.width),
                      map.toPixelHeight(m_spec.height));
    placeFromPixels(m_pixels);
    w->setEnabled(p.enabled);
    w->setVisible(p.visible);
    w->installEventFilter(this);
    w->setProperty(controlProperty, QVariant::fromValue(QPointer<QObject>(this)));
    // The toolkit may have described the widget while it was being built;
    // describe it again, now as the control.
    if (QAccessibleInterface* early = QAccessible::queryAccessibleInterface(w))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(early));
    if (p.dragMode == DragMode::Automatic) enableAutomaticDrag(*this);
    updateAccessibleName();
    finishSetUp();
}

void Control::updateAccessibleName()
{
    QWidget* w = widget();
    if (!w) return;
    const auto* captioned = dynamic_cast<const CaptionedControl*>(this);
    QString name = captioned ? captioned->Caption() : QString();
    if (name.isEmpty() && m_labelledBy) name = m_labelledBy->Caption();
    if (!name.isEmpty()) {
        w->setAccessibleName(spokenCaption(name));
        return;
    }
    const QString& given = m_spec.props.accessibleName;
    w->setAccessibleName(given.isEmpty() ? w->objectName() : given);
}

void Control::setLabelledBy(const CaptionedControl* label)
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
    return Single(m_container->mapping().fromPixelX(m_pixels.left()));
}
Single Control::Top() const
{
    return Single(m_container->mapping().fromPixelY(m_pixels.top()));
}
Single Control::Width() const
{
    return Single(m_container->mapping().fromPixelWidth(m_pixels.width()));
}
Single Control::Height() const
{
    return Single(m_container->mapping().fromPixelHeight(m_pixels.height()));
}

void Control::setLeft(double left)
{
    const Assignment assignment(subject(), PropertyName::Left, left);
    QRectF r = m_pixels;
    r.moveLeft(m_container->mapping().toPixelX(left));
    placeFromPixels(r);
}

void Control::setTop(double top)
{
    const Assignment assignment(subject(), PropertyName::Top, top);
    QRectF r = m_pixels;
    r.moveTop(m_container->mapping().toPixelY(top));
    placeFromPixels(r);
}

void Control::setWidth(double width)
{
    const Assignment assignment(subject(), PropertyName::Width, width);
    if (width < 0) raise(ErrorCode::InvalidPropertyValue);
    QRectF r = m_pixels;
    r.setWidth(m_container->mapping().toPixelWidth(width));
    placeFromPixels(r);
}

void Control::setHeight(double height)
{
    const Assignment assignment(subject(), PropertyName::Height, height);
    if (height < 0) raise(ErrorCode::InvalidPropertyValue);
    QRectF r = m_pixels;
    r.setHeight(m_container->mapping().toPixelHeight(height));
    placeFromPixels(r);
}

void Control::Move(double left, double top, double width, double height)
{
    if (width < 0 || height < 0) raise(ErrorCode::InvalidPropertyValue);
    const Mapping& map = m_container->mapping();
    placeFromPixels(QRectF(map.toPixelX(left), map.toPixelY(top), map.toPixelWidth(width),
                           map.toPixelHeight(height)));
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
    const Assignment assignment(subject(), PropertyName::Visible, visible);
    showVisible(visible);
}

void Control::showVisible(bool visible)
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
    const Assignment assignment(subject(), PropertyName::Enabled, enabled);
    showEnabled(enabled);
}

void Control::showEnabled(bool enabled)
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
    const Assignment assignment(subject(), PropertyName::BackColor, colour);
    showBackColor(colour);
}
void Control::showBackColor(Colour colour)
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
    const Assignment assignment(subject(), PropertyName::ForeColor, colour);
    showForeColor(colour);
}
void Control::showForeColor(Colour colour)
{
    if (QWidget* w = widget()) rt::setForeColor(w, colour);
}

CaptionedControl::CaptionedControl(Form& form, const ControlSpec& spec, Container* container,
                                   QWidget* widget)
    : Control(form, spec, container, widget), m_caption(spec.caption)
{
}

void CaptionedControl::setCaption(const QString& caption)
{
    const Assignment assignment(subject(), PropertyName::Caption, caption);
    if (caption == m_caption) return;
    m_caption = caption;
    showCaption(caption);
    updateAccessibleName();
    captionChanged();
}

QString spokenCaption(const QString& caption)
{
    // A plain walk: a pattern would cost every program its compilation.
    QString spoken;
    spoken.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        // The ampersand goes and the character after it stays, whatever it is
        // but a line break.
        if (caption[i] == u'&' && i + 1 < caption.size() && caption[i + 1] != u'\n') ++i;
        spoken += caption[i];
    }
    return spoken;
}

void Control::SetFocus()
{
    QWidget* w = widget();
    if (!w || !w->isVisible() || !w->isEnabled()) raise(ErrorCode::InvalidProcedureCall);
    w->setFocus(Qt::OtherFocusReason);
}

}  // namespace rt
