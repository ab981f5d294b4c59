// editor2's document states: caption, the save questions and their answers,
// the font and colour dialogs.
#include "form1.h"

#include "forms/core/look.h"
#include "testing/accessibility.h"
#include "testing/editor_test.h"

using namespace rt::testing;
using editor2::Form1;

namespace {

const QString askBeforeNewOrOpen = "¿desea guardar los cambios?";
const QString askBeforeClosing = "¿Desea guardar los cambios?";

class Documents : public EditorTest<Form1> {
protected:
    Documents() : EditorTest("editor2") {}
};

TEST_F(Documents, TheCaptionShowsTheFileAndUnsavedChanges)
{
    settle();
    EXPECT_EQ(f.Caption(), "Untitled - MiPlumex");
    EXPECT_EQ(f.txtBox.rectTwips(), QRectF(0, 0, 6885, 5505));
    EXPECT_EQ(f.txtBox.FontName(), "Monospace");
    EXPECT_EQ(menuBarOf(f), QStringList({"File: New, Open, Save, Save As, -, Exit",
                                         "Edit: Set Font, Set Bgndcolor"}));

    type("x");
    EXPECT_EQ(f.Caption(), "Untitled - MiPlumex*");
    saveAs("a.txt");
    EXPECT_EQ(f.Caption(), "a.txt - MiPlumex");
    type("y");
    EXPECT_EQ(f.Caption(), "a.txt - MiPlumex*");
    save();
    EXPECT_EQ(f.Caption(), "a.txt - MiPlumex");
    EXPECT_EQ(bytesOf("a.txt"), "xy\r\n");
    EXPECT_TRUE(user.prompts().isEmpty());

    f.window()->resize(700, 500);
    settle();
    EXPECT_EQ(f.txtBox.rectTwips(), QRectF(0, 0, f.ScaleWidth(), f.ScaleHeight()));
}

TEST_F(Documents, OpenAsksBeforeItsDialogAndNoGoesStraightOn)
{
    writeBytes("b.txt", "bee");
    type("draft");
    user.answer({rt::vbNo});
    open("b.txt");
    EXPECT_EQ(user.prompts(), QStringList{askBeforeNewOrOpen});
    ASSERT_EQ(user.fileDialogs.size(), 1u) << "the dialog comes after the answer";
    EXPECT_EQ(user.fileDialogs[0].filter, "texto (*.txt)|*.txt|todos (*.*)|*.*");
    EXPECT_EQ(f.txtBox.Text(), "bee");
    EXPECT_EQ(f.Caption(), "b.txt - MiPlumex");
    EXPECT_TRUE(f.saved);
}

// Each answer to the questions asked before unsaved text would be replaced or
// the window closed. Whenever Yes did not write the file, the text stays.
enum class Action { New, Open, Exit, CloseBox };
enum class Save { Done, Cancelled, Failed };
struct Answer {
    const char* name;
    Action action;
    int answer;
    Save save;  // of the Save As that Yes starts
    bool goesAhead;
};

class UnsavedText : public Documents, public ::testing::WithParamInterface<Answer> {};

TEST_P(UnsavedText, AsksAndActsOnTheAnswer)
{
    const Answer a = GetParam();
    writeBytes("other.txt", "other");
    type("keep me");
    user.answer({a.answer});
    if (a.answer == rt::vbYes) {
        if (a.save == Save::Cancelled) user.cancelFileDialog();
        if (a.save != Save::Cancelled)
            user.chooseFile(path(a.save == Save::Done ? "kept.txt" : "no/such.txt"));
    }
    user.chooseFile(path("other.txt"));
    switch (a.action) {
        case Action::New: choose(f.mnuFileNew); break;
        case Action::Open: choose(f.mnuFileOpen); break;
        case Action::Exit: choose(f.mnuFileExit); break;
        case Action::CloseBox: closeWindow(f); break;
    }
    const bool closing = a.action == Action::Exit || a.action == Action::CloseBox;
    ASSERT_GE(user.prompts().size(), 1);
    EXPECT_EQ(user.prompts()[0], closing ? askBeforeClosing : askBeforeNewOrOpen);
    EXPECT_EQ(user.shown[0].style & 7, closing ? rt::vbYesNoCancel : rt::vbYesNo);
    EXPECT_EQ(bytesOf("kept.txt"), a.answer == rt::vbYes && a.save == Save::Done
                                       ? QByteArray("keep me\r\n")
                                       : QByteArray("<missing>"));
    if (closing) {
        EXPECT_EQ(rt::isLoaded<Form1>(), !a.goesAhead);
        EXPECT_EQ(user.ends, a.goesAhead && a.action == Action::Exit ? 1 : 0);
        return;
    }
    const QString text = !a.goesAhead ? "keep me" : a.action == Action::Open ? "other" : "";
    EXPECT_EQ(f.txtBox.Text(), text);
    EXPECT_EQ(bool(f.saved), a.goesAhead);
    const QString caption = !a.goesAhead               ? "Untitled - MiPlumex*"
                            : a.action == Action::Open ? "other.txt - MiPlumex"
                                                       : "Untitled - MiPlumex";
    EXPECT_EQ(f.Caption(), caption);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Answers, UnsavedText, ::testing::Values(
    Answer{"NewNo",                 Action::New,      rt::vbNo,     Save::Done,      true},
    Answer{"NewYes",                Action::New,      rt::vbYes,    Save::Done,      true},
    Answer{"NewYesSaveCancelled",   Action::New,      rt::vbYes,    Save::Cancelled, false},
    Answer{"NewYesSaveFailed",      Action::New,      rt::vbYes,    Save::Failed,    false},
    Answer{"OpenYes",               Action::Open,     rt::vbYes,    Save::Done,      true},
    Answer{"OpenYesSaveCancelled",  Action::Open,     rt::vbYes,    Save::Cancelled, false},
    Answer{"ExitCancel",            Action::Exit,     rt::vbCancel, Save::Done,      false},
    Answer{"ExitNo",                Action::Exit,     rt::vbNo,     Save::Done,      true},
    Answer{"ExitYesSaveFailed",     Action::Exit,     rt::vbYes,    Save::Failed,    false},
    Answer{"CloseBoxCancel",        Action::CloseBox, rt::vbCancel, Save::Done,      false},
    Answer{"CloseBoxYes",           Action::CloseBox, rt::vbYes,    Save::Done,      true},
    Answer{"CloseBoxYesCancelled",  Action::CloseBox, rt::vbYes,    Save::Cancelled, false}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST_F(Documents, ExitOfASavedDocumentEndsAtOnce)
{
    choose(f.mnuFileExit);
    EXPECT_TRUE(user.prompts().isEmpty());
    EXPECT_FALSE(rt::isLoaded<Form1>());
    EXPECT_EQ(user.ends, 1);
}

TEST_F(Documents, SetBgndcolorKeepsTheFlagsOfSetFontAndACancelKeepsTheColours)
{
    user.chooseFont({"Serif (Times style)", 14, true, false, false, true, 0x0000FF});
    choose(f.mnuEditSetfont);
    user.chooseColor(0x80FF00);
    choose(f.mnuEditSetBgndColor);
    choose(f.mnuEditSetfont);       // cancelled: the text keeps its font and colour
    choose(f.mnuEditSetBgndColor);  // cancelled: the background stays
    ASSERT_EQ(user.colorDialogs.size(), 2u);
    EXPECT_EQ(user.colorDialogs[0].flags, 257);
    EXPECT_EQ(user.fontDialogs.at(0).flags, 257);
    EXPECT_EQ(user.fontDialogs.at(0).initial.name, "Monospace");
    const rt::TextBox& box = f.txtBox;
    EXPECT_EQ(box.FontName(), "Serif (Times style)");
    EXPECT_EQ(box.FontSize(), 14);
    EXPECT_TRUE(box.FontBold() && !box.FontItalic() && !box.FontStrikethru() &&
                box.FontUnderline());
    EXPECT_EQ(box.ForeColor(), 0x0000FF);
    EXPECT_EQ(box.BackColor(), 0x80FF00);
    EXPECT_TRUE(f.saved) << "neither is a change of the text";
    settle();
    const QImage shown = grabPixels(box);
    EXPECT_GT(shareOf(shown, shown.rect(), rt::toQColor(0x80FF00)), 0.9);
}

}  // namespace
