#include "editor_fixture.h"

#include "forms/core/look.h"

#include <QAction>
#include <QMenuBar>

using namespace rt::testing;

namespace {

const QString askBeforeNew = "¿Desea actualizar el fichero antes de abrir uno nuevo?";
const QString askBeforeExit = "¿Desea actualizar el fichero antes de salir?";

class Documents : public EditorTest {};

TEST_F(Documents, StartsUntitledAndTheCaptionFollowsTheDocumentsState)
{
    settle();
    EXPECT_EQ(f.Caption(), "Mi Plumex");
    EXPECT_EQ(f.txtBox.rectTwips(), QRectF(0, 0, 6960, 5340));
    EXPECT_EQ(f.txtBox.FontName(), "Monospace");
    QStringList bar;
    for (QAction* menu : f.menuBar()->actions()) {
        QStringList items;
        for (QAction* item : menu->menu()->actions())
            items << (item->isSeparator() ? QStringLiteral("-") : item->text());
        bar << menu->text() + ": " + items.join(", ");
    }
    EXPECT_EQ(bar, QStringList({"&File: &New, &Open, &Save, Save &As, -, E&xit",
                                "&Edit: Set &Font, Set &BgndColor",
                                "&Search: &Find, Find &Next, &Replace"}));

    type("x");
    EXPECT_EQ(f.Caption(), "Untitled - miPlumex");
    EXPECT_FALSE(f.saved);
    saveAs(path("a.txt"));
    EXPECT_EQ(f.Caption(), "a.txt - miPlumex");
    type("y");
    EXPECT_EQ(f.Caption(), "a.txt - miPlumex*");
    save();
    EXPECT_EQ(f.Caption(), "a.txt - miPlumex");

    choose(f.mnuFileNew);  // saved: asks nothing
    EXPECT_EQ(f.Caption(), "Untitled - miPlumex");
    EXPECT_EQ(f.txtBox.Text(), "");
    user.answer({rt::vbNo});  // clearing the text was a change
    open(path("a.txt"));
    EXPECT_EQ(user.prompts(), QStringList{askBeforeNew});
    EXPECT_EQ(f.Caption(), "a.txt - miPlumex");
    EXPECT_EQ(f.txtBox.Text(), "xy\n");
    EXPECT_TRUE(f.saved);

    f.window()->resize(700, 500);
    settle();
    EXPECT_EQ(f.txtBox.rectTwips(), QRectF(0, 0, f.ScaleWidth(), f.ScaleHeight()));
}

// Each answer to the question asked before unsaved text would be replaced or
// the window closed.
enum class Action { New, Open, Exit, CloseBox };
struct Answer {
    const char* name;
    Action action;
    int answer;
    bool saveConfirmed;  // when the answer is Yes
    bool goesAhead;
};

class UnsavedText : public Documents, public ::testing::WithParamInterface<Answer> {};

TEST_P(UnsavedText, AsksAndActsOnTheAnswer)
{
    const Answer a = GetParam();
    writeBytes(path("other.txt"), "other");
    type("keep me");
    user.answer({a.answer});
    if (a.answer == rt::vbYes)
        a.saveConfirmed ? user.chooseFile(path("kept.txt")) : user.cancelFileDialog();
    user.chooseFile(path("other.txt"));
    switch (a.action) {
        case Action::New: choose(f.mnuFileNew); break;
        case Action::Open: choose(f.mnuFileOpen); break;
        case Action::Exit: choose(f.mnuFileExit); break;
        case Action::CloseBox: closeWindow(f); break;
    }
    const bool closing = a.action == Action::Exit || a.action == Action::CloseBox;
    EXPECT_EQ(user.prompts(), QStringList{closing ? askBeforeExit : askBeforeNew});
    EXPECT_EQ(QFile::exists(path("kept.txt")), a.answer == rt::vbYes && a.saveConfirmed);
    const QString text = !a.goesAhead ? "keep me" : a.action == Action::Open ? "other" : "";
    if (closing) {
        EXPECT_EQ(rt::isLoaded<Form1>(), !a.goesAhead);
    } else {
        EXPECT_EQ(f.txtBox.Text(), text);
        EXPECT_EQ(f.Caption(), text == "other" ? "other.txt - miPlumex" : "Untitled - miPlumex");
    }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Answers, UnsavedText, ::testing::Values(
    Answer{"NewCancel",                Action::New,      rt::vbCancel, true,  false},
    Answer{"NewNo",                    Action::New,      rt::vbNo,     true,  true},
    Answer{"NewYes",                   Action::New,      rt::vbYes,    true,  true},
    Answer{"NewYesSaveCancelled",      Action::New,      rt::vbYes,    false, false},
    Answer{"OpenCancel",               Action::Open,     rt::vbCancel, true,  false},
    Answer{"OpenNo",                   Action::Open,     rt::vbNo,     true,  true},
    Answer{"OpenYes",                  Action::Open,     rt::vbYes,    true,  true},
    Answer{"OpenYesSaveCancelled",     Action::Open,     rt::vbYes,    false, false},
    Answer{"ExitCancel",               Action::Exit,     rt::vbCancel, true,  false},
    Answer{"ExitYes",                  Action::Exit,     rt::vbYes,    true,  true},
    Answer{"CloseBoxCancel",           Action::CloseBox, rt::vbCancel, true,  false},
    Answer{"CloseBoxNo",               Action::CloseBox, rt::vbNo,     true,  true},
    Answer{"CloseBoxYesSaveCancelled", Action::CloseBox, rt::vbYes,    false, false}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST_F(Documents, CancelledFileDialogsAndAFileThatCannotBeReadChangeNothing)
{
    writeBytes(path("a.txt"), "abc");
    open(path("a.txt"));
    type("!");
    choose(f.mnuFileSaveAs);  // the scripted user cancels both file dialogs
    user.answer({rt::vbNo, rt::vbNo});
    choose(f.mnuFileOpen);
    open(path("missing.txt"));
    ASSERT_EQ(user.prompts().size(), 3);
    EXPECT_EQ(user.prompts()[2], "No se ha podido abrir el fichero " + path("missing.txt") +
                                     "\r\n\r\nFile not found: No such file or directory");
    EXPECT_EQ(f.Caption(), "a.txt - miPlumex*");
    EXPECT_EQ(f.fileName, path("a.txt"));
    EXPECT_EQ(f.txtBox.Text(), "!abc");
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{"a.txt"});
    EXPECT_EQ(bytesOf(path("a.txt")), "abc");
}

TEST_F(Documents, NewForgetsTheOpenedFileAndFileDialogsOfferTextFilesWithTheLastFlags)
{
    writeBytes(path("a.txt"), "abc\n");
    choose(f.mnuEditSetFont);
    open(path("a.txt"));
    choose(f.mnuFileNew);
    type("z");
    choose(f.mnuEditSetBgndColor);
    user.chooseFile(path("b"));
    save();
    ASSERT_EQ(user.fileDialogs.size(), 2u);
    for (const auto& asked : user.fileDialogs)
        EXPECT_EQ(asked.filter, "Texto (*.txt)|*.txt|All Files (*.*)|*.*");
    EXPECT_FALSE(user.fileDialogs[0].save);
    EXPECT_EQ(user.fileDialogs[0].filterIndex, 1);
    EXPECT_EQ(user.fileDialogs[0].flags, 257);
    EXPECT_TRUE(user.fileDialogs[1].save);
    EXPECT_EQ(user.fileDialogs[1].defaultExt, "txt");
    EXPECT_EQ(user.fileDialogs[1].flags, 1);
    EXPECT_EQ(f.Caption(), "b.txt - miPlumex");
    EXPECT_EQ(bytesOf(path("a.txt")), "abc\n");
    EXPECT_EQ(bytesOf(path("b.txt")), "z\r\n");
}

TEST_F(Documents, SetFontAndSetBgndColorApplyTheChoiceAndACancelKeepsIt)
{
    user.chooseFont({"Serif (Times style)", 14, true, true, true, true, 0x0000FF});
    choose(f.mnuEditSetFont);
    f.txtBox.setFontSize(20);
    user.chooseColor(0x80FF00);
    choose(f.mnuEditSetBgndColor);
    choose(f.mnuEditSetFont);       // cancelled: the text keeps its font and colour
    choose(f.mnuEditSetBgndColor);  // cancelled: the background stays
    ASSERT_EQ(user.fontDialogs.size(), 2u);
    EXPECT_EQ(user.fontDialogs[0].initial.name, "Monospace");
    EXPECT_EQ(user.fontDialogs[1].initial.size, 20) << "the dialog opens on the text's font";
    EXPECT_EQ(user.fontDialogs[1].initial.color, 0x0000FF);
    EXPECT_EQ(user.colorDialogs.at(1).initial, 0x80FF00);
    const rt::TextBox& box = f.txtBox;
    EXPECT_EQ(box.FontName(), "Serif (Times style)");
    EXPECT_EQ(box.FontSize(), 20);
    EXPECT_TRUE(box.FontBold() && box.FontItalic() && box.FontStrikethru() && box.FontUnderline());
    EXPECT_EQ(box.ForeColor(), 0x0000FF) << "not the background colour left in the dialog";
    EXPECT_EQ(box.widget()->font().family(), rt::systemFamily("Serif (Times style)"));
    EXPECT_TRUE(f.saved) << "neither is a change of the text";
    settle();
    const QImage shown = grabPixels(box);
    EXPECT_GT(shareOf(shown, shown.rect(), rt::toQColor(0x80FF00)), 0.9);
}

}  // namespace
