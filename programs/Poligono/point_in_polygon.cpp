#include "point_in_polygon.h"

namespace Poligono {

bool pointInPolygon(rt::Integer px, rt::Integer py, const VertexArray& xs, const VertexArray& ys,
                    rt::Integer n)
{
    // The vertices relative to the point.
    VertexArray u(0, maxVertices), v(0, maxVertices);
    for (int i = 1; i <= n; ++i) {
        u[i] = xs[i] - px;
        v[i] = ys[i] - py;
    }
    rt::Integer crossings = 0;
    for (int j = 1; j <= n; ++j) {
        const int k = j == n ? 1 : j + 1;
        if ((u[j] >= 0 && u[k] < 0) || (u[j] <= 0 && u[k] > 0)) {
            // The height where the edge meets the vertical line through the
            // point: the differences and the product in Integer, the rest in
            // Double. The ends differ in u, so the divisor is never 0.
            const rt::Integer rise = v[k] - v[j];
            const rt::Integer product = rise * u[j];
            const rt::Integer run = u[k] - u[j];
            const rt::Double h = v[j].value() - rt::Double(product.value()) / run.value();
            if (h >= 0) crossings = crossings + 1;
        }
    }
    return crossings % 2 == 1;
}

}  // namespace Poligono
