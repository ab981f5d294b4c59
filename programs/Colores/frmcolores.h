#pragma once

#include "forms/runtime.h"

namespace Colores {

// The colour mixer: three bars set the red, green and blue of the sample's
// background or text colour, whichever option is selected. The colour not
// being edited is kept in the form-level variables.
class frmColores : public rt::Form {
public:
    frmColores() : rt::Form(layout()) {}
    static const rt::FormSpec& layout();

    rt::ControlArray<rt::ScrollBar> hsbColor = bindArray<rt::ScrollBar>(
        "hsbColor", rt::on(&rt::ScrollBar::Change, &frmColores::hsbColor_Change));
    rt::ControlArray<rt::OptionButton> optColor = bindArray<rt::OptionButton>(
        "optColor", rt::on(&rt::OptionButton::Click, &frmColores::optColor_Click));
    rt::ControlArray<rt::TextBox> txtColor = bindArray<rt::TextBox>("txtColor");
    rt::Label& lblCuadro = bind<rt::Label>("lblCuadro");
    rt::CommandButton& cmdSalir = bind<rt::CommandButton>(
        "cmdSalir", rt::on(&rt::CommandButton::Click, &frmColores::cmdSalir_Click));

    // The stored background (B) and text (F) colours.
    rt::Variant Brojo, Bverde;
    rt::Integer Bazul;
    rt::Variant Frojo, Fverde;
    rt::Integer Fazul;
    RT_FORM_VARIABLES(Brojo, Bverde, Bazul, Frojo, Fverde, Fazul)

    void hsbColor_Change(int Index);
    void optColor_Click(int Index);
    void cmdSalir_Click();

protected:
    void Form_Load() override;
};

}  // namespace Colores
