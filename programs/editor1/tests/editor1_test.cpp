// editor1: no tracking of changes, Exit and the close box end at once, the
// caption follows files only, and the same bytes on disk as the other editions.
#include "form1.h"

#include "testing/accessibility.h"
#include "testing/editor_file_dialogs.h"
#include "testing/editor_test.h"

using namespace rt::testing;
using editor1::Form1;

namespace {

class Editor1 : public EditorTest<Form1> {
protected:
    Editor1() : EditorTest("editor1") {}
};

TEST_F(Editor1, ExitAndTheCloseBoxEndAtOnceWithUnsavedText)
{
    settle();
    EXPECT_EQ(f.Caption(), "Untitled - MiPlumex");
    EXPECT_EQ(f.txtBox.rectTwips(), QRectF(0, 0, 6885, 5505));
    EXPECT_EQ(menuBarOf(f), QStringList({"File: New, Open, Save, Save As, -, Exit",
                                         "Edit: Set Font, Set Bgndcolor"}));
    type("lost");
    EXPECT_EQ(f.Caption(), "Untitled - MiPlumex") << "changes are not shown";
    choose(f.mnuFileExit);
    EXPECT_EQ(user.ends, 1);
    EXPECT_TRUE(user.prompts().isEmpty());

    rt::form<Form1>().Show();
    typeText(rt::form<Form1>().txtBox, "lost too");
    closeWindow(rt::form<Form1>());
    EXPECT_FALSE(rt::isLoaded<Form1>());
    EXPECT_TRUE(user.prompts().isEmpty());
}

TEST_F(Editor1, SaveOfAnOpenedFileKeepsTheCaptionAndTheFilesBytes)
{
    const QByteArray bytes =
        "se\xF1or\r\nma\xF1"
        "ana";  // Windows-1252, CR LF, no final line end
    writeBytes("a.txt", bytes);
    open("a.txt");
    EXPECT_EQ(f.Caption(), "a.txt - MiPlumex");
    save();
    EXPECT_EQ(bytesOf("a.txt"), bytes);
    type("x");
    save();
    EXPECT_EQ(f.Caption(), "a.txt - MiPlumex");
    EXPECT_EQ(bytesOf("a.txt"),
              "xse\xF1or\r\nma\xF1"
              "ana");

    choose(f.mnuFileNew);  // no question: the text is thrown away
    EXPECT_EQ(f.Caption(), "Untitled - MiPlumex");
    f.txtBox.setText("abc");
    saveAs("b.txt");
    EXPECT_EQ(f.Caption(), "b.txt - MiPlumex");
    EXPECT_EQ(bytesOf("b.txt"), "abc\r\n");
    saveAs("no/such.txt");
    EXPECT_EQ(f.Caption(), "b.txt - MiPlumex") << "a failed Save As keeps the file";
    EXPECT_EQ(f.fileName, path("b.txt"));
    ASSERT_EQ(user.prompts().size(), 1);
    EXPECT_TRUE(
        user.prompts()[0].startsWith("No se ha podido guardar el fichero " + path("no/such.txt")));
}

TEST_F(Editor1, AFileWithoutExtensionOpensAfterASaveAs)
{
    expectOpenWithoutExtensionAfterSaveAs(f, user, folder.path());
    EXPECT_EQ(f.Caption(), "more.txt - MiPlumex");
}

TEST_F(Editor1, SetBgndcolorAfterSetFontOpensWithItsFlags)
{
    choose(f.mnuEditSetfont);
    choose(f.mnuEditSetBgndColor);
    ASSERT_EQ(user.colorDialogs.size(), 1u);
    EXPECT_EQ(user.colorDialogs[0].flags, 257);
    EXPECT_EQ(f.txtBox.BackColor(), user.colorDialogs[0].initial) << "a cancel keeps the colour";
}

TEST_F(Editor1, SaveAsksBeforeWritingOverAFileAnotherProgramChanged)
{
    expectSaveAsksAfterAnotherProgramsChange();
}

}  // namespace
