#pragma once

#include "forms/runtime.h"

namespace tankfill_b {

// The tank window, painted edition: a timer adds a fixed flow of 10 to the
// level, which is painted as a red column in the picture box.
class Form1 : public rt::Form {
public:
    Form1() : rt::Form(layout()) {}
    static const rt::FormSpec& layout();

    // The controls the code uses, each with the handlers of its events.
    rt::PictureBox& pctBox =
        bind<rt::PictureBox>("pctBox", rt::on(&rt::PictureBox::Paint, &Form1::pctBox_Paint));
    rt::CommandButton& cmdStart = bind<rt::CommandButton>(
        "cmdStart", rt::on(&rt::CommandButton::Click, &Form1::cmdStart_Click));
    rt::CommandButton& cmdExit = bind<rt::CommandButton>(
        "cmdExit", rt::on(&rt::CommandButton::Click, &Form1::cmdExit_Click));
    rt::OptionButton& optLLenar = bind<rt::OptionButton>(
        "optLLenar", rt::on(&rt::OptionButton::Click, &Form1::optLLenar_Click));
    rt::OptionButton& optVaciar = bind<rt::OptionButton>(
        "optVaciar", rt::on(&rt::OptionButton::Click, &Form1::optVaciar_Click));
    rt::Timer& Timer1 = bind<rt::Timer>("Timer1", rt::on(&rt::Timer::Tick, &Form1::Timer1_Timer));

    rt::Variant nivel;   // liquid level, 0 (empty) to 5000 (full)
    rt::Integer caudal;  // added to nivel at each tick; negative while emptying
    RT_FORM_VARIABLES(nivel, caudal)

    void cmdStart_Click();
    void cmdExit_Click();
    void optLLenar_Click();
    void optVaciar_Click();
    void Timer1_Timer();
    void pctBox_Paint();

protected:
    void Form_Load() override;

private:
    void paintLiquid();
};

}  // namespace tankfill_b
