#include "form1.h"

namespace tankfill_a {

void Form1::Form_Load()
{
    pctBox.Scale(0, 5000, 1000, 0);
    lblFluido.setHeight(5200);
    nivel = rt::Integer(500);
    caudal = 10;
    hsbCaudal.setValue(caudal);
    lblFluido.setTop(nivel.toSingle());
    txtH.setText(rt::text(nivel));
    Timer1.setEnabled(false);
    Timer1.setInterval(20);
}

void Form1::cmdStart_Click()
{
    if (cmdStart.Caption() == "Start") {
        Timer1.setEnabled(true);
        cmdStart.setCaption("Stop");
    } else {
        Timer1.setEnabled(false);
        cmdStart.setCaption("Start");
    }
}

void Form1::cmdExit_Click()
{
    rt::End();
}

void Form1::hsbCaudal_Change()
{
    if (optLLenar.Value()) {
        caudal = hsbCaudal.Value();
    } else {
        caudal = -hsbCaudal.Value();
    }
}

void Form1::optLLenar_Click()
{
    if (caudal < 0) caudal = -caudal;
}

void Form1::optVaciar_Click()
{
    if (caudal > 0) caudal = -caudal;
}

void Form1::Timer1_Timer()
{
    nivel = nivel + caudal;
    if (nivel < rt::Integer(0)) nivel = rt::Integer(0);
    if (nivel > rt::Integer(5000)) nivel = rt::Integer(5000);
    lblFluido.setTop(nivel.toSingle());
    txtH.setText(rt::text(nivel));
}

}  // namespace tankfill_a
