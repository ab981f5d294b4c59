#pragma once

#include "files/textfile.h"
#include "forms/runtime.h"

namespace editor3 {

// The editor's main window: one text box filling the window, the File, Edit
// and Search menus and a common dialog. The caption shows the document's
// state; text that was not saved is never thrown away without asking.
class Form1 : public rt::Form {
public:
    Form1() : rt::Form(layout()) {}
    static const rt::FormSpec& layout();

    // The controls the code uses, each with the handlers of its events.
    rt::TextBox& txtBox =
        bind<rt::TextBox>("txtBox", rt::on(&rt::TextBox::Change, &Form1::txtBox_Change));
    rt::CommonDialog& dlgPlumex = bind<rt::CommonDialog>("dlgPlumex");
    rt::Menu& mnuFileNew =
        bind<rt::Menu>("mnuFileNew", rt::on(&rt::Menu::Click, &Form1::mnuFileNew_Click));
    rt::Menu& mnuFileOpen =
        bind<rt::Menu>("mnuFileOpen", rt::on(&rt::Menu::Click, &Form1::mnuFileOpen_Click));
    rt::Menu& mnuFileSave =
        bind<rt::Menu>("mnuFileSave", rt::on(&rt::Menu::Click, &Form1::mnuFileSave_Click));
    rt::Menu& mnuFileSaveAs =
        bind<rt::Menu>("mnuFileSaveAs", rt::on(&rt::Menu::Click, &Form1::mnuFileSaveAs_Click));
    rt::Menu& mnuFileExit =
        bind<rt::Menu>("mnuFileExit", rt::on(&rt::Menu::Click, &Form1::mnuFileExit_Click));
    rt::Menu& mnuEditSetFont =
        bind<rt::Menu>("mnuEditSetFont", rt::on(&rt::Menu::Click, &Form1::mnuEditSetFont_Click));
    rt::Menu& mnuEditSetBgndColor = bind<rt::Menu>(
        "mnuEditSetBgndColor", rt::on(&rt::Menu::Click, &Form1::mnuEditSetBgndColor_Click));
    rt::Menu& mnuSearchFind =
        bind<rt::Menu>("mnuSearchFind", rt::on(&rt::Menu::Click, &Form1::mnuSearchFind_Click));
    rt::Menu& mnuSearchFindnext = bind<rt::Menu>(
        "mnuSearchFindnext", rt::on(&rt::Menu::Click, &Form1::mnuSearchFindnext_Click));
    rt::Menu& mnuSearchReplace = bind<rt::Menu>(
        "mnuSearchReplace", rt::on(&rt::Menu::Click, &Form1::mnuSearchReplace_Click));

    rt::Integer saved;      // True while the text has no changes since loaded, saved or started
    rt::Variant fileTitle;  // the file's name without its folder; empty: no file
    QString fileName;       // the file's full path; empty: no file
    rt::DocumentFile fileOnDisk;  // its format, and how it stood when last read or written
    RT_FORM_VARIABLES(saved, fileTitle, fileName)

    void txtBox_Change();
    void mnuFileNew_Click();
    void mnuFileOpen_Click();
    void mnuFileSave_Click();
    void mnuFileSaveAs_Click();
    void mnuFileExit_Click();
    void mnuEditSetFont_Click();
    void mnuEditSetBgndColor_Click();
    void mnuSearchFind_Click();
    void mnuSearchFindnext_Click();
    void mnuSearchReplace_Click();

protected:
    void Form_Load() override;
    void Form_Resize() override;
    void Form_QueryUnload(int& cancel, int unloadMode) override;

private:
    // Each returns false when the save was cancelled; one that fails ends
    // the running handler.
    bool save();
    bool saveAs();
    void writeFile(const QString& path);
    // Asks whether to save unsaved text before it is replaced; false when
    // the user cancelled or the save did not happen.
    bool mayDiscardText(const QString& question);
    void startUntitled();
    void showSaved();
};

}  // namespace editor3
