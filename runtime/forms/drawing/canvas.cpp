#include "forms/drawing/canvas.h"

#include "forms/drawing/raster.h"

#include <QPainter>

#include <cmath>

namespace rt {

const QImage& Canvas::image() const
{
    return drawing();
}

QImage& Canvas::drawing() const
{
    if (m_image.isNull()) m_image = refitted(QImage(), m_logical, m_scale, m_blank);
    return m_image;
}

void Canvas::paint(QPainter& painter) const
{
    if (!m_image.isNull()) {
        painter.drawImage(QPointF(0, 0), m_image);
        return;
    }
    const QSize device = deviceSize(m_logical, m_scale);
    painter.fillRect(QRectF(0, 0, device.width() / m_scale, device.height() / m_scale),
                     QColor(m_blank));
}

void Canvas::fit(QSize logical, double scale, QRgb background)
{
    logical = logical.expandedTo(QSize(1, 1));
    const QSize before = deviceSize(m_logical, m_scale);
    const bool same = deviceSize(logical, scale) == before && scale == m_scale;
    if (m_image.isNull()) {
        // A blank drawing stays blank when it keeps its size or when all it
        // gains is of one colour with it; a first size is all background.
        if (before.isEmpty()) m_blank = background;
        if (same || m_blank == background) {
            m_logical = logical;
            m_scale = scale;
            return;
        }
    }
    if (same) return;
    m_image = refitted(drawing(), logical, scale, background);
    m_logical = logical;
    m_scale = scale;
}

void Canvas::clear(QRgb colour)
{
    // A drawing that has an image keeps it: programs that clear and draw
    // again at every tick would otherwise make a new one each time.
    if (m_image.isNull()) {
        m_blank = colour;
    } else {
        m_image.fill(QColor(colour));
    }
}

void Canvas::segment(QPointF from, QPointF to, QRgb colour, int width)
{
    QImage& image = drawing();
    if (width == 1 && image.devicePixelRatio() == 1) {
        rasterSegment(image, from, to, colour);
        return;
    }
    // Thick lines, and every line on a denser screen: a pen `width` logical
    // pixels wide, square-ended when thin so that both end pixels are
    // covered, round when thick. Far ends are clipped first: the painter
    // would take ages over, or refuse, huge coordinates.
    const double margin = width + 2;
    const QRectF area = QRectF(QPointF(0, 0), image.deviceIndependentSize())
                            .adjusted(-margin, -margin, margin, margin);
    if (!clipSegment(from, to, area)) return;
    QPainter painter(&image);
    const Qt::PenCapStyle cap = width == 1 ? Qt::SquareCap : Qt::RoundCap;
    painter.setPen(QPen(QColor(colour), width, Qt::SolidLine, cap, Qt::RoundJoin));
    painter.drawLine(strokeCentre(image, from), strokeCentre(image, to));
}

void Canvas::box(QPointF a, QPointF b, QRgb colour, int width, bool filled)
{
    if (filled) rasterFill(drawing(), a, b, colour);
    // A filled box is outlined only by a pen wider than one pixel.
    if (filled && width == 1) return;
    const QPointF ab(a.x(), b.y()), ba(b.x(), a.y());
    segment(a, ba, colour, width);
    segment(ba, b, colour, width);
    segment(b, ab, colour, width);
    segment(ab, a, colour, width);
}

// Whether a circle of radius `r` around `centre` can touch the image: the
// toolkit's painter is not asked to draw far beyond it, nor a circle that
// encloses the whole image.
bool Canvas::mayShow(QPointF centre, double r, int width) const
{
    if (!std::isfinite(r)) return false;
    const double margin = width + 1;
    const QSize device = deviceSize(m_logical, m_scale);
    const QSizeF size(device.width() / m_scale, device.height() / m_scale);
    const double halfWidth = size.width() / 2.0, halfHeight = size.height() / 2.0;
    const double dx = std::abs(centre.x() - halfWidth), dy = std::abs(centre.y() - halfHeight);
    if (!(dx < halfWidth + r + margin && dy < halfHeight + r + margin)) return false;
    return r < std::hypot(dx + halfWidth, dy + halfHeight) + margin;  // the farthest corner
}

bool Canvas::circle(QPointF centre, double radius, QRgb colour, int width)
{
    if (!mayShow(centre, radius, width)) return false;
    QImage& image = drawing();
    QPainter painter(&image);
    painter.setPen(QPen(QColor(colour), width));
    painter.drawEllipse(strokeCentre(image, centre), radius, radius);
    return true;
}

void Canvas::dot(QPointF at, QRgb colour, int width)
{
    rasterDot(drawing(), at, width, colour);
}

}  // namespace rt
