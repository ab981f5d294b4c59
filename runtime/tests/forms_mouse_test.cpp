// Mouse events and pointers on picture boxes, thick dots, and when a window's
// Activate runs.
#include "testing/form_test.h"
#include "testing/mouse.h"

#include "forms/runtime.h"

#include <QApplication>
#include <QWidget>

#include <vector>

using namespace rt::testing;
using rt::Kind;

namespace {

class MouseForm : public rt::Form {
public:
    static const rt::FormSpec& layout()
    {
        // clang-format off
        static const rt::FormSpec spec{
            "MouseForm", "Mouse", 4000, 3000,
            {
                {"pctBox", Kind::PictureBox, "", 0, 0, 3000, 1500},
            }};
        // clang-format on
        return spec;
    }

    MouseForm() : rt::Form(layout()) {}

    void pctBox_MouseDown(int button, int shift, rt::Single x, rt::Single y)
    {
        record("down", button, shift, x, y);
    }
    void pctBox_MouseMove(int button, int shift, rt::Single x, rt::Single y)
    {
        record("move", button, shift, x, y);
    }
    void pctBox_MouseUp(int button, int shift, rt::Single x, rt::Single y)
    {
        record("up", button, shift, x, y);
    }
    void pctBox_Click() { log << "click"; }
    void pctBox_DblClick() { log << "dblclick"; }

    rt::PictureBox& pctBox = bind<rt::PictureBox>(
        "pctBox", rt::on(&rt::PictureBox::MouseDown, &MouseForm::pctBox_MouseDown),
        rt::on(&rt::PictureBox::MouseMove, &MouseForm::pctBox_MouseMove),
        rt::on(&rt::PictureBox::MouseUp, &MouseForm::pctBox_MouseUp),
        rt::on(&rt::PictureBox::Click, &MouseForm::pctBox_Click),
        rt::on(&rt::PictureBox::DblClick, &MouseForm::pctBox_DblClick));
    QStringList log;
    int activations = 0;

protected:
    void Form_Load() override { pctBox.Scale(-100, 50, 100, -50); }
    void Form_Activate() override { ++activations; }

private:
    void record(const char* event, int button, int shift, rt::Single x, rt::Single y)
    {
        log << QStringLiteral("%1 %2 %3 %4 %5").arg(event).arg(button).arg(shift).arg(x).arg(y);
    }
};

// A second window of the same program.
class OtherForm : public rt::Form {
public:
    static const rt::FormSpec& layout()
    {
        static const rt::FormSpec spec{"OtherForm", "Other", 2000, 1000, {}};
        return spec;
    }
    OtherForm() : rt::Form(layout()) {}
    int activations = 0;

protected:
    void Form_Activate() override { ++activations; }
};

class Mouse : public FormTest {
protected:
    Mouse() : FormTest("mouse"), f(rt::form<MouseForm>())
    {
        f.Show();
        settle();
    }
    MouseForm& f;
};

TEST_F(Mouse, ADoubleClickIsOneMouseDownThenDblClickWithoutASecondDownOrClick)
{
    mouseDoubleClick(f.pctBox, 10, 20);
    // The pointer first moves to the place, as a user's does.
    EXPECT_EQ(f.log, QStringList({"move 0 0 10 20", "down 1 0 10 20", "up 1 0 10 20", "click",
                                  "dblclick", "up 1 0 10 20"}));
}

TEST_F(Mouse, TwoSeparateClicksAreTwoClicks)
{
    mouseClick(f.pctBox, 10, 20);
    mouseClick(f.pctBox, 10, 20);
    EXPECT_EQ(f.log.count("click"), 2);
    EXPECT_EQ(f.log.count("dblclick"), 0);
}

TEST_F(Mouse, MovesReportTheButtonsHeldAndTheShiftStateInUserCoordinates)
{
    mouseMove(f.pctBox, -50, 25);
    mousePress(f.pctBox, 12.5, -3.25, Qt::RightButton, Qt::ShiftModifier);
    mouseMove(f.pctBox, 0.5, -0.25, Qt::ShiftModifier | Qt::ControlModifier);
    mouseRelease(f.pctBox, 0.5, -0.25, Qt::RightButton);
    EXPECT_EQ(f.log, QStringList({"move 0 0 -50 25", "move 0 1 12.5 -3.25", "down 2 1 12.5 -3.25",
                                  "move 2 3 0.5 -0.25", "up 2 0 0.5 -0.25", "click"}));
}

TEST_F(Mouse, PointerIsReadBackAsSetAndShownOverTheBox)
{
    EXPECT_EQ(f.pctBox.MousePointer(), 0);
    const struct {
        int pointer;
        Qt::CursorShape shape;
    } cases[] = {{2, Qt::CrossCursor}, {1, Qt::ArrowCursor}, {0, Qt::ArrowCursor}};
    for (const auto& c : cases) {
        f.pctBox.setMousePointer(c.pointer);
        EXPECT_EQ(f.pctBox.MousePointer(), c.pointer);
        EXPECT_EQ(f.pctBox.childArea()->cursor().shape(), c.shape) << c.pointer;
    }
    EXPECT_FALSE(f.pctBox.widget()->testAttribute(Qt::WA_SetCursor)) << "0 gives the default back";
    for (int wrong : {-1, 16}) {
        try {
            f.pctBox.setMousePointer(wrong);
            ADD_FAILURE() << wrong << " accepted";
        } catch (const rt::RuntimeError& e) {
            EXPECT_EQ(e.number(), 380);
        }
    }
    EXPECT_EQ(f.pctBox.MousePointer(), 0);
}

TEST_F(Mouse, ActivateRunsWhenTheFocusComesBackFromAnotherFormOnly)
{
    EXPECT_EQ(f.activations, 1) << "at the first showing";

    // A window that is no form (a message box, another program's window).
    QWidget box;
    box.show();
    box.activateWindow();
    settle();
    ASSERT_EQ(QApplication::activeWindow(), &box);
    f.window()->activateWindow();
    settle();
    EXPECT_EQ(f.activations, 1);

    auto& other = rt::form<OtherForm>();
    other.Show();
    settle();
    EXPECT_EQ(other.activations, 1);
    f.window()->activateWindow();
    settle();
    EXPECT_EQ(f.activations, 2);
    f.window()->activateWindow();
    settle();
    EXPECT_EQ(f.activations, 2);
}

}  // namespace
