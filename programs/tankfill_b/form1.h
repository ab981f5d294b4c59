#pragma once

#include "forms/runtime.h"

// The tank window, painted edition: a timer adds a fixed flow of 10 to the
// level, which is painted as a red column in the picture box.
class Form1 : public rt::Form {
    Q_OBJECT
public:
    Form1();
    static const rt::FormSpec& layout();

    rt::PictureBox& pctBox;
    rt::CommandButton& cmdStart;
    rt::CommandButton& cmdExit;
    rt::OptionButton& optLLenar;
    rt::OptionButton& optVaciar;
    rt::Timer& Timer1;

    rt::Variant nivel;   // liquid level, 0 (empty) to 5000 (full)
    rt::Integer caudal;  // added to nivel at each tick; negative while emptying

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
