#pragma once

#include "forms/runtime.h"

// The modeless Replace dialog: finds text in the main window's text box as the
// Find dialog does, with a search position of its own, and replaces the
// selected match or every match.
class frmReplace : public rt::Form {
    Q_OBJECT
public:
    frmReplace();
    static const rt::FormSpec& layout();

    rt::TextBox& txtFind;
    rt::TextBox& txtReplace;
    rt::Label& Label1;
    rt::Label& Label2;
    rt::CheckBox& chkCase;
    rt::CommandButton& cmdFind;
    rt::CommandButton& cmdCancel;
    rt::CommandButton& cmdReplaceAll;
    rt::CommandButton& cmdReplace;

    rt::Variant startPos;     // 1-based position where the next search begins
    rt::Variant foundPos;     // position of the last match, 0 for none
    QString findText;         // the search text of the last search
    rt::Integer compareMode;  // 1 ignores case, 0 compares exactly

    void chkCase_Click();
    void cmdFind_Click();
    void cmdReplace_Click();
    void cmdReplaceAll_Click();
    void cmdCancel_Click();

protected:
    void Form_Load() override;
};
