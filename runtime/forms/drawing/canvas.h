#pragma once

#include <QImage>
#include <QPointF>
#include <QRgb>
#include <QSize>

class QPainter;

namespace rt {

// A kept drawing in logical pixel coordinates, one image pixel per device
// pixel of the surface that shows it (see raster.h for what covers which
// pixel). Lines, boxes, circles and dots are `width` logical pixels wide.
// Until something is drawn it holds no image, only its colour: a picture box
// that only holds other controls never pays for one.
class Canvas {
public:
    // The drawing as an image, made now if nothing has been drawn yet.
    const QImage& image() const;
    // Shows the drawing at the painter's origin, without making an image.
    void paint(QPainter& painter) const;

    // Keeps the drawing at `logical` size and device pixel ratio `scale`. A
    // new size keeps what was drawn at its place; a new scale resamples it to
    // the nearest pixel, so nothing drawn is lost.
    void fit(QSize logical, double scale, QRgb background);
    void clear(QRgb colour);

    void segment(QPointF from, QPointF to, QRgb colour, int width);
    // The outline of the box between two corners; with `filled`, the box
    // filled too.
    void box(QPointF corner1, QPointF corner2, QRgb colour, int width, bool filled);
    // Returns false when the circle lies wholly outside the drawing (or its
    // radius is not a number) and nothing was drawn.
    bool circle(QPointF centre, double radius, QRgb colour, int width);
    void dot(QPointF at, QRgb colour, int width);

private:
    bool mayShow(QPointF centre, double r, int width) const;
    // The image to draw on, made filled with the blank colour when there is none.
    QImage& drawing() const;

    mutable QImage m_image;  // null while nothing has been drawn
    QSize m_logical{0, 0};   // none until first fitted
    double m_scale = 1;
    QRgb m_blank = qRgb(255, 255, 255);  // the colour of all of it while there is no image
};

}  // namespace rt
