#pragma once

#include "forms/runtime.h"

namespace polydraw {

// Draws a polygon with the mouse: each click adds a vertex, kept as text in
// two lists, a rubber band follows the pointer from the last one, and a click
// near the first vertex (where the pointer turns into a cross) closes it.
class Form1 : public rt::Form {
public:
    Form1() : rt::Form(layout()) {}
    static const rt::FormSpec& layout();

    rt::PictureBox& pctBox =
        bind<rt::PictureBox>("pctBox", rt::on(&rt::PictureBox::MouseDown, &Form1::pctBox_MouseDown),
                             rt::on(&rt::PictureBox::MouseMove, &Form1::pctBox_MouseMove));
    rt::ListBox& lstX = bind<rt::ListBox>("lstX");
    rt::ListBox& lstY = bind<rt::ListBox>("lstY");
    rt::CommandButton& cmdExit = bind<rt::CommandButton>(
        "cmdExit", rt::on(&rt::CommandButton::Click, &Form1::cmdExit_Click));
    rt::CommandButton& cmdReset = bind<rt::CommandButton>(
        "cmdReset", rt::on(&rt::CommandButton::Click, &Form1::cmdReset_Click));

    rt::Single ultimoX = 0, ultimoY = 0;  // the last vertex: where the rubber band starts
    bool dibujando = false;               // a polygon is being entered
    bool cerrado = false;                 // the polygon is closed; clicks are ignored
    RT_FORM_VARIABLES(ultimoX, ultimoY, dibujando, cerrado)

    void pctBox_MouseDown(int button, int shift, rt::Single x, rt::Single y);
    void pctBox_MouseMove(int button, int shift, rt::Single x, rt::Single y);
    void cmdReset_Click();
    void cmdExit_Click();
    void DibujaPoligono();

protected:
    void Form_Load() override;
};

}  // namespace polydraw
