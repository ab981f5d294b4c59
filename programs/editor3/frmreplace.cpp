#include "frmreplace.h"

#include "form1.h"
#include "search.h"

#include "forms/desktop/dialog_behaviour.h"

namespace editor3 {

void frmReplace::Form_Load()
{
    startPos = rt::Integer(1);
    compareMode = 1;
    // Enter in a text box finds the next match; Escape cancels.
    rt::useDialogKeys(*this, cmdFind, cmdCancel);
}

void frmReplace::chkCase_Click()
{
    compareMode = chkCase.Value() == 0 ? 1 : 0;
}

void frmReplace::cmdCancel_Click()
{
    Hide();
}

void frmReplace::cmdFind_Click()
{
    Form1& main = rt::form<Form1>();
    main.mnuSearchFindnext.setEnabled(true);
    findText = txtFind.Text();
    const QString restartQuestion =
        QStringLiteral("El texto ya no se ha encontrado. ¿Desea recomenzar la búsqueda?");
    if (!findNext(main.txtBox, {startPos, foundPos, findText, compareMode}, restartQuestion))
        Hide();
    rt::keepClearOfSelection(*this, main.txtBox);
}

void frmReplace::cmdReplace_Click()
{
    rt::form<Form1>().txtBox.setSelText(txtReplace.Text());
    cmdFind_Click();
}

void frmReplace::cmdReplaceAll_Click()
{
    startPos = rt::Integer(1);
    findText = txtFind.Text();
    const rt::Long replaceCount =
        replaceAll(rt::form<Form1>().txtBox, findText, txtReplace.Text(), compareMode);
    foundPos = rt::Long(0);
    rt::keepClearOfSelection(*this, rt::form<Form1>().txtBox);
    rt::MsgBox("El texto ha sido reemplazado" + rt::Str(replaceCount) + " veces");
}

}  // namespace editor3
