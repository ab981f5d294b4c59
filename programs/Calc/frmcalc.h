#pragma once

#include "forms/runtime.h"

namespace Calc {

// Two operand boxes, a result box and four operator buttons; each button
// shows its operation's result and its operator between the operands.
class frmCalc : public rt::Form {
public:
    frmCalc() : rt::Form(layout()) {}
    static const rt::FormSpec& layout();

    rt::TextBox& txtOper1 = bind<rt::TextBox>("txtOper1");
    rt::TextBox& txtOper2 = bind<rt::TextBox>("txtOper2");
    rt::TextBox& txtResult = bind<rt::TextBox>("txtResult");
    rt::Label& lblOp = bind<rt::Label>("lblOp");
    rt::CommandButton& cmdSuma = bind<rt::CommandButton>(
        "cmdSuma", rt::on(&rt::CommandButton::Click, &frmCalc::cmdSuma_Click));
    rt::CommandButton& cmdResta = bind<rt::CommandButton>(
        "cmdResta", rt::on(&rt::CommandButton::Click, &frmCalc::cmdResta_Click));
    rt::CommandButton& cmdProd = bind<rt::CommandButton>(
        "cmdProd", rt::on(&rt::CommandButton::Click, &frmCalc::cmdProd_Click));
    rt::CommandButton& cmdDiv = bind<rt::CommandButton>(
        "cmdDiv", rt::on(&rt::CommandButton::Click, &frmCalc::cmdDiv_Click));

    void cmdSuma_Click();
    void cmdResta_Click();
    void cmdProd_Click();
    void cmdDiv_Click();

private:
    // Reads both operands, computes, then shows the result and the operator;
    // an error in the computation leaves both as they were.
    void operate(char op);
};

}  // namespace Calc
