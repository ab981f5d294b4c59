#pragma once

#include "forms/runtime.h"

namespace Lista {

// Numbers typed into a list; their mean and sample standard deviation.
class frmLista : public rt::Form {
public:
    frmLista() : rt::Form(layout()) {}
    static const rt::FormSpec& layout();

    rt::ListBox& lstLista = bind<rt::ListBox>("lstLista");
    rt::TextBox& txtEntry =
        bind<rt::TextBox>("txtEntry", rt::on(&rt::TextBox::KeyPress, &frmLista::txtEntry_KeyPress));
    rt::CommandButton& cmbAdd = bind<rt::CommandButton>(
        "cmbAdd", rt::on(&rt::CommandButton::Click, &frmLista::cmbAdd_Click));
    rt::CommandButton& cmbDeleteLast = bind<rt::CommandButton>(
        "cmbDeleteLast", rt::on(&rt::CommandButton::Click, &frmLista::cmbDeleteLast_Click));
    rt::CommandButton& cmbDeleteAll = bind<rt::CommandButton>(
        "cmbDeleteAll", rt::on(&rt::CommandButton::Click, &frmLista::cmbDeleteAll_Click));
    rt::CommandButton& cmbExit = bind<rt::CommandButton>(
        "cmbExit", rt::on(&rt::CommandButton::Click, &frmLista::cmbExit_Click));
    rt::CommandButton& cmbCompute = bind<rt::CommandButton>(
        "cmbCompute", rt::on(&rt::CommandButton::Click, &frmLista::cmbCompute_Click));
    rt::Label& lblMedia = bind<rt::Label>("lblMedia");
    rt::Label& lblDesv = bind<rt::Label>("lblDesv");

    void cmbAdd_Click();
    void txtEntry_KeyPress(rt::Integer& KeyAscii);
    void cmbDeleteLast_Click();
    void cmbDeleteAll_Click();
    void cmbCompute_Click();
    void cmbExit_Click();

protected:
    void Form_Load() override;
    void Form_Paint() override;

private:
    void emptyResults();
};

}  // namespace Lista
