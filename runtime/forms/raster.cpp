#include "raster.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace rt {

namespace {
// Liang-Barsky clipping of the segment to the rectangle [lo, hi] in both axes.
bool clip(QPointF& a, QPointF& b, double xlo, double ylo, double xhi, double yhi)
{
    double t0 = 0, t1 = 1;
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
            t0 = std::max(t0, t);
        } else {
            if (t < t0) return false;
            t1 = std::min(t1, t);
        }
    }
    const QPointF start = a;
    a = QPointF(start.x() + t0 * dx, start.y() + t0 * dy);
    b = QPointF(start.x() + t1 * dx, start.y() + t1 * dy);
    return true;
}

void plot(QImage& image, int x, int y, QRgb colour)
{
    if (x >= 0 && y >= 0 && x < image.width() && y < image.height())
        reinterpret_cast<QRgb*>(image.scanLine(y))[x] = colour;
}
}  // namespace

void rasterSegment(QImage& image, QPointF from, QPointF to, QRgb colour)
{
    if (!std::isfinite(from.x()) || !std::isfinite(from.y()) || !std::isfinite(to.x()) ||
        !std::isfinite(to.y()))
        return;
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
    auto bound = [](double v, int size) {
        return int(std::floor(std::clamp(v, -1.0, double(size))));
    };
    const int left = std::max(0, bound(std::min(corner1.x(), corner2.x()), image.width()));
    const int right =
        std::min(image.width() - 1, bound(std::max(corner1.x(), corner2.x()), image.width()));
    const int top = std::max(0, bound(std::min(corner1.y(), corner2.y()), image.height()));
    const int bottom =
        std::min(image.height() - 1, bound(std::max(corner1.y(), corner2.y()), image.height()));
    for (int y = top; y <= bottom; ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        std::fill(line + left, line + right + 1, colour);
    }
}

void rasterDot(QImage& image, QPointF at, int width, QRgb colour)
{
    if (!std::isfinite(at.x()) || !std::isfinite(at.y())) return;
    const double reach = width / 2.0;
    const auto centreOf = [&](double v) { return std::floor(v) + (width % 2 ? 0.5 : 1.0); };
    const double cx = centreOf(at.x()), cy = centreOf(at.y());
    // Only the pixels of the image that the dot's square can reach.
    const auto first = [&](double c, int size) {
        return int(std::clamp(std::floor(c - reach), 0.0, double(size)));
    };
    const auto last = [&](double c, int size) {
        return int(std::clamp(std::ceil(c + reach), 0.0, double(size)));
    };
    for (int y = first(cy, image.height()); y < last(cy, image.height()); ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = first(cx, image.width()); x < last(cx, image.width()); ++x) {
            const double dx = x + 0.5 - cx, dy = y + 0.5 - cy;
            if (dx * dx + dy * dy <= reach * reach) line[x] = colour;
        }
    }
}

}  // namespace rt
