// Automatic drag mode: a control carried with the mouse and dropped on a
// picture box, which gets the drop point in its user coordinates.
#include "form_test.h"

#include "forms/drag.h"
#include "forms/runtime.h"

#include <QCursor>
#include <QGuiApplication>
#include <QTest>
#include <QWidget>

#include <vector>

using namespace rt::testing;
using rt::Kind;

namespace {

class DragForm : public rt::Form {
public:
    // The box's inner area is 200 x 100 pixels; the chip sits inside it.
    // clang-format off
    static const rt::FormSpec& layout()
    {
        static const rt::FormSpec spec{
            "DragForm", "Drag", 5000, 2500,
            {
                {"pctBox",   Kind::PictureBox, "",       150, 150, 3030, 1530, {.backColor = 0xFFFFFF, .appearance = rt::Appearance::Flat}},
                {"lblChip",  Kind::Label,      "",       300, 300,  600,  450, {.container = "pctBox", .border = rt::Border::Single, .opaque = true, .dragMode = rt::DragMode::Automatic, .dragIcon = rt::DragIcon::Sheets}},
                {"lblFrame", Kind::Label,      "Frame", 3300, 150,  900,  300, {.dragMode = rt::DragMode::Automatic}},
                {"lblPlain", Kind::Label,      "Plain", 3300, 900,  900,  300},
            }};
        return spec;
    }
    // clang-format on

    struct Drop {
        const rt::Control* source;
        rt::Single x, y;
    };

    DragForm()
        : rt::Form(layout()),
          pctBox(control<rt::PictureBox>("pctBox")),
          lblChip(control<rt::Label>("lblChip")),
          lblFrame(control<rt::Label>("lblFrame")),
          lblPlain(control<rt::Label>("lblPlain"))
    {
        pctBox.DragDrop = [this](rt::Control& source, rt::Single x, rt::Single y) {
            drops.push_back({&source, x, y});
        };
        lblPlain.Click = [this] { ++plainClicks; };
    }

    rt::PictureBox& pctBox;
    rt::Label& lblChip;
    rt::Label& lblFrame;
    rt::Label& lblPlain;
    std::vector<Drop> drops;
    int plainClicks = 0;
};

class Dragging : public FormTest {
protected:
    Dragging() : f(rt::form<DragForm>())
    {
        f.Show();
        f.pctBox.Scale(0, 100, 200, 0);
    }
    DragForm& f;
};

TEST_F(Dragging, ADropOnAPictureBoxGivesTheSourceAndThePointInUserCoordinates)
{
    struct Case {
        QPoint pixel;
        float x, y;
    };
    const QRect chipBefore = f.lblChip.widget()->geometry();
    const QPoint underTheChip = chipBefore.center();
    for (const Case& c :
         {Case{{0, 0}, 0, 100}, Case{{150, 75}, 150, 25},
          Case{underTheChip, float(underTheChip.x()), 100 - float(underTheChip.y())}}) {
        f.drops.clear();
        dragTo(f.lblChip, &f.pctBox, c.pixel);
        ASSERT_EQ(f.drops.size(), 1u) << c.pixel.x() << ", " << c.pixel.y();
        EXPECT_EQ(f.drops[0].source, &f.lblChip);
        EXPECT_FLOAT_EQ(f.drops[0].x, c.x);
        EXPECT_FLOAT_EQ(f.drops[0].y, c.y);
    }
    EXPECT_EQ(f.lblChip.widget()->geometry(), chipBefore)
        << "the program moves the source, if it wants";
    EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
}

TEST_F(Dragging, NothingIsDroppedOutsideABoxOrAfterEscape)
{
    dragTo(f.lblChip, nullptr, QPoint(300, 140));  // on the form, below the box
    dragTo(f.lblChip, &f.lblPlain, QPoint(5, 5));  // on a label that takes no drops
    QWidget* chip = f.lblChip.widget();
    QTest::mousePress(chip, Qt::LeftButton, Qt::NoModifier, chip->rect().center());
    pressKey(f.lblChip, Qt::Key_Escape);
    EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
    QTest::mouseRelease(chip, Qt::LeftButton, Qt::NoModifier, QPoint(-60, 20));
    EXPECT_TRUE(f.drops.empty());
}

TEST_F(Dragging, ThePointerShowsTheDragPictureWhileTheButtonIsHeld)
{
    struct Case {
        const rt::Label* source;
        QSize picture;
        QPoint hotSpot;
    };
    const QSize frame = f.lblFrame.widget()->size();
    for (const Case& c : {Case{&f.lblChip, QSize(32, 32), QPoint(17, 13)},
                          Case{&f.lblFrame, frame, f.lblFrame.widget()->rect().center()}}) {
        QWidget* w = c.source->widget();
        QTest::mousePress(w, Qt::LeftButton, Qt::NoModifier, w->rect().center());
        EXPECT_EQ(QWidget::mouseGrabber(), w);
        const QCursor* pointer = QGuiApplication::overrideCursor();
        ASSERT_NE(pointer, nullptr);
        EXPECT_EQ(pointer->pixmap().size(), c.picture);
        EXPECT_EQ(pointer->hotSpot(), c.hotSpot);
        QTest::mouseRelease(w, Qt::LeftButton, Qt::NoModifier, w->rect().center());
        EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    }
}

TEST_F(Dragging, TheSheetsPictureHasThreeOutlinedSheetsAndAnArrowAtItsHotSpot)
{
    const rt::DragPicture p = rt::dragPicture(rt::DragIcon::Sheets);
    const QImage& image = p.image;
    ASSERT_EQ(image.size(), QSize(32, 32));
    const auto at = [&](int x, int y) { return QColor::fromRgba(image.pixel(x, y)); };
    for (int sheet = 0; sheet < 3; ++sheet) {
        const int corner = 2 + 3 * sheet;
        EXPECT_EQ(at(corner, corner + 17), Qt::black) << sheet;  // the lower left corner shows
    }
    EXPECT_EQ(at(12, 20), Qt::white) << "inside the front sheet";
    EXPECT_EQ(at(p.hotSpot.x(), p.hotSpot.y()), Qt::black) << "the arrow's tip";
    EXPECT_EQ(at(p.hotSpot.x() + 2, p.hotSpot.y() + 6), Qt::white) << "inside the arrow";
    EXPECT_EQ(at(31, 0).alpha(), 0);
    EXPECT_EQ(at(0, 31).alpha(), 0);
}

TEST_F(Dragging, AControlInManualModeIsClickedNotDragged)
{
    click(f.lblPlain);
    EXPECT_EQ(f.plainClicks, 1);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

}  // namespace
