#include "frmnumeros.h"

namespace Numeros {

void frmNumeros::addInput()
{
    if (rt::IsNumeric(txtInput.Text())) {
        lstNum.AddItem(rt::text(rt::Val(txtInput.Text())));
    } else {
        rt::MsgBox("A numeric value, please!");
    }
}

void frmNumeros::emptyResults()
{
    txtMax.setText("");
    txtMin.setText("");
    txtSum.setText("");
}

void frmNumeros::cmdAdd_Click()
{
    addInput();
    txtInput.SetFocus();
    txtInput.setText("");
    emptyResults();
}

void frmNumeros::txtInput_KeyPress(rt::Integer& KeyAscii)
{
    if (KeyAscii == 13) {
        addInput();
        txtInput.setText("");
        emptyResults();
    }
}

void frmNumeros::cmdClear_Click()
{
    lstNum.Clear();
    txtInput.SetFocus();
    emptyResults();
}

void frmNumeros::cmdRem_Click()
{
    const rt::Integer n = lstNum.ListCount();
    lstNum.RemoveItem(n - 1);
    txtInput.SetFocus();
    emptyResults();
}

void frmNumeros::readList(Numbers& a)
{
    const rt::Integer n = lstNum.ListCount();
    for (rt::Integer i = 1; i <= n; ++i) {
        lstNum.setListIndex(i - 1);
        const QString item = lstNum.List(lstNum.ListIndex());
        rt::Integer& element = a[i];  // the range check comes before the conversion
        element = rt::Variant(item).toInteger();
    }
}

void frmNumeros::showExtreme(rt::TextBox& box, Extreme extreme)
{
    Numbers a(1, 30);
    readList(a);
    box.setText(rt::text(extreme(a, lstNum.ListCount())));
    lstNum.setListIndex(-1);
    txtInput.SetFocus();
}

void frmNumeros::cmdMax_Click()
{
    showExtreme(txtMax, MaxNum);
}

void frmNumeros::cmdMin_Click()
{
    showExtreme(txtMin, MinNum);
}

void frmNumeros::cmdSort_Click()
{
    Numbers a(1, 30);
    readList(a);
    SortNum(a, lstNum.ListCount());
    const rt::Integer m = lstNum.ListCount();
    for (rt::Integer i = 1; i <= m; ++i) {
        lstNum.setListIndex(i - 1);
        const rt::Integer value = a[i];
        lstNum.setList(lstNum.ListIndex(), rt::text(value));
    }
    lstNum.setListIndex(-1);
    txtInput.SetFocus();
}

void frmNumeros::cmdSum_Click()
{
    rt::Variant total;
    const rt::Integer last = lstNum.ListCount() - 1;
    for (rt::Integer i = 0; i <= last; ++i) total = total + rt::Val(lstNum.List(i));
    txtSum.setText(rt::text(total));
    txtInput.SetFocus();
}

void frmNumeros::Form_Paint()
{
    txtInput.SetFocus();
}

void frmNumeros::cmdExit_Click()
{
    rt::End();
}

}  // namespace Numeros
