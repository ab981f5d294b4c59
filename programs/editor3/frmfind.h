#pragma once

#include "forms/runtime.h"

namespace editor3 {

// The modeless Find dialog: searches the main window's text box forward from
// its own position and selects each match there.
class frmFind : public rt::Form {
public:
    frmFind() : rt::Form(layout()) {}
    static const rt::FormSpec& layout();

    // The controls the code uses, each with the handlers of its events.
    rt::TextBox& txtFind = bind<rt::TextBox>("txtFind");
    rt::CheckBox& chkCase =
        bind<rt::CheckBox>("chkCase", rt::on(&rt::CheckBox::Click, &frmFind::chkCase_Click));
    rt::CommandButton& cmdFind = bind<rt::CommandButton>(
        "cmdFind", rt::on(&rt::CommandButton::Click, &frmFind::cmdFind_Click));
    rt::CommandButton& Command2 = bind<rt::CommandButton>(
        "Command2", rt::on(&rt::CommandButton::Click, &frmFind::Command2_Click));
    rt::OptionButton& optUp = bind<rt::OptionButton>("optUp");
    rt::OptionButton& optDown = bind<rt::OptionButton>("optDown");

    rt::Variant startPos;     // 1-based position where the next search begins
    rt::Variant foundPos;     // position of the last match, 0 for none
    QString findText;         // the search text of the last search
    rt::Integer compareMode;  // 1 ignores case, 0 compares exactly
    RT_FORM_VARIABLES(startPos, foundPos, findText, compareMode)

    void chkCase_Click();
    void cmdFind_Click();
    void Command2_Click();

protected:
    void Form_Load() override;
    void Form_Unload(int& cancel) override;
};

}  // namespace editor3
