#include "form1_fixture.h"

#include <QAction>
#include <QMainWindow>
#include <QMenuBar>
#include <QWidget>

using namespace rt::testing;

namespace {

const QString askBeforeNew = "¿Desea actualizar el fichero antes de abrir uno nuevo?";
const QString askBeforeExit = "¿Desea actualizar el fichero antes de salir?";

class Documents : public EditorTest {};

TEST_F(Documents, StartsUntitledWithTheTextBoxFillingTheWindow)
{
    settle();
    EXPECT_EQ(f.Caption(), "Mi Plumex");
    EXPECT_EQ(f.ScaleWidth(), 6960);
    EXPECT_EQ(f.ScaleHeight(), 5340);
    EXPECT_EQ(f.txtBox.rectTwips(), QRectF(0, 0, 6960, 5340));
    EXPECT_EQ(f.txtBox.FontName(), "Monospace");
    EXPECT_EQ(f.txtBox.FontSize(), 9);
    EXPECT_TRUE(f.saved);
    EXPECT_FALSE(f.mnuSearchFindnext.Enabled());

    f.window()->resize(700, 500);
    settle();
    EXPECT_EQ(f.txtBox.rectTwips(), QRectF(0, 0, f.ScaleWidth(), f.ScaleHeight()));
    EXPECT_EQ(f.txtBox.Width(), 700 * 15);
}

TEST_F(Documents, SelectionStaysVisibleWithoutTheFocus)
{
    f.txtBox.setText("abc def");
    f.txtBox.setSelStart(4);
    f.txtBox.setSelLength(3);
    QWidget elsewhere;  // another window takes the focus, as the Find dialog does
    elsewhere.show();
    elsewhere.activateWindow();
    elsewhere.setFocus();
    settle();
    ASSERT_FALSE(f.txtBox.widget()->hasFocus());
    const QImage shown = grabPixels(f.txtBox);
    const QColor highlight =
        f.txtBox.widget()->palette().color(QPalette::Inactive, QPalette::Highlight);
    EXPECT_GT(shareOf(shown, shown.rect(), highlight), 0.0);
}

TEST_F(Documents, MenusReadAsLaidOut)
{
    QStringList bar;
    for (QAction* menu : static_cast<QMainWindow*>(f.window())->menuBar()->actions()) {
        QStringList items;
        for (QAction* item : menu->menu()->actions())
            items << (item->isSeparator() ? QStringLiteral("-") : item->text());
        bar << menu->text() + ": " + items.join(", ");
    }
    EXPECT_EQ(bar, QStringList({"&File: &New, &Open, &Save, Save &As, -, E&xit",
                                "&Edit: Set &Font, Set &BgndColor",
                                "&Search: &Find, Find &Next, &Replace"}));
}

TEST_F(Documents, CaptionFollowsTheDocumentsState)
{
    type("x");
    EXPECT_EQ(f.Caption(), "Untitled - miPlumex");
    EXPECT_FALSE(f.saved);

    saveAs(path("a.txt"));
    EXPECT_EQ(f.Caption(), "a.txt - miPlumex");
    EXPECT_TRUE(f.saved);
    type("y");
    EXPECT_EQ(f.Caption(), "a.txt - miPlumex*");
    save();
    EXPECT_EQ(f.Caption(), "a.txt - miPlumex");

    choose(f.mnuFileNew);
    EXPECT_EQ(f.Caption(), "Untitled - miPlumex");
    EXPECT_EQ(f.txtBox.Text(), "");
    EXPECT_EQ(f.fileName, "");

    user.answer({rt::vbNo});  // clearing the text was a change
    open(path("a.txt"));
    EXPECT_EQ(user.prompts(), QStringList{askBeforeNew});
    EXPECT_EQ(f.Caption(), "a.txt - miPlumex");
    EXPECT_EQ(f.txtBox.Text(), "xy\n");
    EXPECT_TRUE(f.saved);
    closeWindow(f);
    EXPECT_EQ(user.shown.size(), 1u) << "an unchanged document closes without asking";
}

TEST_F(Documents, NewAfterOpenForgetsTheFileSoSaveAsks)
{
    writeBytes(path("a.txt"), "abc\r\n");
    open(path("a.txt"));
    choose(f.mnuFileNew);
    type("z");
    save();
    ASSERT_EQ(user.fileDialogs.size(), 2u);
    EXPECT_TRUE(user.fileDialogs.back().save);
    EXPECT_EQ(bytesOf(path("a.txt")), "abc\r\n");
}

// Each answer to the question before New or Open, with unsaved text.
struct Answer {
    const char* name;
    int answer;
    bool saveDialogConfirmed;
    bool discarded;
    bool savedToFile;
};

class QuestionBeforeReplacingText : public Documents,
                                    public ::testing::WithParamInterface<Answer> {};

TEST_P(QuestionBeforeReplacingText, New)
{
    const Answer a = GetParam();
    type("keep me");
    user.answer({a.answer});
    if (a.answer == rt::vbYes && a.saveDialogConfirmed) user.chooseFile(path("kept.txt"));
    if (a.answer == rt::vbYes && !a.saveDialogConfirmed) user.cancelFileDialog();
    choose(f.mnuFileNew);
    EXPECT_EQ(user.prompts(), QStringList{askBeforeNew});
    EXPECT_EQ(f.txtBox.Text(), a.discarded ? "" : "keep me");
    EXPECT_EQ(f.Caption(), "Untitled - miPlumex");
    EXPECT_EQ(QFile::exists(path("kept.txt")), a.savedToFile);
}

TEST_P(QuestionBeforeReplacingText, Open)
{
    const Answer a = GetParam();
    writeBytes(path("other.txt"), "other");
    type("keep me");
    user.answer({a.answer});
    if (a.answer == rt::vbYes && a.saveDialogConfirmed) user.chooseFile(path("kept.txt"));
    if (a.answer == rt::vbYes && !a.saveDialogConfirmed) user.cancelFileDialog();
    user.chooseFile(path("other.txt"));
    choose(f.mnuFileOpen);
    EXPECT_EQ(user.prompts(), QStringList{askBeforeNew});
    EXPECT_EQ(f.txtBox.Text(), a.discarded ? "other" : "keep me");
    EXPECT_EQ(f.Caption(), a.discarded ? "other.txt - miPlumex" : "Untitled - miPlumex");
    EXPECT_EQ(QFile::exists(path("kept.txt")), a.savedToFile);
}

INSTANTIATE_TEST_SUITE_P(Answers, QuestionBeforeReplacingText,
                         ::testing::Values(Answer{"Cancel", rt::vbCancel, true, false, false},
                                           Answer{"No", rt::vbNo, true, true, false},
                                           Answer{"Yes", rt::vbYes, true, true, true},
                                           Answer{"YesThenCancelledSave", rt::vbYes, false, false,
                                                  false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(Documents, NewOnAnUnchangedDocumentAsksNothing)
{
    choose(f.mnuFileNew);
    EXPECT_TRUE(user.shown.empty());
    EXPECT_EQ(f.Caption(), "Untitled - miPlumex");
}

// Closing with unsaved text, by the close box and by File > Exit.
struct Closing {
    const char* name;
    bool byMenu;
    int answer;
    bool saveConfirmed;
    bool closes;
};

class QuestionBeforeClosing : public Documents, public ::testing::WithParamInterface<Closing> {};

TEST_P(QuestionBeforeClosing, AsksAndActsOnTheAnswer)
{
    const Closing c = GetParam();
    type("a");
    user.answer({c.answer});
    if (c.saveConfirmed) user.chooseFile(path("out.txt"));
    if (c.byMenu) {
        choose(f.mnuFileExit);
    } else {
        closeWindow(f);
    }
    EXPECT_EQ(user.prompts(), QStringList{askBeforeExit});
    EXPECT_EQ(rt::isLoaded<Form1>(), !c.closes);
    EXPECT_EQ(QFile::exists(path("out.txt")), c.answer == rt::vbYes && c.saveConfirmed);
}

INSTANTIATE_TEST_SUITE_P(
    Answers, QuestionBeforeClosing,
    ::testing::Values(Closing{"CloseBoxCancel", false, rt::vbCancel, false, false},
                      Closing{"ExitCancel", true, rt::vbCancel, false, false},
                      Closing{"CloseBoxNo", false, rt::vbNo, false, true},
                      Closing{"ExitYesSaved", true, rt::vbYes, true, true},
                      Closing{"CloseBoxYesSaveCancelled", false, rt::vbYes, false, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Documents, CancelledFileDialogsChangeNothing)
{
    writeBytes(path("a.txt"), "abc");
    open(path("a.txt"));
    type("!");
    const QString caption = f.Caption();
    user.cancelFileDialog();
    choose(f.mnuFileSaveAs);
    EXPECT_EQ(f.Caption(), caption);
    EXPECT_EQ(f.fileName, path("a.txt"));
    EXPECT_FALSE(f.saved);

    user.answer({rt::vbNo});
    user.cancelFileDialog();
    choose(f.mnuFileOpen);
    EXPECT_EQ(f.Caption(), caption);
    EXPECT_EQ(f.txtBox.Text(), "!abc");
    EXPECT_EQ(bytesOf(path("a.txt")), "abc");
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{"a.txt"});
}

}  // namespace
