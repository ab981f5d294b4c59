#pragma once

#include "values/numbers.h"

namespace Lanzador {

// A point of the scene in its units: x rightwards, y upwards from the ground.
struct Punto {
    rt::Double x;
    rt::Double y;
};

// The red target circle.
inline constexpr Punto centroDiana{190, 10};
inline constexpr rt::Double radioDiana = 10;

// Degrees to radians, with pi taken as 3.141592. Overflow for angles whose
// product leaves the Double range.
rt::Double radianes(rt::Double grados);

// Where a projectile thrown from the origin with speed (vx, vy) is after t
// seconds under a gravity of 9.81. Overflow when a coordinate leaves the
// Double range.
Punto posicion(rt::Double vx, rt::Double vy, rt::Double t);

// Strictly inside the block standing on the ground from xpos to
// xpos + anchura, altura high: a point on an edge is outside.
bool dentroDelBloque(Punto p, rt::Double xpos, rt::Integer anchura, rt::Integer altura);

// Strictly closer than radioDiana to the target's centre.
bool enLaDiana(Punto p);

}  // namespace Lanzador
