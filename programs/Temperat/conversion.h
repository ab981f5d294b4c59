#pragma once

#include "values/numbers.h"

namespace Temperat {

// Degrees Fahrenheit for whole degrees Celsius. Computed as (9 C + 160) / 5,
// whose only rounding is the final division, so the value is the Double
// nearest to the exact result and its text shows at most one decimal digit
// (-18 gives -0.4, 37 gives 98.6).
rt::Double fahrenheit(rt::Integer celsius);

}  // namespace Temperat
