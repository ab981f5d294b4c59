#pragma once

#include "frmdib.h"

#include "form_test.h"

// The rootplot window, loaded and shown, with a scripted user.
class RootPlot : public rt::testing::FormTest {
protected:
    RootPlot() : FormTest("rootplot"), f(rt::form<frmDib>()) { f.Show(); }

    // Replaces the box's text by typing, without pressing Enter.
    static void retype(rt::TextBox& box, const QString& text)
    {
        box.setText({});
        rt::testing::typeText(box, text);
    }
    static void pressEnter(rt::TextBox& box)
    {
        rt::testing::pressKey(box, Qt::Key_Return, QStringLiteral("\r"));
    }
    // Types the text into the box and presses Enter, as a user confirms a value.
    static void enter(rt::TextBox& box, const QString& text)
    {
        retype(box, text);
        pressEnter(box);
    }
    void enterCoefficients(const QString& a, const QString& b, const QString& c, const QString& d)
    {
        enter(f.txtA(0), a);
        enter(f.txtA(1), b);
        enter(f.txtA(2), c);
        enter(f.txtA(3), d);
    }

    frmDib& f;
};
