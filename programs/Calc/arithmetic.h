#pragma once

#include "values/numbers.h"

namespace Calc {

// a + b, a - b, a * b or a / b for the operator '+', '-', '*' or '/'.
// Raises Division by zero for x / 0 (x not 0) and Overflow for 0 / 0 and for
// results beyond the Double range.
rt::Double calculate(char op, rt::Double a, rt::Double b);

}  // namespace Calc
