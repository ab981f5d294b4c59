// A picture box's kept drawing shows the same pixels whether it has made its
// image yet or not: blank, cleared, grown with another background, drawn on,
// and on a scaled screen.
#include "forms/drawing/canvas.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

namespace {

const QRgb red = qRgb(255, 0, 0);
const QRgb green = qRgb(0, 255, 0);
const QRgb blue = qRgb(0, 0, 255);

// What a surface of `size` logical pixels at `scale` shows of the canvas.
QImage shown(const rt::Canvas& canvas, QSize size, double scale = 1)
{
    QImage surface(QSize(int(size.width() * scale), int(size.height() * scale)),
                   QImage::Format_RGB32);
    surface.setDevicePixelRatio(scale);
    surface.fill(Qt::black);
    QPainter painter(&surface);
    canvas.paint(painter);
    return surface;
}

QRgb at(const QImage& image, int x, int y)
{
    return image.pixel(x, y) | 0xff000000;
}

TEST(Canvas, BlankDrawingsShowTheirColourAndKeepItWhenTheyGrow)
{
    rt::Canvas canvas;
    canvas.clear(blue);  // before any size: the first size is all background
    canvas.fit(QSize(200, 100), 1, red);
    QImage surface = shown(canvas, QSize(300, 100));
    EXPECT_EQ(at(surface, 0, 0), red);
    EXPECT_EQ(at(surface, 199, 99), red);
    EXPECT_EQ(at(surface, 200, 0), qRgb(0, 0, 0)) << "nothing beyond the drawing";

    canvas.clear(blue);
    canvas.fit(QSize(300, 100), 1, green);  // grown: the old part stays blue
    surface = shown(canvas, QSize(300, 100));
    EXPECT_EQ(at(surface, 199, 50), blue);
    EXPECT_EQ(at(surface, 200, 50), green);
    EXPECT_EQ(canvas.image().size(), QSize(300, 100));
    EXPECT_EQ(at(canvas.image(), 199, 50), blue);
    EXPECT_EQ(at(canvas.image(), 299, 50), green);
}

TEST(Canvas, DrawingMakesTheImageOverTheBlankColourAndClearingKeepsIt)
{
    rt::Canvas canvas;
    canvas.fit(QSize(100, 50), 1, green);
    canvas.clear(blue);
    canvas.dot(QPointF(10.5, 10.5), red, 1);
    QImage surface = shown(canvas, QSize(100, 50));
    EXPECT_EQ(at(surface, 10, 10), red);
    EXPECT_EQ(at(surface, 50, 25), blue);
    const uchar* made = canvas.image().constBits();
    canvas.clear(green);
    EXPECT_EQ(canvas.image().constBits(), made) << "cleared in place";
    EXPECT_EQ(at(shown(canvas, QSize(100, 50)), 10, 10), green);
    canvas.fit(QSize(100, 50), 1, red);  // the same size: nothing changes
    EXPECT_EQ(at(shown(canvas, QSize(100, 50)), 99, 49), green);
}

TEST(Canvas, ABlankDrawingOnAScaledScreenCoversItsDevicePixels)
{
    rt::Canvas canvas;
    canvas.fit(QSize(101, 51), 1.5, red);
    const QImage surface = shown(canvas, QSize(102, 52), 1.5);
    EXPECT_EQ(at(surface, 151, 76), red) << "the last device pixel";
    canvas.circle(QPointF(50, 25), 10, blue, 1);  // an image from here on
    EXPECT_EQ(canvas.image().size(), QSize(152, 77));
    EXPECT_EQ(canvas.image().devicePixelRatio(), 1.5);
    EXPECT_EQ(at(canvas.image(), 151, 76), red);
    EXPECT_EQ(shown(canvas, QSize(102, 52), 1.5).pixel(151, 76) | 0xff000000, red);
}

}  // namespace
