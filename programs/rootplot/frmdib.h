#pragma once

#include "forms/runtime.h"

// The plot-and-roots window: a cubic a·x³ + b·x² + c·x + d with editable
// coefficients, its plot at a vertical range set with a scroll bar, and
// Newton's method from a typed initial approximation.
class frmDib : public rt::Form {
    Q_OBJECT
public:
    frmDib();
    static const rt::FormSpec& layout();

    rt::CommandButton& cmdResolver;
    rt::CommandButton& cmdSalir;
    rt::TextBox& txtSol;
    rt::TextBox& txtIni;
    rt::Label& lblIni;
    rt::CommandButton& cmdDib;
    rt::Label& lblSol;
    rt::Label& lblEps;
    rt::TextBox& txtEps;
    rt::PictureBox& pctBox;
    rt::ScrollBar& vsbEscala;
    rt::TextBox& txtNit;
    rt::Label& lblNit;
    rt::Label& lblRotulo;
    rt::Label& Label2;
    rt::Label& Label3;
    rt::Label& Label4;
    rt::Label& Label5;
    // The coefficient boxes for a, b, c and d, by index.
    rt::TextBox& txtA(int index) const;

    rt::Variant a, b, c;             // coefficients of x³, x² and x
    rt::Double d = 0;                // constant term
    rt::Variant x0;                  // initial approximation of Newton's method
    rt::Double eps = 0;              // stopping tolerance of the relative change
    rt::Variant xant, xsol, errRel;  // previous and current iterate, last relative change

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
