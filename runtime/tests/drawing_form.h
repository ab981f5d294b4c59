#pragma once

// The window of the picture box tests: a white picture box whose inner area is
// 200 x 100 logical pixels, and a label inside it.
#include "forms/runtime.h"

namespace rt::testing {

class DrawingForm : public rt::Form {
public:
    static const rt::FormSpec& layout()
    {
        // A flat box with a one-pixel border: its inner area is 200 x 100 pixels.
        // clang-format off
        static const rt::FormSpec spec{
            "DrawingForm", "Drawing", 4000, 2500,
            {
                {"pctBox",  Kind::PictureBox, "", 150, 150, 3030, 1530, {.backColor = 0xFFFFFF, .appearance = rt::Appearance::Flat}},
                {"lblMark", Kind::Label,      "",   0,   0,  300,  300, {.container = "pctBox", .backColor = 0x0000FF, .opaque = true}},
            }};
        // clang-format on
        return spec;
    }

    DrawingForm() : rt::Form(layout()) {}

    rt::PictureBox& pctBox = bind<rt::PictureBox>("pctBox");
    rt::Label& lblMark = bind<rt::Label>("lblMark");
};

}  // namespace rt::testing
