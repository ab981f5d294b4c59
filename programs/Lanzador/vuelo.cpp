#include "vuelo.h"

#include "values/library.h"

namespace Lanzador {

rt::Double radianes(rt::Double grados)
{
    return rt::checked(rt::checked(grados * 3.141592) / 180);
}

Punto posicion(rt::Double vx, rt::Double vy, rt::Double t)
{
    const rt::Double x = rt::checked(vx * t);
    const rt::Double caida = rt::checked(rt::checked(9.81 / 2 * t) * t);
    const rt::Double y = rt::checked(rt::checked(vy * t) - caida);
    return {x, y};
}

bool dentroDelBloque(Punto p, rt::Double xpos, rt::Integer anchura, rt::Integer altura)
{
    return p.x > xpos && p.y > 0 && p.x < xpos + anchura && p.y < altura;
}

bool enLaDiana(Punto p)
{
    const rt::Double dx = p.x - centroDiana.x, dy = p.y - centroDiana.y;
    const rt::Double d = rt::Sqr(rt::checked(rt::checked(dx * dx) + rt::checked(dy * dy)));
    return d < radioDiana;
}

}  // namespace Lanzador
