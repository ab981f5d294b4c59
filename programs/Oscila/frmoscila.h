#pragma once

#include "forms/runtime.h"

namespace Oscila {

// The oscillation window: a timer moves the chosen body along the middle of
// the picture box, x = A sin(2 pi f t), in the box's user coordinates.
class frmOscila : public rt::Form {
public:
    frmOscila() : rt::Form(layout()) {}
    static const rt::FormSpec& layout();

    // The controls the code uses, each with the handlers of its events.
    rt::TextBox& txtFrec = bind<rt::TextBox>("txtFrec");
    rt::CommandButton& cmdStart = bind<rt::CommandButton>(
        "cmdStart", rt::on(&rt::CommandButton::Click, &frmOscila::cmdStart_Click));
    rt::CommandButton& cmdExit = bind<rt::CommandButton>(
        "cmdExit", rt::on(&rt::CommandButton::Click, &frmOscila::cmdExit_Click));
    rt::PictureBox& pctBox = bind<rt::PictureBox>(
        "pctBox", rt::on(&rt::PictureBox::DragDrop, &frmOscila::pctBox_DragDrop));
    rt::ControlArray<rt::OptionButton> optMovil = bindArray<rt::OptionButton>(
        "optMovil", rt::on(&rt::OptionButton::Click, &frmOscila::optMovil_Click));
    rt::Label& lblBloque = bind<rt::Label>("lblBloque");
    rt::TextBox& txtAmplitud = bind<rt::TextBox>(
        "txtAmplitud", rt::on(&rt::TextBox::KeyPress, &frmOscila::txtAmplitud_KeyPress));
    rt::ScrollBar& hsbFrec =
        bind<rt::ScrollBar>("hsbFrec", rt::on(&rt::ScrollBar::Change, &frmOscila::hsbFrec_Change));
    rt::Timer& Timer1 =
        bind<rt::Timer>("Timer1", rt::on(&rt::Timer::Tick, &frmOscila::Timer1_Timer));

    rt::Variant amplitud;    // A, in user units: a number or the text typed
    rt::Variant frecuencia;  // f, in hertz
    rt::Variant tiempo;      // t, in seconds of motion
    rt::Variant posicion;    // the body's displacement x
    rt::Single pi = 0;
    rt::Variant intervalo;  // the timer's interval in milliseconds
    rt::Integer movil;      // the body: the index of the chosen optMovil
    RT_FORM_VARIABLES(amplitud, frecuencia, tiempo, posicion, pi, intervalo, movil)

    void Timer1_Timer();
    void cmdStart_Click();
    void cmdExit_Click();
    void optMovil_Click(rt::Integer Index);
    void hsbFrec_Change();
    void txtAmplitud_KeyPress(rt::Integer& KeyAscii);
    void pctBox_DragDrop(rt::Control& Source, rt::Single X, rt::Single Y);

protected:
    void Form_Load() override;
};

}  // namespace Oscila
