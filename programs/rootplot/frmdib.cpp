#include "frmdib.h"

#include "dibujar.h"

#include <cmath>

namespace rootplot {

void frmDib::Form_Load()
{
    pctBox.Scale(-11, 100, 11, -100);
    pctBox.setVisible(false);
    vsbEscala.setVisible(false);
    x0 = rt::Integer(10);
    txtIni.setText(rt::text(x0));
    eps = 1E-09;
    txtEps.setText(rt::text(eps));
    a = rt::Integer(1);
    b = rt::Integer(-3);
    c = rt::Integer(-1);
    d = 3;
    txtA[0].setText(rt::text(a));
    txtA[1].setText(rt::text(b));
    txtA[2].setText(rt::text(c));
    txtA[3].setText(rt::text(d));
    rotulo();
}

rt::Double frmDib::F(rt::Double x) const
{
    const rt::Double x3 = rt::checked(std::pow(x, 3.0));
    const rt::Double x2 = rt::checked(std::pow(x, 2.0));
    return (a * x3 + b * x2 + c * x + d).toDouble();
}

rt::Double frmDib::FD(rt::Double x) const
{
    const rt::Double x2 = rt::checked(std::pow(x, 2.0));
    return (rt::Variant(rt::Integer(3)) * a * x2 + rt::Variant(rt::Integer(2)) * b * x + c)
        .toDouble();
}

void frmDib::rotulo()
{
    lblRotulo.setCaption(QStringLiteral("Dibujo y raíces de la función f(x)=") + rt::Str(a) +
                         "*x^3+" + rt::Str(b) + "*x^2+" + rt::Str(c) + "*x+" + rt::Str(d));
}

void frmDib::cmdDib_Click()
{
    if (cmdDib.Caption() == "Dibujar") {
        cmdDib.setCaption("Borrar");
        pctBox.setVisible(true);
        vsbEscala.setVisible(true);
        DibujarFuncion(10, rt::Double(vsbEscala.Value()));
    } else {
        pctBox.setVisible(false);
        vsbEscala.setVisible(false);
        cmdDib.setCaption("Dibujar");
    }
}

void frmDib::vsbEscala_Change()
{
    const rt::Double v = vsbEscala.Value();
    pctBox.Cls();
    pctBox.Scale(-11, v, 11, -v);
    DibujarFuncion(10, v);
}

void frmDib::cmdSalir_Click()
{
    rt::End();
}

void frmDib::cmdResolver_Click()
{
    rt::Integer nit = 0;
    xsol = x0;
    do {
        xant = xsol;
        const rt::Double q = rt::checkedDiv(F(xant.toDouble()), FD(xant.toDouble()));
        xsol = xant - q;
        errRel = rt::Abs(((xsol - xant) / xsol).toDouble());
        nit = nit + 1;
    } while (errRel > eps);
    txtSol.setText(rt::text(xsol));
    txtNit.setText(rt::text(nit));
}

void frmDib::txtA_KeyPress(rt::Integer index, rt::Integer& keyAscii)
{
    if (keyAscii == 13) {
        const QString typed = txtA[index].Text();
        if (rt::IsNumeric(typed)) {
            switch (index) {
                case 0: a = rt::Val(typed); break;
                case 1: b = rt::Val(typed); break;
                case 2: c = rt::Val(typed); break;
                case 3: d = rt::Val(typed); break;
                default: break;
            }
        } else {
            rt::MsgBox("Teclee un valor numérico, please");
        }
    }
    rotulo();
    DibujarFuncion(10, rt::Double(vsbEscala.Value()));
}

void frmDib::txtIni_KeyPress(rt::Integer& keyAscii)
{
    if (keyAscii == 13) x0 = rt::Val(txtIni.Text());
}

void frmDib::txtEps_KeyPress(rt::Integer& keyAscii)
{
    if (keyAscii == 13) eps = rt::Val(txtEps.Text());
}

}  // namespace rootplot
