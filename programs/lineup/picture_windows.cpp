#include "picture_windows.h"

namespace lineup {

// Each client area is a few pixels smaller than its picture, which fills it.
const rt::FormSpec& quendal::layout()
{
    static const rt::FormSpec spec{
        .name = "quendal",
        .caption = "Quendal",
        .clientWidth = 2235,
        .clientHeight = 3900,
        .controls = {},
        .picture = ":/lineup/quendal.jpg",
    };
    return spec;
}

const rt::FormSpec& frmBravos::layout()
{
    static const rt::FormSpec spec{
        .name = "frmBravos",
        .caption = "Jugadores del Bravos",
        .clientWidth = 4830,
        .clientHeight = 2775,
        .controls = {},
        .picture = ":/lineup/bravos.jpg",
    };
    return spec;
}

}  // namespace lineup
