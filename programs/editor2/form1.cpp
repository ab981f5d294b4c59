#include "form1.h"

#include "files/filenumbers.h"
#include "forms/desktop/font_offer.h"

namespace editor2 {

namespace {
const QString appName = QStringLiteral(" - MiPlumex");
const QString untitledCaption = QStringLiteral("Untitled - MiPlumex");
}  // namespace

void Form1::Form_Load()
{
    saved = rt::True;
    setCaption(untitledCaption);
    txtBox.setLeft(0);
    txtBox.setTop(0);
    txtBox.setFontName("Monospace");
    fileTitle = QString();
    fileName.clear();
}

// The text box fills the client area, so that no line or caret is ever
// hidden under the window's edges.
void Form1::Form_Resize()
{
    txtBox.Move(0, 0, ScaleWidth(), ScaleHeight());
}

void Form1::txtBox_Change()
{
    saved = rt::False;
    if (fileTitle.toText().isEmpty()) {
        setCaption(untitledCaption + "*");
    } else {
        setCaption(fileTitle.toText() + appName + "*");
    }
}

void Form1::mnuFileNew_Click()
{
    if (!offerToSave()) return;
    txtBox.setText("");
    fileTitle = QString();
    fileName.clear();
    fileOnDisk = rt::DocumentFile{};
    setCaption(untitledCaption);
    saved = rt::True;
}

void Form1::mnuFileOpen_Click()
{
    if (!offerToSave()) return;
    cdlPlumex.setFilter("texto (*.txt)|*.txt|todos (*.*)|*.*");
    cdlPlumex.ShowOpen();
    if (cdlPlumex.FileTitle().isEmpty()) return;
    // Read first: a file that cannot be read ends this handler with the
    // document, its name and caption as they were.
    rt::Open(cdlPlumex.FileName(), rt::FileMode::Input, 1);
    const QString text = rt::Input(rt::LOF(1), 1);
    fileOnDisk = rt::Close(1);
    fileTitle = cdlPlumex.FileTitle();
    fileName = cdlPlumex.FileName();
    txtBox.setText(text);
    setCaption(fileTitle.toText() + appName);
    saved = rt::True;
}

void Form1::mnuFileSave_Click()
{
    if (fileTitle.toText().isEmpty()) {
        mnuFileSaveAs_Click();
        return;
    }
    writeFile(fileName);
    saved = rt::True;
    setCaption(fileTitle.toText() + appName);
}

void Form1::mnuFileSaveAs_Click()
{
    cdlPlumex.setDefaultExt("txt");
    cdlPlumex.ShowSave();
    if (cdlPlumex.FileName().isEmpty()) return;
    writeFile(cdlPlumex.FileName());
    fileTitle = cdlPlumex.FileTitle();
    fileName = cdlPlumex.FileName();
    setCaption(fileTitle.toText() + appName);
    saved = rt::True;
}

void Form1::mnuFileExit_Click()
{
    if (Unload()) rt::End();
}

void Form1::Form_QueryUnload(int& cancel, int /*unloadMode*/)
{
    if (saved) return;
    switch (rt::MsgBox("¿Desea guardar los cambios?", rt::vbYesNoCancel)) {
        case rt::vbYes:
            mnuFileSave_Click();
            // A cancelled Save As leaves the text unsaved: the window stays.
            if (!saved) cancel = 1;
            break;
        case rt::vbCancel: cancel = 1; break;
        default: break;
    }
}

void Form1::mnuEditSetfont_Click()
{
    cdlPlumex.setFlags(rt::Long(257));
    rt::offerFontOf(cdlPlumex, txtBox);  // so that a cancel changes nothing
    cdlPlumex.ShowFont();
    txtBox.setFontName(cdlPlumex.FontName());
    txtBox.setFontSize(cdlPlumex.FontSize());
    txtBox.setFontBold(cdlPlumex.FontBold());
    txtBox.setFontItalic(cdlPlumex.FontItalic());
    txtBox.setFontStrikethru(cdlPlumex.FontStrikethru());
    txtBox.setFontUnderline(cdlPlumex.FontUnderline());
    txtBox.setForeColor(cdlPlumex.Color());
}

// Flags keeps whatever it holds (257 after a Set Font).
void Form1::mnuEditSetBgndColor_Click()
{
    cdlPlumex.setColor(txtBox.BackColor());
    cdlPlumex.ShowColor();
    txtBox.setBackColor(cdlPlumex.Color());
}

bool Form1::offerToSave()
{
    if (saved) return true;
    if (rt::MsgBox("¿desea guardar los cambios?", rt::vbYesNo) == rt::vbNo) return true;
    mnuFileSave_Click();
    return saved;
}

// Prints the text to `path` as file 1; a file that cannot be written is
// reported by name and ends the running handler, changing nothing.
void Form1::writeFile(const QString& path)
{
    rt::Open(path, rt::FileMode::Output, 1, fileOnDisk);
    rt::Print(1, txtBox.Text());
    fileOnDisk = rt::Close(1);
}

}  // namespace editor2
