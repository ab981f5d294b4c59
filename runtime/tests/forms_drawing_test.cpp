// Picture boxes: user scales, pixel-exact drawing, clipping, kept drawings and
// child controls placed in user coordinates.
#include "drawing_form.h"
#include "testing/form_test.h"

#include "forms/drawing/raster.h"
#include "forms/runtime.h"

#include <QWidget>

#include <cmath>

using namespace rt::testing;

namespace {

const QColor red(255, 0, 0);
const QColor black(0, 0, 0);
const QColor white(255, 255, 255);

class Drawing : public FormTest {
protected:
    Drawing() : f(rt::form<DrawingForm>())
    {
        f.Show();
        f.lblMark.setVisible(false);
    }
    QRgb at(int x, int y) const { return f.pctBox.image().pixel(x, y); }
    DrawingForm& f;
};

TEST_F(Drawing, TheInnerAreaHasTheLayoutSizeLessTheBorder)
{
    EXPECT_EQ(f.pctBox.image().size(), QSize(200, 100));
    EXPECT_DOUBLE_EQ(f.pctBox.ScaleWidth(), 3000);  // twips until a scale is set
}

TEST_F(Drawing, AnUpwardScaleMapsCornersAndCentre)
{
    f.pctBox.Scale(-10, 5, 10, -5);
    EXPECT_EQ(f.pctBox.toPixel(-10, 5), QPointF(0, 0));
    EXPECT_EQ(f.pctBox.toPixel(10, -5), QPointF(200, 100));
    EXPECT_EQ(f.pctBox.toPixel(0, 0), QPointF(100, 50));
}

TEST_F(Drawing, SegmentsAreOnePixelWideAndIncludeBothEnds)
{
    f.pctBox.Scale(0, 0, 200, 100);
    f.pctBox.Line(10.5, 20.5, 50.5, 20.5, 0x0000FF);
    for (int x = 10; x <= 50; ++x) EXPECT_EQ(QColor(at(x, 20)), red) << x;
    EXPECT_EQ(QColor(at(9, 20)), white);
    EXPECT_EQ(QColor(at(51, 20)), white);
    EXPECT_EQ(QColor(at(30, 19)), white);
    EXPECT_EQ(QColor(at(30, 21)), white);
    EXPECT_EQ(f.pctBox.CurrentX(), 50.5);
}

TEST_F(Drawing, SegmentsWithFarEndsAreClippedToTheBox)
{
    f.pctBox.Scale(-11, 100, 11, -100);
    f.pctBox.Line(-1e9, 0, 1e9, 0);
    const QImage& image = f.pctBox.image();
    EXPECT_EQ(shareOf(image, QRect(0, 50, 200, 1), black), 1.0);
    EXPECT_EQ(shareOf(image, QRect(0, 0, 200, 50), white), 1.0);
    rt::PictureBox& box = f.pctBox;
    box.Line(0, -1e300, 0, 1e300);  // must not hang or crash
    box.Line(0, 0, std::nan(""), 1);
}

TEST_F(Drawing, FilledAndOutlineBoxes)
{
    f.pctBox.Scale(0, 0, 200, 100);
    f.pctBox.Line(10, 10, 20, 30, 0x0000FF, rt::PictureBox::Box::Filled);
    EXPECT_EQ(shareOf(f.pctBox.image(), QRect(10, 10, 11, 21), red), 1.0);
    f.pctBox.Cls();
    f.pctBox.Line(10, 10, 20, 30, 0x0000FF, rt::PictureBox::Box::Outline);
    EXPECT_EQ(QColor(at(10, 10)), red);
    EXPECT_EQ(QColor(at(20, 30)), red);
    EXPECT_EQ(QColor(at(15, 20)), white);
}

TEST_F(Drawing, ThickSegmentsAreDrawWidthPixelsAcrossThroughTheirPixel)
{
    f.pctBox.Scale(0, 0, 200, 100);
    for (int width : {2, 3, 4}) {
        f.pctBox.Cls();
        f.pctBox.setDrawWidth(width);
        f.pctBox.Line(50.5, 20.5, 50.5, 80.5, 0x0000FF);
        f.pctBox.Line(100.5, 50.5, 150.5, 50.5, 0x0000FF);
        EXPECT_EQ(shareOf(f.pctBox.image(), QRect(40, 50, 20, 1), red), width / 20.0) << width;
        EXPECT_EQ(shareOf(f.pctBox.image(), QRect(125, 40, 1, 20), red), width / 20.0) << width;
        EXPECT_EQ(QColor(at(50, 50)), red) << width;
        EXPECT_EQ(QColor(at(125, 50)), red) << width;
    }
}

TEST_F(Drawing, ThickSegmentsWithFarEndsKeepTheirDirection)
{
    f.pctBox.Scale(0, 0, 200, 100);
    f.pctBox.setDrawWidth(3);
    f.pctBox.Line(0, 50, 1e9, 50 + 2e6, 0x0000FF);  // falls 0.4 pixels across the box
    EXPECT_EQ(extentOf(f.pctBox.image(), red), QRect(0, 49, 200, 3));
    f.pctBox.Cls();
    f.pctBox.Line(100, -1e300, 100, 1e300, 0x0000FF);
    EXPECT_EQ(extentOf(f.pctBox.image(), red), QRect(99, 0, 3, 100));
}

TEST_F(Drawing, LineToStartsAtTheCurrentPointAndClsResetsIt)
{
    f.pctBox.Scale(0, 0, 200, 100);
    f.pctBox.setCurrentX(5);
    f.pctBox.setCurrentY(5);
    f.pctBox.LineTo(5, 50, 0x0000FF);
    EXPECT_EQ(QColor(at(5, 5)), red);
    EXPECT_EQ(QColor(at(5, 50)), red);
    f.pctBox.Cls();
    EXPECT_EQ(f.pctBox.CurrentX(), 0);
    EXPECT_EQ(shareOf(f.pctBox.image(), f.pctBox.image().rect(), white), 1.0);
}

TEST_F(Drawing, TheDrawingIsKeptAcrossHidingAndShowing)
{
    f.pctBox.Scale(0, 0, 200, 100);
    f.pctBox.Line(0, 0, 200, 100, 0x0000FF, rt::PictureBox::Box::Filled);
    f.pctBox.setVisible(false);
    f.pctBox.setVisible(true);
    settle();
    EXPECT_EQ(shareOf(grabInner(f.pctBox), QRect(0, 0, 200, 100), red), 1.0);
}

TEST_F(Drawing, ChildControlsArePlacedInUserCoordinates)
{
    f.lblMark.setVisible(true);
    f.pctBox.Scale(0, 5000, 1000, 0);
    f.lblMark.Move(0, 2500, 500, 5200);  // top at mid height, laid downwards
    EXPECT_EQ(f.lblMark.widget()->geometry(), QRect(0, 50, 100, 104));
    EXPECT_FLOAT_EQ(f.lblMark.Top(), 2500);
    EXPECT_FLOAT_EQ(f.lblMark.Height(), 5200);
    settle();
    const QImage shown = grabInner(f.pctBox);
    EXPECT_EQ(shareOf(shown, QRect(0, 50, 100, 50), red), 1.0);
    EXPECT_EQ(shareOf(shown, QRect(0, 0, 200, 50), white), 1.0);
}

TEST_F(Drawing, ADegenerateScaleIsRefused)
{
    EXPECT_THROW(f.pctBox.Scale(0, 0, 0, 10), rt::RuntimeError);
    EXPECT_THROW(f.pctBox.setDrawWidth(0), rt::RuntimeError);
}

TEST_F(Drawing, DotsAreDrawWidthPixelsAcrossAroundTheirPixel)
{
    f.pctBox.Scale(0, 0, 200, 100);
    for (int width = 1; width <= 4; ++width) {
        f.pctBox.Cls();
        f.pctBox.setDrawWidth(width);
        f.pctBox.PSet(100.5, 50.5, 0x0000FF);
        const QRect extent = extentOf(f.pctBox.image(), red);
        EXPECT_EQ(extent.size(), QSize(width, width)) << width;
        EXPECT_TRUE(extent.contains(100, 50)) << width;
    }
}

TEST_F(Drawing, ShapesFarOutsideTheBoxDrawNothingAndControlsCannotGoThere)
{
    f.pctBox.Scale(0, 0, 200, 100);
    f.pctBox.setDrawWidth(4);
    for (double far : {1e30, -1e30, 3e38, std::nan("")}) {
        f.pctBox.PSet(far, 50, 0x0000FF);
        f.pctBox.Circle(far, 50, 10, 0x0000FF);
        f.pctBox.Circle(100, far, 10, 0x0000FF);
        f.pctBox.Circle(100, 50, std::abs(far), 0x0000FF);  // encloses the box
    }
    settle();
    EXPECT_EQ(shareOf(f.pctBox.image(), QRect(0, 0, 200, 100), white), 1.0);

    f.lblMark.setLeft(50);
    for (double far : {1e30, -1e30, std::nan("")}) {
        try {
            f.lblMark.setLeft(far);
            ADD_FAILURE() << far << " was taken";
        } catch (const rt::RuntimeError& e) {
            EXPECT_EQ(e.number(), 6);
        }
        EXPECT_THROW(f.lblMark.setTop(far), rt::RuntimeError);
    }
    EXPECT_FLOAT_EQ(f.lblMark.Left(), 50) << "a refused position leaves the control where it was";
}

}  // namespace
