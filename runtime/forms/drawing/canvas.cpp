#include "forms/drawing/canvas.h"

#include "forms/drawing/raster.h"

#include <QPainter>

#include <cmath>

namespace rt {

void Canvas::fit(QSize logical, double scale, QRgb background)
{
    logical = logical.expandedTo(QSize(1, 1));
    if (m_image.size() == deviceSize(logical, scale) && m_image.devicePixelRatio() == scale) return;
    m_image = refitted(m_image, logical, scale, background);
}

void Canvas::clear(QRgb colour)
{
    m_image.fill(QColor(colour));
}

void Canvas::segment(QPointF from, QPointF to, QRgb colour, int width)
{
    if (width == 1 && m_image.devicePixelRatio() == 1) {
        rasterSegment(m_image, from, to, colour);
        return;
    }
    // Thick lines, and every line on a denser screen: a pen `width` logical
    // pixels wide, square-ended when thin so that both end pixels are
    // covered, round when thick. Far ends are clipped first: the painter
    // would take ages over, or refuse, huge coordinates.
    const double margin = width + 2;
    const QRectF area = QRectF(QPointF(0, 0), m_image.deviceIndependentSize())
                            .adjusted(-margin, -margin, margin, margin);
    if (!clipSegment(from, to, area)) return;
    QPainter painter(&m_image);
    const Qt::PenCapStyle cap = width == 1 ? Qt::SquareCap : Qt::RoundCap;
    painter.setPen(QPen(QColor(colour), width, Qt::SolidLine, cap, Qt::RoundJoin));
    painter.drawLine(strokeCentre(m_image, from), strokeCentre(m_image, to));
}

void Canvas::box(QPointF a, QPointF b, QRgb colour, int width, bool filled)
{
    if (filled) rasterFill(m_image, a, b, colour);
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
    const QSizeF size = m_image.deviceIndependentSize();
    const double halfWidth = size.width() / 2.0, halfHeight = size.height() / 2.0;
    const double dx = std::abs(centre.x() - halfWidth), dy = std::abs(centre.y() - halfHeight);
    if (!(dx < halfWidth + r + margin && dy < halfHeight + r + margin)) return false;
    return r < std::hypot(dx + halfWidth, dy + halfHeight) + margin;  // the farthest corner
}

bool Canvas::circle(QPointF centre, double radius, QRgb colour, int width)
{
    if (!mayShow(centre, radius, width)) return false;
    QPainter painter(&m_image);
    painter.setPen(QPen(QColor(colour), width));
    painter.drawEllipse(strokeCentre(m_image, centre), radius, radius);
    return true;
}

void Canvas::dot(QPointF at, QRgb colour, int width)
{
    rasterDot(m_image, at, width, colour);
}

}  // namespace rt
