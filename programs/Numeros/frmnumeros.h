#pragma once

#include "numeros.h"

#include "forms/runtime.h"

namespace Numeros {

// Numbers typed one at a time into a list; their sum, largest and smallest
// value, sorting, removing the last one and clearing the list.
class frmNumeros : public rt::Form {
public:
    frmNumeros() : rt::Form(layout()) {}
    static const rt::FormSpec& layout();

    rt::ListBox& lstNum = bind<rt::ListBox>("lstNum");
    rt::CommandButton& cmdExit = bind<rt::CommandButton>(
        "cmdExit", rt::on(&rt::CommandButton::Click, &frmNumeros::cmdExit_Click));
    rt::TextBox& txtInput = bind<rt::TextBox>(
        "txtInput", rt::on(&rt::TextBox::KeyPress, &frmNumeros::txtInput_KeyPress));
    rt::CommandButton& cmdAdd = bind<rt::CommandButton>(
        "cmdAdd", rt::on(&rt::CommandButton::Click, &frmNumeros::cmdAdd_Click));
    rt::CommandButton& cmdSort = bind<rt::CommandButton>(
        "cmdSort", rt::on(&rt::CommandButton::Click, &frmNumeros::cmdSort_Click));
    rt::CommandButton& cmdClear = bind<rt::CommandButton>(
        "cmdClear", rt::on(&rt::CommandButton::Click, &frmNumeros::cmdClear_Click));
    rt::CommandButton& cmdMax = bind<rt::CommandButton>(
        "cmdMax", rt::on(&rt::CommandButton::Click, &frmNumeros::cmdMax_Click));
    rt::CommandButton& cmdMin = bind<rt::CommandButton>(
        "cmdMin", rt::on(&rt::CommandButton::Click, &frmNumeros::cmdMin_Click));
    rt::TextBox& txtMax = bind<rt::TextBox>("txtMax");
    rt::TextBox& txtMin = bind<rt::TextBox>("txtMin");
    rt::CommandButton& cmdRem = bind<rt::CommandButton>(
        "cmdRem", rt::on(&rt::CommandButton::Click, &frmNumeros::cmdRem_Click));
    rt::CommandButton& cmdSum = bind<rt::CommandButton>(
        "cmdSum", rt::on(&rt::CommandButton::Click, &frmNumeros::cmdSum_Click));
    rt::TextBox& txtSum = bind<rt::TextBox>("txtSum");

    void cmdAdd_Click();
    void txtInput_KeyPress(rt::Integer& KeyAscii);
    void cmdClear_Click();
    void cmdRem_Click();
    void cmdMax_Click();
    void cmdMin_Click();
    void cmdSort_Click();
    void cmdSum_Click();
    void cmdExit_Click();

protected:
    void Form_Paint() override;

private:
    // Appends the typed number, or says it is not one.
    void addInput();
    void emptyResults();
    // Copies the list into a(1..ListCount), selecting each item as it is read.
    void readList(Numbers& a);
    // Max and Min: the list's largest or smallest whole number into `box`.
    using Extreme = rt::Integer (*)(const Numbers&, const rt::Integer&);
    void showExtreme(rt::TextBox& box, Extreme extreme);
};

}  // namespace Numeros
