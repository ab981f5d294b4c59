#pragma once

#include "forms/runtime.h"

namespace tankfill_a {

// The tank window: a timer adds the signed flow to the level, which is shown
// as a light-blue column in the picture box and as a number.
class Form1 : public rt::Form {
public:
    Form1() : rt::Form(layout()) {}
    static const rt::FormSpec& layout();

    // The controls the code uses, each with the handlers of its events.
    rt::PictureBox& pctBox = bind<rt::PictureBox>("pctBox");
    rt::Label& lblFluido = bind<rt::Label>("lblFluido");
    rt::CommandButton& cmdStart = bind<rt::CommandButton>(
        "cmdStart", rt::on(&rt::CommandButton::Click, &Form1::cmdStart_Click));
    rt::CommandButton& cmdExit = bind<rt::CommandButton>(
        "cmdExit", rt::on(&rt::CommandButton::Click, &Form1::cmdExit_Click));
    rt::OptionButton& optLLenar = bind<rt::OptionButton>(
        "optLLenar", rt::on(&rt::OptionButton::Click, &Form1::optLLenar_Click));
    rt::OptionButton& optVaciar = bind<rt::OptionButton>(
        "optVaciar", rt::on(&rt::OptionButton::Click, &Form1::optVaciar_Click));
    rt::ScrollBar& hsbCaudal =
        bind<rt::ScrollBar>("hsbCaudal", rt::on(&rt::ScrollBar::Change, &Form1::hsbCaudal_Change));
    rt::TextBox& txtH = bind<rt::TextBox>("txtH");
    rt::Timer& Timer1 = bind<rt::Timer>("Timer1", rt::on(&rt::Timer::Tick, &Form1::Timer1_Timer));

    rt::Variant nivel;   // liquid level, 0 (empty) to 5000 (full)
    rt::Integer caudal;  // added to nivel at each tick; negative while emptying
    RT_FORM_VARIABLES(nivel, caudal)

    void cmdStart_Click();
    void cmdExit_Click();
    void hsbCaudal_Change();
    void optLLenar_Click();
    void optVaciar_Click();
    void Timer1_Timer();

protected:
    void Form_Load() override;
};

}  // namespace tankfill_a
