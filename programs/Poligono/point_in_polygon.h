#pragma once

#include "values/bounded_array.h"
#include "values/numbers.h"

namespace Poligono {

// Vertex coordinates in whole units; vertices occupy indexes 1 to 20.
using VertexArray = rt::BoundedArray<rt::Integer, 0, 20>;

// Whether (px, py) lies inside the polygon of vertices 1 to n, by counting the
// edges that a ray going up from the point meets at or above it. An edge
// counts when its ends lie on opposite sides of the point's vertical line, or
// its first end on it; so of two vertical-line ties only one side counts.
bool pointInPolygon(rt::Integer px, rt::Integer py, const VertexArray& xs, const VertexArray& ys,
                    rt::Integer n);

}  // namespace Poligono
