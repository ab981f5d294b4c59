#include "arithmetic.h"

#include "values/errors.h"

namespace Calc {

rt::Double calculate(char op, rt::Double a, rt::Double b)
{
    switch (op) {
        case '+': return rt::checked(a + b);
        case '-': return rt::checked(a - b);
        case '*': return rt::checked(a * b);
        case '/': return rt::checkedDiv(a, b);
        default: rt::raise(rt::ErrorCode::InvalidProcedureCall);
    }
}

}  // namespace Calc
