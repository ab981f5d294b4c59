#include "formulario.h"

#include "vuelo.h"

#include <cmath>

namespace Lanzador {

namespace {
constexpr int32_t rojo = 255;
}

void formulario::Form_Load()
{
    pctBox.Scale(0, 100, 200, 0);
    t = 0;
    txtV.setText(rt::text(rt::Integer(35)));
    txtAngulo.setText(rt::text(rt::Integer(50)));
    pctBox.Circle(centroDiana.x, centroDiana.y, radioDiana, rojo);
    pctBox.Line(100, 0, 120, 50, rojo, rt::PictureBox::Box::Filled);
    // Each new scroll-bar value runs its Change handler, which redraws the scene.
    altura = 50;
    vsbAltura.setValue(100 - altura);
    anchura = 20;
    hsbAnchura.setValue(anchura);
    xpos = 100.0;
    hsbXpos.setValue(rt::CInt(xpos));
}

void formulario::dibujarEscena()
{
    pctBox.Cls();
    pctBox.Circle(centroDiana.x, centroDiana.y, radioDiana, rojo);
    pctBox.Line(rt::CSng(xpos), 0, rt::CSng(xpos + anchura), rt::Single(altura), rojo,
                rt::PictureBox::Box::Filled);
}

void formulario::vsbAltura_Change()
{
    altura = 100 - vsbAltura.Value();
    dibujarEscena();
}

void formulario::hsbAnchura_Change()
{
    anchura = hsbAnchura.Value();
    dibujarEscena();
}

void formulario::hsbXpos_Change()
{
    xpos = hsbXpos.Value();
    dibujarEscena();
}

void formulario::cmdDispara_Click()
{
    const rt::Double a = radianes(rt::Val(txtAngulo.Text()));
    vx = rt::Val(txtV.Text()) * std::cos(a);
    vy = rt::Val(txtV.Text()) * std::sin(a);
    Timer1.setInterval(50);
    Timer1.setEnabled(true);
    t = 0;
}

void formulario::Timer1_Timer()
{
    dibujarEscena();
    t = t + 0.1;
    const Punto p = posicion(vx, vy, t);
    const rt::Single x = rt::CSng(p.x), y = rt::CSng(p.y);
    pctBox.setDrawWidth(3);
    pctBox.PSet(x, y, rojo);
    pctBox.setDrawWidth(1);
    if (dentroDelBloque(p, xpos, anchura, altura)) {
        rt::MsgBox("Hemos tocado el bloque");
        Timer1.setEnabled(false);
    }
    if (enLaDiana(p)) {
        rt::Beep();
        rt::MsgBox("YOU WIN");
        Timer1.setEnabled(false);
    }
}

void formulario::cmdEnd_Click()
{
    rt::End();
}

}  // namespace Lanzador
