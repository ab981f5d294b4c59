#pragma once

#include "forms/runtime.h"

namespace Temperat {

// A vertical bar sets a Celsius temperature (100 at the top, -100 at the
// bottom); two boxes show it in Celsius and in Fahrenheit.
class frmTemp : public rt::Form {
public:
    frmTemp() : rt::Form(layout()) {}
    static const rt::FormSpec& layout();

    rt::ScrollBar& vsbTemp =
        bind<rt::ScrollBar>("vsbTemp", rt::on(&rt::ScrollBar::Change, &frmTemp::vsbTemp_Change));
    rt::TextBox& txtCent = bind<rt::TextBox>("txtCent");
    rt::TextBox& txtFahr = bind<rt::TextBox>("txtFahr");
    rt::CommandButton& cmbSalir = bind<rt::CommandButton>(
        "cmbSalir", rt::on(&rt::CommandButton::Click, &frmTemp::cmbSalir_Click));
    rt::Menu& mnuFileExit =
        bind<rt::Menu>("mnuFileExit", rt::on(&rt::Menu::Click, &frmTemp::mnuFileExit_Click));

    void vsbTemp_Change();
    void cmbSalir_Click();
    void mnuFileExit_Click();
};

}  // namespace Temperat
