#pragma once

#include "values/numbers.h"

namespace rootplot {

// Clears frmDib.pctBox and draws, in the box's current scale, the x axis from
// -xmax to xmax, the y axis over nine tenths of ymax each way, their ticks and
// the curve of frmDib.F from -10 to 10.
void DibujarFuncion(const rt::Double& xmax, const rt::Double& ymax);

}  // namespace rootplot
