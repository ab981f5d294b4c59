#pragma once

#include "forms/runtime.h"

namespace multiselect {

// A list in which several items can be selected at once, filled from an
// entry box or with ten sample words; its selection is set, inverted and
// deleted with buttons. The keyboard focus stays in the entry box.
class Form1 : public rt::Form {
public:
    Form1() : rt::Form(layout()) {}
    static const rt::FormSpec& layout();

    rt::ListBox& lstBox =
        bind<rt::ListBox>("lstBox", rt::on(&rt::ListBox::GotFocus, &Form1::lstBox_GotFocus));
    rt::TextBox& txtBox =
        bind<rt::TextBox>("txtBox", rt::on(&rt::TextBox::KeyPress, &Form1::txtBox_KeyPress));
    rt::CommandButton& cmdSalir = bind<rt::CommandButton>(
        "cmdSalir", rt::on(&rt::CommandButton::Click, &Form1::cmdSalir_Click));
    rt::CommandButton& cmdDeleteAll = bind<rt::CommandButton>(
        "cmdDeleteAll", rt::on(&rt::CommandButton::Click, &Form1::cmdDeleteAll_Click));
    rt::CommandButton& cmdDeleteSel = bind<rt::CommandButton>(
        "cmdDeleteSel", rt::on(&rt::CommandButton::Click, &Form1::cmdDeleteSel_Click));
    rt::CommandButton& cmdInvertSel = bind<rt::CommandButton>(
        "cmdInvertSel", rt::on(&rt::CommandButton::Click, &Form1::cmdInvertSel_Click));
    rt::CommandButton& cmdSelectAll = bind<rt::CommandButton>(
        "cmdSelectAll", rt::on(&rt::CommandButton::Click, &Form1::cmdSelectAll_Click));
    rt::CommandButton& cmdDeselectAll = bind<rt::CommandButton>(
        "cmdDeselectAll", rt::on(&rt::CommandButton::Click, &Form1::cmdDeselectAll_Click));
    rt::CommandButton& cmdPoblarLista = bind<rt::CommandButton>(
        "cmdPoblarLista", rt::on(&rt::CommandButton::Click, &Form1::cmdPoblarLista_Click));

    void lstBox_GotFocus();
    void txtBox_KeyPress(rt::Integer& KeyAscii);
    void cmdPoblarLista_Click();
    void cmdSelectAll_Click();
    void cmdDeselectAll_Click();
    void cmdInvertSel_Click();
    void cmdDeleteSel_Click();
    void cmdDeleteAll_Click();
    void cmdSalir_Click();

protected:
    void Form_Activate() override;
};

}  // namespace multiselect
