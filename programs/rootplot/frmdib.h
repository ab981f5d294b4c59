#pragma once

#include "forms/runtime.h"

namespace rootplot {

// The plot-and-roots window: a cubic a·x³ + b·x² + c·x + d with editable
// coefficients, its plot at a vertical range set with a scroll bar, and
// Newton's method from a typed initial approximation.
class frmDib : public rt::Form {
public:
    frmDib() : rt::Form(layout()) {}
    static const rt::FormSpec& layout();

    // The controls the code uses, each with the handlers of its events.
    rt::CommandButton& cmdResolver = bind<rt::CommandButton>(
        "cmdResolver", rt::on(&rt::CommandButton::Click, &frmDib::cmdResolver_Click));
    rt::CommandButton& cmdSalir = bind<rt::CommandButton>(
        "cmdSalir", rt::on(&rt::CommandButton::Click, &frmDib::cmdSalir_Click));
    rt::CommandButton& cmdDib =
        bind<rt::CommandButton>("cmdDib", rt::on(&rt::CommandButton::Click, &frmDib::cmdDib_Click));
    rt::TextBox& txtSol = bind<rt::TextBox>("txtSol");
    rt::TextBox& txtIni =
        bind<rt::TextBox>("txtIni", rt::on(&rt::TextBox::KeyPress, &frmDib::txtIni_KeyPress));
    rt::TextBox& txtEps =
        bind<rt::TextBox>("txtEps", rt::on(&rt::TextBox::KeyPress, &frmDib::txtEps_KeyPress));
    rt::TextBox& txtNit = bind<rt::TextBox>("txtNit");
    rt::PictureBox& pctBox = bind<rt::PictureBox>("pctBox");
    rt::ScrollBar& vsbEscala =
        bind<rt::ScrollBar>("vsbEscala", rt::on(&rt::ScrollBar::Change, &frmDib::vsbEscala_Change));
    rt::Label& lblRotulo = bind<rt::Label>("lblRotulo");
    // The coefficient boxes for a, b, c and d, by index.
    rt::ControlArray<rt::TextBox> txtA =
        bindArray<rt::TextBox>("txtA", rt::on(&rt::TextBox::KeyPress, &frmDib::txtA_KeyPress));

    rt::Variant a, b, c;             // coefficients of x³, x² and x
    rt::Double d = 0;                // constant term
    rt::Variant x0;                  // initial approximation of Newton's method
    rt::Double eps = 0;              // stopping tolerance of the relative change
    rt::Variant xant, xsol, errRel;  // previous and current iterate, last relative change
    RT_FORM_VARIABLES(a, b, c, d, x0, eps, xant, xsol, errRel)

    rt::Double F(rt::Double x) const;
    rt::Double FD(rt::Double x) const;
    void rotulo();

    void cmdDib_Click();
    void cmdResolver_Click();
    void cmdSalir_Click();
    void vsbEscala_Change();
    void txtA_KeyPress(rt::Integer index, rt::Integer& keyAscii);
    void txtIni_KeyPress(rt::Integer& keyAscii);
    void txtEps_KeyPress(rt::Integer& keyAscii);

protected:
    void Form_Load() override;
};

}  // namespace rootplot
