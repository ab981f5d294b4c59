#include "picturebox.h"

#include "look.h"
#include "program.h"
#include "raster.h"
#include "trace.h"

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
            runHandler(m_box.Paint);
            m_box.m_painting = false;
        }
        QPainter painter(this);
        // The image has the canvas's device pixel ratio: one image pixel per
        // device pixel, no resampling.
        painter.drawImage(QPointF(0, 0), m_box.m_image);
    }
    void resizeEvent(QResizeEvent*) override { m_box.canvasResized(); }
    void mousePressEvent(QMouseEvent* event) override { mouse(m_box.MouseDown, event); }
    void mouseMoveEvent(QMouseEvent* event) override { mouse(m_box.MouseMove, event); }
    void mouseReleaseEvent(QMouseEvent* event) override
    {
        mouse(m_box.MouseUp, event);
        // The release that ends a double click is no click of its own.
        const bool endsDoubleClick = std::exchange(m_inDoubleClick, false);
        if (!endsDoubleClick && rect().contains(event->position().toPoint()) && m_box.Click)
            runHandler(m_box.Click);
    }
    // The toolkit delivers the second press of a double click as this event
    // alone, so it raises DblClick and no second MouseDown.
    void mouseDoubleClickEvent(QMouseEvent* event) override
    {
        m_inDoubleClick = true;
        if (m_box.DblClick) runHandler(m_box.DblClick);
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
    void mouse(const std::function<void(int, int, Single, Single)>& handler, QMouseEvent* event)
    {
        if (!handler) return;
        // Press and release report the button that changed, a move the ones held.
        const int button = event->type() == QEvent::MouseMove ? buttonsOf(event->buttons())
                                                              : buttonsOf(event->button());
        const int shift = shiftOf(event->modifiers());
        const QPointF p = exactPosition(event);
        const Single x = Single(m_box.fromPixelX(p.x()));
        const Single y = Single(m_box.fromPixelY(p.y()));
        runHandler([&] {
            const detail::TraceScope trace(&handler);
            handler(button, shift, x, y);
        });
    }

    PictureBox& m_box;
    bool m_inDoubleClick = false;
};

PictureBox::PictureBox(Form& form, const ControlSpec& spec, Container* container)
    : Control(form, spec, container),
      m_frame(new QFrame(container->childArea())),
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
    m_canvas = new PictureCanvas(*this, m_frame);
    m_canvas->setObjectName(spec.name + QStringLiteral("_canvas"));
}

void PictureBox::finishSetUp()
{
    canvasResized();
}

PictureBox::~PictureBox() = default;

QWidget* PictureBox::widget() const
{
    return m_frame;
}
QWidget* PictureBox::childArea() const
{
    return m_canvas;
}

bool PictureBox::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_frame && event->type() == QEvent::Resize) canvasResized();
    return Control::eventFilter(watched, event);
}

void PictureBox::canvasResized()
{
    const QRect inner = m_frame->contentsRect();
    if (m_canvas->geometry() != inner) m_canvas->setGeometry(inner);
    if (!m_userScale) {
        m_left = m_top = 0;
        m_width = pixelsToTwips(inner.width());
        m_height = pixelsToTwips(inner.height());
    }
    fitImage();
}

// Keeps the image one pixel per device pixel of the canvas. A new size keeps
// what was drawn at its place; a new screen scale (the window moved to
// another screen, or the screen's scale changed) resamples it to the nearest
// pixel, so nothing drawn is lost.
void PictureBox::fitImage()
{
    const double scale = m_canvas->devicePixelRatioF();
    const QSize logical = m_canvas->size().expandedTo(QSize(1, 1));
    if (m_image.size() == deviceSize(logical, scale) && m_image.devicePixelRatio() == scale) return;
    m_image = refitted(m_image, logical, scale, toQColor(m_backColor).rgb());
}

void PictureBox::Scale(double x1, double y1, double x2, double y2)
{
    if (x1 == x2 || y1 == y2) raise(ErrorCode::InvalidProcedureCall);
    m_userScale = true;
    m_left = x1;
    m_top = y1;
    m_width = x2 - x1;
    m_height = y2 - y1;
}

void PictureBox::ScaleDefault()
{
    m_userScale = false;
    canvasResized();
}

double PictureBox::toPixelX(double x) const
{
    return (x - m_left) * m_canvas->width() / m_width;
}
double PictureBox::toPixelY(double y) const
{
    return (y - m_top) * m_canvas->height() / m_height;
}
double PictureBox::fromPixelX(double px) const
{
    return m_left + px * m_width / m_canvas->width();
}
double PictureBox::fromPixelY(double py) const
{
    return m_top + py * m_height / m_canvas->height();
}
double PictureBox::toPixelWidth(double w) const
{
    return std::abs(w * m_canvas->width() / m_width);
}
double PictureBox::toPixelHeight(double h) const
{
    return std::abs(h * m_canvas->height() / m_height);
}
double PictureBox::fromPixelWidth(double pw) const
{
    return std::abs(pw * m_width / m_canvas->width());
}
double PictureBox::fromPixelHeight(double ph) const
{
    return std::abs(ph * m_height / m_canvas->height());
}

QPointF PictureBox::toPixel(double x, double y) const
{
    return {toPixelX(x), toPixelY(y)};
}

void PictureBox::changed()
{
    if (!m_painting) m_canvas->update();
}

void PictureBox::Cls()
{
    m_image.fill(toQColor(m_backColor));
    m_currentX = m_currentY = 0;
    changed();
}

void PictureBox::setBackColor(Colour colour)
{
    m_backColor = colour;
    Control::setBackColor(colour);
    Cls();
}

void PictureBox::setDrawWidth(int width)
{
    if (width < 1 || width > 32767) raise(ErrorCode::InvalidPropertyValue);
    m_drawWidth = width;
}

void PictureBox::drawSegment(QPointF from, QPointF to, int32_t colour)
{
    const QColor c = toQColor(colour);
    if (m_drawWidth == 1 && m_image.devicePixelRatio() == 1) {
        rasterSegment(m_image, from, to, c.rgb());
        return;
    }
    // Thick lines, and every line on a denser screen: a pen DrawWidth logical
    // pixels wide, square-ended when thin so that both end pixels are covered,
    // round when thick. Far ends are clipped first: the painter would take
    // ages over, or refuse, huge coordinates.
    const double margin = m_drawWidth + 2;
    const QRectF area = QRectF(QPointF(0, 0), m_image.deviceIndependentSize())
                            .adjusted(-margin, -margin, margin, margin);
    if (!clipSegment(from, to, area)) return;
    QPainter painter(&m_image);
    const Qt::PenCapStyle cap = m_drawWidth == 1 ? Qt::SquareCap : Qt::RoundCap;
    painter.setPen(QPen(c, m_drawWidth, Qt::SolidLine, cap, Qt::RoundJoin));
    painter.drawLine(strokeCentre(m_image, from), strokeCentre(m_image, to));
}

void PictureBox::Line(double x1, double y1, double x2, double y2, std::optional<int32_t> colour,
                      Box box)
{
    const int32_t c = colour.value_or(m_foreColor);
    const QPointF a = toPixel(x1, y1), b = toPixel(x2, y2);
    if (box == Box::None) {
        drawSegment(a, b, c);
    } else {
        if (box == Box::Filled) rasterFill(m_image, a, b, toQColor(c).rgb());
        const QPointF ab(a.x(), b.y()), ba(b.x(), a.y());
        if (box == Box::Outline || m_drawWidth > 1) {
            drawSegment(a, ba, c);
            drawSegment(ba, b, c);
            drawSegment(b, ab, c);
            drawSegment(ab, a, c);
        }
    }
    m_currentX = x2;
    m_currentY = y2;
    changed();
}

void PictureBox::LineTo(double x2, double y2, std::optional<int32_t> colour, Box box)
{
    Line(m_currentX, m_currentY, x2, y2, colour, box);
}

void PictureBox::dropped(Control& source, QPointF at)
{
    if (!DragDrop) return;
    const Single x = Single(fromPixelX(at.x())), y = Single(fromPixelY(at.y()));
    runHandler([&] { DragDrop(source, x, y); });
}

// Whether a circle of pixel radius `r` around `centre` can touch the image:
// the toolkit's painter is not asked to draw far beyond it, nor a circle that
// encloses the whole image.
bool PictureBox::mayShow(QPointF centre, double r) const
{
    if (!std::isfinite(r)) return false;
    const double margin = m_drawWidth + 1;
    const QSizeF size = m_image.deviceIndependentSize();
    const double halfWidth = size.width() / 2.0, halfHeight = size.height() / 2.0;
    const double dx = std::abs(centre.x() - halfWidth), dy = std::abs(centre.y() - halfHeight);
    if (!(dx < halfWidth + r + margin && dy < halfHeight + r + margin)) return false;
    return r < std::hypot(dx + halfWidth, dy + halfHeight) + margin;  // the farthest corner
}

void PictureBox::Circle(double x, double y, double radius, std::optional<int32_t> colour)
{
    const QPointF centre = toPixel(x, y);
    const double r = toPixelWidth(radius);
    m_currentX = x;
    m_currentY = y;
    if (!mayShow(centre, r)) return;
    QPainter painter(&m_image);
    painter.setPen(QPen(toQColor(colour.value_or(m_foreColor)), m_drawWidth));
    painter.drawEllipse(strokeCentre(m_image, centre), r, r);
    changed();
}

void PictureBox::PSet(double x, double y, std::optional<int32_t> colour)
{
    rasterDot(m_image, toPixel(x, y), m_drawWidth, toQColor(colour.value_or(m_foreColor)).rgb());
    m_currentX = x;
    m_currentY = y;
    changed();
}

}  // namespace rt
