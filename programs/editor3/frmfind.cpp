#include "frmfind.h"

#include "form1.h"
#include "search.h"

#include "forms/desktop/dialog_behaviour.h"

namespace editor3 {

void frmFind::Form_Load()
{
    startPos = rt::Integer(1);
    compareMode = 1;
    // Enter in a text box finds the next match; Escape cancels.
    rt::useDialogKeys(*this, cmdFind, Command2);
    // The search always runs forward: the direction shows "Down" and is fixed.
    optUp.setEnabled(false);
    optDown.setEnabled(false);
}

void frmFind::Form_Unload(int& cancel)
{
    (void)cancel;
    // Referring to an unloaded main window would load it again.
    if (rt::isLoaded<Form1>()) rt::form<Form1>().mnuSearchFindnext.setEnabled(false);
}

void frmFind::chkCase_Click()
{
    compareMode = chkCase.Value() == 0 ? 1 : 0;
}

void frmFind::Command2_Click()
{
    Hide();
}

void frmFind::cmdFind_Click()
{
    Form1& main = rt::form<Form1>();
    main.mnuSearchFindnext.setEnabled(true);
    findText = txtFind.Text();
    const QString restartQuestion =
        QStringLiteral("El texto no se ha encontrado. ¿Desea recomenzar la búsqueda?");
    if (!findNext(main.txtBox, {startPos, foundPos, findText, compareMode}, restartQuestion))
        Hide();
    rt::keepClearOfSelection(*this, main.txtBox);
}

}  // namespace editor3
