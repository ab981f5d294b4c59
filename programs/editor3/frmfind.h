#pragma once

#include "forms/runtime.h"

// The modeless Find dialog: searches the main window's text box forward from
// its own position and selects each match there.
class frmFind : public rt::Form {
    Q_OBJECT
public:
    frmFind();
    static const rt::FormSpec& layout();

    rt::Label& Label1;
    rt::TextBox& txtFind;
    rt::CheckBox& chkCase;
    rt::CommandButton& cmdFind;
    rt::CommandButton& Command2;
    rt::Frame& Frame1;
    rt::OptionButton& optUp;
    rt::OptionButton& optDown;

    rt::Variant startPos;     // 1-based position where the next search begins
    rt::Variant foundPos;     // position of the last match, 0 for none
    QString findText;         // the search text of the last search
    rt::Integer compareMode;  // 1 ignores case, 0 compares exactly

    void chkCase_Click();
    void cmdFind_Click();
    void Command2_Click();

protected:
    void Form_Load() override;
    void Form_Unload(int& cancel) override;
};
