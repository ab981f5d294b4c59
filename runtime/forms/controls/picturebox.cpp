#include "forms/controls/picturebox.h"

#include "forms/core/look.h"

#include <QFrame>
#include <QMouseEvent>
#include <QPainter>

#include <cmath>
#include <utility>

namespace rt {

// The inner area of a picture box: shows the kept drawing and takes the mouse.
class PictureCanvas : public QWidget {
public:
    PictureCanvas(PictureBox& box, QWidget* parent) : QWidget(parent), m_box(box)
    {
        setAttribute(Qt::WA_OpaquePaintEvent);
        // MouseMove reports movements with no button held too.
        setMouseTracking(true);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        m_box.fitImage();
        if (m_box.Paint) {
            m_box.m_painting = true;
            m_box.fire(m_box.Paint);
            m_box.m_painting = false;
        }
        QPainter painter(this);
        // The image has the canvas's device pixel ratio: one image pixel per
        // device pixel, no resampling.
        m_box.m_canvas.paint(painter);
    }
    void resizeEvent(QResizeEvent*) override { m_box.canvasResized(); }
    void mousePressEvent(QMouseEvent* event) override { mouse(m_box.MouseDown, event); }
    void mouseMoveEvent(QMouseEvent* event) override { mouse(m_box.MouseMove, event); }
    void mouseReleaseEvent(QMouseEvent* event) override
    {
        mouse(m_box.MouseUp, event);
        // The release that ends a double click is no click of its own.
        const bool endsDoubleClick = std::exchange(m_inDoubleClick, false);
        if (!endsDoubleClick && rect().contains(event->position().toPoint()))
            m_box.fire(m_box.Click);
    }
    // The toolkit delivers the second press of a double click as this event
    // alone, so it raises DblClick and no second MouseDown.
    void mouseDoubleClickEvent(QMouseEvent* event) override
    {
        m_inDoubleClick = true;
        m_box.fire(m_box.DblClick);
        event->accept();
    }

private:
    static int buttonsOf(Qt::MouseButtons buttons)
    {
        return (buttons & Qt::LeftButton ? 1 : 0) | (buttons & Qt::RightButton ? 2 : 0) |
               (buttons & Qt::MiddleButton ? 4 : 0);
    }
    static int shiftOf(Qt::KeyboardModifiers modifiers)
    {
        return (modifiers & Qt::ShiftModifier ? 1 : 0) | (modifiers & Qt::ControlModifier ? 2 : 0) |
               (modifiers & Qt::AltModifier ? 4 : 0);
    }
    // The pointer's position with the fractions of a pixel that precise
    // pointers and scaled screens report: the toolkit hands widgets a
    // position rounded to whole pixels, but keeps the exact one relative to
    // the window.
    QPointF exactPosition(const QMouseEvent* event) const
    {
        const QPointF rounded = event->position();
        const QPointF exact = event->scenePosition() - QPointF(mapTo(window(), QPoint(0, 0)));
        const QPointF off = exact - rounded;
        return std::abs(off.x()) < 1 && std::abs(off.y()) < 1 ? exact : rounded;
    }
    void mouse(const PictureBox::MouseEvent& handler, QMouseEvent* event)
    {
        if (!handler) return;
        // Press and release report the button that changed, a move the ones held.
        const int button = event->type() == QEvent::MouseMove ? buttonsOf(event->buttons())
                                                              : buttonsOf(event->button());
        const int shift = shiftOf(event->modifiers());
        const QPointF p = exactPosition(event);
        const Single x = Single(m_box.mapping().fromPixelX(p.x()));
        const Single y = Single(m_box.mapping().fromPixelY(p.y()));
        m_box.fire(handler, button, shift, x, y);
    }

    PictureBox& m_box;
    bool m_inDoubleClick = false;
};

PictureBox::PictureBox(Form& form, const ControlSpec& spec, Container* container)
    : Control(form, spec, container, new QFrame(container->childArea())),
      m_frame(static_cast<QFrame*>(widget())),
      m_autoRedraw(spec.props.autoRedraw)
{
    const Props& p = spec.props;
    if (p.border == Border::None) {
        m_frame->setFrameShape(QFrame::NoFrame);
    } else if (p.appearance == Appearance::Flat) {
        m_frame->setFrameStyle(QFrame::Box | QFrame::Plain);
        m_frame->setLineWidth(1);
    } else {
        m_frame->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        m_frame->setLineWidth(2);
    }
    m_backColor = p.backColor.value_or(fromQColor(m_frame->palette().color(QPalette::Window)));
    m_foreColor = p.foreColor.value_or(0);
    m_surface = new PictureCanvas(*this, m_frame);
    m_surface->setObjectName(spec.name + QStringLiteral("_canvas"));
}

void PictureBox::finishSetUp()
{
    canvasResized();
}

PictureBox::~PictureBox() = default;

QWidget* PictureBox::childArea() const
{
    return m_surface;
}

bool PictureBox::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_frame && event->type() == QEvent::Resize) canvasResized();
    return Control::eventFilter(watched, event);
}

void PictureBox::canvasResized()
{
    const QRect inner = m_frame->contentsRect();
    if (m_surface->geometry() != inner) m_surface->setGeometry(inner);
    const Mapping& map = mapping();
    if (m_userScale) {
        mapOnto(map.left, map.top, map.unitsX, map.unitsY);
    } else {
        mapOnto(0, 0, pixelsToTwips(inner.width()), pixelsToTwips(inner.height()));
    }
    fitImage();
}

void PictureBox::mapOnto(double left, double top, double width, double height)
{
    setMapping({left, top, width, height, double(m_surface->width()), double(m_surface->height())});
}

// Keeps the image one pixel per device pixel of the canvas.
void PictureBox::fitImage()
{
    m_canvas.fit(m_surface->size(), m_surface->devicePixelRatioF(), toQColor(m_backColor).rgb());
}

void PictureBox::Scale(double x1, double y1, double x2, double y2)
{
    if (x1 == x2 || y1 == y2) raise(ErrorCode::InvalidProcedureCall);
    m_userScale = true;
    mapOnto(x1, y1, x2 - x1, y2 - y1);
}

void PictureBox::ScaleDefault()
{
    m_userScale = false;
    canvasResized();
}

QPointF PictureBox::toPixel(double x, double y) const
{
    return {mapping().toPixelX(x), mapping().toPixelY(y)};
}

QRgb PictureBox::rgbOf(std::optional<Colour> colour) const
{
    return toQColor(colour.value_or(m_foreColor)).rgb();
}

void PictureBox::changed()
{
    if (!m_painting) m_surface->update();
}

void PictureBox::Cls()
{
    m_canvas.clear(toQColor(m_backColor).rgb());
    m_currentX = m_currentY = 0;
    changed();
}

void PictureBox::showBackColor(Colour colour)
{
    m_backColor = colour;
    Control::showBackColor(colour);
    Cls();
}

void PictureBox::showForeColor(Colour colour)
{
    m_foreColor = colour;
}

void PictureBox::setDrawWidth(int width)
{
    const Assignment assignment(subject(), PropertyName::DrawWidth, width);
    if (width < 1 || width > 32767) raise(ErrorCode::InvalidPropertyValue);
    m_drawWidth = width;
}

void PictureBox::setCurrentX(double x)
{
    const Assignment assignment(subject(), PropertyName::CurrentX, x);
    m_currentX = x;
}

void PictureBox::setCurrentY(double y)
{
    const Assignment assignment(subject(), PropertyName::CurrentY, y);
    m_currentY = y;
}

void PictureBox::setAutoRedraw(bool on)
{
    const Assignment assignment(subject(), PropertyName::AutoRedraw, on);
    m_autoRedraw = on;
}

void PictureBox::Line(double x1, double y1, double x2, double y2, std::optional<Colour> colour,
                      Box box)
{
    const QRgb c = rgbOf(colour);
    const QPointF a = toPixel(x1, y1), b = toPixel(x2, y2);
    if (box == Box::None) {
        m_canvas.segment(a, b, c, m_drawWidth);
    } else {
        m_canvas.box(a, b, c, m_drawWidth, box == Box::Filled);
    }
    m_currentX = x2;
    m_currentY = y2;
    changed();
}

void PictureBox::LineTo(double x2, double y2, std::optional<Colour> colour, Box box)
{
    Line(m_currentX, m_currentY, x2, y2, colour, box);
}

void PictureBox::dropped(Control& source, QPointF at)
{
    if (!DragDrop) return;
    const Single x = Single(mapping().fromPixelX(at.x())), y = Single(mapping().fromPixelY(at.y()));
    fire(DragDrop, source, x, y);
}

void PictureBox::Circle(double x, double y, double radius, std::optional<Colour> colour)
{
    const QPointF centre = toPixel(x, y);
    const double r = mapping().toPixelWidth(radius);
    m_currentX = x;
    m_currentY = y;
    if (m_canvas.circle(centre, r, rgbOf(colour), m_drawWidth)) changed();
}

void PictureBox::PSet(double x, double y, std::optional<Colour> colour)
{
    m_canvas.dot(toPixel(x, y), rgbOf(colour), m_drawWidth);
    m_currentX = x;
    m_currentY = y;
    changed();
}

}  // namespace rt
