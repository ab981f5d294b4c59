#include "form1.h"

#include "frmfind.h"
#include "frmreplace.h"

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
    const QString path = dlgPlumex.FileName();
    rt::TextDocument doc;
    try {
        doc = rt::readTextFile(path);
    } catch (const rt::RuntimeError& error) {
        rt::MsgBox("No se ha podido abrir el fichero " + path + "\r\n\r\n" + error.description(),
                   rt::vbExclamation);
        return;
    }
    fileName = path;
    fileTitle = dlgPlumex.FileTitle();
    fileFormat = doc.format;
    txtBox.setText(doc.text);
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
    dlgPlumex.setFontName(txtBox.FontName());
    dlgPlumex.setFontSize(txtBox.FontSize());
    dlgPlumex.setFontBold(txtBox.FontBold());
    dlgPlumex.setFontItalic(txtBox.FontItalic());
    dlgPlumex.setFontStrikethru(txtBox.FontStrikethru());
    dlgPlumex.setFontUnderline(txtBox.FontUnderline());
    dlgPlumex.setColor(txtBox.ForeColor());
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
    fileFormat = rt::TextFormat{};
    setCaption(untitledCaption);
}

bool Form1::save()
{
    if (fileName.isEmpty()) return saveAs();
    if (!writeTo(fileName)) return false;
    showSaved();
    return true;
}

bool Form1::saveAs()
{
    dlgPlumex.setDefaultExt("txt");
    dlgPlumex.ShowSave();
    if (dlgPlumex.FileName().isEmpty()) return false;
    const QString path = dlgPlumex.FileName();
    const QString title = dlgPlumex.FileTitle();
    if (!writeTo(path)) return false;
    fileName = path;
    fileTitle = title;
    showSaved();
    return true;
}

// Writes the text; on failure says why and leaves everything as it was.
bool Form1::writeTo(const QString& path)
{
    try {
        fileFormat = rt::writeTextFile(path, txtBox.Text(), fileFormat);
        return true;
    } catch (const rt::RuntimeError& error) {
        rt::MsgBox("No se ha podido guardar el fichero " + path + "\r\n\r\n" + error.description(),
                   rt::vbExclamation);
        return false;
    }
}

void Form1::showSaved()
{
    setCaption(fileTitle.toText() + appName);
    saved = rt::True;
}

}  // namespace editor3
