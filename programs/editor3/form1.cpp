#include "form1.h"

#include "frmfind.h"
#include "frmreplace.h"

#include "files/filenumbers.h"
#include "forms/desktop/font_offer.h"

namespace editor3 {

namespace {
const QString appName = QStringLiteral(" - miPlumex");
const QString untitledCaption = QStringLiteral("Untitled - miPlumex");
}  // namespace

void Form1::Form_Load()
{
    txtBox.setLeft(0);
    txtBox.setTop(0);
    txtBox.setFontName("Monospace");
    fileTitle = QString();
    fileName.clear();
    saved = rt::True;
    mnuSearchFindnext.setEnabled(false);
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
    if (!fileTitle.toText().isEmpty()) {
        setCaption(fileTitle.toText() + appName + "*");
    } else {
        setCaption(untitledCaption);
    }
}

void Form1::mnuFileNew_Click()
{
    if (!mayDiscardText("¿Desea actualizar el fichero antes de abrir uno nuevo?")) return;
    startUntitled();
}

void Form1::mnuFileOpen_Click()
{
    if (!mayDiscardText("¿Desea actualizar el fichero antes de abrir uno nuevo?")) return;
    dlgPlumex.setFilter("Texto (*.txt)|*.txt|All Files (*.*)|*.*");
    dlgPlumex.setFilterIndex(rt::Integer(1));
    dlgPlumex.ShowOpen();
    if (dlgPlumex.FileTitle().isEmpty()) return;
    // Read first: a file that cannot be read ends this handler with the
    // document, its name and caption as they were.
    rt::Open(dlgPlumex.FileName(), rt::FileMode::Input, 1);
    const QString text = rt::Input(rt::LOF(1), 1);
    fileOnDisk = rt::Close(1);
    fileName = dlgPlumex.FileName();
    fileTitle = dlgPlumex.FileTitle();
    txtBox.setText(text);
    showSaved();
}

void Form1::mnuFileSave_Click()
{
    save();
}

void Form1::mnuFileSaveAs_Click()
{
    saveAs();
}

void Form1::mnuFileExit_Click()
{
    Unload();
}

void Form1::Form_QueryUnload(int& cancel, int /*unloadMode*/)
{
    if (!mayDiscardText("¿Desea actualizar el fichero antes de salir?")) cancel = 1;
}

// The dialog opens on the text box's own font and colours, so that a cancel,
// whose values are copied back all the same, leaves the text as it was: the
// one dialog also serves Set BgndColor, and its colour left over from there
// would otherwise paint the text in the background's colour.
void Form1::mnuEditSetFont_Click()
{
    dlgPlumex.setFlags(rt::Long(257));
    rt::offerFontOf(dlgPlumex, txtBox);
    dlgPlumex.ShowFont();
    txtBox.setFontName(dlgPlumex.FontName());
    txtBox.setFontSize(dlgPlumex.FontSize());
    txtBox.setFontBold(dlgPlumex.FontBold());
    txtBox.setFontItalic(dlgPlumex.FontItalic());
    txtBox.setForeColor(dlgPlumex.Color());
    txtBox.setFontStrikethru(dlgPlumex.FontStrikethru());
    txtBox.setFontUnderline(dlgPlumex.FontUnderline());
}

void Form1::mnuEditSetBgndColor_Click()
{
    dlgPlumex.setFlags(rt::Long(1));
    dlgPlumex.setColor(txtBox.BackColor());
    dlgPlumex.ShowColor();
    txtBox.setBackColor(dlgPlumex.Color());
}

void Form1::mnuSearchFind_Click()
{
    rt::form<frmFind>().Show(0, this);
}

void Form1::mnuSearchReplace_Click()
{
    rt::form<frmReplace>().Show(0, this);
}

void Form1::mnuSearchFindnext_Click()
{
    rt::form<frmFind>().cmdFind_Click();
}

bool Form1::mayDiscardText(const QString& question)
{
    if (saved) return true;
    switch (rt::MsgBox(question, rt::vbYesNoCancel)) {
        case rt::vbYes: return save();
        case rt::vbNo: return true;
        default: return false;
    }
}

void Form1::startUntitled()
{
    txtBox.setText("");
    fileTitle = QString();
    fileName.clear();
    fileOnDisk = rt::DocumentFile{};
    setCaption(untitledCaption);
}

bool Form1::save()
{
    if (fileName.isEmpty()) return saveAs();
    writeFile(fileName);
    showSaved();
    return true;
}

bool Form1::saveAs()
{
    dlgPlumex.setDefaultExt("txt");
    dlgPlumex.ShowSave();
    if (dlgPlumex.FileName().isEmpty()) return false;
    writeFile(dlgPlumex.FileName());
    fileName = dlgPlumex.FileName();
    fileTitle = dlgPlumex.FileTitle();
    showSaved();
    return true;
}

// Prints the text to `path` as file 1; a file that cannot be written is
// reported by name and ends the running handler, changing nothing.
void Form1::writeFile(const QString& path)
{
    rt::Open(path, rt::FileMode::Output, 1, fileOnDisk);
    rt::Print(1, txtBox.Text());
    fileOnDisk = rt::Close(1);
}

void Form1::showSaved()
{
    setCaption(fileTitle.toText() + appName);
    saved = rt::True;
}

}  // namespace editor3
