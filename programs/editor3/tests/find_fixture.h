#pragma once

#include "form1.h"
#include "frmfind.h"
#include "frmreplace.h"

#include "form_test.h"

#include <QAction>
#include <QTest>

#include <utility>

// The main window shown with a document, and the user's ways to the dialogs.
class SearchTest : public rt::testing::FormTest {
protected:
    SearchTest() : FormTest("editor3"), main(rt::form<Form1>()) { main.Show(); }

    void document(const QString& text) { main.txtBox.setText(text); }
    QString document() const { return main.txtBox.Text(); }
    // The selection of the main text box: start from 0 and length.
    std::pair<int, int> selection() const
    {
        return {main.txtBox.SelStart(), main.txtBox.SelLength()};
    }

    frmFind& showFind()
    {
        rt::form<frmFind>().Show(0, &main);
        return rt::form<frmFind>();
    }
    frmReplace& showReplace()
    {
        rt::form<frmReplace>().Show(0, &main);
        return rt::form<frmReplace>();
    }
    // Search > Find Next, as the user chooses it (a disabled item does nothing).
    void menuFindNext() { main.mnuSearchFindnext.action()->trigger(); }
    void undo() { QTest::keyClick(main.txtBox.widget(), Qt::Key_Z, Qt::ControlModifier); }

    Form1& main;
};
