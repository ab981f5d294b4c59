#pragma once

#include "point_in_polygon.h"

#include "forms/runtime.h"

namespace Poligono {

// Draws a polygon of up to 20 vertices with the mouse, a rubber band following
// the pointer from the last vertex; a double click closes it, and then each
// click is a point the window says is inside or outside it.
class Form1 : public rt::Form {
public:
    Form1() : rt::Form(layout()) {}
    static const rt::FormSpec& layout();

    rt::PictureBox& pctBox =
        bind<rt::PictureBox>("pctBox", rt::on(&rt::PictureBox::MouseDown, &Form1::pctBox_MouseDown),
                             rt::on(&rt::PictureBox::MouseMove, &Form1::pctBox_MouseMove),
                             rt::on(&rt::PictureBox::DblClick, &Form1::pctBox_DblClick));
    rt::CommandButton& cmdClear = bind<rt::CommandButton>(
        "cmdClear", rt::on(&rt::CommandButton::Click, &Form1::cmdClear_Click));
    rt::CommandButton& cmdExit = bind<rt::CommandButton>(
        "cmdExit", rt::on(&rt::CommandButton::Click, &Form1::cmdExit_Click));

    VertexArray verticeX{0, maxVertices},
        verticeY{0, maxVertices};  // vertices 1 to numVertices; index 0 unused
    rt::Integer numVertices;
    rt::Integer ultimoX, ultimoY;  // the last vertex: where the rubber band starts
    bool dibujando = false;        // a polygon is being entered
    bool cerrado = false;          // the polygon has been closed
    bool modoPunto = false;        // clicks are test points
    RT_FORM_VARIABLES(verticeX, verticeY, numVertices, ultimoX, ultimoY, dibujando, cerrado,
                      modoPunto)

    void pctBox_MouseDown(int button, int shift, rt::Single x, rt::Single y);
    void pctBox_MouseMove(int button, int shift, rt::Single x, rt::Single y);
    void pctBox_DblClick();
    void cmdClear_Click();
    void cmdExit_Click();
    void PuntoEnPoligono(rt::Integer px, rt::Integer py, const VertexArray& xs,
                         const VertexArray& ys, rt::Integer n);

protected:
    void Form_Load() override;
    void Form_Activate() override;
};

}  // namespace Poligono
