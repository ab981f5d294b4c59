#include "form1.h"

namespace Poligono {

namespace {
constexpr int32_t blue = 0xFF0000;
}  // namespace

void Form1::Form_Load()
{
    pctBox.Scale(-100, 50, 100, -50);
    dibujando = false;
    cerrado = false;
    modoPunto = false;
}

void Form1::Form_Activate()
{
    rt::MsgBox("Introduzca un polígono con el ratón");
}

void Form1::pctBox_MouseDown(int, int, rt::Single x, rt::Single y)
{
    if (modoPunto) {
        pctBox.setDrawWidth(5);
        pctBox.PSet(x, y, blue);
        pctBox.setDrawWidth(1);
        PuntoEnPoligono(x, y, verticeX, verticeY, numVertices);
        return;
    }
    // The arrays hold 20 vertices: a further click adds nothing.
    if (numVertices == maxVertices) return;
    dibujando = true;
    ultimoX = x;
    ultimoY = y;
    numVertices = numVertices + 1;
    verticeX[numVertices] = x;
    verticeY[numVertices] = y;
}

void Form1::pctBox_MouseMove(int, int, rt::Single x, rt::Single y)
{
    pctBox.setMousePointer(rt::vbCrosshair);
    if (!dibujando || cerrado) return;
    pctBox.Cls();
    for (int i = 1; i <= numVertices - 1; ++i)
        pctBox.Line(verticeX[i], verticeY[i], verticeX[i + 1], verticeY[i + 1]);
    pctBox.Line(ultimoX, ultimoY, x, y);
}

void Form1::pctBox_DblClick()
{
    dibujando = false;
    cerrado = true;
    pctBox.Line(verticeX[numVertices], verticeY[numVertices], verticeX[1], verticeY[1]);
    modoPunto = true;
    rt::MsgBox("Clique sobre la caja de dibujo para definir puntos");
}

void Form1::cmdClear_Click()
{
    pctBox.Cls();
    numVertices = 0;
    dibujando = false;
    cerrado = false;
    modoPunto = false;
    rt::MsgBox("Ya puede introducir un nuevo polígono");
}

void Form1::cmdExit_Click()
{
    rt::End();
}

void Form1::PuntoEnPoligono(rt::Integer px, rt::Integer py, const VertexArray& xs,
                            const VertexArray& ys, rt::Integer n)
{
    if (pointInPolygon(px, py, xs, ys, n)) {
        rt::MsgBox("El punto está dentro del polígono");
    } else {
        rt::MsgBox("El punto está fuera del polígono");
    }
}

}  // namespace Poligono
