#include "form1.h"

namespace polydraw {

void Form1::Form_Load()
{
    pctBox.Scale(-100, 50, 100, -50);
    dibujando = false;
    cerrado = false;
}

void Form1::DibujaPoligono()
{
    pctBox.Cls();
    for (int i = 0; i <= lstX.ListCount() - 2; ++i)
        pctBox.Line(rt::Val(lstX.List(i)), rt::Val(lstY.List(i)), rt::Val(lstX.List(i + 1)),
                    rt::Val(lstY.List(i + 1)));
    pctBox.setDrawWidth(3);
    for (int i = 0; i <= lstX.ListCount() - 1; ++i)
        pctBox.PSet(rt::Val(lstX.List(i)), rt::Val(lstY.List(i)));
    pctBox.setDrawWidth(1);
}

void Form1::pctBox_MouseDown(int, int, rt::Single x, rt::Single y)
{
    if (cerrado) return;
    dibujando = true;
    ultimoX = x;
    ultimoY = y;
    if (pctBox.MousePointer() == rt::vbCrosshair) {
        // The first vertex again at the end, so the last edge returns exactly to it.
        dibujando = false;
        lstX.AddItem(lstX.List(0));
        lstY.AddItem(lstY.List(0));
        DibujaPoligono();
        pctBox.setMousePointer(rt::vbArrow);
        cerrado = true;
    } else {
        lstX.AddItem(rt::Str(x));
        lstY.AddItem(rt::Str(y));
    }
}

void Form1::pctBox_MouseMove(int, int, rt::Single x, rt::Single y)
{
    if (!dibujando) return;
    const rt::Single x0 = rt::Single(rt::Val(lstX.List(0)));
    const rt::Single y0 = rt::Single(rt::Val(lstY.List(0)));
    const rt::Double dx = x - x0, dy = y - y0;  // differences of Singles
    const rt::Double d = dx * dx + dy * dy;
    pctBox.setMousePointer(d < 25 ? rt::vbCrosshair : rt::vbArrow);
    DibujaPoligono();
    pctBox.Line(ultimoX, ultimoY, x, y);
}

void Form1::cmdReset_Click()
{
    pctBox.Cls();
    lstX.Clear();
    lstY.Clear();
    dibujando = false;
    cerrado = false;
}

void Form1::cmdExit_Click()
{
    rt::End();
}

}  // namespace polydraw
