#pragma once

#include "forms/runtime.h"
#include "forms/textcodec.h"

// The editor's main window: one text box filling the window, the File, Edit
// and Search menus and a common dialog. The caption shows the document's
// state; text that was not saved is never thrown away without asking.
class Form1 : public rt::Form {
    Q_OBJECT
public:
    Form1();
    static const rt::FormSpec& layout();

    rt::TextBox& txtBox;
    rt::CommonDialog& dlgPlumex;
    rt::Menu& mnuFile;
    rt::Menu& mnuFileNew;
    rt::Menu& mnuFileOpen;
    rt::Menu& mnuFileSave;
    rt::Menu& mnuFileSaveAs;
    rt::Menu& mnuSep;
    rt::Menu& mnuFileExit;
    rt::Menu& mnuEdit;
    rt::Menu& mnuEditSetFont;
    rt::Menu& mnuEditSetBgndColor;
    rt::Menu& mnuSearch;
    rt::Menu& mnuSearchFind;
    rt::Menu& mnuSearchFindnext;
    rt::Menu& mnuSearchReplace;

    rt::Integer saved;          // True while the text has no changes since loaded, saved or started
    rt::Variant fileTitle;      // the file's name without its folder; empty: no file
    QString fileName;           // the file's full path; empty: no file
    rt::TextFormat fileFormat;  // encoding and line ends the document is saved with

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
