#include "form1.h"

namespace tankfill_b {

namespace {
constexpr int32_t red = 0x0000FF;
}

void Form1::Form_Load()
{
    pctBox.Scale(0, 5000, 1000, 0);
    nivel = rt::Integer(500);
    caudal = 10;
    Timer1.setEnabled(false);
    Timer1.setInterval(20);
    paintLiquid();
}

// The liquid: a red filled box from the bottom left corner up to the level.
void Form1::paintLiquid()
{
    pctBox.Line(0, 0, 1000, nivel.toSingle(), red, rt::PictureBox::Box::Filled);
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
    pctBox.Cls();
    paintLiquid();
}

// The box shows its kept drawing by itself.
void Form1::pctBox_Paint() {}

}  // namespace tankfill_b
