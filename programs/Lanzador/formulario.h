#pragma once

#include "forms/runtime.h"

namespace Lanzador {

// The launcher window: a timer moves a projectile along its parabola over a
// picture box in user coordinates, until it hits the obstacle or the target.
class formulario : public rt::Form {
public:
    formulario() : rt::Form(layout()) {}
    static const rt::FormSpec& layout();

    // The controls the code uses, each with the handlers of its events.
    rt::PictureBox& pctBox = bind<rt::PictureBox>("pctBox");
    rt::CommandButton& cmdDispara = bind<rt::CommandButton>(
        "cmdDispara", rt::on(&rt::CommandButton::Click, &formulario::cmdDispara_Click));
    rt::TextBox& txtV = bind<rt::TextBox>("txtV");
    rt::TextBox& txtAngulo = bind<rt::TextBox>("txtAngulo");
    rt::CommandButton& cmdEnd = bind<rt::CommandButton>(
        "cmdEnd", rt::on(&rt::CommandButton::Click, &formulario::cmdEnd_Click));
    rt::ScrollBar& hsbXpos =
        bind<rt::ScrollBar>("hsbXpos", rt::on(&rt::ScrollBar::Change, &formulario::hsbXpos_Change));
    rt::ScrollBar& hsbAnchura = bind<rt::ScrollBar>(
        "hsbAnchura", rt::on(&rt::ScrollBar::Change, &formulario::hsbAnchura_Change));
    rt::ScrollBar& vsbAltura = bind<rt::ScrollBar>(
        "vsbAltura", rt::on(&rt::ScrollBar::Change, &formulario::vsbAltura_Change));
    rt::Timer& Timer1 =
        bind<rt::Timer>("Timer1", rt::on(&rt::Timer::Tick, &formulario::Timer1_Timer));

    rt::Double vx = 0;    // horizontal speed, units per second
    rt::Double vy = 0;    // vertical speed, units per second
    rt::Double t = 0;     // flight time in seconds
    rt::Integer altura;   // obstacle height, 0 to 99
    rt::Integer anchura;  // obstacle width, 1 to 100
    rt::Double xpos = 0;  // x of the obstacle's left side, 50 to 150
    RT_FORM_VARIABLES(vx, vy, t, altura, anchura, xpos)

    void cmdDispara_Click();
    void cmdEnd_Click();
    void hsbXpos_Change();
    void hsbAnchura_Change();
    void vsbAltura_Change();
    void Timer1_Timer();

protected:
    void Form_Load() override;

private:
    // Clears the box and draws the target and the obstacle.
    void dibujarEscena();
};

}  // namespace Lanzador
