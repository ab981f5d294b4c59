#pragma once

#include "values/array.h"
#include "values/numbers.h"

namespace Poligono {

// Vertex coordinates in whole units, indexes 0 to 20; vertices occupy 1 to 20.
using VertexArray = rt::Array<rt::Integer>;
inline constexpr int maxVertices = 20;

// Whether (px, py) lies inside the polygon of vertices 1 to n, by counting the
// edges that a ray going up from the point meets at or above it. An edge
// counts when its ends lie on opposite sides of the point's vertical line, or
// its first end on it; so of two vertical-line ties only one side counts.
bool pointInPolygon(rt::Integer px, rt::Integer py, const VertexArray& xs, const VertexArray& ys,
                    rt::Integer n);

}  // namespace Poligono
