#include "frmcolores.h"

namespace Colores {

void frmColores::Form_Load()
{
    Brojo = rt::Integer(0);
    Bverde = rt::Integer(0);
    Bazul = 0;
    Frojo = rt::Integer(255);
    Fverde = rt::Integer(255);
    Fazul = 255;
    lblCuadro.setBackColor(rt::RGB(Brojo.toInteger(), Bverde.toInteger(), Bazul));
    lblCuadro.setForeColor(rt::RGB(Frojo.toInteger(), Fverde.toInteger(), Fazul));
}

void frmColores::hsbColor_Change(int /*Index*/)
{
    const int32_t c = rt::RGB(hsbColor[0].Value(), hsbColor[1].Value(), hsbColor[2].Value());
    if (optColor[0].Value()) {
        lblCuadro.setBackColor(c);
    } else {
        lblCuadro.setForeColor(c);
    }
    for (int i = 0; i <= 2; ++i) txtColor[i].setText(rt::text(hsbColor[i].Value()));
}

// Each assignment to a bar that changes its value runs hsbColor_Change at
// once, so the sample follows the bars as they are loaded one by one.
void frmColores::optColor_Click(int Index)
{
    if (Index == 1) {
        Brojo = hsbColor[0].Value();
        Bverde = hsbColor[1].Value();
        Bazul = hsbColor[2].Value();
        hsbColor[0].setValue(Frojo.toInteger());
        hsbColor[1].setValue(Fverde.toInteger());
        hsbColor[2].setValue(Fazul);
    } else {
        Frojo = hsbColor[0].Value();
        Fverde = hsbColor[1].Value();
        Fazul = hsbColor[2].Value();
        hsbColor[0].setValue(Brojo.toInteger());
        hsbColor[1].setValue(Bverde.toInteger());
        hsbColor[2].setValue(Bazul);
    }
}

void frmColores::cmdSalir_Click()
{
    rt::End();
}

}  // namespace Colores
