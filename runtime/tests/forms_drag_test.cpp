// Automatic drag mode: a control carried with the mouse and dropped on a
// picture box, which gets the drop point in its user coordinates.
#include "testing/form_test.h"

#include "forms/core/drag.h"
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

    DragForm() : rt::Form(layout()) {}

    void pctBox_DragDrop(rt::Control& source, rt::Single x, rt::Single y)
    {
        drops.push_back({&source, x, y});
    }
    void lblPlain_Click() { ++plainClicks; }

    rt::PictureBox& pctBox = bind<rt::PictureBox>(
        "pctBox", rt::on(&rt::PictureBox::DragDrop, &DragForm::pctBox_DragDrop));
    rt::Label& lblChip = bind<rt::Label>("lblChip");
    rt::Label& lblFrame = bind<rt::Label>("lblFrame");
    rt::Label& lblPlain =
        bind<rt::Label>("lblPlain", rt::on(&rt::Label::Click, &DragForm::lblPlain_Click));
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
    };
    const QSize frame = f.lblFrame.widget()->size();
    for (const Case& c : {Case{&f.lblChip, QSize(32, 32)}, Case{&f.lblFrame, frame}}) {
        QWidget* w = c.source->widget();
        QTest::mousePress(w, Qt::LeftButton, Qt::NoModifier, w->rect().center());
        EXPECT_EQ(QWidget::mouseGrabber(), w);
        const QCursor* pointer = QGuiApplication::overrideCursor();
        ASSERT_NE(pointer, nullptr);
        EXPECT_EQ(pointer->pixmap().size(), c.picture);
        QTest::mouseRelease(w, Qt::LeftButton, Qt::NoModifier, w->rect().center());
        EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    }
    // Three sheets outlined in black, an arrow whose black tip is the hot spot.
    const rt::DragPicture sheets = rt::dragPicture(rt::DragIcon::Sheets);
    const auto at = [&](int x, int y) { return QColor::fromRgba(sheets.image.pixel(x, y)); };
    for (int corner : {2, 5, 8}) EXPECT_EQ(at(corner, corner + 17), Qt::black) << corner;
    EXPECT_EQ(at(12, 20), Qt::white);
    EXPECT_EQ(at(sheets.hotSpot.x(), sheets.hotSpot.y()), Qt::black);
    EXPECT_GT(sheets.hotSpot.x(), 15) << "the arrow stands at the lower right";
    EXPECT_EQ(at(31, 0).alpha(), 0);
}

TEST_F(Dragging, AControlInManualModeIsClickedNotDragged)
{
    click(f.lblPlain);
    EXPECT_EQ(f.plainClicks, 1);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

}  // namespace
