#include "forms/drawing/raster.h"

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <utility>

namespace rt {

namespace {
// Liang-Barsky clipping of the segment to the rectangle [lo, hi] in both axes.
// An end that needs no clipping keeps its exact value, so that the pixel it
// falls in does not change by a rounding; a clipped end lies exactly on the
// side it was clipped to, which keeps lines along an axis with huge ends on
// their row or column.
bool clip(QPointF& a, QPointF& b, double xlo, double ylo, double xhi, double yhi)
{
    double t0 = 0, t1 = 1;
    int enters = -1, leaves = -1;  // the sides that clip each end
    const double dx = b.x() - a.x(), dy = b.y() - a.y();
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {a.x() - xlo, xhi - a.x(), a.y() - ylo, yhi - a.y()};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0) return false;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0) {
            if (t > t1) return false;
            if (t > t0) {
                t0 = t;
                enters = i;
            }
        } else {
            if (t < t0) return false;
            if (t < t1) {
                t1 = t;
                leaves = i;
            }
        }
    }
    const double sides[4] = {xlo, xhi, ylo, yhi};
    const QPointF start = a;
    const auto onSide = [&](double t, int side) {
        QPointF point(start.x() + t * dx, start.y() + t * dy);
        if (side < 2)
            point.setX(sides[side]);
        else
            point.setY(sides[side]);
        return point;
    };
    if (enters >= 0) a = onSide(t0, enters);
    if (leaves >= 0) b = onSide(t1, leaves);
    return true;
}

bool finite(QPointF p)
{
    return std::isfinite(p.x()) && std::isfinite(p.y());
}

void plot(QImage& image, int x, int y, QRgb colour)
{
    if (x >= 0 && y >= 0 && x < image.width() && y < image.height())
        reinterpret_cast<QRgb*>(image.scanLine(y))[x] = colour;
}
}  // namespace

void rasterSegment(QImage& image, QPointF from, QPointF to, QRgb colour)
{
    if (!finite(from) || !finite(to)) return;
    // Clip to a margin around the image so that the integer walk stays small.
    if (!clip(from, to, -2, -2, image.width() + 2, image.height() + 2)) return;
    int x0 = int(std::floor(from.x())), y0 = int(std::floor(from.y()));
    const int x1 = int(std::floor(to.x())), y1 = int(std::floor(to.y()));
    const int dx = std::abs(x1 - x0), dy = -std::abs(y1 - y0);
    const int sx = x0 < x1 ? 1 : -1, sy = y0 < y1 ? 1 : -1;
    int err = dx + dy;
    for (;;) {
        plot(image, x0, y0, colour);
        if (x0 == x1 && y0 == y1) break;
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x0 += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y0 += sy;
        }
    }
}

void rasterFill(QImage& image, QPointF corner1, QPointF corner2, QRgb colour)
{
    for (double v : {corner1.x(), corner1.y(), corner2.x(), corner2.y()})
        if (std::isnan(v)) return;
    const double scale = image.devicePixelRatio();
    // The logical pixels from the one containing `a` to the one containing
    // `b`, as the device pixels [first, end) they cover within `size`.
    const auto span = [scale](double a, double b, int size) {
        const auto bound = [&](double v) { return std::floor(std::clamp(v, -1.0, size / scale)); };
        const auto device = [&](double v) {
            return std::clamp(int(std::lround(v * scale)), 0, size);
        };
        return std::pair(device(bound(std::min(a, b))), device(bound(std::max(a, b)) + 1));
    };
    const auto [left, right] = span(corner1.x(), corner2.x(), image.width());
    const auto [top, bottom] = span(corner1.y(), corner2.y(), image.height());
    for (int y = top; y < bottom; ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        std::fill(line + left, line + right, colour);
    }
}

void rasterDot(QImage& image, QPointF at, int width, QRgb colour)
{
    if (!finite(at)) return;
    const double scale = image.devicePixelRatio();
    const double reach = width * scale / 2.0;
    const QPointF centre = strokeCentre(image, at, width % 2 ? 0.5 : 1.0) * scale;
    // Only the device pixels of the image that the dot's square can reach.
    const auto first = [&](double c, int size) {
        return int(std::clamp(std::floor(c - reach), 0.0, double(size)));
    };
    const auto last = [&](double c, int size) {
        return int(std::clamp(std::ceil(c + reach), 0.0, double(size)));
    };
    for (int y = first(centre.y(), image.height()); y < last(centre.y(), image.height()); ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = first(centre.x(), image.width()); x < last(centre.x(), image.width()); ++x) {
            const double dx = x + 0.5 - centre.x(), dy = y + 0.5 - centre.y();
            if (dx * dx + dy * dy <= reach * reach) line[x] = colour;
        }
    }
}

QPointF strokeCentre(const QImage& image, QPointF at, double offset)
{
    const bool exact = image.devicePixelRatio() == 1;
    const auto centre = [&](double v) {
        v = std::clamp(v, -1e6, 1e6);
        return (exact ? std::floor(v) : v) + offset;
    };
    return {centre(at.x()), centre(at.y())};
}

QSize deviceSize(QSize logicalSize, double scale)
{
    return {int(std::ceil(logicalSize.width() * scale)),
            int(std::ceil(logicalSize.height() * scale))};
}

QImage refitted(const QImage& image, QSize logicalSize, double scale, QRgb background)
{
    QImage result(deviceSize(logicalSize, scale), QImage::Format_RGB32);
    result.setDevicePixelRatio(scale);
    result.fill(background);
    if (!image.isNull()) {
        QPainter painter(&result);
        painter.drawImage(QPointF(0, 0), image);
    }
    return result;
}

bool clipSegment(QPointF& from, QPointF& to, const QRectF& area)
{
    if (!finite(from) || !finite(to)) return false;
    return clip(from, to, area.left(), area.top(), area.right(), area.bottom());
}

}  // namespace rt
