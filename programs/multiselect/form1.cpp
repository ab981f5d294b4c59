#include "form1.h"

namespace multiselect {

void Form1::Form_Activate()
{
    txtBox.SetFocus();
}

void Form1::lstBox_GotFocus()
{
    txtBox.SetFocus();
}

void Form1::txtBox_KeyPress(rt::Integer& KeyAscii)
{
    if (KeyAscii == 13) {
        lstBox.AddItem(txtBox.Text());
        txtBox.setText("");
    }
}

void Form1::cmdPoblarLista_Click()
{
    lstBox.Clear();
    lstBox.setList(0, "uno");
    lstBox.setList(1, "dos");
    lstBox.setList(2, "tres");
    lstBox.setList(3, "cuatro");
    lstBox.setList(4, "cinco");
    lstBox.setList(5, "seis");
    lstBox.setList(6, "siete");
    lstBox.setList(7, "ocho");
    lstBox.setList(8, "nueve");
    lstBox.setList(9, "diez");
    txtBox.SetFocus();
}

void Form1::cmdSelectAll_Click()
{
    const rt::Integer n = lstBox.ListCount();
    for (rt::Integer i = 0; i <= n - 1; ++i) lstBox.setSelected(i, true);
    txtBox.SetFocus();
}

void Form1::cmdDeselectAll_Click()
{
    const rt::Integer n = lstBox.ListCount();
    for (rt::Integer i = 0; i <= n - 1; ++i) lstBox.setSelected(i, false);
    txtBox.SetFocus();
}

void Form1::cmdInvertSel_Click()
{
    const rt::Integer n = lstBox.ListCount();
    for (rt::Integer i = 0; i <= n - 1; ++i) lstBox.setSelected(i, !lstBox.Selected(i));
    txtBox.SetFocus();
}

void Form1::cmdDeleteSel_Click()
{
    // The bound is read on every pass: each removal shortens the list, and
    // the item that moved up into place i is examined next.
    for (rt::Integer i = 0; i <= lstBox.ListCount() - 1; ++i) {
        if (lstBox.Selected(i)) {
            lstBox.RemoveItem(i);
            --i;
        }
    }
    txtBox.SetFocus();
}

void Form1::cmdDeleteAll_Click()
{
    lstBox.Clear();
    txtBox.SetFocus();
}

void Form1::cmdSalir_Click()
{
    rt::End();
}

}  // namespace multiselect
