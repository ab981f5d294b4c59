#pragma once

#include "files/textfile.h"
#include "forms/runtime.h"

namespace editor1 {

// The first edition of the editor: one text box filling the window, the
// File and Edit menus and a common dialog. It keeps no track of changes and
// asks nothing before text is thrown away.
class Form1 : public rt::Form {
public:
    Form1() : rt::Form(layout()) {}
    static const rt::FormSpec& layout();

    // The controls the code uses, each with the handlers of its events.
    rt::TextBox& txtBox = bind<rt::TextBox>("txtBox");
    rt::CommonDialog& cdlPlumex = bind<rt::CommonDialog>("cdlPlumex");
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
    rt::Menu& mnuEditSetfont =
        bind<rt::Menu>("mnuEditSetfont", rt::on(&rt::Menu::Click, &Form1::mnuEditSetfont_Click));
    rt::Menu& mnuEditSetBgndColor = bind<rt::Menu>(
        "mnuEditSetBgndColor", rt::on(&rt::Menu::Click, &Form1::mnuEditSetBgndColor_Click));

    rt::Variant fileTitle;        // the file's name without its folder; empty: no file
    QString fileName;             // the file's full path; empty: no file
    rt::DocumentFile fileOnDisk;  // its format, and how it stood when last read or written
    RT_FORM_VARIABLES(fileTitle, fileName)

    void mnuFileNew_Click();
    void mnuFileOpen_Click();
    void mnuFileSave_Click();
    void mnuFileSaveAs_Click();
    void mnuFileExit_Click();
    void mnuEditSetfont_Click();
    void mnuEditSetBgndColor_Click();

protected:
    void Form_Load() override;
    void Form_Resize() override;

private:
    void writeFile(const QString& path);
};

}  // namespace editor1
