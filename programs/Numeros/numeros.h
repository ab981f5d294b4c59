#pragma once

#include "values/array.h"
#include "values/numbers.h"

namespace Numeros {

// The whole numbers of a list, copied into a fixed array indexed from 1; n is
// the number of elements in use.
using Numbers = rt::Array<rt::Integer>;

// Sorts a(1..n) ascending in place by exchanges; equal values keep their order.
void SortNum(Numbers& a, const rt::Integer& n);
// The largest and the smallest of a(1..n); a(1) when n is 0 or 1.
rt::Integer MaxNum(const Numbers& a, const rt::Integer& n);
rt::Integer MinNum(const Numbers& a, const rt::Integer& n);

}  // namespace Numeros
