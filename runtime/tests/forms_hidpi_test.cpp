// Picture boxes on a screen scaled by 2: the kept drawing has one pixel per
// device pixel, shapes use the finer pixels, and whole coordinates cover the
// device pixels of the logical pixels an unscaled screen covers.
#include "drawing_form.h"
#include "testing/form_test.h"

#include "forms/drawing/raster.h"
#include "forms/runtime.h"

#include <QWidget>

#include <cmath>
#include <numbers>

using namespace rt::testing;

namespace {

// Before the test main makes the application: every window here is on a
// screen scaled by 2.
const bool scaledScreen = qputenv("QT_SCALE_FACTOR", "2");

const QColor red(255, 0, 0);
const QColor white(255, 255, 255);
constexpr int32_t vbRed = 0x0000FF;

// Logical pixels [x, x + w) x [y, y + h) as device pixels.
QRect device(double x, double y, double w, double h)
{
    return QRectF(2 * x, 2 * y, 2 * w, 2 * h).toRect();
}

int countOf(const QImage& image, QColor colour)
{
    return int(std::lround(shareOf(image, image.rect(), colour) * image.width() * image.height()));
}

class HiDpi : public FormTest {
protected:
    HiDpi() : f(rt::form<DrawingForm>())
    {
        f.Show();
        f.lblMark.setVisible(false);
        f.pctBox.Scale(0, 0, 200, 100);  // one unit per logical pixel
    }
    const QImage& image() const { return f.pctBox.image(); }
    DrawingForm& f;
};

TEST_F(HiDpi, TheKeptDrawingHasOnePixelPerDevicePixelAndIsShownOneToOne)
{
    ASSERT_TRUE(scaledScreen);
    EXPECT_EQ(image().size(), QSize(400, 200));
    EXPECT_EQ(image().devicePixelRatio(), 2);
    f.pctBox.Circle(100, 50, 30, vbRed);
    f.pctBox.Line(10, 90, 190, 10, vbRed);
    settle();
    QImage shown = grabInner(f.pctBox);
    QImage kept = image();
    shown.setDevicePixelRatio(1);
    kept.setDevicePixelRatio(1);
    EXPECT_TRUE(shown == kept) << "the canvas resamples the drawing";
}

TEST_F(HiDpi, ACirclesPixelsLieOnTheCircleAtDeviceResolution)
{
    f.pctBox.Circle(100, 50, 30, vbRed);
    // Centred on the middle of logical pixel (100, 50), radius 60 device
    // pixels, a pen 2 device pixels wide.
    const QPointF centre(201, 101);
    const double radius = 60, halfPen = 1;
    int onCircle = 0;
    for (int y = 0; y < image().height(); ++y)
        for (int x = 0; x < image().width(); ++x) {
            if (QColor(image().pixel(x, y)) != red) continue;
            const double distance = std::hypot(x + 0.5 - centre.x(), y + 0.5 - centre.y());
            EXPECT_LE(std::abs(distance - radius), 1 + halfPen) << x << "," << y;
            ++onCircle;
        }
    // A closed ring of about the pen's area: 2 pi r x 2 pixels.
    EXPECT_NEAR(onCircle, 4 * std::numbers::pi * radius, 0.1 * 4 * std::numbers::pi * radius);
    for (int degrees = 0; degrees < 360; ++degrees) {
        const double a = degrees * std::numbers::pi / 180;
        const QPoint p(int(std::floor(centre.x() + radius * std::cos(a))),
                       int(std::floor(centre.y() + radius * std::sin(a))));
        const QRect around(p - QPoint(1, 1), QSize(3, 3));
        EXPECT_GT(shareOf(image(), around, red), 0) << "a gap at " << degrees << " degrees";
    }
}

TEST_F(HiDpi, LinesAreDrawWidthLogicalPixelsThickOverTheLogicalPixelsOfTheirEnds)
{
    struct Case {
        int width;
        QRect across, down;  // the device pixels covered, in logical pixels
    } const cases[] = {
        // Square ends: both end pixels, nothing more.
        {1, device(20, 30, 61, 1), device(150, 10, 1, 81)},
        // Round ends reach half the pen beyond the centres of the end pixels.
        {3, device(19, 29, 63, 3), device(149, 9, 3, 83)},
    };
    for (const Case& c : cases) {
        f.pctBox.Cls();
        f.pctBox.setDrawWidth(c.width);
        f.pctBox.Line(20, 30, 80, 30, vbRed);
        EXPECT_EQ(extentOf(image(), red, device(0, 0, 120, 100)), c.across) << c.width;
        f.pctBox.Line(150, 10, 150, 90, vbRed);
        EXPECT_EQ(extentOf(image(), red, device(120, 0, 80, 100)), c.down) << c.width;
        // Solid through the middle, not only at the ends.
        EXPECT_EQ(shareOf(image(), device(50, 0, 0.5, 100), red), 2.0 * c.width / 200) << c.width;
    }
    // A fraction of a pixel moves the line by that much: half a logical
    // pixel down puts it across two logical rows.
    f.pctBox.Cls();
    f.pctBox.setDrawWidth(1);
    f.pctBox.Line(20, 30.5, 80, 30.5, vbRed);
    EXPECT_EQ(extentOf(image(), red), device(20, 30.5, 61, 1));
}

TEST_F(HiDpi, DotsAndFilledBoxesCoverTheLogicalPixelsAnUnscaledScreenCovers)
{
    for (int width = 1; width <= 4; ++width) {
        f.pctBox.Cls();
        f.pctBox.setDrawWidth(width);
        f.pctBox.PSet(100, 50, vbRed);
        // An unscaled screen centres odd dots on the pixel, even ones on its
        // lower right corner.
        const double centre = width % 2 ? 0.5 : 1;
        const double from = centre - width / 2.0;
        EXPECT_EQ(extentOf(image(), red), device(100 + from, 50 + from, width, width)) << width;
        if (width > 1) {
            EXPECT_LT(countOf(image(), red), 4 * width * width) << width << " is square";
        }
    }
    f.pctBox.Cls();
    f.pctBox.setDrawWidth(1);
    f.pctBox.Line(10.7, 10, 20, 30.2, vbRed, rt::PictureBox::Box::Filled);
    EXPECT_EQ(extentOf(image(), red), device(10, 10, 11, 21));
    EXPECT_EQ(shareOf(image(), device(10, 10, 11, 21), red), 1.0);
}

TEST_F(HiDpi, AbsurdCoordinatesDrawOnlyWhatFallsInside)
{
    for (int width : {1, 3}) {
        f.pctBox.setDrawWidth(width);
        for (double far : {1e30, -1e30, 3e38, double(INFINITY), std::nan("")}) {
            f.pctBox.PSet(far, 50, vbRed);
            f.pctBox.Circle(far, 50, 10, vbRed);
            f.pctBox.Circle(100, 50, std::abs(far), vbRed);  // encloses the box
            f.pctBox.Line(far, 50, 100, far, vbRed);
            f.pctBox.Line(0, 0, far, std::nan(""), vbRed);
        }
    }
    EXPECT_EQ(shareOf(image(), image().rect(), white), 1.0);

    f.pctBox.setDrawWidth(1);
    f.pctBox.Line(-1e9, 50, 1e9, 50, vbRed);
    f.pctBox.Line(0, -1e300, 0, 1e300, vbRed);  // must not hang
    EXPECT_EQ(extentOf(image(), red), device(0, 0, 200, 100));
    EXPECT_EQ(shareOf(image(), device(0, 50, 200, 1), red), 1.0);
    EXPECT_EQ(shareOf(image(), device(0, 0, 1, 100), red), 1.0);
}

TEST_F(HiDpi, AResizeKeepsTheDrawingAndClsClearsItAll)
{
    f.pctBox.Line(10, 10, 20, 30, vbRed, rt::PictureBox::Box::Filled);
    f.pctBox.setWidth(f.pctBox.Width() + 600);  // 40 logical pixels wider
    EXPECT_EQ(image().size(), QSize(480, 200));
    EXPECT_EQ(image().devicePixelRatio(), 2);
    EXPECT_EQ(extentOf(image(), red), device(10, 10, 11, 21));
    f.pctBox.Cls();
    EXPECT_EQ(shareOf(image(), image().rect(), white), 1.0);
}

// A window moved to a screen of another scale: the kept drawing is resampled
// to the new device size, nothing drawn is lost.
TEST(Refitting, KeepsTheDrawingAcrossSizesAndScales)
{
    const QRgb back = QColor(0, 0, 255).rgb();
    struct Case {
        double from, to;
        QSize logical;
        QRect redPixels;  // logical pixel (1, 0) drawn at `from`, at `to`
    } const cases[] = {
        {1, 1, {6, 3}, {1, 0, 1, 1}},
        {1, 2, {4, 2}, {2, 0, 2, 2}},
        {2, 1, {4, 2}, {1, 0, 1, 1}},
        {2, 2, {3, 1}, {2, 0, 2, 2}},
    };
    for (const Case& c : cases) {
        QImage drawn(rt::deviceSize({4, 2}, c.from), QImage::Format_RGB32);
        drawn.fill(white);
        const int pixel = int(c.from);
        for (int y = 0; y < pixel; ++y)
            for (int x = pixel; x < 2 * pixel; ++x) drawn.setPixel(x, y, red.rgb());
        drawn.setDevicePixelRatio(c.from);
        const QImage image = rt::refitted(drawn, c.logical, c.to, back);
        EXPECT_EQ(image.size(), rt::deviceSize(c.logical, c.to)) << c.from << " to " << c.to;
        EXPECT_EQ(image.devicePixelRatio(), c.to);
        EXPECT_EQ(extentOf(image, red), c.redPixels) << c.from << " to " << c.to;
        EXPECT_EQ(QColor(image.pixel(image.width() - 1, image.height() - 1)),
                  c.logical.width() > 4 ? QColor(back) : white);
    }
}

}  // namespace
