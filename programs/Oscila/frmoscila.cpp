#include "frmoscila.h"

#include <cmath>

namespace Oscila {

namespace {
constexpr int32_t azul = 0xFF0000;
constexpr int32_t rojo = 0x0000FF;
constexpr int32_t verde = 0x00FF00;
}  // namespace

void frmOscila::Form_Load()
{
    amplitud = rt::Integer(2000);
    txtAmplitud.setText(rt::text(amplitud));
    cmdStart.setCaption("Stop Motion");
    frecuencia = rt::Integer(1);
    txtFrec.setText("1");
    pi = 3.1415927f;
    intervalo = rt::Integer(20);
    Timer1.setInterval(intervalo.toLong());
    pctBox.setDrawWidth(4);
    lblBloque.setVisible(false);
    pctBox.Scale(-2500, 100, 2500, -100);
}

void frmOscila::Timer1_Timer()
{
    const rt::Single w = 2 * pi;
    posicion = amplitud * rt::Variant(std::sin((rt::Variant(w) * frecuencia * tiempo).toDouble()));
    pctBox.Cls();
    switch (movil) {
        case 0: pctBox.PSet(posicion.toSingle(), 0, azul); break;
        case 1:
            pctBox.Line((posicion - 200).toSingle(), 20, (posicion + 200).toSingle(), -20, rojo,
                        rt::PictureBox::Box::Outline);
            break;
        case 2: pctBox.Circle(posicion.toSingle(), 0, 200, verde); break;
        case 3:
            lblBloque.setLeft((posicion - rt::Variant(lblBloque.Width()) / 2).toSingle());
            break;
        default: break;
    }
    tiempo = tiempo + intervalo / 1000;
}

void frmOscila::cmdStart_Click()
{
    Timer1.setEnabled(!Timer1.Enabled());
    if (cmdStart.Caption() != "Stop Motion") {
        cmdStart.setCaption("Stop Motion");
    } else {
        cmdStart.setCaption("Start Motion");
    }
}

void frmOscila::cmdExit_Click()
{
    rt::End();
}

void frmOscila::optMovil_Click(rt::Integer Index)
{
    movil = Index;
    pctBox.setDrawWidth(1);
    if (movil == 0) pctBox.setDrawWidth(4);
    lblBloque.setVisible(movil == 3);
}

void frmOscila::hsbFrec_Change()
{
    frecuencia = rt::Variant(hsbFrec.Value()) / 10;
    txtFrec.setText(rt::text(frecuencia));
}

void frmOscila::txtAmplitud_KeyPress(rt::Integer& KeyAscii)
{
    if (KeyAscii != 13) return;
    // A text that is not a number would make every following tick fail.
    if (!rt::IsNumeric(txtAmplitud.Text())) {
        rt::MsgBox("Teclee un valor numérico, please");
        return;
    }
    amplitud = txtAmplitud.Text();
}

void frmOscila::pctBox_DragDrop(rt::Control& Source, rt::Single X, rt::Single Y)
{
    (void)Source;
    (void)Y;
    amplitud = X;
    txtAmplitud.setText(rt::text(X));
    lblBloque.setLeft(X - lblBloque.Width() / 2);
}

}  // namespace Oscila
