#pragma once

#include "forms/runtime.h"

namespace editor3 {

// The modeless Replace dialog: finds text in the main window's text box as the
// Find dialog does, with a search position of its own, and replaces the
// selected match or every match.
class frmReplace : public rt::Form {
public:
    frmReplace() : rt::Form(layout()) {}
    static const rt::FormSpec& layout();

    // The controls the code uses, each with the handlers of its events.
    rt::TextBox& txtFind = bind<rt::TextBox>("txtFind");
    rt::TextBox& txtReplace = bind<rt::TextBox>("txtReplace");
    rt::CheckBox& chkCase =
        bind<rt::CheckBox>("chkCase", rt::on(&rt::CheckBox::Click, &frmReplace::chkCase_Click));
    rt::CommandButton& cmdFind = bind<rt::CommandButton>(
        "cmdFind", rt::on(&rt::CommandButton::Click, &frmReplace::cmdFind_Click));
    rt::CommandButton& cmdCancel = bind<rt::CommandButton>(
        "cmdCancel", rt::on(&rt::CommandButton::Click, &frmReplace::cmdCancel_Click));
    rt::CommandButton& cmdReplaceAll = bind<rt::CommandButton>(
        "cmdReplaceAll", rt::on(&rt::CommandButton::Click, &frmReplace::cmdReplaceAll_Click));
    rt::CommandButton& cmdReplace = bind<rt::CommandButton>(
        "cmdReplace", rt::on(&rt::CommandButton::Click, &frmReplace::cmdReplace_Click));

    rt::Variant startPos;     // 1-based position where the next search begins
    rt::Variant foundPos;     // position of the last match, 0 for none
    QString findText;         // the search text of the last search
    rt::Integer compareMode;  // 1 ignores case, 0 compares exactly
    RT_FORM_VARIABLES(startPos, foundPos, findText, compareMode)

    void chkCase_Click();
    void cmdFind_Click();
    void cmdReplace_Click();
    void cmdReplaceAll_Click();
    void cmdCancel_Click();

protected:
    void Form_Load() override;
};

}  // namespace editor3
