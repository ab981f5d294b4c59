#include "form1.h"

namespace tankflow {

namespace {
constexpr int32_t red = 0x0000FF;
constexpr int32_t white = 0xFFFFFF;
}  // namespace

void Form1::Form_Load()
{
    x1izq = 0;
    y1fondo = 500;
    x1der = 400;
    y1tope = 5500;
    x2izq = 600;
    y2fondo = 0;
    x2der = 1000;
    y2tope = 5000;
    htubo = 2500;
    rtubo = 100;
    dfondo = (y1fondo - y2fondo).toInteger();

    h1 = 250;
    h2 = 500;
    txtI1.setText("0");
    txtI2.setText("0");
    txtS1.setText("0");
    txtS2.setText("0");
    txtPaso.setText("0");

    pctBox.setAutoRedraw(true);
    pctBox.Scale(-50, 5750, 1050, -250);
    fluido(h1.toInteger(), h2.toInteger());
    deposito();
}

void Form1::box(const rt::Variant& x1, const rt::Variant& y1, const rt::Variant& x2,
                const rt::Variant& y2, int32_t colour)
{
    pctBox.Line(x1.toDouble(), y1.toDouble(), x2.toDouble(), y2.toDouble(), colour,
                rt::PictureBox::Box::Filled);
}

void Form1::segment(const rt::Variant& x1, const rt::Variant& y1, const rt::Variant& x2,
                    const rt::Variant& y2)
{
    pctBox.Line(x1.toDouble(), y1.toDouble(), x2.toDouble(), y2.toDouble());
}

// Outlines of both tanks and the pipe, leaving the walls open where the pipe
// meets them so that tanks and pipe read as one vessel.
void Form1::deposito()
{
    pctBox.setDrawWidth(2);
    const rt::Variant pipeLow = y1fondo + htubo - rtubo;
    const rt::Variant pipeHigh = y1fondo + htubo + rtubo;

    segment(x1izq, y1fondo, x1izq, y1tope);
    segment(x1der, y1fondo, x1der, pipeLow);
    segment(x1der, pipeHigh, x1der, y1tope);
    segment(x1izq, y1fondo, x1der, y1fondo);
    segment(x1izq, y1tope, x1der, y1tope);

    segment(x2der, y2fondo, x2der, y2tope);
    segment(x2izq, y2fondo, x2izq, pipeLow);
    segment(x2izq, pipeHigh, x2izq, y2tope);
    segment(x2izq, y2fondo, x2der, y2fondo);
    segment(x2izq, y2tope, x2der, y2tope);

    segment(x1der, pipeLow, x2izq, pipeLow);
    segment(x1der, pipeHigh, x2izq, pipeHigh);
}

// White interiors, the red liquid up to the two rounded levels, and the pipe
// in red while liquid passes through it.
void Form1::fluido(rt::Integer nivel1, rt::Integer nivel2)
{
    const rt::Variant pipeLow = y1fondo + htubo - rtubo;
    const rt::Variant pipeHigh = y1fondo + htubo + rtubo;

    box(x1izq, y1fondo, x1der, y1tope, white);
    box(x2izq, y2fondo, x2der, y2tope, white);
    box(x1der, pipeLow, x2izq, pipeHigh, white);
    box(x1izq, y1fondo, x1der, y1fondo + nivel1, red);
    box(x2izq, y2fondo, x2der, y2fondo + nivel2, red);

    // Compares the stored h1 but the rounded nivel2, both strictly, unlike
    // the timer's cases: the pipe shows red a little later than liquid flows.
    const rt::Integer pipeSetting = hsbPaso.Value();
    if ((h1 > htubo || rt::Variant(nivel2) > htubo + dfondo) && pipeSetting > 0)
        box(x1der, pipeLow, x2izq, pipeHigh, red);
}

void Form1::Timer1_Timer()
{
    // Flow through the pipe from the levels before this step; a level counts
    // from its tank's bottom, and tank 1's bottom stands dfondo higher.
    const rt::Variant pipeLine2 = htubo + dfondo;
    const rt::Variant share = rt::Variant(paso) / rt::Variant(1000);
    if (h1 < htubo && h2 < pipeLine2) {
        Q = 0;
    } else if (h1 >= htubo && h2 < pipeLine2) {
        Q = (h1 - htubo) * share;
    } else if (h1 < htubo && h2 >= pipeLine2) {
        Q = -((h2 - htubo) - dfondo) * share;
    } else if (h1 >= htubo && h2 >= pipeLine2) {
        // Both above the pipe: levels compared as they stand, without dfondo.
        Q = (h1 - h2) * share;
    }

    h1 = ((h1 + I1) - S1 * (h1 / 1000)) - Q;
    if (h1 > 5000) h1 = 5000;
    if (h1 < 0) h1 = 0;
    txtH1.setText(rt::text(rt::Round(h1.toDouble(), 0)));

    h2 = ((h2 + I2) - S2 * (h2 / 1000)) + Q;
    if (h2 > 5000) h2 = 5000;
    if (h2 < 0) h2 = 0;
    txtH2.setText(rt::text(rt::Round(h2.toDouble(), 0)));

    pctBox.Cls();
    fluido(h1.toInteger(), h2.toInteger());
    deposito();
}

void Form1::vsbI1_Change()
{
    I1 = vsbI1.Value();
    txtI1.setText(rt::text(I1));
}

void Form1::vsbS1_Change()
{
    S1 = vsbS1.Value();
    txtS1.setText(rt::text(S1));
}

void Form1::vsbI2_Change()
{
    I2 = vsbI2.Value();
    txtI2.setText(rt::text(I2));
}

void Form1::vsbS2_Change()
{
    S2 = vsbS2.Value();
    txtS2.setText(rt::text(S2));
}

void Form1::hsbPaso_Change()
{
    paso = hsbPaso.Value();
    txtPaso.setText(rt::text(paso));
}

void Form1::cmdSalir_Click()
{
    rt::End();
}

}  // namespace tankflow
