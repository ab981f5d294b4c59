#pragma once

#include "forms/runtime.h"

// A small tank for the trace's tests: a start button that runs a timer, a
// flow bar, a level box, a pair of option buttons in a control array, a
// button that asks, one that fails inside the Change it sets off, a second
// timer, and two form-level variables.
class WatchedForm : public rt::Form {
public:
    static const rt::FormSpec& layout()
    {
        using rt::Kind;
        // clang-format off
        static const rt::FormSpec spec{
            "frmTank", "Tank", 5000, 3000,
            {
                {"cmdStart", Kind::CommandButton, "Start", 120,  120,  1200, 400},
                {"cmdAsk",   Kind::CommandButton, "Ask",   1400, 120,  1200, 400},
                {"cmdFail",  Kind::CommandButton, "Fail",  2700, 120,  1200, 400},
                {"hsbFlow",  Kind::HScrollBar,    "",      120,  700,  2000, 300, {.max = 100}},
                {"txtLevel", Kind::TextBox,       "",      2400, 700,  1200, 300},
                {"optMode",  Kind::OptionButton,  "A",     120,  1200, 1200, 300, {.index = 0}},
                {"optMode",  Kind::OptionButton,  "B",     120,  1600, 1200, 300, {.index = 1}},
                {"Timer1",   Kind::Timer,         "",      0,    0,    0,    0,   {.interval = 20}},
                {"Timer2",   Kind::Timer,         "",      0,    0,    0,    0,   {.interval = 50}},
            }};
        // clang-format on
        return spec;
    }
    WatchedForm() : rt::Form(layout()) {}

    rt::CommandButton& cmdStart = bind<rt::CommandButton>(
        "cmdStart", rt::on(&rt::CommandButton::Click, &WatchedForm::cmdStart_Click));
    rt::CommandButton& cmdAsk = bind<rt::CommandButton>(
        "cmdAsk", rt::on(&rt::CommandButton::Click, &WatchedForm::cmdAsk_Click));
    rt::CommandButton& cmdFail = bind<rt::CommandButton>(
        "cmdFail", rt::on(&rt::CommandButton::Click, &WatchedForm::cmdFail_Click));
    rt::ScrollBar& hsbFlow = bind<rt::ScrollBar>(
        "hsbFlow", rt::on(&rt::ScrollBar::Change, &WatchedForm::hsbFlow_Change));
    rt::TextBox& txtLevel = bind<rt::TextBox>("txtLevel");
    rt::ControlArray<rt::OptionButton> optMode = bindArray<rt::OptionButton>(
        "optMode", rt::on(&rt::OptionButton::Click, &WatchedForm::optMode_Click));
    rt::Timer& Timer1 =
        bind<rt::Timer>("Timer1", rt::on(&rt::Timer::Tick, &WatchedForm::Timer1_Timer));
    rt::Timer& Timer2 =
        bind<rt::Timer>("Timer2", rt::on(&rt::Timer::Tick, &WatchedForm::Timer2_Timer));

    rt::Variant level;
    rt::Integer flow;
    RT_FORM_VARIABLES(level, flow)
    int secondTicks = 0;

    void Form_Load() override
    {
        level = rt::Integer(0);
        hsbFlow.setValue(10);
        txtLevel.setText(rt::text(level));
        Timer1.setEnabled(false);
    }
    void cmdStart_Click()
    {
        if (cmdStart.Caption() == "Start") {
            Timer1.setEnabled(true);
            cmdStart.setCaption("Stop");
        } else {
            Timer1.setEnabled(false);
            cmdStart.setCaption("Start");
        }
    }
    void cmdAsk_Click()
    {
        if (rt::MsgBox("Fill the tank?\r\nIt is empty.", rt::vbYesNo) == rt::vbYes)
            hsbFlow.setValue(20);
    }
    void cmdFail_Click() { hsbFlow.setValue(13); }
    void hsbFlow_Change()
    {
        if (hsbFlow.Value() == 13) rt::raise(rt::ErrorCode::Overflow);
        flow = hsbFlow.Value();
    }
    void optMode_Click(int index) { optMode[index].setCaption(index == 0 ? "Fill" : "Empty"); }
    void Timer1_Timer()
    {
        level = level + flow;
        if (level > rt::Integer(40)) rt::raise(rt::ErrorCode::DivisionByZero);
        txtLevel.setText(rt::text(level));
    }
    void Timer2_Timer() { ++secondTicks; }
};
