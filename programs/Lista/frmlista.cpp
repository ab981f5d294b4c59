#include "frmlista.h"

namespace Lista {

void frmLista::Form_Load()
{
    lstLista.Clear();
}

void frmLista::Form_Paint()
{
    txtEntry.SetFocus();
}

void frmLista::emptyResults()
{
    lblMedia.setCaption("");
    lblDesv.setCaption("");
}

void frmLista::cmbAdd_Click()
{
    if (rt::IsNumeric(txtEntry.Text())) {
        const rt::Double x = rt::Val(txtEntry.Text());
        lstLista.AddItem(rt::text(x));
    } else {
        rt::MsgBox("A numeric value, please!");
    }
    txtEntry.setText("");
    emptyResults();
    txtEntry.SetFocus();
}

void frmLista::txtEntry_KeyPress(rt::Integer& KeyAscii)
{
    if (KeyAscii == 13) cmbAdd_Click();
}

void frmLista::cmbDeleteLast_Click()
{
    if (lstLista.ListCount() > 0) lstLista.RemoveItem(lstLista.ListCount() - 1);
    emptyResults();
    txtEntry.SetFocus();
}

void frmLista::cmbDeleteAll_Click()
{
    lstLista.Clear();
    emptyResults();
    txtEntry.setText("");
    txtEntry.SetFocus();
}

void frmLista::cmbCompute_Click()
{
    rt::Variant mean = rt::Double(0);
    rt::Double ssq = 0;
    if (!(lstLista.ListCount() > 1)) {
        rt::MsgBox("Please, add items to the list");
    } else {
        const rt::Integer n = lstLista.ListCount();
        for (rt::Integer i = 0; i <= n - 1; ++i) mean = mean + rt::Variant(lstLista.List(i));
        mean = mean / n;
        for (rt::Integer j = 0; j <= n - 1; ++j) {
            const rt::Double deviation = rt::Variant(lstLista.List(j)).toDouble() - mean.toDouble();
            ssq = rt::checked(ssq + deviation * deviation);
        }
        ssq = rt::checkedDiv(ssq, n - 1);
    }
    lblMedia.setCaption(rt::Format(mean.toDouble(), "###0.00"));
    lblDesv.setCaption(rt::Format(rt::Sqr(ssq), "###0.00"));
    txtEntry.SetFocus();
}

void frmLista::cmbExit_Click()
{
    rt::End();
}

}  // namespace Lista
