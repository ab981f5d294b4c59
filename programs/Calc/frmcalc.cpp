#include "frmcalc.h"

#include "arithmetic.h"

namespace Calc {

void frmCalc::operate(char op)
{
    const rt::Double b = rt::Val(txtOper2.Text());
    const rt::Double a = rt::Val(txtOper1.Text());
    const rt::Double r = calculate(op, a, b);
    txtResult.setText(rt::text(r));
    lblOp.setCaption(QString(QChar(op)));
}

void frmCalc::cmdSuma_Click()
{
    operate('+');
}
void frmCalc::cmdResta_Click()
{
    operate('-');
}
void frmCalc::cmdProd_Click()
{
    operate('*');
}
void frmCalc::cmdDiv_Click()
{
    operate('/');
}

}  // namespace Calc
