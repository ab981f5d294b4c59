#pragma once

#include <QImage>
#include <QPointF>
#include <QRectF>

namespace rt {

// Pixel-exact drawing on an image, in logical pixel coordinates where logical
// pixel (i, j) covers [i, i+1) x [j, j+1). An image with a device pixel ratio
// above 1 has that many device pixels per logical pixel across; drawing on it
// keeps the logical extents and uses the finer pixels for the shapes. Points
// far outside the image are clipped first, so segments with huge or distant
// ends draw what lies inside.

// A one-pixel segment including both end pixels (one device pixel per
// logical pixel only).
void rasterSegment(QImage& image, QPointF from, QPointF to, QRgb colour);
// Every logical pixel whose square the closed box between the two corners
// touches.
void rasterFill(QImage& image, QPointF corner1, QPointF corner2, QRgb colour);
// A round dot `width` logical pixels across centred on
// strokeCentre(image, at, offset), where the offset is 0.5 for odd widths
// and 1 for even ones: at one device pixel per logical pixel it covers the
// pixel containing `at`, centred on that pixel or its lower right corner.
void rasterDot(QImage& image, QPointF at, int width, QRgb colour);

// The point a stroke through `at` is centred on: on an image with one device
// pixel per logical pixel, the pixel containing `at` moved by `offset`
// (0.5 is its centre); on a denser image `at` itself moved by `offset`, so
// whole coordinates land where they do on the coarser image and fractions of
// a pixel land between. Far coordinates are held within a million pixels.
QPointF strokeCentre(const QImage& image, QPointF at, double offset = 0.5);

// The device pixels that cover `logicalSize` at device pixel ratio `scale`.
QSize deviceSize(QSize logicalSize, double scale);
// A new image of `logicalSize` at device pixel ratio `scale`, filled with
// `background`, with `image` drawn at its top left corner at the same
// logical size: one pixel for one when the ratio is unchanged, the nearest
// pixel otherwise.
QImage refitted(const QImage& image, QSize logicalSize, double scale, QRgb background);

// Clips the segment to `area`; false when nothing of it lies inside or an end
// is not a finite number. Ends inside the area are left exactly as they are.
bool clipSegment(QPointF& from, QPointF& to, const QRectF& area);

}  // namespace rt
