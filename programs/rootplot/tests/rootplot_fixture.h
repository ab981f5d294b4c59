#pragma once

#include "frmdib.h"

#include "testing/form_test.h"

#include <array>

using rootplot::frmDib;

// The rootplot window, loaded and shown, with a scripted user.
class RootPlot : public rt::testing::FormTest {
protected:
    RootPlot() : FormTest("rootplot"), f(rt::form<frmDib>()) { f.Show(); }

    static void pressEnter(rt::TextBox& box)
    {
        rt::testing::pressKey(box, Qt::Key_Return, QStringLiteral("\r"));
    }
    // Replaces the box's text by typing, and confirms it with Enter unless told not to.
    static void enter(rt::TextBox& box, const QString& text, bool confirm = true)
    {
        box.setText({});
        rt::testing::typeText(box, text);
        if (confirm) pressEnter(box);
    }
    void enterCoefficients(const std::array<const char*, 4>& abcd)
    {
        for (int i = 0; i < 4; ++i) enter(f.txtA[i], abcd[i]);
    }

    frmDib& f;
};
