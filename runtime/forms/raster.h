#pragma once

#include <QImage>
#include <QPointF>

namespace rt {

// Pixel-exact drawing on an image, in pixel coordinates where pixel (i, j)
// covers [i, i+1) x [j, j+1). Points far outside the image are clipped first,
// so segments with huge or distant ends draw what lies inside.

// A one-pixel segment including both end pixels.
void rasterSegment(QImage& image, QPointF from, QPointF to, QRgb colour);
// Every pixel whose square the closed box between the two corners touches.
void rasterFill(QImage& image, QPointF corner1, QPointF corner2, QRgb colour);
// A round dot `width` pixels across that covers the pixel containing `at`:
// the pixels whose centres lie within width / 2 of the centre of that pixel
// (odd widths) or of its lower right corner (even widths).
void rasterDot(QImage& image, QPointF at, int width, QRgb colour);

}  // namespace rt
