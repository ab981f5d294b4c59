#pragma once

#include "forms/runtime.h"

namespace tankflow {

// Two tanks joined by a pipe, each with an inflow and an outflow set by its
// scroll bars; a timer updates both levels and redraws the scene.
class Form1 : public rt::Form {
public:
    Form1() : rt::Form(layout()) {}
    static const rt::FormSpec& layout();

    // The controls the code uses, each with the handlers of its events.
    rt::PictureBox& pctBox = bind<rt::PictureBox>("pctBox");
    rt::ScrollBar& vsbI1 =
        bind<rt::ScrollBar>("vsbI1", rt::on(&rt::ScrollBar::Change, &Form1::vsbI1_Change));
    rt::ScrollBar& vsbS1 =
        bind<rt::ScrollBar>("vsbS1", rt::on(&rt::ScrollBar::Change, &Form1::vsbS1_Change));
    rt::ScrollBar& vsbI2 =
        bind<rt::ScrollBar>("vsbI2", rt::on(&rt::ScrollBar::Change, &Form1::vsbI2_Change));
    rt::ScrollBar& vsbS2 =
        bind<rt::ScrollBar>("vsbS2", rt::on(&rt::ScrollBar::Change, &Form1::vsbS2_Change));
    rt::ScrollBar& hsbPaso =
        bind<rt::ScrollBar>("hsbPaso", rt::on(&rt::ScrollBar::Change, &Form1::hsbPaso_Change));
    rt::TextBox& txtI1 = bind<rt::TextBox>("txtI1");
    rt::TextBox& txtS1 = bind<rt::TextBox>("txtS1");
    rt::TextBox& txtI2 = bind<rt::TextBox>("txtI2");
    rt::TextBox& txtS2 = bind<rt::TextBox>("txtS2");
    rt::TextBox& txtPaso = bind<rt::TextBox>("txtPaso");
    rt::TextBox& txtH1 = bind<rt::TextBox>("txtH1");
    rt::TextBox& txtH2 = bind<rt::TextBox>("txtH2");
    rt::CommandButton& cmdSalir = bind<rt::CommandButton>(
        "cmdSalir", rt::on(&rt::CommandButton::Click, &Form1::cmdSalir_Click));
    rt::Timer& Timer1 = bind<rt::Timer>("Timer1", rt::on(&rt::Timer::Tick, &Form1::Timer1_Timer));

    rt::Variant h1, h2;  // levels, each from its own tank's bottom, 0..5000
    rt::Variant I1, I2;  // inflows, units per tick
    rt::Variant S1, S2;  // outflows: a tank loses S/1000 of its level per tick
    rt::Variant Q;       // flow through the pipe from tank 1 to tank 2 in this tick
    rt::Integer paso;    // the pipe passes paso/1000 of the driving head per tick

    // Geometry in picture-box units.
    rt::Variant x1izq, x1der, y1fondo;
    rt::Integer y1tope;
    rt::Variant x2izq, x2der, y2fondo;
    rt::Integer y2tope;
    rt::Variant htubo;   // pipe centre line above tank 1's bottom
    rt::Integer rtubo;   // half the pipe's thickness
    rt::Integer dfondo;  // how much higher tank 1's bottom stands
    RT_FORM_VARIABLES(h1, h2, I1, I2, S1, S2, Q, paso, x1izq, x1der, y1fondo, y1tope, x2izq, x2der,
                      y2fondo, y2tope, htubo, rtubo, dfondo)

    void deposito();
    void fluido(rt::Integer nivel1, rt::Integer nivel2);

    void Timer1_Timer();
    void vsbI1_Change();
    void vsbS1_Change();
    void vsbI2_Change();
    void vsbS2_Change();
    void hsbPaso_Change();
    void cmdSalir_Click();

protected:
    void Form_Load() override;

private:
    // A filled box or a segment between two points given as variants.
    void box(const rt::Variant& x1, const rt::Variant& y1, const rt::Variant& x2,
             const rt::Variant& y2, int32_t colour);
    void segment(const rt::Variant& x1, const rt::Variant& y1, const rt::Variant& x2,
                 const rt::Variant& y2);
};

}  // namespace tankflow
