#include "form1_fixture.h"

#include "forms/look.h"

#include <QWidget>

using namespace rt::testing;

namespace {

class Dialogs : public EditorTest {};

TEST_F(Dialogs, OpenOffersTextFilesFirstAndSaveAsAddsTxt)
{
    user.cancelFileDialog();
    choose(f.mnuFileOpen);
    ASSERT_EQ(user.fileDialogs.size(), 1u);
    EXPECT_FALSE(user.fileDialogs[0].save);
    EXPECT_EQ(user.fileDialogs[0].filter, "Texto (*.txt)|*.txt|All Files (*.*)|*.*");
    EXPECT_EQ(user.fileDialogs[0].filterIndex, 1);

    type("abc");
    saveAs(path("notes"));
    EXPECT_EQ(user.fileDialogs[1].defaultExt, "txt");
    EXPECT_EQ(user.fileDialogs[1].filter, "Texto (*.txt)|*.txt|All Files (*.*)|*.*");
    EXPECT_EQ(f.fileName, path("notes.txt"));
    EXPECT_EQ(f.Caption(), "notes.txt - miPlumex");
    EXPECT_EQ(bytesOf(path("notes.txt")), "abc\r\n");
}

TEST_F(Dialogs, SetFontAppliesTheChoiceAndACancelKeepsTheDialogsValues)
{
    const rt::FontChoice chosen{"Serif (Times style)", 14, true, true, true, true, 0x0000FF};
    user.chooseFont(chosen);
    choose(f.mnuEditSetFont);
    ASSERT_EQ(user.fontDialogs.size(), 1u);
    EXPECT_EQ(user.fontDialogs[0].flags, 257);
    EXPECT_EQ(user.fontDialogs[0].initial.name, "Monospace");
    EXPECT_EQ(f.txtBox.FontName(), "Serif (Times style)");
    EXPECT_EQ(f.txtBox.FontSize(), 14);
    EXPECT_TRUE(f.txtBox.FontBold());
    EXPECT_TRUE(f.txtBox.FontItalic());
    EXPECT_TRUE(f.txtBox.FontStrikethru());
    EXPECT_TRUE(f.txtBox.FontUnderline());
    EXPECT_EQ(f.txtBox.ForeColor(), 0x0000FF);
    EXPECT_EQ(f.txtBox.widget()->font().family(), rt::systemFamily("Serif (Times style)"));

    f.txtBox.setFontSize(20);
    user.cancelFontDialog();
    choose(f.mnuEditSetFont);
    EXPECT_EQ(f.dlgPlumex.FontSize(), 14) << "a cancel keeps the last confirmed values";
    EXPECT_EQ(f.txtBox.FontSize(), 14);
    EXPECT_EQ(f.txtBox.ForeColor(), 0x0000FF);
    EXPECT_TRUE(f.saved) << "a font is not a change of the text";
}

TEST_F(Dialogs, SetBgndColorOpensOnTheHeldColourAndACancelKeepsIt)
{
    user.chooseColor(0x80FF00);
    choose(f.mnuEditSetBgndColor);
    EXPECT_EQ(f.txtBox.BackColor(), 0x80FF00);
    user.cancelColorDialog();
    choose(f.mnuEditSetBgndColor);
    ASSERT_EQ(user.colorDialogs.size(), 2u);
    EXPECT_EQ(user.colorDialogs[1].flags, 1);
    EXPECT_EQ(user.colorDialogs[1].initial, 0x80FF00);
    EXPECT_EQ(f.txtBox.BackColor(), 0x80FF00);
    settle();
    const QImage shown = grabPixels(f.txtBox);
    EXPECT_GT(shareOf(shown, shown.rect(), rt::toQColor(0x80FF00)), 0.9);
}

TEST_F(Dialogs, FlagsCarryOverIntoTheNextFileDialog)
{
    user.cancelFontDialog();
    choose(f.mnuEditSetFont);
    user.cancelFileDialog();
    choose(f.mnuFileOpen);
    user.cancelColorDialog();
    choose(f.mnuEditSetBgndColor);
    user.cancelFileDialog();
    choose(f.mnuFileSaveAs);
    ASSERT_EQ(user.fileDialogs.size(), 2u);
    EXPECT_EQ(user.fileDialogs[0].flags, 257);
    EXPECT_EQ(user.fileDialogs[1].flags, 1);
}

}  // namespace
