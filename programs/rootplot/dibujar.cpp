#include "dibujar.h"

#include "frmdib.h"

namespace rootplot {

namespace {
// Coordinates reach the box as Singles; a value beyond the Single range is
// an Overflow.
rt::Single toSingle(rt::Double x)
{
    return rt::Variant(x).toSingle();
}
}  // namespace

void DibujarFuncion(const rt::Double& xmax, const rt::Double& ymax)
{
    frmDib& form = rt::form<frmDib>();
    rt::PictureBox& box = form.pctBox;

    box.Cls();
    box.Line(-xmax, 0, xmax, 0);
    box.Line(0, 0.9 * ymax, 0, -0.9 * ymax);
    for (rt::Integer i = -10; i <= 10; ++i) box.Line(i, -ymax / 20, i, 0);
    for (rt::Double y = -0.9 * ymax; y <= 0.9 * ymax; y += 10) box.Line(-0.4, y, 0, y);

    box.setCurrentX(toSingle(-10));
    box.setCurrentY(toSingle(form.F(-10)));
    // The counter accumulates the rounding of 0.1, so its last value is just
    // under 10 and the curve has 201 points.
    for (rt::Double x = -10; x <= 10; x += 0.1) box.LineTo(toSingle(x), toSingle(form.F(x)));
}

}  // namespace rootplot
