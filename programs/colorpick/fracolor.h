#pragma once

#include "forms/runtime.h"

namespace colorpick {

// A box whose colour and position are chosen with two groups of option
// buttons; the box's BackColor and Top are all the state there is.
class fraColor : public rt::Form {
public:
    fraColor() : rt::Form(layout()) {}
    static const rt::FormSpec& layout();

    rt::TextBox& txtCaja = bind<rt::TextBox>("txtCaja");
    rt::OptionButton& optArriba = bind<rt::OptionButton>(
        "optArriba", rt::on(&rt::OptionButton::Click, &fraColor::optArriba_Click));
    rt::OptionButton& optAbajo = bind<rt::OptionButton>(
        "optAbajo", rt::on(&rt::OptionButton::Click, &fraColor::optAbajo_Click));
    rt::OptionButton& optAzul = bind<rt::OptionButton>(
        "optAzul", rt::on(&rt::OptionButton::Click, &fraColor::optAzul_Click));
    rt::OptionButton& optRojo = bind<rt::OptionButton>(
        "optRojo", rt::on(&rt::OptionButton::Click, &fraColor::optRojo_Click));
    rt::OptionButton& optVerde = bind<rt::OptionButton>(
        "optVerde", rt::on(&rt::OptionButton::Click, &fraColor::optVerde_Click));
    rt::OptionButton& optAmarillo = bind<rt::OptionButton>(
        "optAmarillo", rt::on(&rt::OptionButton::Click, &fraColor::optAmarillo_Click));

    void optArriba_Click();
    void optAbajo_Click();
    void optAzul_Click();
    void optRojo_Click();
    void optVerde_Click();
    void optAmarillo_Click();

protected:
    void Form_Load() override;
};

}  // namespace colorpick
