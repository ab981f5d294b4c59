#pragma once

#include "forms/runtime.h"

// The tank window: a timer adds the signed flow to the level, which is shown
// as a light-blue column in the picture box and as a number.
class Form1 : public rt::Form {
    Q_OBJECT
public:
    Form1();
    static const rt::FormSpec& layout();

    rt::PictureBox& pctBox;
    rt::Label& lblFluido;
    rt::CommandButton& cmdStart;
    rt::CommandButton& cmdExit;
    rt::OptionButton& optLLenar;
    rt::OptionButton& optVaciar;
    rt::ScrollBar& hsbCaudal;
    rt::Label& lblCaudal;
    rt::TextBox& txtH;
    rt::Timer& Timer1;

    rt::Variant nivel;   // liquid level, 0 (empty) to 5000 (full)
    rt::Integer caudal;  // added to nivel at each tick; negative while emptying

    void cmdStart_Click();
    void cmdExit_Click();
    void hsbCaudal_Change();
    void optLLenar_Click();
    void optVaciar_Click();
    void Timer1_Timer();

protected:
    void Form_Load() override;
};
